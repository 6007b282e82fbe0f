// FnToneRender: renders one tonal range (lowlights, midtones or highlights)
// as an opaque grey matte, so the user can see what the tone settings pick.
//
// Unlike the balancer, the matte keys a pixel by its channel mean, and the
// 16-bit table places white (16384) at tone position 1.0: entry i stands
// for i / 255 (8-bit) or i / 16384 (16-bit, top entry about 2.0).  The
// table is rebuilt on every run, whatever the tone settings' dirty flag.
// 16-bit means below 0 read entry 0.  A tone index outside 0..2 is clamped
// into it.  The source alpha is not read; the output alpha is white.
//
// Contiguous runs go through the vector rows of FnToneRenderSimd.h where
// the processor has them; they evaluate each pixel's table entry instead of
// reading it, and give the same bytes.  The table and processPixel stay the
// reference (and serve edge runs).
#pragma once

#include <cstdint>

#include "engine/FnBalanceParams.h"
#include "engine/FnImgProc.h"
#include "engine/FnPixel.h"
#include "engine/FnStoreMode.h"
#include "engine/FnToneTransfer.h"
#include "engine/FnVectorRows.h"

template <class SrcStorage, class SrcWorking, int SrcLimit, class DstStorage, class DstWorking,
          int DstLimit>
class FnToneRender
    : public FnImgProc2<FnTexture<SrcStorage, SrcWorking>, FnTexture<DstStorage, DstWorking>>,
      public FnGeneralPass2<SrcStorage, SrcWorking, DstStorage, DstWorking>,
      public FnToneTransfer {
public:
    static constexpr int32_t kEntries = SrcLimit + 1;  // 256 or 32768
    static constexpr bool kSixteenBit = sizeof(SrcStorage) == 8;
    // Tone position step and matte scale: the format's white.
    static constexpr float kScale = kSixteenBit ? 16384.0f : 255.0f;
    static constexpr int32_t kWhite = DstStorage::kOne;

    int32_t toneIndex = 0;  // 0 lowlights, 1 midtones, 2 highlights

    // Which row loop runs (kScalar: the table, pixel by pixel) and how the
    // vector rows store.
    void setRowPath(FnBalancePath p) { path_ = p; }
    void setStoreMode(FnStoreMode m) { storeMode_ = m; }

    FnMatteKernel matteKernel() const {
        FnMatteKernel k;
        k.lowlights = lowlights;
        k.reciprocal = reciprocal;
        k.lowEase = lowEase;
        k.highEase = highEase;
        k.tone = toneIndex < 0 ? 0 : (toneIndex > 2 ? 2 : toneIndex);
        k.stream = stream_;
        return k;
    }

    void processPixel(const SrcStorage& src, DstStorage& dst, int) final {
        int32_t key = (int32_t(src.r) + src.g + src.b) / 3;
        if (key < 0) key = 0;
        if (key > kEntries - 1) key = kEntries - 1;
        using Elem = typename DstStorage::Elem;
        const Elem v = Elem(matte[key]);
        dst.r = v;
        dst.g = v;
        dst.b = v;
        dst.a = Elem(kWhite);
    }

    // Matte value of tone position x for the current tone index.
    float weight(float x) const {
        const int32_t t = toneIndex < 0 ? 0 : (toneIndex > 2 ? 2 : toneIndex);
        if (t == 0) return lowlightWeight(x);
        if (t == 1) return midtoneWeight(x);
        return highlightWeight(x);
    }

    int32_t matte[kEntries] = {};

protected:
    void prepare() override {
        rowFn_ = fnMatteRowFunction(path_, kSixteenBit ? FnRowFormat::k16 : FnRowFormat::k8);
        if (rowFn_) {
            // Entry i is the matte of the grey (i, i, i): the vector rows
            // give it without a curve evaluated in scalar code.
            constexpr int32_t kChunk = 256;
            using Elem = typename SrcStorage::Elem;
            SrcStorage grey[kChunk];
            DstStorage out[kChunk];
            FnMatteKernel k = matteKernel();
            k.stream = 0;
            for (int32_t i = 0; i < kEntries; i += kChunk) {
                for (int32_t j = 0; j < kChunk; ++j)
                    grey[j] = {{Elem(i + j), Elem(i + j), Elem(i + j), 0}};
                rowFn_(k, grey, out, kChunk);
                for (int32_t j = 0; j < kChunk; ++j) matte[i + j] = out[j].r;
            }
        } else {
            for (int32_t i = 0; i < kEntries; ++i) {
                const float x = kSixteenBit ? float(i) * 6.1035156e-5f : float(i) / 255.0f;
                const float v = weight(x) * kScale;
                int32_t e = v > 0.0f ? int32_t(v) : 0;
                if (e > DstLimit) e = DstLimit;
                matte[i] = e;
            }
        }
        toneFlags &= ~uint32_t(kDirty);
        const FnRect& r = this->region_;
        stream_ =
            rowFn_ &&
            fnStreamStores(storeMode_, size_t(r.width()) * size_t(r.height()) * sizeof(DstStorage),
                           this->src_->byteRange(), this->dst_->byteRange());
    }

    void processBand() override {
        if (!rowFn_) {
            this->template generalPassBand<FnToneRender>(*this, *this->src_, *this->dst_);
            return;
        }
        const FnMatteKernel k = matteKernel();
        fnRunBand(
            *this, *this->src_, *this->dst_, false,
            [&](const SrcStorage& in, DstStorage& out) { processPixel(in, out, 0); },
            [&](const SrcStorage* in, DstStorage* out, int32_t n) { rowFn_(k, in, out, n); });
    }

public:
    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(int32_t y, DstStorage* out) {
        const FnMatteKernel k = matteKernel();
        fnRunRegionRow(
            *this, *this->src_, y, out,
            [&](const SrcStorage& in, DstStorage& o) { processPixel(in, o, 0); },
            [&](const SrcStorage* in, DstStorage* o, int32_t n) {
                if (rowFn_)
                    rowFn_(k, in, o, n);
                else
                    for (int32_t i = 0; i < n; ++i) processPixel(in[i], o[i], 0);
            });
    }

private:
    FnBalancePath path_ = FnBalancePath::kAuto;
    FnStoreMode storeMode_ = FnStoreMode::kAuto;
    FnMatteRowFn rowFn_ = nullptr;
    int32_t stream_ = 0;
};

using FnToneRender8 = FnToneRender<FnRGBA8, FnRGBAf, 255, FnRGBA8, FnRGBAf, 255>;
using FnToneRender16 = FnToneRender<FnRGBA16, FnRGBAf, 32767, FnRGBA16, FnRGBAf, 32767>;

// Tone settings as for the balancer; tone index = Render Tone - 1.
template <class ToneRender>
void setupToneRender(ToneRender& t, const FnBalanceParams& p) {
    t.setToneSettings(p.lowlights, p.highlights, p.lowlightsEase, p.highlightsEase);
    const int32_t idx = p.renderTone - 1;
    t.toneIndex = idx < 0 ? 0 : (idx > 2 ? 2 : idx);
}
