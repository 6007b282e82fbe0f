// FnToneRenderF32: the tone matte for 32-bit float storage, the FnToneRender
// template specialised for it.
//
// The matte keys a pixel by its channel mean, as for the integer formats:
// white (sum 3.0, mean 1.0) stands at tone position 1.0 as 16384 does in
// 16-bit storage.  Means above white are weighted as white and means below
// black (or NaN) as black; for the integer formats that is what the curves
// give beyond either end anyway.  The weight is evaluated per pixel (no
// table: a table would quantise the mean) and written as it is, white 1.0;
// alpha is 1.0.  The source alpha is not read.  Contiguous runs go through
// the vector rows of FnToneRenderSimd.h where the processor has them, with
// the same bits.
#pragma once

#include <cstdint>

#include "engine/FnToneRender.h"

template <>
class FnToneRender<FnRGBAF32, FnRGBAf, kFnUnbounded, FnRGBAF32, FnRGBAf, kFnUnbounded>
    : public FnImgProc2<FnImageF32, FnImageF32>,
      public FnGeneralPass2<FnRGBAF32, FnRGBAf, FnRGBAF32, FnRGBAf>,
      public FnToneTransfer {
public:
    int32_t toneIndex = 0;  // 0 lowlights, 1 midtones, 2 highlights

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

    void processPixel(const FnRGBAF32& src, FnRGBAF32& dst, int) final {
        const float mean = (src.r + src.g + src.b) / 3.0f;
        const float x = mean > 0.0f ? (mean < 1.0f ? mean : 1.0f) : 0.0f;
        const float v = weight(x);
        dst.r = v;
        dst.g = v;
        dst.b = v;
        dst.a = 1.0f;
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
        toneFlags &= ~uint32_t(kDirty);
        rowFn_ = fnMatteRowFunction(path_, FnRowFormat::kF32);
        stream_ = rowFn_ && fnStreamStores(storeMode_,
                                           size_t(region_.width()) * size_t(region_.height()) * 16,
                                           src_->byteRange(), dst_->byteRange());
    }

    void processBand() override {
        if (!rowFn_) {
            this->generalPassBand<FnToneRender>(*this, *this->src_, *this->dst_);
            return;
        }
        const FnMatteKernel k = matteKernel();
        fnRunBand(
            *this, *src_, *dst_, false,
            [&](const FnRGBAF32& in, FnRGBAF32& out) { processPixel(in, out, 0); },
            [&](const FnRGBAF32* in, FnRGBAF32* out, int32_t n) { rowFn_(k, in, out, n); });
    }

public:
    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(int32_t y, FnRGBAF32* out) {
        const FnMatteKernel k = matteKernel();
        fnRunRegionRow(
            *this, *src_, y, out,
            [&](const FnRGBAF32& in, FnRGBAF32& o) { processPixel(in, o, 0); },
            [&](const FnRGBAF32* in, FnRGBAF32* o, int32_t n) {
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

using FnToneRenderF32 =
    FnToneRender<FnRGBAF32, FnRGBAf, kFnUnbounded, FnRGBAF32, FnRGBAf, kFnUnbounded>;
