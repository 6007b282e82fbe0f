// The effect's parameters as the host sees them: definitions and the
// property map built from the parameter table, the defaults, and the read of
// every value a frame uses.
#include <mutex>
#include <utility>

#include "effect/ColBalance.h"
#include "effect/FnDsModule.h"

namespace {

// The fixed word every definition passes ahead of its capability word.
constexpr uint32_t kFixedWord = 32768;

CDSParamDef definitionOf(const ColBalanceParamSpec& p) {
    CDSParamDef d(p.id, fnModuleInstance(), kFixedWord, p.type, p.capabilities, p.nameId, p.nameId,
                  p.descriptionId);
    d.SetDefault(p.defaultValue);
    if (p.hasRange) d.SetRange(p.pageMin, p.pageMax);
    d.SetListItems(p.listItems.data(), p.listCount);
    return d;
}

template <size_t... I>
std::array<CDSParamDef, sizeof...(I)> definitions(std::index_sequence<I...>) {
    return {definitionOf(*kColBalanceParams[I])...};
}

const auto kDefinitions = definitions(std::make_index_sequence<kColBalanceParams.size()>());

}  // namespace

// Forms the member locators of the map: a friend of ColBalance.
struct ColBalanceMembers {
    template <size_t I>
    static void* at(CDSBasePropertyContainer* c) {
        return static_cast<ColBalance*>(c)->ValueAddress(*kColBalanceParams[I]);
    }
    template <size_t... I>
    static std::array<CDSPropertiesMapEntry, sizeof...(I) + 1> map(std::index_sequence<I...>) {
        return {CDSPropertiesMapEntry(kDefinitions[I], kColBalanceParams[I]->key, &at<I>)...,
                CDSPropertiesMapEntry()};
    }
    static const std::array<CDSPropertiesMapEntry, kColBalanceParams.size() + 1> entries;
};

const std::array<CDSPropertiesMapEntry, kColBalanceParams.size() + 1> ColBalanceMembers::entries =
    ColBalanceMembers::map(std::make_index_sequence<kColBalanceParams.size()>());

const CDSPropertiesMap ColBalance::s_propertiesMap = {ColBalanceMembers::entries.data(),
                                                      &CDSImageEffect::m_PropertiesMap};

// Handed to the SDK the first time the host asks for the map or the count.
const CDSStaticPropertyMap& ColBalance::GetStaticPropertyMap() {
    static CDSStaticPropertyMap map;
    static std::once_flag once;
    std::call_once(once, [] { InitStaticPropertyMap(map, s_propertiesMap); });
    return map;
}

void* ColBalance::ValueAddress(const ColBalanceParamSpec& p) {
    using Home = ColBalanceParamSpec::Home;
    switch (p.home) {
    case Home::Number: return &(m_values.*p.number);
    case Home::Integer: return &(m_values.*p.integer);
    case Home::Page: return &(m_page.*p.page);
    case Home::Channel: return &ChannelSwitch(p.channel);
    }
    return nullptr;
}

void ColBalance::StoreDefaults() {
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        void* v = ValueAddress(*p);
        if (p->type == VT_R8)
            *static_cast<double*>(v) = p->defaultValue;
        else
            *static_cast<int32_t*>(v) = int32_t(p->defaultValue);
    }
}

FnBalanceParams ColBalance::ParamsAt(double t) {
    using Home = ColBalanceParamSpec::Home;
    FnBalanceParams frame;
    {
        std::lock_guard<std::mutex> g(m_propertyLock);
        frame = m_values;
        for (const ColBalanceParamSpec* p : kColBalanceParams)
            if (p->home == Home::Channel) frame.*(p->integer) = ChannelSwitch(p->channel);
    }
    for (const ColBalanceParamSpec* p : kColBalanceParams)
        if (p->animated()) frame.*(p->number) = GetValueDirect(p->key, frame.*(p->number), t);
    return frame;
}
