// ToneCurvesPPG and SimpleCurvesPPG: the tone-curves pages, "Tone Curves".
// Both edit Lowlights, Highlights, their eases and Render Tone, and show
// the three weight curves in a widget host window, with four handles that
// edit the four levels; a handle drag is written when it ends, as one undo
// event.  ToneCurvesPPG draws the curves over a live histogram of the
// frame at the host's current time (pulled from the host and counted on
// the worker threads); SimpleCurvesPPG, the page of the pixel-mask family,
// has none.  What they share is FnDsCurvesPPG.
#pragma once

#include <cstddef>

#include "analysis/FnDynamicHistogram.h"
#include "platform/dssdk/IDSImage.h"
#include "ui/controls/FnTHistogram.h"
#include "ui/controls/FnTToneCurves.h"
#include "ui/pages/FnDsImagePuller.h"
#include "ui/pages/FnDsPPG.h"
#include "ui/toolkit/FnMessageHandler.h"
#include "ui/toolkit/FnwTrouser.h"

// The records of both pages, in control-map order.
enum FnDsCurvesRecord : size_t {
    kCurvesLowlights,
    kCurvesHighlights,
    kCurvesLowlightsEase,
    kCurvesHighlightsEase,
    kCurvesRenderTone,
    kCurvesRecordCount
};

// The curves, their records and the page's life, shared by both pages.
class FnDsCurvesPPG : public FnDsPPG, private FnMessageHandler {
public:
    const CDSPPGControlMap* GetControlMap() override;
    BOOL OnInitDialog() override;
    // Showing the page asks for a new histogram (not when it is hidden or
    // minimised).
    HRESULT Show(UINT command) override;
    // A new time asks for the histogram of the frame at that time.
    HRESULT UpdateAnimatedControls(double time) override;
    HRESULT PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object, void* params,
                            DWORD flags) override;

    void UpdateCurves();
    void ResetPage();
    // Pulls the frame at `time` (-1: the tick count) from the host for the
    // page's histogram; nothing on a page without one.
    virtual void RequestHistogram(float /*time*/) {}

    FnDsPPGControl& Record(size_t i) { return records_[i]; }
    FnTToneCurves& Curves() { return curves_; }
    FnwTrouser& WidgetHost() { return host_; }

    // A page's control ids (ToneCurvesPPG.cpp).
    struct Ids;

protected:
    FnDsCurvesPPG(int dialog, int helpId, const char* name, const Ids& ids,
                  const CDSPPGControlMap& map);
    ~FnDsCurvesPPG() override;
    // Widgets under the curves, added before them.
    virtual void AddUnderCurves() {}

    FnwTrouser host_;

private:
    int HandleMessage(const FnMessage& message, FnMessageSender* sender) override;

    const Ids& ids_;
    const CDSPPGControlMap& map_;
    FnDsPPGControl records_[kCurvesRecordCount]{};
    FnDsEffect* effect_ = nullptr;
    FnTToneCurves curves_;
    bool counted_ = false;
};

class ToneCurvesPPG final : public FnDsCurvesPPG {
public:
    ToneCurvesPPG();

    void RequestHistogram(float time) override;
    // Counts a pulled 8-bit image into the histogram and shows it; other
    // formats are ignored.
    void AnalysePulledImage(IDSImage* image);
    // The grey channel into the histogram widget.
    void ShowHistogram();

    FnTHistogram& HistogramWidget() { return histogramWidget_; }
    const FnDynamicHistogram& Histogram() const { return histogram_; }
    FnDsImagePuller& Puller() { return puller_; }

private:
    ~ToneCurvesPPG() override;
    void AddUnderCurves() override;

    FnTHistogram histogramWidget_;
    FnDynamicHistogram histogram_;
    FnDsImagePuller puller_;
};

class SimpleCurvesPPG final : public FnDsCurvesPPG {
public:
    SimpleCurvesPPG();

private:
    ~SimpleCurvesPPG() override;
};
