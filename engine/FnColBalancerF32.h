// FnColBalancerF32: the colour balancer for 32-bit float storage (white 1.0,
// no storage limits), the FnColBalancer template specialised for it.
//
// The arithmetic is the integer formats', step for step in single
// precision and in the same order, without the integer steps (truncation to
// a storage unit, the clamp to 0..limit).  Decisions for float:
//  - Tone key: the channel sum r + g + b, white at 3.0.  Sums above 3.0 are
//    weighted as white, sums below 0 as black.  A key stands at the tone
//    position that the same colour's sum has in 16-bit storage,
//    key x 16384 / 98303 (16-bit entry i stands for i / 98303), so float
//    and 16-bit colours get the same weights: bit for bit on the 16-bit
//    grid.  The weights are evaluated per pixel; a table would quantise the
//    keys.
//  - Shifts and luminance offsets are scaled by white, 1.0, as the integer
//    formats scale by 255 or 16384, and keep their fractions (no unit to
//    truncate or round to).  Each saturates at +-kFnShiftLimitF32 (4096
//    whites, where the 16-bit path saturates), so every sum stays finite.
//  - Without Preserve Luminance nothing is clamped.  With it the
//    desaturating clamp pulls channels below 0 toward the pixel's mean,
//    keeping the mean, with no upper limit (FnDesatClamper.h); the
//    luminance offset added after the clamp is clamped at 0 only.
//  - A pixel with a NaN or infinite colour channel is copied unchanged,
//    all four channels: it has no key and no mean.  Alpha is always copied
//    bit for bit; in alpha-weighted mode a NaN alpha counts as 0.
//  - Alpha-weighted mode: full opacity is white, 1.0.  a <= 0 gives the
//    source colour, a >= 1 the balanced colour, and in between
//    src + (res - src) x a, in double and rounded to single once (the
//    integer formats mix in exact integers, or in double with Preserve
//    Luminance), so no finite pair can overflow.
//  - Identity settings copy the source bit for bit, NaN payloads, signed
//    zeros and denormals included.
// The vector row loops (FnColBalancerSimdF32.h) repeat fnBalancePixelF32
// lane by lane and must give the same bits.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/FnColBalancer.h"

// Tone position of a float key (see above; constants in FnBalanceKernel.h).
inline float fnTonePositionF32(float key) {
    const float k = key > 0.0f ? (key < kFnF32KeyWhite ? key : kFnF32KeyWhite) : 0.0f;
    return k * kFnF32KeyScale / kFnF32KeySpan;
}

// The tone settings a kernel carries, as an FnToneTransfer for the curves.
inline FnToneTransfer fnToneOf(const FnBalanceKernelF32& k) {
    FnToneTransfer t;
    t.lowlights = k.lowlights;
    t.reciprocal = k.reciprocal;
    t.lowEase = k.lowEase;
    t.highEase = k.highEase;
    return t;
}

// The reference pixel of the float balancer (`dst` may be `src`).
inline void fnBalancePixelF32(const FnBalanceKernelF32& k, const FnToneTransfer& tone,
                              const FnRGBAF32& src, FnRGBAF32& dst) {
    const float c[3] = {src.r, src.g, src.b};
    if (!(std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]))) {
        std::memmove(&dst, &src, sizeof(FnRGBAF32));
        return;
    }
    const float x = fnTonePositionF32(c[0] + c[1] + c[2]);
    const float wL = tone.lowlightWeight(x), wH = tone.highlightWeight(x);
    const float wM = FnToneTransfer::midFrom(wH, wL);
    FnRGBf t;
    float* res = &t.r;
    for (int i = 0; i < 3; ++i)
        res[i] = c[i] + k.add[i] + wL * k.low[i] + wM * k.mid[i] + wH * k.high[i];
    if (k.preserve) {
        FnDesatClamper<FnRGBf, float, kFnUnbounded>::desaturateClamp(t);
        if (k.lumAny) {
            const float lum = wL * k.lumLow + k.lumMaster + wM * k.lumMid + wH * k.lumHigh;
            for (int i = 0; i < 3; ++i) {
                const float v = res[i] + lum;
                res[i] = v > 0.0f ? v : 0.0f;
            }
        }
    }
    if (k.alphaWeighted) {
        const float a = src.a;
        for (int i = 0; i < 3; ++i) {
            if (!(a > 0.0f))
                res[i] = c[i];
            else if (!(a >= 1.0f))
                res[i] = float(double(c[i]) + (double(res[i]) - double(c[i])) * double(a));
        }
    }
    const float alpha = src.a;
    dst.r = res[0];
    dst.g = res[1];
    dst.b = res[2];
    dst.a = alpha;
}

template <>
class FnColBalancer<FnRGBAF32, FnRGBAf, kFnUnbounded, FnRGBAF32, FnRGBAf, kFnUnbounded>
    : public FnImgProc2<FnImageF32, FnImageF32>,
      public FnToneTransfer,
      public FnDesatClamper<FnRGBf, float, kFnUnbounded> {
public:
    using Pixel = FnRGBAF32;
    using Source = FnImageF32;
    using Dest = FnImageF32;
    enum : uint32_t { kPreserveLuminance = 1u << 0, kAlphaWeighted = 1u << 1 };
    // Shift scale and full alpha.
    static constexpr float kWhite = 1.0f;

    FnRGBf masterShift{}, lowShift{}, midShift{}, highShift{};
    float masterLum = 0, lowLum = 0, midLum = 0, highLum = 0;
    uint32_t flags = kPreserveLuminance;

    void setBalancePath(FnBalancePath p) { path_ = p; }
    void setStoreMode(FnStoreMode m) { storeMode_ = m; }

    // The settings folded for the pixel loops (once per band).
    FnBalanceKernelF32 kernel() const {
        FnBalanceKernelF32 k;
        k.lowlights = lowlights;
        k.reciprocal = reciprocal;
        k.lowEase = lowEase;
        k.highEase = highEase;
        const bool preserve = (flags & kPreserveLuminance) != 0;
        const float mL = sat(masterLum), lL = sat(lowLum), dL = sat(midLum), hL = sat(highLum);
        const float* ms = &masterShift.r;
        const float* ls = &lowShift.r;
        const float* ds = &midShift.r;
        const float* hs = &highShift.r;
        for (int i = 0; i < 3; ++i) {
            k.add[i] = preserve ? sat(ms[i]) : sat(ms[i]) + mL;
            k.low[i] = preserve ? sat(ls[i]) : sat(ls[i]) + lL;
            k.mid[i] = preserve ? sat(ds[i]) : sat(ds[i]) + dL;
            k.high[i] = preserve ? sat(hs[i]) : sat(hs[i]) + hL;
        }
        k.lumLow = lL;
        k.lumMaster = mL;
        k.lumMid = dL;
        k.lumHigh = hL;
        k.preserve = preserve;
        k.lumAny = mL != 0.0f || lL != 0.0f || dL != 0.0f || hL != 0.0f;
        k.alphaWeighted = (flags & kAlphaWeighted) != 0;
        k.stream = stream_;
        return k;
    }

    bool isIdentity() const {
        const float* parts[4] = {&masterShift.r, &lowShift.r, &midShift.r, &highShift.r};
        for (const float* p : parts)
            for (int i = 0; i < 3; ++i)
                if (sat(p[i]) != 0.0f) return false;
        for (float l : {masterLum, lowLum, midLum, highLum})
            if (sat(l) != 0.0f) return false;
        return true;
    }

protected:
    // No tables: the weights are evaluated per pixel.
    void prepare() override {
        rowFn_ = path_ == FnBalancePath::kScalar ? nullptr : fnBalanceRowFunctionF32(path_);
        identity_ = isIdentity();
        toneFlags &= ~uint32_t(FnToneTransfer::kDirty);
        stream_ = rowFn_ && fnStreamStores(storeMode_,
                                           size_t(region_.width()) * size_t(region_.height()) * 16,
                                           src_->byteRange(), dst_->byteRange());
        copyFn_ = stream_ ? fnStreamCopyFunction(path_) : nullptr;
    }

    void processBand() override {
        const FnBalanceKernelF32 k = kernel();
        const FnToneTransfer tone = fnToneOf(k);
        fnRunBand(
            *this, *src_, *dst_, true,
            [&](const Pixel& in, Pixel& out) { pixel(k, tone, in, out); },
            [&](const Pixel* in, Pixel* out, int32_t n) { runRow(k, tone, in, out, n); });
    }

public:
    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(int32_t y, Pixel* out) const {
        const FnBalanceKernelF32 k = kernel();
        const FnToneTransfer tone = fnToneOf(k);
        fnRunRegionRow(
            *this, *src_, y, out, [&](const Pixel& in, Pixel& o) { pixel(k, tone, in, o); },
            [&](const Pixel* in, Pixel* o, int32_t n) { runRow(k, tone, in, o, n); });
    }

private:
    void pixel(const FnBalanceKernelF32& k, const FnToneTransfer& tone, const Pixel& in,
               Pixel& out) const {
        if (identity_)
            std::memmove(&out, &in, sizeof(Pixel));
        else
            fnBalancePixelF32(k, tone, in, out);
    }

    void runRow(const FnBalanceKernelF32& k, const FnToneTransfer& tone, const Pixel* in,
                Pixel* out, int32_t n) const {
        if (identity_) {
            if (copyFn_)
                copyFn_(in, out, size_t(n) * sizeof(Pixel));
            else if (in != out)
                std::memmove(out, in, size_t(n) * sizeof(Pixel));
        } else if (rowFn_) {
            rowFn_(k, in, out, n);
        } else {
            for (int32_t i = 0; i < n; ++i) fnBalancePixelF32(k, tone, in[i], out[i]);
        }
    }

private:
    // Fields written directly are bounded like the set-up values; NaN is 0.
    static float sat(float v) {
        if (std::isnan(v)) return 0.0f;
        return v < -kFnShiftLimitF32 ? -kFnShiftLimitF32
                                     : (v > kFnShiftLimitF32 ? kFnShiftLimitF32 : v);
    }

    FnBalancePath path_ = FnBalancePath::kAuto;
    FnStoreMode storeMode_ = FnStoreMode::kAuto;
    FnBalanceRowF32Fn rowFn_ = nullptr;
    FnCopyBytesFn copyFn_ = nullptr;
    bool identity_ = false;
    int32_t stream_ = 0;
};

using FnColBalancerF32 =
    FnColBalancer<FnRGBAF32, FnRGBAf, kFnUnbounded, FnRGBAF32, FnRGBAf, kFnUnbounded>;

// Fills the float balancer from the parameter values at one frame time:
// shifts and offsets in whites, tone settings and flags as for the integer
// formats.
inline void SetupBalancer(FnColBalancerF32& b, const FnBalanceParams& p) {
    b.masterShift = fnHueSatShiftF32(p.masterHue, p.masterSaturation);
    b.lowShift = fnHueSatShiftF32(p.lowHue, p.lowSaturation);
    b.midShift = fnHueSatShiftF32(p.midHue, p.midSaturation);
    b.highShift = fnHueSatShiftF32(p.highHue, p.highSaturation);
    b.masterLum = fnLuminanceOffsetF32(p.masterLum);
    b.lowLum = fnLuminanceOffsetF32(p.lowLum);
    b.midLum = fnLuminanceOffsetF32(p.midLum);
    b.highLum = fnLuminanceOffsetF32(p.highLum);
    b.setToneSettings(p.lowlights, p.highlights, p.lowlightsEase, p.highlightsEase);
    b.flags = (p.preserveLuminance != 0 ? uint32_t(FnColBalancerF32::kPreserveLuminance) : 0u) |
              (p.maskAlpha == 2 ? uint32_t(FnColBalancerF32::kAlphaWeighted) : 0u);
}
