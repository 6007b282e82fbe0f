// FnColBalancer: the colour balance of one frame, source to destination.
//
// Each pixel is keyed by its channel sum r + g + b into the tone weight
// tables (lowlight wL, midtone wM, highlight wH).  A master shift and three
// tonal shifts (each scaled by its weight) plus four luminance offsets are
// added in storage units, and the result is clamped to 0..limit, per channel
// or, with Preserve Luminance, by the desaturating clamp that keeps the mean.
// Alpha passes through.  All arithmetic is specified to the operation
// (single precision, left-to-right sums, truncation toward zero); the vector
// row loops in FnColBalancerSimd.h repeat it lane by lane and must produce
// the same bytes as the scalar loop here, which stays the reference.
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
//    fields are saturated the same way when a band folds them.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "engine/FnBalanceKernel.h"
#include "engine/FnBalanceParams.h"
#include "engine/FnDesatClamper.h"
#include "engine/FnImgProc.h"
#include "engine/FnPixel.h"
#include "engine/FnStoreMode.h"
#include "engine/FnToneTransfer.h"
#include "engine/FnVectorRows.h"

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

// The reference pixel: settings folded in `k`, result written to `dst`
// (which may be `src`).
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

template <class SrcStorage, class SrcWorking, int SrcLimit, class DstStorage, class DstWorking,
          int DstLimit>
class FnColBalancer
    : public FnImgProc2<FnTexture<SrcStorage, SrcWorking>, FnTexture<DstStorage, DstWorking>>,
      public FnToneTransferTable<3 * (SrcLimit + 1)>,
      public FnDesatClamper<FnRGBi, int, DstLimit> {
public:
    static_assert(std::is_same_v<SrcStorage, DstStorage> && SrcLimit == DstLimit,
                  "the balancer writes the storage format it reads");
    using Pixel = SrcStorage;
    using Source = FnTexture<SrcStorage, SrcWorking>;
    using Dest = FnTexture<DstStorage, DstWorking>;
    enum : uint32_t { kPreserveLuminance = 1u << 0, kAlphaWeighted = 1u << 1 };
    static constexpr int32_t kLimit = DstLimit;
    // Shift scale and full alpha: the format's white (255 or 16384).
    static constexpr int32_t kWhite = SrcStorage::kOne;
    static constexpr bool kSixteenBit = sizeof(SrcStorage) == 8;
    static constexpr int kKeys = 3 * (SrcLimit + 1);  // weight table entries

    FnRGBi masterShift{}, lowShift{}, midShift{}, highShift{};
    int32_t masterLum = 0, lowLum = 0, midLum = 0, highLum = 0;
    uint32_t flags = kPreserveLuminance;

    // Which row loop runs (tests and benchmarks compare them); kAuto takes
    // the widest vector loop this processor has.
    void setBalancePath(FnBalancePath p) { path_ = p; }
    // How the vector rows store (FnStoreMode.h); the scalar loop always
    // stores plainly.
    void setStoreMode(FnStoreMode m) { storeMode_ = m; }

    // The settings folded for the pixel loops (once per band).
    FnBalanceKernel kernel() const {
        FnBalanceKernel k;
        k.lowTable = this->lowlightTable;
        k.midTable = this->midtoneTable;
        k.highTable = this->highlightTable;
        k.lowlights = this->lowlights;
        k.reciprocal = this->reciprocal;
        k.lowEase = this->lowEase;
        k.highEase = this->highEase;
        k.keySpan = float(kKeys - 1);
        const bool preserve = (flags & kPreserveLuminance) != 0;
        const int32_t mL = sat(masterLum), lL = sat(lowLum), dL = sat(midLum), hL = sat(highLum);
        const int32_t* ms = &masterShift.r;
        const int32_t* ls = &lowShift.r;
        const int32_t* ds = &midShift.r;
        const int32_t* hs = &highShift.r;
        for (int i = 0; i < 3; ++i) {
            k.add[i] = sat(ms[i]) + (preserve ? 0 : mL);
            k.low[i] = float(sat(ls[i]) + (preserve ? 0 : lL));
            k.mid[i] = float(sat(ds[i]) + (preserve ? 0 : dL));
            k.high[i] = float(sat(hs[i]) + (preserve ? 0 : hL));
        }
        k.lumLow = float(lL);
        k.lumMaster = float(mL);
        k.lumMid = float(dL);
        k.lumHigh = float(hL);
        k.preserve = preserve;
        k.lumAny = (mL | lL | dL | hL) != 0;
        k.alphaWeighted = (flags & kAlphaWeighted) != 0;
        k.limit = kLimit;
        k.alphaFull = kWhite;
        k.stream = stream_;
        return k;
    }

    bool isIdentity() const {
        const int32_t* parts[4] = {&masterShift.r, &lowShift.r, &midShift.r, &highShift.r};
        for (const int32_t* p : parts)
            if (p[0] | p[1] | p[2]) return false;
        return (masterLum | lowLum | midLum | highLum) == 0;
    }

protected:
    // Dirty tables are rebuilt; with a vector path the same entries are
    // evaluated lane by lane (a 16-bit rebuild is ~1 ms in scalar code).
    void prepare() override {
        rowFn_ =
            path_ == FnBalancePath::kScalar ? nullptr : fnBalanceRowFunction(path_, kSixteenBit);
        const FnBalanceTablesFn tables = rowFn_ ? fnBalanceTablesFunction(path_) : nullptr;
        if (tables && (this->toneFlags & FnToneTransfer::kDirty)) {
            tables(kernel(), kKeys, this->lowlightTable, this->midtoneTable, this->highlightTable);
            this->toneFlags &= ~uint32_t(FnToneTransfer::kDirty);
        } else {
            this->rebuildTables();
        }
        identity_ = isIdentity();
        const FnRect& r = this->region_;
        stream_ = rowFn_ &&
                  fnStreamStores(storeMode_, size_t(r.width()) * size_t(r.height()) * sizeof(Pixel),
                                 this->src_->byteRange(), this->dst_->byteRange());
        copyFn_ = stream_ ? fnStreamCopyFunction(path_) : nullptr;
    }

    void processBand() override {
        const FnBalanceKernel k = kernel();
        fnRunBand(
            *this, *this->src_, *this->dst_, true,
            [&](const Pixel& in, Pixel& out) { pixel(k, in, out); },
            [&](const Pixel* in, Pixel* out, int32_t n) { runRow(k, in, out, n); });
    }

public:
    // The region's columns of row y into `out`, between beginRows and
    // endRows, for callers that walk the rows themselves (FnFrameSteps.h).
    void processRow(int32_t y, Pixel* out) const {
        const FnBalanceKernel k = kernel();
        fnRunRegionRow(
            *this, *this->src_, y, out, [&](const Pixel& in, Pixel& o) { pixel(k, in, o); },
            [&](const Pixel* in, Pixel* o, int32_t n) { runRow(k, in, o, n); });
    }

private:
    static int32_t sat(int32_t v) {
        return v < -kFnShiftLimit ? -kFnShiftLimit : (v > kFnShiftLimit ? kFnShiftLimit : v);
    }

    void pixel(const FnBalanceKernel& k, const Pixel& in, Pixel& out) const {
        if (identity_)
            out = in;
        else
            fnBalancePixel<Pixel, kLimit>(k, in, out);
    }

    void runRow(const FnBalanceKernel& k, const Pixel* in, Pixel* out, int32_t n) const {
        if (identity_) {
            if (copyFn_)
                copyFn_(in, out, size_t(n) * sizeof(Pixel));
            else if (in != out)
                std::memmove(out, in, size_t(n) * sizeof(Pixel));
        } else if (rowFn_) {
            rowFn_(k, in, out, n);
        } else {
            for (int32_t i = 0; i < n; ++i) fnBalancePixel<Pixel, kLimit>(k, in[i], out[i]);
        }
    }

    FnBalancePath path_ = FnBalancePath::kAuto;
    FnStoreMode storeMode_ = FnStoreMode::kAuto;
    FnBalanceRowFn rowFn_ = nullptr;
    FnCopyBytesFn copyFn_ = nullptr;
    bool identity_ = false;
    int32_t stream_ = 0;
};

using FnColBalancer8 = FnColBalancer<FnRGBA8, FnRGBAf, 255, FnRGBA8, FnRGBAf, 255>;
using FnColBalancer16 = FnColBalancer<FnRGBA16, FnRGBAf, 32767, FnRGBA16, FnRGBAf, 32767>;

// Fills the balance settings from the parameter values at one frame time:
// shifts and offsets in the format's white (255 or 16384), tone settings,
// flags (bit 0 Preserve Luminance, bit 1 alpha-weighted when the alpha
// channel switch is 2).
template <class Balancer>
void SetupBalancer(Balancer& b, const FnBalanceParams& p) {
    constexpr float scale = float(Balancer::kWhite);
    b.masterShift = fnHueSatShift(p.masterHue, p.masterSaturation, scale);
    b.lowShift = fnHueSatShift(p.lowHue, p.lowSaturation, scale);
    b.midShift = fnHueSatShift(p.midHue, p.midSaturation, scale);
    b.highShift = fnHueSatShift(p.highHue, p.highSaturation, scale);
    b.masterLum = fnLuminanceOffset(p.masterLum, scale);
    b.lowLum = fnLuminanceOffset(p.lowLum, scale);
    b.midLum = fnLuminanceOffset(p.midLum, scale);
    b.highLum = fnLuminanceOffset(p.highLum, scale);
    b.setToneSettings(p.lowlights, p.highlights, p.lowlightsEase, p.highlightsEase);
    b.flags = (p.preserveLuminance != 0 ? uint32_t(Balancer::kPreserveLuminance) : 0u) |
              (p.maskAlpha == 2 ? uint32_t(Balancer::kAlphaWeighted) : 0u);
}
