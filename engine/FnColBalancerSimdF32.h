// Vector row loops of the float colour balancer, 16 (AVX-512) or 8 (AVX2)
// pixels at a time.
//
// Included after FnColBalancerSimd.h by the per-ISA translation units, whose
// lane types, shuffles and tone weights it uses.  Every lane performs the
// operations of fnBalancePixelF32 (FnColBalancerF32.h) in the same order and
// precision, so the bits match the scalar loop: the tone weights through the
// same weightsAt the integer loops use, the clamp and the alpha mix in
// double halves.  Lanes of pixels with a non-finite colour channel compute
// whatever they compute and are replaced by their source bits at the end;
// the key clamp keeps their tone positions finite, so they cannot disturb
// the other lanes.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine/FnBalanceKernel.h"
#include "engine/FnColBalancerSimd.h"

namespace {
namespace fnsimd {

inline VF joinF(VFh a, VFh b) { return (VF)join((VIh)a, (VIh)b); }

inline VDh splatd(double v) {
    VDh r;
    for (int i = 0; i < kLanes / 2; ++i) r[i] = v;
    return r;
}
inline VDh lowD(VF v) { return __builtin_convertvector(lowHalf(v), VDh); }
inline VDh highD(VF v) { return __builtin_convertvector(highHalf(v), VDh); }
inline VF toF(VDh lo, VDh hi) {
    return joinF(__builtin_convertvector(lo, VFh), __builtin_convertvector(hi, VFh));
}

inline FnBalanceKernel toneKernel(const FnBalanceKernelF32& k) {
    FnBalanceKernel t;
    t.lowlights = k.lowlights;
    t.reciprocal = k.reciprocal;
    t.lowEase = k.lowEase;
    t.highEase = k.highEase;
    return t;
}

struct ConstsF32 {
    Consts tone;
    VF add[3], low[3], mid[3], high[3];
    VF lumLow, lumMaster, lumMid, lumHigh;
    VF zero, one, keyWhite, keyScale, keySpan;
    VI expBits;
    bool lumAny;

    explicit ConstsF32(const FnBalanceKernelF32& k) : tone(toneKernel(k)) {
        for (int i = 0; i < 3; ++i) {
            add[i] = splatf(k.add[i]);
            low[i] = splatf(k.low[i]);
            mid[i] = splatf(k.mid[i]);
            high[i] = splatf(k.high[i]);
        }
        lumLow = splatf(k.lumLow);
        lumMaster = splatf(k.lumMaster);
        lumMid = splatf(k.lumMid);
        lumHigh = splatf(k.lumHigh);
        zero = splatf(0.0f);
        one = splatf(1.0f);
        keyWhite = splatf(kFnF32KeyWhite);
        keyScale = splatf(kFnF32KeyScale);
        keySpan = splatf(kFnF32KeySpan);
        expBits = splat(0x7f800000);
        lumAny = k.lumAny != 0;
    }
};

struct BlockF32 {
    VF c[3];
    VF a;
};

// Interleaved R, G, B, A floats into one vector per channel, and back.  A
// 4 x 4 transpose inside each 128-bit lane (one pixel per lane of each
// load): the channel vectors hold the block's pixels in another order,
// which the same transpose undoes on the way out; every lane is computed on
// its own, so the order does not matter.  The shuffles move bits only.
#if defined(__AVX512F__)
// (The zero-masking forms avoid a false uninitialised warning of GCC's plain
// forms.)
inline VF unpackLo(VF a, VF b) {
    return (VF)_mm512_maskz_unpacklo_ps(0xffff, (__m512)a, (__m512)b);
}
inline VF unpackHi(VF a, VF b) {
    return (VF)_mm512_maskz_unpackhi_ps(0xffff, (__m512)a, (__m512)b);
}
inline VF unpackLo2(VF a, VF b) {
    return (VF)_mm512_maskz_unpacklo_pd(0xff, (__m512d)a, (__m512d)b);
}
inline VF unpackHi2(VF a, VF b) {
    return (VF)_mm512_maskz_unpackhi_pd(0xff, (__m512d)a, (__m512d)b);
}
#else
inline VF unpackLo(VF a, VF b) { return (VF)_mm256_unpacklo_ps((__m256)a, (__m256)b); }
inline VF unpackHi(VF a, VF b) { return (VF)_mm256_unpackhi_ps((__m256)a, (__m256)b); }
inline VF unpackLo2(VF a, VF b) { return (VF)_mm256_unpacklo_pd((__m256d)a, (__m256d)b); }
inline VF unpackHi2(VF a, VF b) { return (VF)_mm256_unpackhi_pd((__m256d)a, (__m256d)b); }
#endif

inline VF loadVF(const unsigned char* p) {
    VF v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}
inline void storeVF(unsigned char* p, VF v) { std::memcpy(p, &v, sizeof(v)); }

inline void loadF32(const unsigned char* p, BlockF32& b) {
    const VF v0 = loadVF(p), v1 = loadVF(p + kBytes), v2 = loadVF(p + 2 * kBytes),
             v3 = loadVF(p + 3 * kBytes);
    const VF rg01 = unpackLo(v0, v1), ba01 = unpackHi(v0, v1);
    const VF rg23 = unpackLo(v2, v3), ba23 = unpackHi(v2, v3);
    b.c[0] = unpackLo2(rg01, rg23);
    b.c[1] = unpackHi2(rg01, rg23);
    b.c[2] = unpackLo2(ba01, ba23);
    b.a = unpackHi2(ba01, ba23);
}

inline void storeF32(unsigned char* p, const VF (&o)[3], VF a) {
    const VF rg01 = unpackLo(o[0], o[1]), ba01 = unpackLo(o[2], a);
    const VF rg23 = unpackHi(o[0], o[1]), ba23 = unpackHi(o[2], a);
    storeVF(p, unpackLo2(rg01, ba01));
    storeVF(p + kBytes, unpackHi2(rg01, ba01));
    storeVF(p + 2 * kBytes, unpackLo2(rg23, ba23));
    storeVF(p + 3 * kBytes, unpackHi2(rg23, ba23));
}

// The float desaturating clamp of one half of the lanes, in double.
inline void desaturateHalf(VDh (&c)[3]) {
    const VDh zero = splatd(0.0), one = splatd(1.0);
    const VDh m = (c[0] + c[1] + c[2]) / 3.0;
    VDh k = one;
    for (int i = 0; i < 3; ++i) {
        const VDh kc = m / (m - c[i]);
        k = (c[i] < zero) & (kc < k) ? kc : k;
    }
    for (int i = 0; i < 3; ++i) {
        const VDh v = (c[i] - m) * k + m;
        const VDh kept = v > zero ? v : zero;
        c[i] = m > zero ? kept : zero;
    }
}

inline void desaturateF32(const ConstsF32& q, VF (&t)[3]) {
    const VI neg = (t[0] < q.zero) | (t[1] < q.zero) | (t[2] < q.zero);
    if (!anyLane(neg)) return;  // nothing below 0: unchanged
    VDh lo[3] = {lowD(t[0]), lowD(t[1]), lowD(t[2])};
    VDh hi[3] = {highD(t[0]), highD(t[1]), highD(t[2])};
    desaturateHalf(lo);
    desaturateHalf(hi);
    for (int i = 0; i < 3; ++i) t[i] = neg ? toF(lo[i], hi[i]) : t[i];
}

// c + (r - c) a in double, rounded to single once.
inline VF mixF32(VF c, VF r, VF a) {
    const VDh cl = lowD(c), ch = highD(c);
    const VDh lo = cl + (lowD(r) - cl) * lowD(a);
    const VDh hi = ch + (highD(r) - ch) * highD(a);
    return toF(lo, hi);
}

template <bool Preserve, bool Alpha>
__attribute__((always_inline)) inline void balanceBlockF32(const ConstsF32& q,
                                                           const unsigned char* in,
                                                           unsigned char* outp) {
    BlockF32 b;
    loadF32(in, b);
    VF key = b.c[0] + b.c[1] + b.c[2];
    key = key > q.zero ? (key < q.keyWhite ? key : q.keyWhite) : q.zero;
    VF wL, wM, wH;
    weightsAt(q.tone, key * q.keyScale / q.keySpan, wL, wM, wH);
    VF res[3];
    for (int i = 0; i < 3; ++i)
        res[i] = b.c[i] + q.add[i] + wL * q.low[i] + wM * q.mid[i] + wH * q.high[i];
    if constexpr (Preserve) {
        desaturateF32(q, res);
        if (q.lumAny) {
            const VF lum = wL * q.lumLow + q.lumMaster + wM * q.lumMid + wH * q.lumHigh;
            for (int i = 0; i < 3; ++i) {
                const VF v = res[i] + lum;
                res[i] = v > q.zero ? v : q.zero;
            }
        }
    }
    if constexpr (Alpha) {
        const VI none = ~(b.a > q.zero), full = b.a >= q.one;
        for (int i = 0; i < 3; ++i) {
            const VF mixed = mixF32(b.c[i], res[i], b.a);
            res[i] = none ? b.c[i] : (full ? res[i] : mixed);
        }
    }
    // Pixels with a NaN or infinite colour channel keep their source bits.
    const VI bad = (((VI)b.c[0] & q.expBits) == q.expBits) |
                   (((VI)b.c[1] & q.expBits) == q.expBits) |
                   (((VI)b.c[2] & q.expBits) == q.expBits);
    for (int i = 0; i < 3; ++i) res[i] = bad ? b.c[i] : res[i];
    storeF32(outp, res, b.a);
}

template <bool Preserve, bool Alpha>
void balanceRowF32(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n) {
    constexpr int32_t kPixel = 16;
    constexpr int32_t kBlock = kLanes * kPixel;
    const ConstsF32 q(k);
    const unsigned char* in = static_cast<const unsigned char*>(src);
    unsigned char* out = static_cast<unsigned char*>(dst);
    int32_t i = 0;
    for (; i + kLanes <= n; i += kLanes)
        balanceBlockF32<Preserve, Alpha>(q, in + size_t(i) * kPixel, out + size_t(i) * kPixel);
    if (i < n) {
        // The tail runs through a zero-padded block.
        unsigned char bufIn[kBlock] = {}, bufOut[kBlock];
        const size_t bytes = size_t(n - i) * kPixel;
        std::memcpy(bufIn, in + size_t(i) * kPixel, bytes);
        balanceBlockF32<Preserve, Alpha>(q, bufIn, bufOut);
        std::memcpy(out + size_t(i) * kPixel, bufOut, bytes);
    }
}

inline void balanceRowF32Any(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n) {
    if (k.preserve) {
        if (k.alphaWeighted)
            balanceRowF32<true, true>(k, src, dst, n);
        else
            balanceRowF32<true, false>(k, src, dst, n);
    } else {
        if (k.alphaWeighted)
            balanceRowF32<false, true>(k, src, dst, n);
        else
            balanceRowF32<false, false>(k, src, dst, n);
    }
}

}  // namespace fnsimd
}  // namespace
