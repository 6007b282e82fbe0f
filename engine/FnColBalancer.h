// FnColBalancer: the colour balance of one frame, source to destination,
// one template over the storage traits (FnStorageTraits.h).
//
// Each pixel is keyed by its channel sum r + g + b into the tone weights
// (lowlight wL, midtone wM, highlight wH).  A master shift and three tonal
// shifts (each scaled by its weight) plus four luminance offsets are added
// in storage units, and the result is clamped to 0..limit, per channel or,
// with Preserve Luminance, by the desaturating clamp that keeps the mean.
// Alpha passes through.  All arithmetic is specified to the operation
// (single precision, left-to-right sums, truncation toward zero); the vector
// row loops in FnColBalancerSimd.h and FnColBalancerSimdF32.h repeat it lane
// by lane and must produce the same bytes as the scalar reference pixels
// here (fnBalancePixel for the integer formats, fnBalancePixelF32 for
// float), which stay the reference.
//
// Decisions where the arithmetic leaves a choice:
//  - 16-bit keys below 0 (sub-black sums) read the weights of key 0, as the
//    tone matte reads its entry 0 for them.
//  - In alpha-weighted mode full opacity is the format's white (255, 16384):
//    a <= 0 gives the source colour, a >= white the balanced colour, and in
//    between the weight is a / white, so an opaque 16-bit pixel gets the
//    whole effect as an opaque 8-bit one does.  Without Preserve Luminance
//    the mix is src + (res - src) * a / white in int32 (truncating); with it
//    trunc(float(res - src) * a / white + src), the product in single and
//    the division and addition in double precision.
//  - Identity settings (every shift and offset 0) copy the source pixels
//    unchanged, including 16-bit sub-black colours that the clamp to 0..limit
//    would otherwise lift to 0.  For every in-range pixel this is exactly
//    what the arithmetic gives.
//  - A field mode other than 1 or 2 counts as 0 (every row).
//  - HueSatShift: a hue that wraps to exactly one turn (sector 6) is hue 0,
//    red, where sector 5 ends, so the shift stays continuous.
//  - The desaturating clamp's choice for a mean outside 0..limit is in
//    FnDesatClamper.h (the grey on the edge the mean crossed).
//
// Float storage (white 1.0, no storage limits) does the integer formats'
// arithmetic step for step in single precision and in the same order,
// without the integer steps (truncation to a storage unit, the clamp to
// 0..limit):
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
//
// Non-finite and huge parameters (SetupBalancer, HueSatShift):
//  - NaN counts as the parameter's default: hue, saturation and luminance 0,
//    Lowlights 0, Highlights 100, eases 30 (FnBalanceParams).
//  - A non-finite hue counts as 0; a finite hue whose turns exceed the float
//    range saturates to +-FLT_MAX, which wraps to 0 like every huge float.
//  - Saturation -inf is 0 (negative saturations are 0); saturation and
//    luminance percentages beyond +-1e30 (inf included) count as +-1e30, so
//    that the float steps stay finite.
//  - Every float-to-int conversion saturates: shift components and offsets
//    end within +-kFnShiftLimit (2^26, about 4096 whites), so no int32 sum
//    of the pixel loops can overflow.  Shifts written directly into the
//    fields are saturated the same way when a band folds them (NaN as 0).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "engine/FnBalanceKernel.h"
#include "engine/FnBalanceParams.h"
#include "engine/FnDesatClamper.h"
#include "engine/FnImgProc.h"
#include "engine/FnPixel.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnStorageTraits.h"
#include "engine/FnStoreMode.h"
#include "engine/FnToneTransfer.h"

// Zero-sum colour shift (R, G, B) for a hue in turns and a saturation.
// Hue 0 red, 1/6 yellow, 1/3 green, 1/2 cyan, 2/3 blue, 5/6 magenta.
std::array<float, 3> HueSatShift(float hueTurns, float saturation);

// Setup conversions of one parameter pair or value, in storage units.
FnRGBi fnHueSatShift(double hueDegrees, double saturationPct, float scale);
int32_t fnLuminanceOffset(double luminancePct, float scale);
// The same for float storage, in whites: the integer conversions without
// their final truncation or rounding to a storage unit, each component
// saturated to +-kFnShiftLimitF32.
FnRGBf fnHueSatShiftF32(double hueDegrees, double saturationPct);
float fnLuminanceOffsetF32(double luminancePct);
// trunc(v) saturated to -limit..limit; NaN gives 0.
int32_t fnSaturateInt(double v, int32_t limit);

inline int32_t fnClampChannel(int32_t v, int32_t limit) {
    return v < 0 ? 0 : (v > limit ? limit : v);
}

// The reference pixel of the integer formats: settings folded in `k`,
// result written to `dst` (which may be `src`).
template <class P, int Limit>
inline void fnBalancePixel(const FnBalanceKernel& k, const P& src, P& dst) {
    using Elem = typename P::Elem;
    const int32_t c[3] = {src.r, src.g, src.b};
    const Elem alpha = src.a;
    int32_t key = c[0] + c[1] + c[2];
    if (key < 0) key = 0;
    const float wL = k.lowTable[key], wM = k.midTable[key], wH = k.highTable[key];
    int32_t res[3];
    if (!k.preserve) {
        for (int i = 0; i < 3; ++i) {
            const float v = float(c[i] + k.add[i]) + wL * k.low[i] + wM * k.mid[i] + wH * k.high[i];
            res[i] = fnClampChannel(int32_t(v), Limit);
        }
    } else {
        FnRGBi t;
        int32_t* tc = &t.r;
        for (int i = 0; i < 3; ++i) {
            const float v = float(c[i] + k.add[i]) + wL * k.low[i] + wM * k.mid[i] + wH * k.high[i];
            tc[i] = int32_t(v);
        }
        FnDesatClamper<FnRGBi, int, Limit>::desaturateClamp(t);
        const int32_t lum =
            k.lumAny ? int32_t(wL * k.lumLow + k.lumMaster + wM * k.lumMid + wH * k.lumHigh) : 0;
        res[0] = k.lumAny ? fnClampChannel(t.r + lum, Limit) : t.r;
        res[1] = k.lumAny ? fnClampChannel(t.g + lum, Limit) : t.g;
        res[2] = k.lumAny ? fnClampChannel(t.b + lum, Limit) : t.b;
    }
    if (k.alphaWeighted) {
        const int32_t a = alpha;
        for (int i = 0; i < 3; ++i) {
            if (a <= 0) {
                res[i] = c[i];
            } else if (a < k.alphaFull) {
                if (!k.preserve)
                    res[i] = c[i] + (res[i] - c[i]) * a / k.alphaFull;
                else
                    res[i] = int32_t(double(float(res[i] - c[i]) * float(a)) / double(k.alphaFull) +
                                     double(c[i]));
            }
        }
    }
    dst.r = Elem(res[0]);
    dst.g = Elem(res[1]);
    dst.b = Elem(res[2]);
    dst.a = alpha;
}

// Tone position of a float key (see above; constants in FnBalanceKernel.h).
inline float fnTonePositionF32(float key) {
    const float k = key > 0.0f ? (key < kFnF32KeyWhite ? key : kFnF32KeyWhite) : 0.0f;
    return k * kFnF32KeyScale / kFnF32KeySpan;
}

// The tone settings a kernel carries, as an FnToneTransfer for the curves.
template <class Kernel>
FnToneTransfer fnToneOf(const Kernel& k) {
    return FnToneTransfer::fromCurve(k.curve);
}

// The reference pixel of float storage (`dst` may be `src`); `tone` holds
// the kernel's tone settings (fnToneOf).
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

// The weight tables of a format that has them, or the tone settings alone
// where the weights are evaluated per pixel.
template <int32_t Keys>
using FnBalancerTone = std::conditional_t<(Keys > 0), FnToneTransferTable<Keys>, FnToneTransfer>;

template <class StorageTraits>
class FnColBalancer
    : public FnImgProc2<typename StorageTraits::Image, typename StorageTraits::Image>,
      public FnBalancerTone<StorageTraits::kBalanceKeys>,
      public FnDesatClamper<typename StorageTraits::ShiftColour, typename StorageTraits::Shift,
                            StorageTraits::kLimit> {
public:
    using Traits = StorageTraits;
    using Pixel = typename Traits::Pixel;
    using Source = typename Traits::Image;
    using Dest = typename Traits::Image;
    using Shift = typename Traits::Shift;
    using Kernel = typename Traits::BalanceKernel;
    enum : uint32_t { kPreserveLuminance = 1u << 0, kAlphaWeighted = 1u << 1 };
    static constexpr int32_t kLimit = Traits::kLimit;
    // Shift scale and full alpha: the format's white (255, 16384, 1.0).
    static constexpr Shift kWhite = Traits::kWhite;
    static constexpr int32_t kKeys = Traits::kBalanceKeys;  // weight table entries, or 0
    static constexpr bool kTables = kKeys > 0;

    typename Traits::ShiftColour masterShift{}, lowShift{}, midShift{}, highShift{};
    Shift masterLum = 0, lowLum = 0, midLum = 0, highLum = 0;
    uint32_t flags = kPreserveLuminance;

    // Which row loop runs (tests and benchmarks compare them); kAuto takes
    // the widest vector loop this processor has.
    void setBalancePath(FnBalancePath p) { rows_.path = p; }
    // How the vector rows store (FnStoreMode.h); the scalar loop always
    // stores plainly.
    void setStoreMode(FnStoreMode m) { rows_.store = m; }

    // The settings folded for the pixel loops (once per band).
    Kernel kernel() const {
        Kernel k;
        if constexpr (kTables) {
            k.lowTable = this->lowlightTable;
            k.midTable = this->midtoneTable;
            k.highTable = this->highlightTable;
            k.keySpan = float(kKeys - 1);
        }
        if constexpr (Traits::kClamps) {
            k.limit = kLimit;
            k.alphaFull = kWhite;
        }
        k.curve = this->curve();
        const bool preserve = (flags & kPreserveLuminance) != 0;
        const Shift mL = sat(masterLum), lL = sat(lowLum), dL = sat(midLum), hL = sat(highLum);
        // Without Preserve Luminance the offsets fold into the shifts.
        auto fold = [&](Shift shift, Shift offset) { return preserve ? shift : shift + offset; };
        const Shift* ms = &masterShift.r;
        const Shift* ls = &lowShift.r;
        const Shift* ds = &midShift.r;
        const Shift* hs = &highShift.r;
        for (int i = 0; i < 3; ++i) {
            k.add[i] = fold(sat(ms[i]), mL);
            k.low[i] = float(fold(sat(ls[i]), lL));
            k.mid[i] = float(fold(sat(ds[i]), dL));
            k.high[i] = float(fold(sat(hs[i]), hL));
        }
        k.lumLow = float(lL);
        k.lumMaster = float(mL);
        k.lumMid = float(dL);
        k.lumHigh = float(hL);
        k.preserve = preserve;
        k.lumAny = mL != 0 || lL != 0 || dL != 0 || hL != 0;
        k.alphaWeighted = (flags & kAlphaWeighted) != 0;
        k.stream = rows_.stream;
        return k;
    }

    // Every shift and offset 0 (as the loops see them: saturated, NaN 0).
    bool isIdentity() const {
        for (const Shift* p : {&masterShift.r, &lowShift.r, &midShift.r, &highShift.r})
            for (int i = 0; i < 3; ++i)
                if (sat(p[i]) != 0) return false;
        for (Shift l : {masterLum, lowLum, midLum, highLum})
            if (sat(l) != 0) return false;
        return true;
    }

protected:
    // Dirty tables are rebuilt; with a vector path the same entries are
    // evaluated lane by lane (a 16-bit rebuild is ~1 ms in scalar code).
    // Formats without tables only take the settings as they are.
    void prepare() override {
        const FnRowFunctions& rows = fnRowFunctions(rows_.path);
        const FnRect& r = this->region_;
        rows_.choose(rows.*Traits::kBalanceRow,
                     size_t(r.width()) * size_t(r.height()) * sizeof(Pixel),
                     this->src_->byteRange(), this->dst_->byteRange());
        if constexpr (kTables) {
            const FnBalanceTablesFn tables = rows_.row ? rows.balanceTables : nullptr;
            if (tables && (this->toneFlags & FnToneTransfer::kDirty)) {
                tables(kernel(), kKeys, this->lowlightTable, this->midtoneTable,
                       this->highlightTable);
                this->toneFlags &= ~uint32_t(FnToneTransfer::kDirty);
            } else {
                this->rebuildTables();
            }
        } else {
            this->toneFlags &= ~uint32_t(FnToneTransfer::kDirty);
        }
        identity_ = isIdentity();
        copyFn_ = rows_.stream ? rows.streamCopy : nullptr;
    }

    void processBand() override {
        const auto ops = rowOps();
        fnRunBand(*this, *this->src_, *this->dst_, true, ops.one, ops.row);
    }

public:
    // The region's columns of row y into `out`, between beginRows and
    // endRows, for callers that walk the rows themselves (FnFrameSteps.h).
    void processRow(int32_t y, Pixel* out) const {
        const auto ops = rowOps();
        fnRunRegionRow(*this, *this->src_, y, out, ops.one, ops.row);
    }

private:
    // Fields written directly are bounded like the set-up values; NaN is 0.
    static Shift sat(Shift v) {
        constexpr Shift limit = Traits::kShiftLimit;
        if constexpr (!std::is_integral_v<Shift>)
            if (std::isnan(v)) return 0;
        return v < -limit ? -limit : (v > limit ? limit : v);
    }

    // The pixel and row operations of one band or row, over the settings
    // folded once for it.
    auto rowOps() const {
        const Kernel k = kernel();
        const FnToneTransfer tone = fnToneOf(k);
        return FnRowOps{[this, k, tone](const Pixel& in, Pixel& out) { pixel(k, tone, in, out); },
                        [this, k, tone](const Pixel* in, Pixel* out, int32_t n) {
                            runRow(k, tone, in, out, n);
                        }};
    }

    static void referencePixel(const Kernel& k, const FnToneTransfer& tone, const Pixel& in,
                               Pixel& out) {
        if constexpr (Traits::kClamps) {
            (void)tone;
            fnBalancePixel<Pixel, kLimit>(k, in, out);
        } else {
            fnBalancePixelF32(k, tone, in, out);
        }
    }

    void pixel(const Kernel& k, const FnToneTransfer& tone, const Pixel& in, Pixel& out) const {
        if (identity_)
            std::memmove(&out, &in, sizeof(Pixel));
        else
            referencePixel(k, tone, in, out);
    }

    void runRow(const Kernel& k, const FnToneTransfer& tone, const Pixel* in, Pixel* out,
                int32_t n) const {
        if (identity_) {
            if (copyFn_)
                copyFn_(in, out, size_t(n) * sizeof(Pixel));
            else if (in != out)
                std::memmove(out, in, size_t(n) * sizeof(Pixel));
        } else if (rows_.row) {
            rows_.row(k, in, out, n);
        } else {
            for (int32_t i = 0; i < n; ++i) referencePixel(k, tone, in[i], out[i]);
        }
    }

    FnRowChoice<FnKernelRowFn<Kernel>> rows_;
    FnCopyBytesFn copyFn_ = nullptr;
    bool identity_ = false;
};

using FnColBalancer8 = FnColBalancer<FnStorage8>;
using FnColBalancer16 = FnColBalancer<FnStorage16>;
using FnColBalancerF32 = FnColBalancer<FnStorageF32>;

// Fills the balance settings from the parameter values at one frame time:
// shifts and offsets in the format's white (255 or 16384 storage units, or
// 1.0 for float storage, which keeps their fractions), tone settings, flags
// (bit 0 Preserve Luminance, bit 1 alpha-weighted when the alpha channel
// switch is 2).
template <class Balancer>
void SetupBalancer(Balancer& b, const FnBalanceParams& p) {
    auto shift = [](double hue, double saturation) {
        if constexpr (std::is_integral_v<typename Balancer::Shift>)
            return fnHueSatShift(hue, saturation, float(Balancer::kWhite));
        else
            return fnHueSatShiftF32(hue, saturation);
    };
    auto offset = [](double luminance) {
        if constexpr (std::is_integral_v<typename Balancer::Shift>)
            return fnLuminanceOffset(luminance, float(Balancer::kWhite));
        else
            return fnLuminanceOffsetF32(luminance);
    };
    b.masterShift = shift(p.masterHue, p.masterSaturation);
    b.lowShift = shift(p.lowHue, p.lowSaturation);
    b.midShift = shift(p.midHue, p.midSaturation);
    b.highShift = shift(p.highHue, p.highSaturation);
    b.masterLum = offset(p.masterLum);
    b.lowLum = offset(p.lowLum);
    b.midLum = offset(p.midLum);
    b.highLum = offset(p.highLum);
    b.setToneSettings(p.lowlights, p.highlights, p.lowlightsEase, p.highlightsEase);
    b.flags = (p.preserveLuminance != 0 ? uint32_t(Balancer::kPreserveLuminance) : 0u) |
              (p.maskAlpha == 2 ? uint32_t(Balancer::kAlphaWeighted) : 0u);
}
