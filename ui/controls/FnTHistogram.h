#pragma once
// FnTHistogram: one channel of a histogram as adjoining bars, linear or
// logarithmic, inside an optional raised frame.  Display only: it sends no
// messages and the pointer passes through it.
//
// The counts belong to whoever holds the histogram; the widget keeps a
// pointer to them, which must stay valid while the widget may draw.  The
// bars fill the area inside a 2-pixel inset from left to right, one bin
// each, and the largest count reaches the top.

#include "ui/toolkit/FnTObject.h"

#include <cstdint>

class FnTHistogram : public FnTObject {
public:
    // Histogram flags
    static constexpr std::uint32_t kLogarithmic = 1u << 0;
    static constexpr std::uint32_t kFrame = 1u << 1;  // raised frame

    static constexpr float kInset = 2.0f;

    explicit FnTHistogram(const char* name = nullptr);
    ~FnTHistogram() override;

    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    // The frame, and the bars when there are counts and a scale for them:
    // no bars without counts, with no bins, or when the largest count is
    // below 1 (linear) or 2 (logarithmic, where ln 1 = 0).
    void Draw() override;
    int OnDrag(FnPoint point) override;

    // Written directly by the holder, then the window is redrawn.
    const std::uint32_t* Counts() const { return counts_; }
    void SetCounts(const std::uint32_t* counts) { counts_ = counts; }
    std::int32_t BinCount() const { return binCount_; }
    void SetBinCount(std::int32_t bins) { binCount_ = bins; }
    std::int32_t Largest() const { return largest_; }
    void SetLargest(std::int32_t largest) { largest_ = largest; }
    // Kept for the holder; the bars do not use it.
    std::int32_t Smallest() const { return smallest_; }
    void SetSmallest(std::int32_t smallest) { smallest_ = smallest; }

    std::uint32_t HistogramFlags() const { return histogramFlags_; }
    void SetHistogramFlags(std::uint32_t flags) { histogramFlags_ = flags; }
    bool Logarithmic() const { return (histogramFlags_ & kLogarithmic) != 0; }

    // The height a bin's count is drawn at, in count units of the current
    // scale (ln of the count in logarithmic mode, 0 for a count of 0).
    float BarValue(std::uint32_t count) const;

private:
    const std::uint32_t* counts_ = nullptr;
    std::int32_t binCount_ = 0;
    std::int32_t largest_ = 0;
    std::int32_t smallest_ = 0;
    std::uint32_t histogramFlags_ = kLogarithmic | kFrame;
};
