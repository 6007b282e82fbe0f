// The effect's parameters, each described once.
//
// One row per parameter, in the order the host lists them: GUID, key, value
// type, capability word, default, the range of the control that edits it on
// the property page, name and description string ids, list texts, and where
// the value lives.  The effect's parameter definitions and property map, its
// defaults, the per-frame read, the pages' control maps, ranges, lists and
// resets, the command line's parameter list and the name every front end
// gives a parameter (fnParamAlias) all come from this table.  Below it stand
// the pages' layouts: which parameters each page edits and the ids of their
// controls.  The dialog templates (resources/FnDialogs.cpp) are held against
// both by tests/effect/test_param_resources.cpp.
//
// Hosts and tests name a parameter by its row (ColBalanceParam::MasterHue);
// a row converts to its GUID wherever an id is wanted.
#pragma once

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/FnBalanceParams.h"
#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"
#include "platform/dssdk/DSEffect.h"
#include "resources/FnStrings.h"

// Values a property page edits that no frame reads.
struct ColBalancePageValues {
    int32_t which;        // the tonal range the main page edits
    int32_t hideOverlay;  // the viewer tool's overlay is hidden
};

struct ColBalanceParamSpec {
    // Where the current value is kept, and what a frame reads it into.
    enum class Home : uint8_t {
        Number,   // a double of FnBalanceParams, kept in the effect's record
        Integer,  // an int32 of FnBalanceParams, kept in the effect's record
        Page,     // an int32 of ColBalancePageValues; frames never read it
        Channel,  // a channel switch of the SDK part, read into FnBalanceParams
    };

    GUID id{};
    uint32_t key = 0;
    VARTYPE type = VT_EMPTY;    // VT_R8, VT_I4 or VT_BOOL
    uint32_t capabilities = 0;  // passed to the host; bit 0: animated
    double defaultValue = 0;
    bool hasRange = false;  // numbers: the page control's range
    double pageMin = 0, pageMax = 0;
    // The top of the range the dialog template gives the control, before the
    // page sets its page range (pageMax unless the row says otherwise).
    double templateMax = 0;
    UINT nameId = 0, descriptionId = 0;
    uint32_t listCount = 0;  // lists: texts for the values 0 .. listCount - 1
    std::array<UINT, 4> listItems{};
    Home home = Home::Number;
    double FnBalanceParams::*number = nullptr;      // Home::Number
    int32_t FnBalanceParams::*integer = nullptr;    // Home::Integer and Home::Channel
    int32_t ColBalancePageValues::*page = nullptr;  // Home::Page
    int channel = 0;  // Home::Channel: 0 red, 1 green, 2 blue, 3 alpha

    constexpr bool animated() const { return (capabilities & DSCAP_ANIMATABLE) != 0; }
    constexpr operator const GUID&() const { return id; }
};

// How the string table numbers a parameter's texts: the description follows
// the name; a channel switch's description is four on (the four names come
// first).
constexpr UINT fnDescriptionIdOf(UINT nameId) { return nameId + 1; }
constexpr UINT fnChannelDescriptionIdOf(UINT nameId) { return nameId + 4; }

namespace fn_param_rows {
using Spec = ColBalanceParamSpec;
using Home = Spec::Home;
using Frame = FnBalanceParams;
constexpr uint32_t kPlain = 4, kAnimated = 5, kPageOnly = 532;
constexpr FnBalanceParams kFrameDefaults{};

// An animated number; its default is FnBalanceParams's.
constexpr Spec number(GUID id, uint32_t key, UINT nameId, double Frame::*field, double pageMin,
                      double pageMax, double templateMax = -1) {
    return {.id = id,
            .key = key,
            .type = VT_R8,
            .capabilities = kAnimated,
            .defaultValue = kFrameDefaults.*field,
            .hasRange = true,
            .pageMin = pageMin,
            .pageMax = pageMax,
            .templateMax = templateMax < 0 ? pageMax : templateMax,
            .nameId = nameId,
            .descriptionId = fnDescriptionIdOf(nameId),
            .home = Home::Number,
            .number = field};
}
// A check box or list the frame reads; its default is FnBalanceParams's.
constexpr Spec integer(GUID id, uint32_t key, VARTYPE type, UINT nameId, int32_t Frame::*field,
                       uint32_t listCount = 0, std::array<UINT, 4> listItems = {}) {
    return {.id = id,
            .key = key,
            .type = type,
            .capabilities = kPlain,
            .defaultValue = double(kFrameDefaults.*field),
            .nameId = nameId,
            .descriptionId = fnDescriptionIdOf(nameId),
            .listCount = listCount,
            .listItems = listItems,
            .home = Home::Integer,
            .integer = field};
}
// A check box or list only the pages use.
constexpr Spec pageOnly(GUID id, uint32_t key, VARTYPE type, UINT nameId, double defaultValue,
                        int32_t ColBalancePageValues::*field, uint32_t listCount = 0,
                        std::array<UINT, 4> listItems = {}) {
    return {.id = id,
            .key = key,
            .type = type,
            .capabilities = kPageOnly,
            .defaultValue = defaultValue,
            .nameId = nameId,
            .descriptionId = fnDescriptionIdOf(nameId),
            .listCount = listCount,
            .listItems = listItems,
            .home = Home::Page,
            .page = field};
}
// A channel switch every image effect has; the effect's frame reads it.
constexpr Spec channel(GUID id, uint32_t key, UINT nameId, int32_t Frame::*field, int index) {
    return {.id = id,
            .key = key,
            .type = VT_I4,
            .capabilities = kPlain,
            .defaultValue = double(kFrameDefaults.*field),
            .nameId = nameId,
            .descriptionId = fnChannelDescriptionIdOf(nameId),
            .home = Home::Channel,
            .integer = field,
            .channel = index};
}
}  // namespace fn_param_rows

namespace ColBalanceParam {
using namespace fn_param_rows;

inline constexpr Spec MasterHue = number("{0B63B045-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF04D0,
                                         1000, &Frame::masterHue, -720, 720);
// The dialog template says 0..10 (kMasterSaturationTemplateMax); the page
// widens it to 0..100 when it opens, and that is the range users see.
inline constexpr double kMasterSaturationTemplateMax = 10;
inline constexpr Spec MasterSaturation =
    number("{0B63B046-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF04D8, 1002,
           &Frame::masterSaturation, 0, 100, kMasterSaturationTemplateMax);
inline constexpr Spec LowlightHue = number("{0B63B047-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                           0xFFFF04E0, 1004, &Frame::lowHue, -720, 720);
inline constexpr Spec LowlightSaturation = number("{0B63B048-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                                  0xFFFF04E8, 1006, &Frame::lowSaturation, 0, 100);
inline constexpr Spec MidtonesHue = number("{0B63B049-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                           0xFFFF04F0, 1008, &Frame::midHue, -720, 720);
inline constexpr Spec MidtonesSaturation = number("{0B63B04A-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                                  0xFFFF04F8, 1010, &Frame::midSaturation, 0, 100);
inline constexpr Spec HighlightHue = number("{0B63B04B-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                            0xFFFF0500, 1012, &Frame::highHue, -720, 720);
inline constexpr Spec HighlightSaturation =
    number("{0B63B04C-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0508, 1014, &Frame::highSaturation,
           0, 100);
inline constexpr Spec PreserveLuminance =
    integer("{0B63B04D-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0510, VT_BOOL, 1016,
            &Frame::preserveLuminance);
inline constexpr Spec Lowlights = number("{0B63B04E-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0518,
                                         1018, &Frame::lowlights, 0, 100);
inline constexpr Spec Highlights = number("{0B63B04F-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0520,
                                          1020, &Frame::highlights, 0, 100);
inline constexpr Spec LowlightsEase = number("{0B63B050-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                             0xFFFF0528, 1022, &Frame::lowlightsEase, 0, 100);
inline constexpr Spec HighlightsEase = number("{0B63B051-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                              0xFFFF0530, 1024, &Frame::highlightsEase, 0, 100);
inline constexpr Spec Which =
    pageOnly("{0B63B052-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0538, VT_I4, 1026, 0,
             &ColBalancePageValues::which, 4, {1028, 1029, 1030, 1031});
inline constexpr Spec MasterLuminance = number("{0B63B053-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                               0xFFFF0540, 1032, &Frame::masterLum, -100, 100);
inline constexpr Spec LowlightLuminance = number("{0B63B054-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                                 0xFFFF0548, 1034, &Frame::lowLum, -100, 100);
inline constexpr Spec MidtonesLuminance = number("{0B63B055-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                                 0xFFFF0550, 1036, &Frame::midLum, -100, 100);
inline constexpr Spec HighlightLuminance = number("{0B63B056-AE8A-11D5-9414-0800690F2F3F}"_guid,
                                                  0xFFFF0558, 1038, &Frame::highLum, -100, 100);
inline constexpr Spec RenderTone =
    integer("{0B63B057-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0560, VT_I4, 1040,
            &Frame::renderTone, 4, {1042, 1043, 1044, 1045});
inline constexpr Spec HideOverlayControls =
    pageOnly("{0B63B058-AE8A-11D5-9414-0800690F2F3F}"_guid, 0xFFFF0564, VT_BOOL, 1046, 0,
             &ColBalancePageValues::hideOverlay);
inline constexpr Spec MaskRed = channel(DSPARAM_MASK_RED, 0xFFFF0474, 1061, &Frame::maskRed, 0);
inline constexpr Spec MaskGreen =
    channel(DSPARAM_MASK_GREEN, 0xFFFF047C, 1062, &Frame::maskGreen, 1);
inline constexpr Spec MaskBlue = channel(DSPARAM_MASK_BLUE, 0xFFFF0478, 1063, &Frame::maskBlue, 2);
inline constexpr Spec MaskAlpha =
    channel(DSPARAM_MASK_ALPHA, 0xFFFF0480, 1064, &Frame::maskAlpha, 3);
}  // namespace ColBalanceParam

// Every parameter, in the order the host lists them.
inline constexpr std::array kColBalanceParams = {
    &ColBalanceParam::MasterHue,         &ColBalanceParam::MasterSaturation,
    &ColBalanceParam::LowlightHue,       &ColBalanceParam::LowlightSaturation,
    &ColBalanceParam::MidtonesHue,       &ColBalanceParam::MidtonesSaturation,
    &ColBalanceParam::HighlightHue,      &ColBalanceParam::HighlightSaturation,
    &ColBalanceParam::PreserveLuminance, &ColBalanceParam::Lowlights,
    &ColBalanceParam::Highlights,        &ColBalanceParam::LowlightsEase,
    &ColBalanceParam::HighlightsEase,    &ColBalanceParam::Which,
    &ColBalanceParam::MasterLuminance,   &ColBalanceParam::LowlightLuminance,
    &ColBalanceParam::MidtonesLuminance, &ColBalanceParam::HighlightLuminance,
    &ColBalanceParam::RenderTone,        &ColBalanceParam::HideOverlayControls,
    &ColBalanceParam::MaskRed,           &ColBalanceParam::MaskGreen,
    &ColBalanceParam::MaskBlue,          &ColBalanceParam::MaskAlpha,
};

// What every part of the module relies on: animated values are doubles
// read into the frame, integers are stored as int32, ids and keys are
// unique.  A row that breaks one stops the build.
constexpr bool fnParamTableIsSound() {
    using Home = ColBalanceParamSpec::Home;
    for (size_t i = 0; i < kColBalanceParams.size(); ++i) {
        const ColBalanceParamSpec& p = *kColBalanceParams[i];
        if ((p.type == VT_R8) != (p.home == Home::Number)) return false;
        if (p.animated() && p.home != Home::Number) return false;
        if (p.listCount > p.listItems.size()) return false;
        for (size_t j = 0; j < i; ++j)
            if (kColBalanceParams[j]->id == p.id || kColBalanceParams[j]->key == p.key)
                return false;
    }
    return true;
}
static_assert(fnParamTableIsSound(), "the parameter table breaks a rule its users rely on");

// The row of a parameter GUID, or null.
constexpr const ColBalanceParamSpec* fnFindParam(const GUID& id) {
    for (const ColBalanceParamSpec* p : kColBalanceParams)
        if (p->id == id) return p;
    return nullptr;
}

// The name every front end gives a parameter (the command line's --set and
// parameter files, plug-in and filter wrappers): its display name lower-
// cased, each run of other characters one `separator`, none at the ends
// ("Master Hue" is "master-hue", "Mask red channel." "mask-red-channel";
// hosts whose names take no '-' ask for '_').
inline std::string fnAliasOf(std::string_view name, char separator = '-') {
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u))
            out += char(std::tolower(u));
        else if (!out.empty() && out.back() != separator)
            out += separator;
    }
    while (!out.empty() && out.back() == separator) out.pop_back();
    return out;
}
inline std::string fnParamAlias(const ColBalanceParamSpec& p, char separator = '-') {
    const char* name = fnLoadString(p.nameId);
    return name ? fnAliasOf(name, separator) : std::string();
}

// What each property page edits, in the order of its control map.  A
// page's controls are numbered in that order from its first id, and each
// caption is its control's id plus kColBalanceLabelOffset.  The page's
// dialog template (resources/FnDialogs.cpp) places them.
inline constexpr int kColBalanceLabelOffset = 1000;
constexpr int fnLabelIdOf(int controlId) { return controlId + kColBalanceLabelOffset; }

struct ColBalancePageLayout {
    UINT dialogId;
    int firstControl;
    std::span<const ColBalanceParamSpec* const> params;

    constexpr size_t size() const { return params.size(); }
    constexpr int controlOf(size_t record) const { return firstControl + int(record); }
    // The record that edits `param`; size() when the page has none.  Rows
    // are told apart by id: compilers differ on whether the addresses of two
    // rows compare in a constant expression.
    constexpr size_t recordOf(const ColBalanceParamSpec& param) const {
        for (size_t i = 0; i < params.size(); ++i)
            if (params[i]->id == param.id) return i;
        return params.size();
    }
};

namespace fn_page_layouts {
namespace P = ColBalanceParam;
inline constexpr const ColBalanceParamSpec* kMain[] = {
    &P::MasterHue,         &P::MasterSaturation,
    &P::LowlightHue,       &P::LowlightSaturation,
    &P::MidtonesHue,       &P::MidtonesSaturation,
    &P::HighlightHue,      &P::HighlightSaturation,
    &P::PreserveLuminance, &P::Which,
    &P::MasterLuminance,   &P::LowlightLuminance,
    &P::MidtonesLuminance, &P::HighlightLuminance,
};
inline constexpr const ColBalanceParamSpec* kCurves[] = {
    &P::Lowlights, &P::Highlights, &P::LowlightsEase, &P::HighlightsEase, &P::RenderTone,
};
inline constexpr const ColBalanceParamSpec* kHelp[] = {&P::HideOverlayControls};
}  // namespace fn_page_layouts

// The main colour page (dialog 1), the tone-curves pages with and without
// the histogram (dialogs 2 and 3) and the help page (dialog 4).
inline constexpr ColBalancePageLayout kMainPageLayout{1, 1000, fn_page_layouts::kMain};
inline constexpr ColBalancePageLayout kToneCurvesPageLayout{2, 1016, fn_page_layouts::kCurves};
inline constexpr ColBalancePageLayout kSimpleCurvesPageLayout{3, 1023, fn_page_layouts::kCurves};
inline constexpr ColBalancePageLayout kHelpPageLayout{4, 1030, fn_page_layouts::kHelp};
inline constexpr const ColBalancePageLayout* kColBalancePageLayouts[] = {
    &kMainPageLayout, &kToneCurvesPageLayout, &kSimpleCurvesPageLayout, &kHelpPageLayout};
