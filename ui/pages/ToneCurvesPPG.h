// ToneCurvesPPG and SimpleCurvesPPG: the tone-curves pages, "Tone Curves".
// Both edit Lowlights, Highlights, their eases and Render Tone (the
// parameter table's kToneCurvesPageLayout and kSimpleCurvesPageLayout), and
// show the three weight curves in a widget host window, with four handles
// that edit the four levels; a handle drag is written when it ends, as one
// undo event.  ToneCurvesPPG draws the curves over a live histogram of the
// frame at the host's current time (pulled from the host and counted on
// the worker threads); SimpleCurvesPPG, the page of the pixel-mask family,
// has none.  What they share is FnDsCurvesPPG.
#pragma once

#include "analysis/FnDynamicHistogram.h"
#include "platform/dssdk/IDSImage.h"
#include "ui/controls/FnTHistogram.h"
#include "ui/controls/FnTToneCurves.h"
#include "ui/pages/FnDsImagePuller.h"
#include "ui/pages/FnDsWidgetPPG.h"

// The curves, their records and the page's life, shared by both pages.
class FnDsCurvesPPG : public FnDsWidgetPPG {
public:
    BOOL OnInitDialog() override;
    // Showing the page asks for a new histogram (not when it is hidden or
    // minimised).
    HRESULT Show(UINT command) override;
    // A new time asks for the histogram of the frame at that time.
    HRESULT UpdateAnimatedControls(double time) override;

    void UpdateCurves();
    // Pulls the frame at `time` (-1: the tick count) from the host for the
    // page's histogram; nothing on a page without one.
    virtual void RequestHistogram(float /*time*/) {}

    FnTToneCurves& Curves() { return curves_; }

    // A page's other controls (ToneCurvesPPG.cpp).
    struct Ids;

protected:
    FnDsCurvesPPG(const ColBalancePageLayout& layout, UINT titleId, const char* name,
                  const Ids& ids, const CDSPPGControlMap& map);
    ~FnDsCurvesPPG() override = default;
    // Widgets under the curves, added before them.
    virtual void AddUnderCurves() {}

private:
    void Refresh() override { UpdateCurves(); }
    int HandleMessage(const FnMessage& message, FnMessageSender* sender) override;

    const Ids& ids_;
    FnTToneCurves curves_;
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
