// The tone-curves pages: the curves, their parameters, and on
// ToneCurvesPPG the histogram of the frame at the host's current time.
#include "ui/pages/ToneCurvesPPG.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/FnHistogramAnalyser.h"
#include "platform/dssdk/DSImageGraph.h"
#include "ui/toolkit/FnMessage.h"

// Each page's controls: records from `first` (labels 1000 above), the
// Reset button, its description and the placeholder of the widget area.
struct FnDsCurvesPPG::Ids {
    int first, reset, resetDescription, placeholder;
    const char* managerTitle;
};

namespace {

namespace Param = ColBalanceParam;
using PageIds = FnDsCurvesPPG::Ids;
constexpr PageIds kToneIds{1016, 1021, 1051, 1022, "_histManager"};
constexpr PageIds kSimpleIds{1023, 1028, 1053, 1029, "_toneManager"};

constexpr const ColBalanceParamSpec* kParams[kCurvesRecordCount] = {
    &Param::Lowlights,      &Param::Highlights, &Param::LowlightsEase,
    &Param::HighlightsEase, &Param::RenderTone,
};

constexpr int kLabelOffset = 1000;

// The widget's values (by index) and the records they pair with, in the
// order UpdateCurves stores them.
struct CurvePair {
    int value;
    size_t record;
};
constexpr CurvePair kPairs[4] = {
    {FnTToneCurves::kHighlightsEase, kCurvesHighlightsEase},
    {FnTToneCurves::kLowlightsEase, kCurvesLowlightsEase},
    {FnTToneCurves::kHighlights, kCurvesHighlights},
    {FnTToneCurves::kLowlights, kCurvesLowlights},
};

// The record a dragged handle (active part 1 to 4) writes; kCurvesRecordCount for none.
size_t RecordOfPart(int32_t part) {
    switch (part) {
    case FnTToneCurves::kHighlightsEaseHandle: return kCurvesHighlightsEase;
    case FnTToneCurves::kHighlightsShoulder: return kCurvesHighlights;
    case FnTToneCurves::kLowlightsEaseHandle: return kCurvesLowlightsEase;
    case FnTToneCurves::kLowlightsShoulder: return kCurvesLowlights;
    default: return kCurvesRecordCount;
    }
}

// The value index a handle's part moves.
int ValueOfPart(int32_t part) { return part - 1; }

// Both pages' records are FnDsCurvesPPG's, so one map shape serves them.
std::array<CDSPPGControlMapEntry, kCurvesRecordCount + 2> Entries(const PageIds& ids) {
    using Page = FnDsCurvesPPG;
    return {
        FnDsControlEntry<Page, kCurvesLowlights>(*kParams[0], ids.first, &Page::UpdateCurves),
        FnDsControlEntry<Page, kCurvesHighlights>(*kParams[1], ids.first + 1, &Page::UpdateCurves),
        FnDsControlEntry<Page, kCurvesLowlightsEase>(*kParams[2], ids.first + 2,
                                                     &Page::UpdateCurves),
        FnDsControlEntry<Page, kCurvesHighlightsEase>(*kParams[3], ids.first + 3,
                                                      &Page::UpdateCurves),
        FnDsControlEntry<Page, kCurvesRenderTone>(*kParams[4], ids.first + 4),
        FnDsButtonEntry<Page>(ids.reset, &Page::ResetPage, ids.resetDescription),
        CDSPPGControlMapEntry(),
    };
}

const auto kToneEntries = Entries(kToneIds);
const auto kSimpleEntries = Entries(kSimpleIds);
const CDSPPGControlMap kToneMap(kFnDsControlMapName, kFnDsControlMapNumber,
                                &CDSBasePropertyPage::m_ControlMap, kToneEntries.data());
const CDSPPGControlMap kSimpleMap(kFnDsControlMapName, kFnDsControlMapNumber,
                                  &CDSBasePropertyPage::m_ControlMap, kSimpleEntries.data());

void FillRecords(FnDsPPG* page, FnDsPPGControl* records, const PageIds& ids) {
    for (size_t i = 0; i < kCurvesRecordCount; ++i)
        records[i].Fill(page, uint32_t(ids.first + int(i)),
                        uint32_t(ids.first + int(i) + kLabelOffset), *kParams[i]);
}

void Repaint(FnwTrouser& host) {
    if (!host.Window()) return;
    InvalidateRect(host.Window(), nullptr, FALSE);
    UpdateWindow(host.Window());
}

// Ranges and the Render Tone list, as both pages fill them.
void InitControls(FnDsPPGControl* records) {
    for (size_t i = 0; i < kCurvesRenderTone; ++i) records[i].SetRange(0, 100);
    FnDsPPGControl& tone = records[kCurvesRenderTone];
    tone.ClearList();
    for (size_t i = 0; i < Param::RenderTone.listCount; ++i)
        tone.AddListString(Param::RenderTone.listItems[i], i == 0);
}

// The widget host window over the hidden placeholder.
void CreateHost(FnDsPPG& page, FnwTrouser& host, const PageIds& ids) {
    FnwWindow::SetModuleInstance(page.GetInstanceHandle());
    const HWND placeholder = GetDlgItem(page.Dialog(), ids.placeholder);
    if (!placeholder || host.Window()) return;
    ShowWindow(placeholder, SW_HIDE);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(placeholder, &wp)) return;
    const RECT& r = wp.rcNormalPosition;
    const int rect[4] = {r.left, r.top, r.right - 1, r.bottom - 1};
    host.Create(page.Dialog(), ids.managerTitle, rect);
}

void PlaceCurves(FnwTrouser& host, FnTToneCurves& curves) {
    curves.SetSize(float(host.Width() - 2), float(host.Height() - 2));
    curves.SetFrameFlags(curves.FrameFlags() & ~FnTToneCurves::kFrame);
    curves.SetPosition(1, 1);
    host.AddWidget(&curves);
}

// The show commands that make the page visible.
bool Reveals(UINT command) {
    switch (command) {
    case SW_SHOWNORMAL:
    case SW_SHOWMAXIMIZED:
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_RESTORE:
    case SW_SHOWDEFAULT: return true;
    default: return false;
    }
}

void AnalyseThunk(IDSImage* image, void* page) {
    static_cast<ToneCurvesPPG*>(page)->AnalysePulledImage(image);
}

// Counts an image of one storage format into the page's histogram.
template <class Analyser>
void Count(int32_t width, int32_t height, void* pixels, FnDynamicHistogram& histogram) {
    typename Analyser::Image texture;
    texture.wrap(width, height, pixels);
    Analyser analyser;
    analyser.run(&texture, &histogram);
}

}  // namespace

// --- FnDsCurvesPPG

FnDsCurvesPPG::FnDsCurvesPPG(int dialog, int helpId, const char* name, const Ids& ids,
                             const CDSPPGControlMap& map)
    : FnDsPPG(UINT(dialog), UINT(helpId), name), ids_(ids), map_(map), curves_("Tone Curves") {
    FillRecords(this, records_, ids_);
    SetControlRecords(records_, kCurvesRecordCount);
    counted_ = CountPage();
    ListenTo(&curves_);
}

FnDsCurvesPPG::~FnDsCurvesPPG() {
    DestroyDialog();
    ReleaseEffect(effect_);
    if (counted_) UncountPage();
}

const CDSPPGControlMap* FnDsCurvesPPG::GetControlMap() {
    map_.Initialize();
    return &map_;
}

BOOL FnDsCurvesPPG::OnInitDialog() {
    CDSPropertyPage::OnInitDialog();
    InitControls(records_);
    CreateHost(*this, host_, ids_);
    LinkEffect(effect_);
    AttachViewerTool();
    AddUnderCurves();
    PlaceCurves(host_, curves_);
    return FALSE;
}

HRESULT FnDsCurvesPPG::Show(UINT command) {
    const HRESULT hr = FnDsPPG::Show(command);
    if (Reveals(command)) RequestHistogram(float(CurrentTime()));
    UpdateCurves();
    return hr;
}

HRESULT FnDsCurvesPPG::UpdateAnimatedControls(double time) {
    const HRESULT hr = FnDsPPG::UpdateAnimatedControls(time);
    RequestHistogram(float(time));
    UpdateCurves();
    return hr;
}

HRESULT FnDsCurvesPPG::PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                       void* params, DWORD flags) {
    const HRESULT hr = FnDsPPG::PropertyChanged(id, value, object, params, flags);
    if (SUCCEEDED(hr)) {
        SetChange(&id, value);
        UpdateCurves();
        SetChange(nullptr, nullptr);
    }
    return hr;
}

// A handle drag ended: its value into the paired parameter, one undo event.
int FnDsCurvesPPG::HandleMessage(const FnMessage& message, FnMessageSender* sender) {
    if (sender != static_cast<FnMessageSender*>(&curves_) || message.Kind() != kFnDragEnded)
        return 0;
    BeginUndo();
    const int32_t part = curves_.ActivePart();
    const size_t record = RecordOfPart(part);
    if (record < kCurvesRecordCount)
        records_[record].SetDouble(double(curves_.Value(ValueOfPart(part))) * 100.0);
    EndUndo();
    return 1;
}

void FnDsCurvesPPG::UpdateCurves() {
    for (const CurvePair& p : kPairs) {
        const double v = records_[p.record].GetDouble() / 100.0;
        curves_.SetValue(p.value, float(std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0));
        curves_.UpdateHandles();
    }
    Repaint(host_);
}

void FnDsCurvesPPG::ResetPage() {
    BeginUndo();
    for (size_t i = 0; i < kCurvesRenderTone; ++i) records_[i].SetDouble(kParams[i]->defaultValue);
    records_[kCurvesRenderTone].SetLong(int32_t(Param::RenderTone.defaultValue));
    EndUndo();
    UpdateCurves();
}

// --- ToneCurvesPPG

ToneCurvesPPG::ToneCurvesPPG()
    : FnDsCurvesPPG(2, 5, "ToneCurvesPPG", kToneIds, kToneMap), histogramWidget_("Histogram") {
    histogram_.SetShape(5, 256);
    histogram_.Clear();
}

// The dialog goes before the histogram widget it shows.
ToneCurvesPPG::~ToneCurvesPPG() { DestroyDialog(); }

void ToneCurvesPPG::AddUnderCurves() {
    histogramWidget_.SetSize(float(host_.Width() - 2), float(host_.Height() - 2));
    histogramWidget_.SetHistogramFlags(histogramWidget_.HistogramFlags() & ~FnTHistogram::kFrame);
    histogramWidget_.SetPosition(1, 1);
    histogramWidget_.SetHistogramFlags(histogramWidget_.HistogramFlags() &
                                       ~FnTHistogram::kLogarithmic);
    if (histogram_.hasStorage()) ShowHistogram();
    host_.AddWidget(&histogramWidget_);
    RequestHistogram(float(CurrentTime()));
}

void ToneCurvesPPG::RequestHistogram(float time) {
    puller_.SetCallback(&AnalyseThunk, this);
    if (puller_.IsPulling()) puller_.Interrupt();
    IUnknown* inspected = InspectedObject();
    if (!inspected) return;
    IDSGraphObject* graph = nullptr;
    if (FAILED(inspected->QueryInterface(IID_IDSGraphObject, reinterpret_cast<void**>(&graph))) ||
        !graph)
        return;
    IUnknown* object = nullptr;
    graph->GetGraphObject(IID_IUnknown, reinterpret_cast<void**>(&object));
    if (!object) {
        graph->Release();
        return;
    }
    if (time == -1.0f) time = float(GetTickCount());
    puller_.StartPull(object, float(ConvertToLocalTime(time, object)), 0, 0);
    object->Release();
    graph->Release();
}

void ToneCurvesPPG::AnalysePulledImage(IDSImage* image) {
    if (!image) return;
    GUID format = GUID_NULL;
    int32_t width = 0, height = 0;
    void* pixels = nullptr;
    if (FAILED(image->GetPixelFormat(&format)) || FAILED(image->GetSize(&width, &height)) ||
        FAILED(image->GetBuffer(&pixels)) || !pixels || width <= 0 || height <= 0)
        return;
    if (format == MFIF_RGBA_RAW_32)
        Count<FnHistogramAnalyser8>(width, height, pixels, histogram_);
    else if (format == MFIF_RGBA_RAW_64)
        Count<FnHistogramAnalyser16>(width, height, pixels, histogram_);
    else
        return;
    if (histogram_.hasStorage()) ShowHistogram();
    Repaint(host_);
}

void ToneCurvesPPG::ShowHistogram() {
    if (!histogram_.hasStorage() || !histogram_.bins(4)) return;
    histogramWidget_.SetCounts(histogram_.bins(4));
    histogramWidget_.SetBinCount(256);
    histogramWidget_.SetLargest(int32_t(std::min<uint32_t>(histogram_.largest(4), INT32_MAX)));
    histogramWidget_.SetSmallest(int32_t(std::min<uint32_t>(histogram_.smallest(4), INT32_MAX)));
    histogramWidget_.SetColour(FnColour{0.0f, 0.0f, 0.0f});
    Repaint(host_);
}

// --- SimpleCurvesPPG

SimpleCurvesPPG::SimpleCurvesPPG()
    : FnDsCurvesPPG(3, 7, "SimpleCurvesPPG", kSimpleIds, kSimpleMap) {}

SimpleCurvesPPG::~SimpleCurvesPPG() = default;
