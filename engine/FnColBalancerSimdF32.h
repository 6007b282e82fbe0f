// Vector row loops of the float colour balancer, 16 (AVX-512) or 8 (AVX2)
// pixels at a time.
//
// Included after FnColBalancerSimd.h by the per-ISA translation units, whose
// lane types, shuffles and tone weights it uses.  Every lane performs the
// operations of fnBalancePixelF32 (FnColBalancer.h) in the same order and
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

FN_SIMD_INLINE VF joinF(VFh a, VFh b) { return (VF)join((VIh)a, (VIh)b); }

FN_SIMD_INLINE VDh lowD(VF v) { return __builtin_convertvector(lowHalf(v), VDh); }
FN_SIMD_INLINE VDh highD(VF v) { return __builtin_convertvector(highHalf(v), VDh); }
FN_SIMD_INLINE VF toF(VDh lo, VDh hi) {
    return joinF(__builtin_convertvector(lo, VFh), __builtin_convertvector(hi, VFh));
}

struct ConstsF32 : ToneConsts, ShiftConsts<float> {
    VF keyWhite, keyScale;
    VI expBits;

    explicit ConstsF32(const FnBalanceKernelF32& k)
        : ToneConsts(k.curve, kFnF32KeySpan), ShiftConsts<float>(k) {
        keyWhite = splatf(kFnF32KeyWhite);
        keyScale = splatf(kFnF32KeyScale);
        expBits = splat(0x7f800000);
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
FN_SIMD_INLINE VF unpackLo(VF a, VF b) {
    return (VF)_mm512_maskz_unpacklo_ps(0xffff, (__m512)a, (__m512)b);
}
FN_SIMD_INLINE VF unpackHi(VF a, VF b) {
    return (VF)_mm512_maskz_unpackhi_ps(0xffff, (__m512)a, (__m512)b);
}
FN_SIMD_INLINE VF unpackLo2(VF a, VF b) {
    return (VF)_mm512_maskz_unpacklo_pd(0xff, (__m512d)a, (__m512d)b);
}
FN_SIMD_INLINE VF unpackHi2(VF a, VF b) {
    return (VF)_mm512_maskz_unpackhi_pd(0xff, (__m512d)a, (__m512d)b);
}
#else
FN_SIMD_INLINE VF unpackLo(VF a, VF b) { return (VF)_mm256_unpacklo_ps((__m256)a, (__m256)b); }
FN_SIMD_INLINE VF unpackHi(VF a, VF b) { return (VF)_mm256_unpackhi_ps((__m256)a, (__m256)b); }
FN_SIMD_INLINE VF unpackLo2(VF a, VF b) { return (VF)_mm256_unpacklo_pd((__m256d)a, (__m256d)b); }
FN_SIMD_INLINE VF unpackHi2(VF a, VF b) { return (VF)_mm256_unpackhi_pd((__m256d)a, (__m256d)b); }
#endif

FN_SIMD_INLINE void loadF32(const unsigned char* p, BlockF32& b) {
    const VF v0 = loadVF(p), v1 = loadVF(p + kBytes), v2 = loadVF(p + 2 * kBytes),
             v3 = loadVF(p + 3 * kBytes);
    const VF rg01 = unpackLo(v0, v1), ba01 = unpackHi(v0, v1);
    const VF rg23 = unpackLo(v2, v3), ba23 = unpackHi(v2, v3);
    b.c[0] = unpackLo2(rg01, rg23);
    b.c[1] = unpackHi2(rg01, rg23);
    b.c[2] = unpackLo2(ba01, ba23);
    b.a = unpackHi2(ba01, ba23);
}

template <bool Stream>
FN_SIMD_INLINE void storeF32(unsigned char* p, const VF (&o)[3], VF a) {
    const VF rg01 = unpackLo(o[0], o[1]), ba01 = unpackLo(o[2], a);
    const VF rg23 = unpackHi(o[0], o[1]), ba23 = unpackHi(o[2], a);
    put<Stream>(p, unpackLo2(rg01, ba01));
    put<Stream>(p + kBytes, unpackHi2(rg01, ba01));
    put<Stream>(p + 2 * kBytes, unpackLo2(rg23, ba23));
    put<Stream>(p + 3 * kBytes, unpackHi2(rg23, ba23));
}

// The float desaturating clamp of one half of the lanes, in double.
FN_SIMD_INLINE void desaturateHalf(VDh (&c)[3]) {
    const VDh zero = splatd(0.0), one = splatd(1.0);
    const VDh m = (c[0] + c[1] + c[2]) / 3.0;
    VDh k = one;
    for (int i = 0; i < 3; ++i) {
        const VDh kc = m / (m - c[i]);
        k = ((c[i] < zero) & (kc < k)) ? kc : k;
    }
    for (int i = 0; i < 3; ++i) {
        const VDh v = (c[i] - m) * k + m;
        const VDh kept = v > zero ? v : zero;
        c[i] = m > zero ? kept : zero;
    }
}

// The clamp of P blocks; blocks with no channel below 0 are left as they
// are.
template <int P>
FN_SIMD_INLINE void desaturateF32(const ConstsF32& q, VF (&t)[P][3]) {
    VI neg[P];
    VI any = splat(0);
    for (int p = 0; p < P; ++p) {
        neg[p] = (t[p][0] < q.zerof) | (t[p][1] < q.zerof) | (t[p][2] < q.zerof);
        any |= neg[p];
    }
    if (!anyLane(any)) return;  // nothing below 0: unchanged
    for (int p = 0; p < P; ++p) {
        VDh lo[3] = {lowD(t[p][0]), lowD(t[p][1]), lowD(t[p][2])};
        VDh hi[3] = {highD(t[p][0]), highD(t[p][1]), highD(t[p][2])};
        desaturateHalf(lo);
        desaturateHalf(hi);
        for (int i = 0; i < 3; ++i) t[p][i] = neg[p] ? toF(lo[i], hi[i]) : t[p][i];
    }
}

// c + (r - c) a in double, rounded to single once.
FN_SIMD_INLINE VF mixF32(VF c, VF r, VF a) {
    const VDh cl = lowD(c), ch = highD(c);
    const VDh lo = cl + (lowD(r) - cl) * lowD(a);
    const VDh hi = ch + (highD(r) - ch) * highD(a);
    return toF(lo, hi);
}

// P blocks of kLanes pixels, side by side.
template <bool Preserve, bool Alpha, bool Stream, int P>
FN_SIMD_INLINE void balanceBlockF32(const ConstsF32& q, const unsigned char* in,
                                    unsigned char* outp) {
    constexpr int kBlockBytes = kLanes * 16;
    BlockF32 b[P];
    VF wL[P], wM[P], wH[P], res[P][3];
    for (int p = 0; p < P; ++p) {
        loadF32(in + p * kBlockBytes, b[p]);
        VF key = b[p].c[0] + b[p].c[1] + b[p].c[2];
        key = key > q.zerof ? (key < q.keyWhite ? key : q.keyWhite) : q.zerof;
        weightsAt(q, key * q.keyScale / q.keySpan, wL[p], wM[p], wH[p]);
    }
    for (int p = 0; p < P; ++p)
        for (int i = 0; i < 3; ++i)
            res[p][i] =
                b[p].c[i] + q.add[i] + wL[p] * q.low[i] + wM[p] * q.mid[i] + wH[p] * q.high[i];
    if constexpr (Preserve) {
        desaturateF32<P>(q, res);
        if (q.lumAny) {
            for (int p = 0; p < P; ++p) {
                const VF lum =
                    wL[p] * q.lumLow + q.lumMaster + wM[p] * q.lumMid + wH[p] * q.lumHigh;
                for (int i = 0; i < 3; ++i) {
                    const VF v = res[p][i] + lum;
                    res[p][i] = v > q.zerof ? v : q.zerof;
                }
            }
        }
    }
    for (int p = 0; p < P; ++p) {
        if constexpr (Alpha) {
            const VI none = ~(b[p].a > q.zerof), full = b[p].a >= q.one;
            for (int i = 0; i < 3; ++i) {
                const VF mixed = mixF32(b[p].c[i], res[p][i], b[p].a);
                res[p][i] = none ? b[p].c[i] : (full ? res[p][i] : mixed);
            }
        }
        // Pixels with a NaN or infinite colour channel keep their source
        // bits.
        const VI bad = (((VI)b[p].c[0] & q.expBits) == q.expBits) |
                       (((VI)b[p].c[1] & q.expBits) == q.expBits) |
                       (((VI)b[p].c[2] & q.expBits) == q.expBits);
        for (int i = 0; i < 3; ++i) res[p][i] = bad ? b[p].c[i] : res[p][i];
        storeF32<Stream>(outp + p * kBlockBytes, res[p], b[p].a);
    }
}

template <bool Preserve, bool Alpha>
void balanceRowF32(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n) {
    const ConstsF32 q(k);
    walkBlocks<16>(static_cast<const unsigned char*>(src), static_cast<unsigned char*>(dst), n,
                   k.stream != 0, [&]<bool S, int P>(const unsigned char* in, unsigned char* out) {
                       balanceBlockF32<Preserve, Alpha, S, P>(q, in, out);
                   });
    if (k.stream) fenceStreams();
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
