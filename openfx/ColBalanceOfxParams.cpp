#include "openfx/ColBalanceOfxParams.h"

#include <iterator>

#include "openfx/FnOfxProps.h"
#include "openfx/FnOfxSuites.h"
#include "resources/FnStrings.h"

namespace {

namespace P = ColBalanceParam;
using Home = ColBalanceParamSpec::Home;

// The pages' grouping.  Labels are the string table's: the ranges are the
// texts of the main page's Which list, then the tone-curves page's title.
struct Group {
    const char* name;
    uint32_t labelId;
    std::array<const ColBalanceParamSpec*, 5> members;
};
constexpr uint32_t kToneCurvesTitle = 5;
constexpr Group kGroups[] = {
    {"overall_group",
     P::Which.listItems[0],
     {&P::MasterHue, &P::MasterSaturation, &P::MasterLuminance, &P::PreserveLuminance}},
    {"lowlights_group",
     P::Which.listItems[1],
     {&P::LowlightHue, &P::LowlightSaturation, &P::LowlightLuminance}},
    {"midtones_group",
     P::Which.listItems[2],
     {&P::MidtonesHue, &P::MidtonesSaturation, &P::MidtonesLuminance}},
    {"highlights_group",
     P::Which.listItems[3],
     {&P::HighlightHue, &P::HighlightSaturation, &P::HighlightLuminance}},
    {"tone_curves_group",
     kToneCurvesTitle,
     {&P::Lowlights, &P::Highlights, &P::LowlightsEase, &P::HighlightsEase, &P::RenderTone}},
};

constexpr const ColBalanceParamSpec* kAngles[] = {&P::MasterHue, &P::LowlightHue, &P::MidtonesHue,
                                                  &P::HighlightHue};

const Group* groupOf(const ColBalanceParamSpec& p) {
    for (const Group& g : kGroups)
        for (const ColBalanceParamSpec* m : g.members)
            if (m == &p) return &g;
    return nullptr;
}

bool isAngle(const ColBalanceParamSpec& p) {
    for (const ColBalanceParamSpec* a : kAngles)
        if (a == &p) return true;
    return false;
}

size_t rowOf(const ColBalanceParamSpec& p) {
    for (size_t i = 0; i < kColBalanceParams.size(); ++i)
        if (kColBalanceParams[i] == &p) return i;
    return kColBalanceParams.size();
}

const char* text(uint32_t id) {
    const char* s = fnLoadString(id);
    return s ? s : "";
}

OfxStatus defineGroup(OfxParamSetHandle set, const Group& g) {
    OfxPropertySetHandle h = nullptr;
    const OfxStatus st = fnOfxSuites().param->paramDefine(set, kOfxParamTypeGroup, g.name, &h);
    if (st != kOfxStatOK) return st;
    return FnOfxProps(h).set(kOfxPropLabel, text(g.labelId)).status();
}

enum class Kind { Double, Choice, Boolean, Integer };

Kind kindOf(const ColBalanceParamSpec& p) {
    if (p.type == VT_R8) return Kind::Double;
    if (p.listCount > 0) return Kind::Choice;
    if (p.type == VT_BOOL || p.home == Home::Channel) return Kind::Boolean;
    return Kind::Integer;
}

const char* typeName(Kind k) {
    switch (k) {
    case Kind::Double: return kOfxParamTypeDouble;
    case Kind::Choice: return kOfxParamTypeChoice;
    case Kind::Boolean: return kOfxParamTypeBoolean;
    case Kind::Integer: break;
    }
    return kOfxParamTypeInteger;
}

OfxStatus defineParam(OfxParamSetHandle set, const ColBalanceParamSpec& p) {
    const std::string& name = ColBalanceOfxParams::nameOf(p);
    const Kind kind = kindOf(p);
    OfxPropertySetHandle h = nullptr;
    const OfxStatus st = fnOfxSuites().param->paramDefine(set, typeName(kind), name.c_str(), &h);
    if (st != kOfxStatOK) return st;

    FnOfxProps props(h);
    props.set(kOfxPropLabel, text(p.nameId))
        .set(kOfxParamPropHint, text(p.descriptionId))
        .set(kOfxParamPropScriptName, name.c_str())
        .set(kOfxParamPropAnimates, p.animated() ? 1 : 0);
    if (const Group* g = groupOf(p)) props.set(kOfxParamPropParent, g->name);

    if (kind == Kind::Double) {
        props.set(kOfxParamPropDefault, p.defaultValue);
        if (isAngle(p)) props.set(kOfxParamPropDoubleType, kOfxParamDoubleTypeAngle);
        if (p.hasRange)
            props.set(kOfxParamPropMin, p.pageMin)
                .set(kOfxParamPropMax, p.pageMax)
                .set(kOfxParamPropDisplayMin, p.pageMin)
                .set(kOfxParamPropDisplayMax, p.pageMax);
    } else if (kind == Kind::Choice) {
        for (uint32_t i = 0; i < p.listCount; ++i)
            props.set(kOfxParamPropChoiceOption, text(p.listItems[i]), int(i));
        props.set(kOfxParamPropDefault, int(p.defaultValue));
    } else if (kind == Kind::Boolean) {
        props.set(kOfxParamPropDefault, p.defaultValue != 0 ? 1 : 0);
    } else {
        props.set(kOfxParamPropDefault, int(p.defaultValue));
        if (p.hasRange)
            props.set(kOfxParamPropMin, int(p.pageMin))
                .set(kOfxParamPropMax, int(p.pageMax))
                .set(kOfxParamPropDisplayMin, int(p.pageMin))
                .set(kOfxParamPropDisplayMax, int(p.pageMax));
    }
    return props.status();
}

}  // namespace

bool ColBalanceOfxParams::shown(const ColBalanceParamSpec& p) { return p.home != Home::Page; }

const std::string& ColBalanceOfxParams::nameOf(const ColBalanceParamSpec& p) {
    static const auto names = [] {
        std::array<std::string, kColBalanceParams.size()> n;
        for (size_t i = 0; i < n.size(); ++i)
            n[i] = fnParamAlias(*kColBalanceParams[i], '_');
        return n;
    }();
    static const std::string none;
    const size_t row = rowOf(p);
    return row < names.size() ? names[row] : none;
}

// Groups first, each followed by its members, so hosts that list parameters
// in definition order show them as the pages do; then the rest in table
// order.
OfxStatus ColBalanceOfxParams::define(OfxParamSetHandle set) {
    for (const Group& g : kGroups) {
        if (const OfxStatus st = defineGroup(set, g); st != kOfxStatOK) return st;
        for (const ColBalanceParamSpec* m : g.members) {
            if (!m) continue;
            if (const OfxStatus st = defineParam(set, *m); st != kOfxStatOK) return st;
        }
    }
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        if (!shown(*p) || groupOf(*p)) continue;
        if (const OfxStatus st = defineParam(set, *p); st != kOfxStatOK) return st;
    }
    return kOfxStatOK;
}

OfxStatus ColBalanceOfxParams::find(OfxParamSetHandle set) {
    for (size_t i = 0; i < kColBalanceParams.size(); ++i) {
        handles_[i] = nullptr;
        if (!shown(*kColBalanceParams[i])) continue;
        const OfxStatus st = fnOfxSuites().param->paramGetHandle(
            set, nameOf(*kColBalanceParams[i]).c_str(), &handles_[i], nullptr);
        if (st != kOfxStatOK || !handles_[i]) return st != kOfxStatOK ? st : kOfxStatErrBadHandle;
    }
    return kOfxStatOK;
}

OfxStatus ColBalanceOfxParams::valuesAt(double t, FnBalanceParams& out) const {
    const OfxParameterSuiteV1& suite = *fnOfxSuites().param;
    FnBalanceParams v;
    for (size_t i = 0; i < kColBalanceParams.size(); ++i) {
        const ColBalanceParamSpec& p = *kColBalanceParams[i];
        if (!shown(p)) continue;
        OfxStatus st = kOfxStatErrBadHandle;
        if (p.home == Home::Number) {
            double d = 0;
            if (handles_[i]) st = suite.paramGetValueAtTime(handles_[i], t, &d);
            v.*(p.number) = d;
        } else {
            int n = 0;  // booleans and choices are ints
            if (handles_[i]) st = suite.paramGetValueAtTime(handles_[i], t, &n);
            v.*(p.integer) = n;
        }
        if (st != kOfxStatOK) return st;
    }
    out = v;
    return kOfxStatOK;
}
