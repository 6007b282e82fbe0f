// The effect's parameter table: 24 definitions bound to their keys and
// members, chained to the SDK's own property map.
#include <mutex>

#include "ColBalance.h"
#include "ColBalanceApi.h"
#include "FnDsModule.h"

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
const CDSParamDef kPreserveLuminance =
    CDSParamDef(P::PreserveLuminance, fnModuleInstance(), kFixedWord, VT_BOOL, kPlain, 1016, 1016,
                1017)
        .SetDefault(1);
const CDSParamDef kLowlights = number(P::Lowlights, 1018, 0, 0, 100);
const CDSParamDef kHighlights = number(P::Highlights, 1020, 100, 0, 100);
const CDSParamDef kLowlightsEase = number(P::LowlightsEase, 1022, 30, 0, 100);
const CDSParamDef kHighlightsEase = number(P::HighlightsEase, 1024, 30, 0, 100);
const CDSParamDef kWhich = CDSParamDef(P::Which, fnModuleInstance(), kFixedWord, VT_I4, kPageOnly,
                                       1026, 1026, 1027)
                               .SetDefault(0)
                               .SetListItems({1028, 1029, 1030, 1031});
const CDSParamDef kMasterLum = number(P::MasterLuminance, 1032, 0, -100, 100);
const CDSParamDef kLowLum = number(P::LowlightLuminance, 1034, 0, -100, 100);
const CDSParamDef kMidLum = number(P::MidtonesLuminance, 1036, 0, -100, 100);
const CDSParamDef kHighLum = number(P::HighlightLuminance, 1038, 0, -100, 100);
const CDSParamDef kRenderTone = CDSParamDef(P::RenderTone, fnModuleInstance(), kFixedWord, VT_I4,
                                            kPlain, 1040, 1040, 1041)
                                    .SetDefault(0)
                                    .SetListItems({1042, 1043, 1044, 1045});
const CDSParamDef kHideOverlay = CDSParamDef(P::HideOverlayControls, fnModuleInstance(),
                                             kFixedWord, VT_BOOL, kPageOnly, 1046, 1046, 1047)
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
    static const CDSPropertiesMapEntry entries[];
};

namespace K = ColBalanceKey;

const CDSPropertiesMapEntry ColBalanceMembers::entries[] = {
    {kMasterHue, K::MasterHue, &at<&ColBalance::m_masterHue>},
    {kMasterSaturation, K::MasterSaturation, &at<&ColBalance::m_masterSaturation>},
    {kLowHue, K::LowHue, &at<&ColBalance::m_lowHue>},
    {kLowSaturation, K::LowSaturation, &at<&ColBalance::m_lowSaturation>},
    {kMidHue, K::MidHue, &at<&ColBalance::m_midHue>},
    {kMidSaturation, K::MidSaturation, &at<&ColBalance::m_midSaturation>},
    {kHighHue, K::HighHue, &at<&ColBalance::m_highHue>},
    {kHighSaturation, K::HighSaturation, &at<&ColBalance::m_highSaturation>},
    {kPreserveLuminance, K::PreserveLuminance, &at<&ColBalance::m_preserveLuminance>},
    {kLowlights, K::Lowlights, &at<&ColBalance::m_lowlights>},
    {kHighlights, K::Highlights, &at<&ColBalance::m_highlights>},
    {kLowlightsEase, K::LowlightsEase, &at<&ColBalance::m_lowlightsEase>},
    {kHighlightsEase, K::HighlightsEase, &at<&ColBalance::m_highlightsEase>},
    {kWhich, K::Which, &at<&ColBalance::m_which>},
    {kMasterLum, K::MasterLum, &at<&ColBalance::m_masterLum>},
    {kLowLum, K::LowLum, &at<&ColBalance::m_lowLum>},
    {kMidLum, K::MidLum, &at<&ColBalance::m_midLum>},
    {kHighLum, K::HighLum, &at<&ColBalance::m_highLum>},
    {kRenderTone, K::RenderTone, &at<&ColBalance::m_renderTone>},
    {kHideOverlay, K::HideOverlay, &at<&ColBalance::m_hideOverlay>},
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
