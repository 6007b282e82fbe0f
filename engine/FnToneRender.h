// FnToneRender: renders one tonal range (lowlights, midtones or highlights)
// as an opaque grey matte, so the user can see what the tone settings pick;
// one template over the storage traits (FnStorageTraits.h).
//
// Unlike the balancer, the matte keys a pixel by its channel mean, and
// places white at tone position 1.0.  The integer formats read a table
// rebuilt on every run, whatever the tone settings' dirty flag: entry i
// stands for i / 255 (8-bit) or i / 16384 (16-bit, top entry about 2.0),
// and 16-bit means below 0 read entry 0.  Float storage evaluates the
// weight per pixel (a table would quantise the mean): white (sum 3.0, mean
// 1.0) stands at 1.0 as 16384 does in 16-bit storage; means above white
// are weighted as white and means below black (or NaN) as black, which for
// the integer formats is what the curves give beyond either end anyway;
// the weight is written as it is, white 1.0.  A tone index outside 0..2 is
// clamped into it.  The source alpha is not read; the output alpha is
// white.
//
// Contiguous runs go through the vector rows of FnToneRenderSimd.h where
// the processor has them; they evaluate each pixel's matte instead of
// reading a table, and give the same bytes.  The table and processPixel
// stay the reference (and serve edge runs).
#pragma once

#include <cstdint>

#include "engine/FnBalanceParams.h"
#include "engine/FnImgProc.h"
#include "engine/FnPixel.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnStorageTraits.h"
#include "engine/FnStoreMode.h"
#include "engine/FnToneTransfer.h"

// The matte table of a format that has one: entry i is the matte value for
// channel mean i.
template <int32_t Entries>
struct FnMatteTable {
    int32_t matte[Entries] = {};
};
template <>
struct FnMatteTable<0> {};

template <class StorageTraits>
class FnToneRender
    : public FnImgProc2<typename StorageTraits::Image, typename StorageTraits::Image>,
      public FnGeneralPass2<typename StorageTraits::Pixel, FnRGBAf, typename StorageTraits::Pixel,
                            FnRGBAf>,
      public FnToneTransfer,
      public FnMatteTable<StorageTraits::kMatteEntries> {
public:
    using Traits = StorageTraits;
    using Pixel = typename Traits::Pixel;
    static constexpr int32_t kEntries = Traits::kMatteEntries;  // 256, 32768, or 0
    static constexpr bool kTable = kEntries > 0;

    int32_t toneIndex = 0;  // 0 lowlights, 1 midtones, 2 highlights

    // Which row loop runs (kScalar: the table, pixel by pixel) and how the
    // vector rows store.
    void setRowPath(FnBalancePath p) { rows_.path = p; }
    void setStoreMode(FnStoreMode m) { rows_.store = m; }

    FnMatteKernel matteKernel() const {
        FnMatteKernel k;
        k.curve = curve();
        k.tone = toneIndex < 0 ? 0 : (toneIndex > 2 ? 2 : toneIndex);
        k.stream = rows_.stream;
        return k;
    }

    void processPixel(const Pixel& src, Pixel& dst, int) final {
        using Elem = typename Pixel::Elem;
        Elem v;
        if constexpr (kTable) {
            int32_t key = (int32_t(src.r) + src.g + src.b) / 3;
            if (key < 0) key = 0;
            if (key > kEntries - 1) key = kEntries - 1;
            v = Elem(this->matte[key]);
        } else {
            const float mean = (src.r + src.g + src.b) / 3.0f;
            v = weight(mean > 0.0f ? (mean < 1.0f ? mean : 1.0f) : 0.0f);
        }
        dst.r = v;
        dst.g = v;
        dst.b = v;
        dst.a = Elem(Traits::kWhite);
    }

    // Matte value of tone position x for the current tone index.
    float weight(float x) const {
        const int32_t t = toneIndex < 0 ? 0 : (toneIndex > 2 ? 2 : toneIndex);
        if (t == 0) return lowlightWeight(x);
        if (t == 1) return midtoneWeight(x);
        return highlightWeight(x);
    }

protected:
    void prepare() override {
        const FnRect& r = this->region_;
        rows_.choose(fnRowFunctions(rows_.path).matte[size_t(Traits::kFormat)],
                     size_t(r.width()) * size_t(r.height()) * sizeof(Pixel),
                     this->src_->byteRange(), this->dst_->byteRange());
        if constexpr (kTable) buildTable();
        toneFlags &= ~uint32_t(kDirty);
    }

    void processBand() override {
        if (!rows_.row) {
            this->template generalPassBand<FnToneRender>(*this, *this->src_, *this->dst_);
            return;
        }
        const auto ops = rowOps();
        fnRunBand(*this, *this->src_, *this->dst_, false, ops.one, ops.row);
    }

public:
    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(int32_t y, Pixel* out) {
        const auto ops = rowOps();
        fnRunRegionRow(*this, *this->src_, y, out, ops.one, ops.row);
    }

private:
    auto rowOps() {
        const FnMatteKernel k = matteKernel();
        return FnRowOps{[this](const Pixel& in, Pixel& out) { processPixel(in, out, 0); },
                        [this, k](const Pixel* in, Pixel* out, int32_t n) {
                            if (rows_.row)
                                rows_.row(k, in, out, n);
                            else
                                for (int32_t i = 0; i < n; ++i) processPixel(in[i], out[i], 0);
                        }};
    }

    // Entry i is the matte of the grey (i, i, i).  The vector rows give it
    // without a curve evaluated in scalar code; otherwise the weight at the
    // entry's position, times white, truncated and clamped.
    void buildTable() {
        if (rows_.row) {
            constexpr int32_t kChunk = 256;
            using Elem = typename Pixel::Elem;
            Pixel grey[kChunk];
            Pixel out[kChunk];
            FnMatteKernel k = matteKernel();
            k.stream = 0;
            for (int32_t i = 0; i < kEntries; i += kChunk) {
                for (int32_t j = 0; j < kChunk; ++j)
                    grey[j] = {{Elem(i + j), Elem(i + j), Elem(i + j), 0}};
                rows_.row(k, grey, out, kChunk);
                for (int32_t j = 0; j < kChunk; ++j) this->matte[i + j] = out[j].r;
            }
        } else {
            for (int32_t i = 0; i < kEntries; ++i) {
                const float v = weight(Traits::mattePosition(i)) * float(Traits::kWhite);
                int32_t e = v > 0.0f ? int32_t(v) : 0;
                if (e > Traits::kLimit) e = Traits::kLimit;
                this->matte[i] = e;
            }
        }
    }

    FnRowChoice<FnMatteRowFn> rows_;
};

using FnToneRender8 = FnToneRender<FnStorage8>;
using FnToneRender16 = FnToneRender<FnStorage16>;
using FnToneRenderF32 = FnToneRender<FnStorageF32>;

// Tone settings as for the balancer; tone index = Render Tone - 1.
template <class ToneRender>
void setupToneRender(ToneRender& t, const FnBalanceParams& p) {
    t.setToneSettings(p.lowlights, p.highlights, p.lowlightsEase, p.highlightsEase);
    const int32_t idx = p.renderTone - 1;
    t.toneIndex = idx < 0 ? 0 : (idx > 2 ? 2 : idx);
}
