// The effect's parameter table: 24 definitions bound to their keys and
// members, chained to the SDK's own property map.
#include <mutex>

#include "effect/ColBalance.h"
#include "effect/ColBalanceApi.h"
#include "effect/FnDsModule.h"

namespace {

constexpr uint32_t kFixedWord = 32768;
// Capability words.
constexpr uint32_t kAnimated = 5;
constexpr uint32_t kPlain = 4;
constexpr uint32_t kPageOnly = 532;

CDSParamDef number(const GUID& id, UINT nameId, double def, double lo, double hi) {
    return CDSParamDef(id, fnModuleInstance(), kFixedWord, VT_R8, kAnimated, nameId, nameId,
                       nameId + 1)
        .SetDefault(def)
        .SetRange(lo, hi);
}

namespace P = ColBalanceParam;

const CDSParamDef kMasterHue = number(P::MasterHue, 1000, 0, -720, 720);
// The dialog template says 0..10; the page widens it to 0..100 when it
// opens, and that is the range users see.
const CDSParamDef kMasterSaturation = number(P::MasterSaturation, 1002, 0, 0, 100);
const CDSParamDef kLowHue = number(P::LowlightHue, 1004, 0, -720, 720);
const CDSParamDef kLowSaturation = number(P::LowlightSaturation, 1006, 0, 0, 100);
const CDSParamDef kMidHue = number(P::MidtonesHue, 1008, 0, -720, 720);
const CDSParamDef kMidSaturation = number(P::MidtonesSaturation, 1010, 0, 0, 100);
const CDSParamDef kHighHue = number(P::HighlightHue, 1012, 0, -720, 720);
const CDSParamDef kHighSaturation = number(P::HighlightSaturation, 1014, 0, 0, 100);
const CDSParamDef kPreserveLuminance = CDSParamDef(P::PreserveLuminance, fnModuleInstance(),
                                                   kFixedWord, VT_BOOL, kPlain, 1016, 1016, 1017)
                                           .SetDefault(1);
const CDSParamDef kLowlights = number(P::Lowlights, 1018, 0, 0, 100);
const CDSParamDef kHighlights = number(P::Highlights, 1020, 100, 0, 100);
const CDSParamDef kLowlightsEase = number(P::LowlightsEase, 1022, 30, 0, 100);
const CDSParamDef kHighlightsEase = number(P::HighlightsEase, 1024, 30, 0, 100);
const CDSParamDef kWhich =
    CDSParamDef(P::Which, fnModuleInstance(), kFixedWord, VT_I4, kPageOnly, 1026, 1026, 1027)
        .SetDefault(0)
        .SetListItems({1028, 1029, 1030, 1031});
const CDSParamDef kMasterLum = number(P::MasterLuminance, 1032, 0, -100, 100);
const CDSParamDef kLowLum = number(P::LowlightLuminance, 1034, 0, -100, 100);
const CDSParamDef kMidLum = number(P::MidtonesLuminance, 1036, 0, -100, 100);
const CDSParamDef kHighLum = number(P::HighlightLuminance, 1038, 0, -100, 100);
const CDSParamDef kRenderTone =
    CDSParamDef(P::RenderTone, fnModuleInstance(), kFixedWord, VT_I4, kPlain, 1040, 1040, 1041)
        .SetDefault(0)
        .SetListItems({1042, 1043, 1044, 1045});
const CDSParamDef kHideOverlay = CDSParamDef(P::HideOverlayControls, fnModuleInstance(), kFixedWord,
                                             VT_BOOL, kPageOnly, 1046, 1046, 1047)
                                     .SetDefault(0);
CDSParamDef channel(const GUID& id, UINT nameId) {
    return CDSParamDef(id, fnModuleInstance(), kFixedWord, VT_I4, kPlain, nameId, nameId,
                       nameId + 4)
        .SetDefault(1);
}
const CDSParamDef kMaskRed = channel(DSPARAM_MASK_RED, 1061);
const CDSParamDef kMaskGreen = channel(DSPARAM_MASK_GREEN, 1062);
const CDSParamDef kMaskBlue = channel(DSPARAM_MASK_BLUE, 1063);
const CDSParamDef kMaskAlpha = channel(DSPARAM_MASK_ALPHA, 1064);

}  // namespace

// Forms pointers to the private members: a friend of ColBalance.
struct ColBalanceMembers {
    template <auto Member>
    static void* at(CDSBasePropertyContainer* c) {
        return &(static_cast<ColBalance*>(c)->*Member);
    }
    template <auto Value>
    static void* value(CDSBasePropertyContainer* c) {
        return &(static_cast<ColBalance*>(c)->m_values.*Value);
    }
    static const CDSPropertiesMapEntry entries[];
};

namespace K = ColBalanceKey;

const CDSPropertiesMapEntry ColBalanceMembers::entries[] = {
    {kMasterHue, K::MasterHue, &value<&FnBalanceParams::masterHue>},
    {kMasterSaturation, K::MasterSaturation, &value<&FnBalanceParams::masterSaturation>},
    {kLowHue, K::LowHue, &value<&FnBalanceParams::lowHue>},
    {kLowSaturation, K::LowSaturation, &value<&FnBalanceParams::lowSaturation>},
    {kMidHue, K::MidHue, &value<&FnBalanceParams::midHue>},
    {kMidSaturation, K::MidSaturation, &value<&FnBalanceParams::midSaturation>},
    {kHighHue, K::HighHue, &value<&FnBalanceParams::highHue>},
    {kHighSaturation, K::HighSaturation, &value<&FnBalanceParams::highSaturation>},
    {kPreserveLuminance, K::PreserveLuminance, &value<&FnBalanceParams::preserveLuminance>},
    {kLowlights, K::Lowlights, &value<&FnBalanceParams::lowlights>},
    {kHighlights, K::Highlights, &value<&FnBalanceParams::highlights>},
    {kLowlightsEase, K::LowlightsEase, &value<&FnBalanceParams::lowlightsEase>},
    {kHighlightsEase, K::HighlightsEase, &value<&FnBalanceParams::highlightsEase>},
    {kWhich, K::Which, &value<&FnBalanceParams::which>},
    {kMasterLum, K::MasterLum, &value<&FnBalanceParams::masterLum>},
    {kLowLum, K::LowLum, &value<&FnBalanceParams::lowLum>},
    {kMidLum, K::MidLum, &value<&FnBalanceParams::midLum>},
    {kHighLum, K::HighLum, &value<&FnBalanceParams::highLum>},
    {kRenderTone, K::RenderTone, &value<&FnBalanceParams::renderTone>},
    {kHideOverlay, K::HideOverlay, &value<&FnBalanceParams::hideOverlay>},
    {kMaskRed, K::MaskRed, &at<&ColBalance::m_maskRed>},
    {kMaskGreen, K::MaskGreen, &at<&ColBalance::m_maskGreen>},
    {kMaskBlue, K::MaskBlue, &at<&ColBalance::m_maskBlue>},
    {kMaskAlpha, K::MaskAlpha, &at<&ColBalance::m_maskAlpha>},
    CDSPropertiesMapEntry(),
};

const CDSPropertiesMap ColBalance::s_propertiesMap = {ColBalanceMembers::entries,
                                                      &CDSImageEffect::m_PropertiesMap};

// Handed to the SDK the first time the host asks for the map or the count.
const CDSStaticPropertyMap& ColBalance::GetStaticPropertyMap() {
    static CDSStaticPropertyMap map;
    static std::once_flag once;
    std::call_once(once, [] { InitStaticPropertyMap(map, s_propertiesMap); });
    return map;
}
