// The tone-curves pages: the curves, their parameters, and on
// ToneCurvesPPG the histogram of the frame at the host's current time.
#include "ui/pages/ToneCurvesPPG.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/FnHistogramAnalyser.h"
#include "platform/dssdk/DSImageGraph.h"
#include "ui/toolkit/FnMessage.h"

// Each page's controls beside its records: the Reset button, its
// description and the placeholder of the widget area.
struct FnDsCurvesPPG::Ids {
    int reset, resetDescription, placeholder;
    const char* managerTitle;
};

namespace {

namespace Param = ColBalanceParam;
using PageIds = FnDsCurvesPPG::Ids;
constexpr PageIds kToneIds{1021, 1051, 1022, "_histManager"};
constexpr PageIds kSimpleIds{1028, 1053, 1029, "_toneManager"};

// The widget's values, the handles that move them and their parameters, in
// the order UpdateCurves stores them.
struct CurvePair {
    int value;
    int32_t part;
    const ColBalanceParamSpec* param;
};
constexpr CurvePair kPairs[4] = {
    {FnTToneCurves::kHighlightsEase, FnTToneCurves::kHighlightsEaseHandle, &Param::HighlightsEase},
    {FnTToneCurves::kLowlightsEase, FnTToneCurves::kLowlightsEaseHandle, &Param::LowlightsEase},
    {FnTToneCurves::kHighlights, FnTToneCurves::kHighlightsShoulder, &Param::Highlights},
    {FnTToneCurves::kLowlights, FnTToneCurves::kLowlightsShoulder, &Param::Lowlights},
};

// The four levels redraw the curves.
CDSControlHandler HandlerOf(const ColBalanceParamSpec& param) {
    for (const CurvePair& p : kPairs)
        if (p.param == &param) return static_cast<CDSControlHandler>(&FnDsCurvesPPG::UpdateCurves);
    return nullptr;
}

// Both layouts hold the same parameters; only the ids differ.
static_assert(kToneCurvesPageLayout.size() == kSimpleCurvesPageLayout.size());
constexpr size_t kRecords = kToneCurvesPageLayout.size();

auto Entries(const ColBalancePageLayout& layout, const PageIds& ids) {
    return FnDsMapEntries<kRecords>(layout, &HandlerOf, ids.reset,
                                    static_cast<CDSControlHandler>(&FnDsCurvesPPG::ResetPage),
                                    ids.resetDescription);
}

const auto kToneEntries = Entries(kToneCurvesPageLayout, kToneIds);
const auto kSimpleEntries = Entries(kSimpleCurvesPageLayout, kSimpleIds);
const CDSPPGControlMap kToneMap = FnDsControlMap(kToneEntries.data());
const CDSPPGControlMap kSimpleMap = FnDsControlMap(kSimpleEntries.data());

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

FnDsCurvesPPG::FnDsCurvesPPG(const ColBalancePageLayout& layout, UINT titleId, const char* name,
                             const Ids& ids, const CDSPPGControlMap& map)
    : FnDsWidgetPPG(layout, titleId, name, map), ids_(ids), curves_("Tone Curves") {
    ListenTo(&curves_);
}

BOOL FnDsCurvesPPG::OnInitDialog() {
    CDSPropertyPage::OnInitDialog();
    InitControls();
    CreateWidgetHost(ids_.placeholder, ids_.managerTitle, false);
    LinkEffect();
    AddUnderCurves();
    curves_.SetSize(float(host_.Width() - 2), float(host_.Height() - 2));
    curves_.SetFrameFlags(curves_.FrameFlags() & ~FnTToneCurves::kFrame);
    curves_.SetPosition(1, 1);
    host_.AddWidget(&curves_);
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

// A handle drag ended: its value into the paired parameter, one undo event.
int FnDsCurvesPPG::HandleMessage(const FnMessage& message, FnMessageSender* sender) {
    if (sender != static_cast<FnMessageSender*>(&curves_) || message.Kind() != kFnDragEnded)
        return 0;
    BeginUndo();
    const int32_t part = curves_.ActivePart();
    for (const CurvePair& p : kPairs)
        if (p.part == part) Record(*p.param).SetDouble(double(curves_.Value(p.value)) * 100.0);
    EndUndo();
    return 1;
}

void FnDsCurvesPPG::UpdateCurves() {
    for (const CurvePair& p : kPairs) {
        const double v = Record(*p.param).GetDouble() / 100.0;
        curves_.SetValue(p.value, float(std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0));
        curves_.UpdateHandles();
    }
    Repaint();
}

// --- ToneCurvesPPG

ToneCurvesPPG::ToneCurvesPPG()
    : FnDsCurvesPPG(kToneCurvesPageLayout, 5, "ToneCurvesPPG", kToneIds, kToneMap),
      histogramWidget_("Histogram") {
    histogram_.SetShape(5, 256);
    histogram_.Clear();
}

// The dialog goes before the widgets it shows.
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
    Repaint();
}

void ToneCurvesPPG::ShowHistogram() {
    if (!histogram_.hasStorage() || !histogram_.bins(4)) return;
    histogramWidget_.SetCounts(histogram_.bins(4));
    histogramWidget_.SetBinCount(256);
    histogramWidget_.SetLargest(int32_t(std::min<uint32_t>(histogram_.largest(4), INT32_MAX)));
    histogramWidget_.SetSmallest(int32_t(std::min<uint32_t>(histogram_.smallest(4), INT32_MAX)));
    histogramWidget_.SetColour(FnColour{0.0f, 0.0f, 0.0f});
    Repaint();
}

// --- SimpleCurvesPPG

SimpleCurvesPPG::SimpleCurvesPPG()
    : FnDsCurvesPPG(kSimpleCurvesPageLayout, 7, "SimpleCurvesPPG", kSimpleIds, kSimpleMap) {}

// The dialog goes before the curves widget it shows.
SimpleCurvesPPG::~SimpleCurvesPPG() { DestroyDialog(); }
