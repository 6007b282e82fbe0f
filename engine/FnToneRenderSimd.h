// Vector row loops of the tone matte, 16 (AVX-512) or 8 (AVX2) pixels at a
// time, for 8-bit, 16-bit and float storage.
//
// Included after FnColBalancerSimd.h and FnColBalancerSimdF32.h by the
// per-ISA translation units, whose weight curves, loads and stores it uses.
// The scalar matte reads a table built per frame (FnToneRender.h); each
// lane here evaluates the same entry instead, with the same float
// operations: position key / 255 (8-bit) or key x 2^-14 (16-bit), the
// weight of the tonal range, times the format's white, truncated.  A lookup
// per pixel costs more than the arithmetic on these processors (a gather
// is several times slower than the curve).  The float matte has no table:
// its lanes evaluate the weight at the clamped mean, as its scalar loop
// does.  The tests compare every 8-bit key and every 16-bit mean with the
// tables, and the float rows with the scalar loop.
#pragma once

#include <cstdint>

#include "engine/FnColBalancerSimd.h"
#include "engine/FnColBalancerSimdF32.h"
#include "engine/FnRowFunctions.h"

namespace {
namespace fnsimd {

// The weight of tonal range Tone (0 lowlights, 1 midtones, 2 highlights)
// at positions x, as FnToneRender::weight computes it.
template <int Tone>
FN_SIMD_INLINE VF matteWeight(const ToneConsts& q, VF x) {
    const VF prod = (x - q.lowlights) * q.reciprocal;
    if constexpr (Tone == 0) return lowAt(q, prod);
    if constexpr (Tone == 2) return highAt(q, prod);
    return midOf(q, highAt(q, prod), lowAt(q, prod));
}

struct MatteConsts : ToneConsts {
    VI zero, white16, full8, order;
    VF inv16, scale8, scale16;
    explicit MatteConsts(const FnMatteKernel& k) : ToneConsts(k.curve, 1.0f) {
        zero = splat(0);
        white16 = splat(16384);
        full8 = splat(255);
        order = rgbaOrder();
        inv16 = splatf(6.1035156e-5f);
        scale8 = splatf(255.0f);
        scale16 = splatf(16384.0f);
    }
};

// The keys' tone positions, by format.
//  - 8-bit: key = sum / 3 (sum <= 765, so (sum x 683) >> 11 is exact: the
//    product overshoots sum / 3 by sum / 6144, less than the 1/3 it would
//    need to reach the next integer); position key / 255.
//  - 16-bit: key = sum / 3 truncated, clamped to 0..32767; position
//    key x 2^-14.
//  - Float: the mean, clamped to 0..1 (NaN to 0), is the position itself.
template <FnStorageFormat Format>
FN_SIMD_INLINE VF matteX(const MatteConsts& q, const unsigned char* in, Block& b, BlockF32& f) {
    if constexpr (Format == FnStorageFormat::k8) {
        load8(in, b);
        const VI key = ((b.c[0] + b.c[1] + b.c[2]) * 683) >> 11;
        return tof(key) / q.scale8;
    } else if constexpr (Format == FnStorageFormat::k16) {
        load16(in, b);
        const VI key = vmin(vmax(div3(b.c[0] + b.c[1] + b.c[2]), q.zero), splat(32767));
        return tof(key) * q.inv16;
    } else {
        loadF32(in, f);
        const VF mean = (f.c[0] + f.c[1] + f.c[2]) / splatf(3.0f);
        return mean > q.zerof ? (mean < q.one ? mean : q.one) : q.zerof;
    }
}

// The weight as the format stores it: times white and truncated for the
// integer formats (w is in 0..1, so the value is in 0..white), as it is for
// float; grey with opaque alpha.
template <FnStorageFormat Format, bool Stream>
FN_SIMD_INLINE void matteStore(const MatteConsts& q, VF w, unsigned char* out) {
    if constexpr (Format == FnStorageFormat::k8) {
        const VI v = toi(w * q.scale8);
        put<Stream>(out, pack8(v, v, v, q.full8, q.order));
    } else if constexpr (Format == FnStorageFormat::k16) {
        const VI v = toi(w * q.scale16);
        const VI o[3] = {v, v, v};
        store16<Stream>(out, o, q.white16);
    } else {
        const VF o[3] = {w, w, w};
        storeF32<Stream>(out, o, q.one);
    }
}

template <FnStorageFormat Format, int Tone>
void matteRow(const FnMatteKernel& k, const void* src, void* dst, int32_t n) {
    const MatteConsts q(k);
    constexpr int kPixel =
        Format == FnStorageFormat::k8 ? 4 : (Format == FnStorageFormat::k16 ? 8 : 16);
    walkBlocks<kPixel>(
        static_cast<const unsigned char*>(src), static_cast<unsigned char*>(dst), n, k.stream != 0,
        [&]<bool S, int P>(const unsigned char* in, unsigned char* out) {
            Block b[P];
            BlockF32 f[P];
            VF w[P];
            for (int p = 0; p < P; ++p)
                w[p] =
                    matteWeight<Tone>(q, matteX<Format>(q, in + p * kLanes * kPixel, b[p], f[p]));
            for (int p = 0; p < P; ++p) matteStore<Format, S>(q, w[p], out + p * kLanes * kPixel);
        });
    if (k.stream) fenceStreams();
}

template <FnStorageFormat Format>
void matteRowAny(const FnMatteKernel& k, const void* src, void* dst, int32_t n) {
    if (k.tone <= 0)
        matteRow<Format, 0>(k, src, dst, n);
    else if (k.tone == 1)
        matteRow<Format, 1>(k, src, dst, n);
    else
        matteRow<Format, 2>(k, src, dst, n);
}

}  // namespace fnsimd
}  // namespace
