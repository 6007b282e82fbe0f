// The main colour page.
#include "ui/pages/ColBalancePPG.h"

#include <algorithm>

#include "ui/toolkit/FnMessage.h"

namespace {

using P = ColBalancePPG;
namespace Param = ColBalanceParam;

// Hue, saturation and luminance records of each range (Which 0 to 3).
struct RangeRecords {
    size_t hue, saturation, luminance;
};
constexpr RangeRecords kRanges[4] = {
    {P::kMasterHue, P::kMasterSaturation, P::kMasterLuminance},
    {P::kLowlightHue, P::kLowlightSaturation, P::kLowlightLuminance},
    {P::kMidtonesHue, P::kMidtonesSaturation, P::kMidtonesLuminance},
    {P::kHighlightHue, P::kHighlightSaturation, P::kHighlightLuminance},
};

// Each record's parameter; its control is 1000 and its label 2000 plus its
// index.
constexpr const ColBalanceParamSpec* kParams[P::kRecordCount] = {
    &Param::MasterHue,         &Param::MasterSaturation,
    &Param::LowlightHue,       &Param::LowlightSaturation,
    &Param::MidtonesHue,       &Param::MidtonesSaturation,
    &Param::HighlightHue,      &Param::HighlightSaturation,
    &Param::PreserveLuminance, &Param::Which,
    &Param::MasterLuminance,   &Param::LowlightLuminance,
    &Param::MidtonesLuminance, &Param::HighlightLuminance,
};
constexpr int kFirstControl = 1000, kFirstLabel = 2000;
constexpr int kResetButton = 1014, kPlaceholder = 1015;
constexpr int kResetDescription = 1049;

template <size_t I>
CDSPPGControlMapEntry Entry(void (P::*handler)() = nullptr) {
    return FnDsControlEntry<P, I>(*kParams[I], kFirstControl + int(I), handler);
}

const CDSPPGControlMapEntry kEntries[] = {
    Entry<P::kMasterHue>(&P::UpdateColourCircle),
    Entry<P::kMasterSaturation>(&P::UpdateColourCircle),
    Entry<P::kLowlightHue>(&P::UpdateColourCircle),
    Entry<P::kLowlightSaturation>(&P::UpdateColourCircle),
    Entry<P::kMidtonesHue>(&P::UpdateColourCircle),
    Entry<P::kMidtonesSaturation>(&P::UpdateColourCircle),
    Entry<P::kHighlightHue>(&P::UpdateColourCircle),
    Entry<P::kHighlightSaturation>(&P::UpdateColourCircle),
    Entry<P::kPreserveLuminance>(),
    Entry<P::kWhich>(&P::UpdateWhich),
    Entry<P::kMasterLuminance>(),
    Entry<P::kLowlightLuminance>(),
    Entry<P::kMidtonesLuminance>(),
    Entry<P::kHighlightLuminance>(),
    FnDsButtonEntry<P>(kResetButton, &P::ResetPage, kResetDescription),
    CDSPPGControlMapEntry(),
};

const CDSPPGControlMap kControlMap(kFnDsControlMapName, kFnDsControlMapNumber,
                                   &CDSBasePropertyPage::m_ControlMap, kEntries);

}  // namespace

ColBalancePPG::ColBalancePPG() : FnDsPPG(1, 3, "ColBalancePPG"), circle_("Colour Circle") {
    for (size_t i = 0; i < kRecordCount; ++i)
        records_[i].Fill(this, uint32_t(kFirstControl + int(i)), uint32_t(kFirstLabel + int(i)),
                         *kParams[i]);
    SetControlRecords(records_, kRecordCount);
    counted_ = CountPage();
    records_[kWhich].localOnly = 1;
    ListenTo(&circle_);
    records_[kWhich].SetLong(0);
}

ColBalancePPG::~ColBalancePPG() {
    DestroyDialog();
    ReleaseEffect(effect_);
    if (counted_) UncountPage();
}

const CDSPPGControlMap* ColBalancePPG::GetControlMap() {
    kControlMap.Initialize();
    return &kControlMap;
}

BOOL ColBalancePPG::OnInitDialog() {
    CDSPropertyPage::OnInitDialog();
    for (const RangeRecords& r : kRanges) records_[r.hue].SetRange(-720, 720);
    for (const RangeRecords& r : kRanges) records_[r.saturation].SetRange(0, 100);
    FnDsPPGControl& which = records_[kWhich];
    which.SetLong(0);
    which.ClearList();
    for (size_t i = 0; i < ColBalanceParam::Which.listCount; ++i)
        which.AddListString(ColBalanceParam::Which.listItems[i], i == 0);
    for (const RangeRecords& r : kRanges) records_[r.luminance].SetRange(-100, 100);

    FnwWindow::SetModuleInstance(GetInstanceHandle());
    if (const HWND placeholder = GetDlgItem(Dialog(), kPlaceholder);
        placeholder && !host_.Window()) {
        ShowWindow(placeholder, SW_HIDE);
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (GetWindowPlacement(placeholder, &wp)) {
            const RECT& r = wp.rcNormalPosition;
            const LONG side = std::min(r.right - r.left, r.bottom - r.top);
            const int square[4] = {r.left, r.top, r.left + side - 1, r.top + side - 1};
            host_.Create(Dialog(), "_colManager", square);
        }
    }
    LinkEffect(effect_);
    AttachViewerTool();

    const float side = float(std::min(host_.Width(), host_.Height()));
    circle_.SetSize(side, side);
    circle_.SetPosition((float(host_.Width()) - side) / 2, (float(host_.Height()) - side) / 2);
    host_.AddWidget(&circle_);
    circle_.SetDiskFlags(circle_.DiskFlags() & ~FnTColDisk::kFrame);
    UpdateWhich();
    return FALSE;
}

HRESULT ColBalancePPG::Show(UINT command) {
    const HRESULT hr = FnDsPPG::Show(command);
    UpdateWhich();
    UpdateColourCircle();
    return hr;
}

HRESULT ColBalancePPG::UpdateAnimatedControls(double time) {
    const HRESULT hr = FnDsPPG::UpdateAnimatedControls(time);
    UpdateColourCircle();
    return hr;
}

HRESULT ColBalancePPG::PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                       void* params, DWORD flags) {
    const HRESULT hr = FnDsPPG::PropertyChanged(id, value, object, params, flags);
    if (FAILED(hr)) return hr;
    SetChange(&id, value);
    const int32_t which = records_[kWhich].GetLong();
    if (which >= 0 && which < 4) {
        const RangeRecords& r = kRanges[which];
        if (records_[r.hue].RefreshFromNotification() ||
            records_[r.saturation].RefreshFromNotification())
            UpdateColourCircle();
    }
    SetChange(nullptr, nullptr);
    return hr;
}

int ColBalancePPG::HandleMessage(const FnMessage& message, FnMessageSender* sender) {
    if (sender != static_cast<FnMessageSender*>(&circle_) || message.Kind() != kFnDragEnded)
        return 0;
    const double hue = double(circle_.Hue()) * 360.0;
    const double saturation = double(circle_.Saturation()) * 100.0 * 0.25;
    BeginUndo();
    const int32_t which = records_[kWhich].GetLong();
    if (which >= 0 && which < 4) {
        records_[kRanges[which].hue].SetDouble(hue);
        records_[kRanges[which].saturation].SetDouble(saturation);
    }
    EndUndo();
    return 1;
}

void ColBalancePPG::UpdateColourCircle() {
    const int32_t which = records_[kWhich].GetLong();
    if (which >= 0 && which < 4) {
        const float hue = float(records_[kRanges[which].hue].GetDouble() / 360.0);
        const float saturation =
            float(records_[kRanges[which].saturation].GetDouble() * 4.0 / 100.0);
        circle_.SetHue(hue);
        circle_.SetSaturation(saturation);
        circle_.SetMarker(circle_.MarkerPoint(hue, saturation));
    }
    if (host_.Window()) {
        InvalidateRect(host_.Window(), nullptr, FALSE);
        UpdateWindow(host_.Window());
    }
}

void ColBalancePPG::UpdateWhich() {
    const int32_t w = records_[kWhich].GetLong();
    for (int32_t range = 0; range < 4; ++range) {
        const RangeRecords& r = kRanges[range];
        for (size_t i : {r.hue, r.saturation, r.luminance}) records_[i].Show(w == range);
    }
    UpdateColourCircle();
}

void ColBalancePPG::ResetPage() {
    BeginUndo();
    for (size_t i : {kMasterHue, kMasterSaturation, kLowlightHue, kLowlightSaturation, kMidtonesHue,
                     kMidtonesSaturation, kHighlightHue, kHighlightSaturation})
        records_[i].SetDouble(0.0);
    records_[kPreserveLuminance].SetBool(1);
    records_[kWhich].SetLong(0);
    for (size_t i : {kMasterLuminance, kLowlightLuminance, kMidtonesLuminance, kHighlightLuminance})
        records_[i].SetDouble(0.0);
    EndUndo();
    UpdateWhich();
    UpdateColourCircle();
}
