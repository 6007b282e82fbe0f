// The main colour page.
#include "ui/pages/ColBalancePPG.h"

#include <algorithm>

#include "ui/toolkit/FnMessage.h"

namespace {

namespace Param = ColBalanceParam;
constexpr const ColBalancePageLayout& kLayout = kMainPageLayout;

// Hue, saturation and luminance records of each range (Which 0 to 3).
struct RangeRecords {
    size_t hue, saturation, luminance;
};
constexpr RangeRecords Range(const ColBalanceParamSpec& hue, const ColBalanceParamSpec& saturation,
                             const ColBalanceParamSpec& luminance) {
    return {kLayout.recordOf(hue), kLayout.recordOf(saturation), kLayout.recordOf(luminance)};
}
constexpr RangeRecords kRanges[4] = {
    Range(Param::MasterHue, Param::MasterSaturation, Param::MasterLuminance),
    Range(Param::LowlightHue, Param::LowlightSaturation, Param::LowlightLuminance),
    Range(Param::MidtonesHue, Param::MidtonesSaturation, Param::MidtonesLuminance),
    Range(Param::HighlightHue, Param::HighlightSaturation, Param::HighlightLuminance),
};
constexpr size_t kWhich = kLayout.recordOf(Param::Which);
static_assert(kWhich < kLayout.size());

constexpr int kResetButton = 1014, kPlaceholder = 1015;
constexpr int kResetDescription = 1049;

// The hues and saturations move the circle; Which changes the visible set.
CDSControlHandler HandlerOf(const ColBalanceParamSpec& param) {
    for (const RangeRecords& r : kRanges)
        if (&param == kLayout.params[r.hue] || &param == kLayout.params[r.saturation])
            return static_cast<CDSControlHandler>(&ColBalancePPG::UpdateColourCircle);
    if (&param == &Param::Which) return static_cast<CDSControlHandler>(&ColBalancePPG::UpdateWhich);
    return nullptr;
}

const auto kEntries = FnDsMapEntries<kLayout.size()>(
    kLayout, &HandlerOf, kResetButton, static_cast<CDSControlHandler>(&ColBalancePPG::ResetPage),
    kResetDescription);
const CDSPPGControlMap kControlMap = FnDsControlMap(kEntries.data());

}  // namespace

ColBalancePPG::ColBalancePPG()
    : FnDsWidgetPPG(kLayout, 3, "ColBalancePPG", kControlMap), circle_("Colour Circle") {
    ListenTo(&circle_);
    Record(kWhich).SetLong(0);
}

ColBalancePPG::~ColBalancePPG() { DestroyDialog(); }

BOOL ColBalancePPG::OnInitDialog() {
    CDSPropertyPage::OnInitDialog();
    Record(kWhich).SetLong(0);
    InitControls();
    CreateWidgetHost(kPlaceholder, "_colManager", true);
    LinkEffect();

    const float side = float(std::min(host_.Width(), host_.Height()));
    circle_.SetSize(side, side);
    circle_.SetPosition((float(host_.Width()) - side) / 2, (float(host_.Height()) - side) / 2);
    host_.AddWidget(&circle_);
    circle_.SetDiskFlags(circle_.DiskFlags() & ~FnTColDisk::kFrame);
    UpdateWhich();
    return FALSE;
}

void ColBalancePPG::OnParameterChanged() {
    const int32_t which = Record(kWhich).GetLong();
    if (which < 0 || which >= 4) return;
    const RangeRecords& r = kRanges[which];
    if (Record(r.hue).RefreshFromNotification() || Record(r.saturation).RefreshFromNotification())
        UpdateColourCircle();
}

int ColBalancePPG::HandleMessage(const FnMessage& message, FnMessageSender* sender) {
    if (sender != static_cast<FnMessageSender*>(&circle_) || message.Kind() != kFnDragEnded)
        return 0;
    const double hue = double(circle_.Hue()) * 360.0;
    const double saturation = double(circle_.Saturation()) * 100.0 * 0.25;
    BeginUndo();
    const int32_t which = Record(kWhich).GetLong();
    if (which >= 0 && which < 4) {
        Record(kRanges[which].hue).SetDouble(hue);
        Record(kRanges[which].saturation).SetDouble(saturation);
    }
    EndUndo();
    return 1;
}

void ColBalancePPG::UpdateColourCircle() {
    const int32_t which = Record(kWhich).GetLong();
    if (which >= 0 && which < 4) {
        const float hue = float(Record(kRanges[which].hue).GetDouble() / 360.0);
        const float saturation = float(Record(kRanges[which].saturation).GetDouble() * 4.0 / 100.0);
        circle_.SetHue(hue);
        circle_.SetSaturation(saturation);
        circle_.SetMarker(circle_.MarkerPoint(hue, saturation));
    }
    Repaint();
}

void ColBalancePPG::UpdateWhich() {
    const int32_t w = Record(kWhich).GetLong();
    for (int32_t range = 0; range < 4; ++range) {
        const RangeRecords& r = kRanges[range];
        for (size_t i : {r.hue, r.saturation, r.luminance}) Record(i).Show(w == range);
    }
    UpdateColourCircle();
}
