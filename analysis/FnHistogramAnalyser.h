// The analyser family: processors that read one image and produce a result
// instead of writing a map.
//
//   FnAnalyser           an Imager over one input texture, with the hooks
//                        prepare, processBand and finish, and the run that
//                        drives them (analyse)
//   FnHistogramAnalyser  counts the input into a five-channel
//                        FnDynamicHistogram: components 0 to 3 as stored,
//                        then the grey channel (c0 + c1 + c2) / 3
//
// Each band counts into its own histogram (band 0 straight into the
// target), and finish adds them up, so counting takes no lock.  Pixels
// outside the stored image are counted from the input's fill value a run at
// a time.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "analysis/FnDynamicHistogram.h"
#include "engine/FnBalanceKernel.h"
#include "engine/FnParallel.h"
#include "engine/FnPixel.h"
#include "engine/FnTexture.h"
#include "engine/Imager.h"

template <class Texture>
class FnAnalyser : public Imager {
public:
    using Image = Texture;

    ~FnAnalyser() override = default;

    virtual void prepare(Texture&) {}
    virtual void processBand(Texture&) {}
    virtual void finish(Texture&) {}

    // prepare; for each pass an interrupt check (a stop skips the remaining
    // passes), then processBand on every band at once; finish.  There is no
    // map to check or fit.  The region is in the input's positions (what
    // its span and row lookups take): without one it is 0 .. width - 1 by
    // 0 .. height - 1, the whole stored image unless the input is placed
    // elsewhere; one set beforehand is taken as given, and what lies outside
    // the stored image reads as the input's edge modes say (its fill value
    // by default).  Only a region wider or taller than INT32_MAX is cut to
    // that size, so that every count of columns and rows is an int32.  Bands
    // take the rows of the field mode, as every Imager band does.
    void analyse(Texture& input) {
        if (!(flags_ & kWindowed))
            region_ = FnRect{.x0 = 0, .y0 = 0, .x1 = input.width(), .y1 = input.height()};
        region_.x1 = limitedEnd(region_.x0, region_.x1);
        region_.y1 = limitedEnd(region_.y0, region_.y1);
        map_ = &input;
        mapWidth_ = input.width();
        mapHeight_ = input.height();
        prepare(input);
        for (currentPass_ = 0; currentPass_ < passCount_; ++currentPass_) {
            if (shouldStop()) break;
            runParallel(&FnAnalyser::bandThunk, 2, this, &input);
        }
        finish(input);
        map_ = nullptr;
    }

private:
    static void bandThunk(void* const* a) {
        static_cast<FnAnalyser*>(a[0])->processBand(*static_cast<Texture*>(a[1]));
    }
    // An end before the first makes the region empty.
    static int32_t limitedEnd(int32_t first, int32_t end) {
        return int32_t(std::clamp<int64_t>(end, first, int64_t(first) + INT32_MAX));
    }
};

template <class Storage, class Working, int Max>
class FnHistogramAnalyser : public FnAnalyser<FnTexture<Storage, Working>> {
    static_assert(Storage::kMin == 0 && Storage::kMax == Max && Storage::kInteger,
                  "every component must be a bin index");

public:
    using Image = FnTexture<Storage, Working>;
    static constexpr uint32_t kChannels = 5;
    static constexpr uint32_t kBins = uint32_t(Max) + 1;
    // 8-bit bands of at least this many pixels count red with green and
    // blue with grey as pairs (one increment for two channels) and split
    // the pairs up at the end of the band; smaller bands count straight
    // into their histogram, which costs less than clearing and folding the
    // pair tables.
    static constexpr int64_t kPairTablesMinPixels = int64_t(1) << 17;

    ~FnHistogramAnalyser() override;

    // Each operation does nothing unless the target is shaped
    // kChannels x kBins.
    // Clears the target; shapes and clears one histogram per extra band.
    void prepare(Image& input) override;
    // Clears this band's histogram and counts the band's rows into it.
    void processBand(Image& input) override;
    // Adds the bands' histograms into the target and computes its range.
    void finish(Image& input) override;

    void setTarget(FnDynamicHistogram* target) { target_ = target; }
    FnDynamicHistogram* target() const { return target_; }

    // The vector width of the 8-bit pair keys (the widest the processor has
    // by default); one the processor lacks counts with plain x86-64 code.
    // The counts never depend on it.
    void setKeyPath(FnBalancePath p) { keyPath_ = p; }

    // Counts `input` into `target` (see analyse for the region); a null
    // input reads as an empty image.
    void run(Image* input, FnDynamicHistogram* target);

private:
    bool targetFits() const { return target_ && target_->hasShape(kChannels, kBins); }
    FnBandRange rowsOfBand(int band) const;
    uint32_t* pairTablesOf(int band) const;
    void countRows(const Image& input, FnDynamicHistogram& into, uint32_t* pairTables,
                   FnBandRange rows);
    void release();

    FnDynamicHistogram* target_ = nullptr;
    FnBalancePath keyPath_ = FnBalancePath::kAuto;
    // Between prepare and finish: the band count, one histogram per band
    // after the first, and (8-bit) each band's pair tables.
    int bands_ = 0;
    std::unique_ptr<FnDynamicHistogram[]> perThread_;
    std::unique_ptr<uint32_t[]> pairTables_;
};

using FnHistogramAnalyser8 = FnHistogramAnalyser<FnRGBA8, FnRGBAf, 255>;
using FnHistogramAnalyser16 = FnHistogramAnalyser<FnRGBA16U, FnRGBAf, 65535>;

extern template class FnHistogramAnalyser<FnRGBA8, FnRGBAf, 255>;
extern template class FnHistogramAnalyser<FnRGBA16U, FnRGBAf, 65535>;
