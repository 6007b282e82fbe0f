// Vector row loops of the colour balancer, 16 (AVX-512) or 8 (AVX2) pixels
// at a time.
//
// Included only by the per-ISA translation units (FnColBalancerAvx2.cpp,
// FnColBalancerAvx512.cpp), each compiled with its own -m flags; everything
// here has internal linkage so that no vector code leaks into a shared
// inline symbol.  Every lane performs the operations of fnBalancePixel
// (FnColBalancer.h) in the same order and precision, so the bytes match the
// scalar loop exactly; a change there must be repeated here (the tests
// compare both on random pixels and settings).
//
// Two lane shortcuts are exact rather than literal, and proven so:
//  - the truncated mean (sum / 3) is taken in double, exact for any int32
//    sum (the quotient's distance to an integer, at least 1/3, dwarfs the
//    rounding);
//  - the 8-bit alpha mix divides (res - src) * a (|x| < 2^16) by 255 in
//    float, whose rounding cannot cross an integer; the 16-bit one divides
//    by 16384 with a rounding-toward-zero shift.
// Blocks whose channels all lie in range skip the desaturating clamp, which
// leaves such colours unchanged.
#pragma once

#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "engine/FnBalanceKernel.h"

namespace {
namespace fnsimd {

// 16 lanes with AVX-512, 8 with AVX2: each unit uses its native width so
// that no operation falls back to scalar code.
#if defined(__AVX512F__)
constexpr int kLanes = 16;
#else
constexpr int kLanes = 8;
#endif
constexpr int kBytes = kLanes * 4;

typedef int32_t VI __attribute__((vector_size(kBytes)));
typedef uint32_t VU __attribute__((vector_size(kBytes)));
typedef float VF __attribute__((vector_size(kBytes)));
typedef int32_t VIh __attribute__((vector_size(kBytes / 2)));
typedef float VFh __attribute__((vector_size(kBytes / 2)));
typedef double VDh __attribute__((vector_size(kBytes)));

inline VI splat(int32_t v) {
    VI r;
    for (int i = 0; i < kLanes; ++i) r[i] = v;
    return r;
}
inline VF splatf(float v) {
    VF r;
    for (int i = 0; i < kLanes; ++i) r[i] = v;
    return r;
}
inline VF tof(VI v) { return __builtin_convertvector(v, VF); }
// Truncation toward zero; callers keep the values inside int32.
inline VI toi(VF v) { return __builtin_convertvector(v, VI); }
inline VI vmin(VI a, VI b) { return a < b ? a : b; }
inline VI vmax(VI a, VI b) { return a > b ? a : b; }
inline VI clampi(VI v, VI lo, VI hi) { return vmin(vmax(v, lo), hi); }

#if defined(__AVX512F__)
template <class V>
inline auto lowHalf(V v) {
    return __builtin_shufflevector(v, v, 0, 1, 2, 3, 4, 5, 6, 7);
}
template <class V>
inline auto highHalf(V v) {
    return __builtin_shufflevector(v, v, 8, 9, 10, 11, 12, 13, 14, 15);
}
inline VI join(VIh a, VIh b) {
    return __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
}
// Even and odd 32-bit words of two vectors; and back.
inline VI evens(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
}
inline VI odds(VI a, VI b) {
    return __builtin_shufflevector(a, b, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31);
}
inline VI interleaveLow(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
inline VI interleaveHigh(VI a, VI b) {
    return __builtin_shufflevector(a, b, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15,
                                   31);
}
inline bool anyLane(VI m) { return _mm512_test_epi32_mask((__m512i)m, (__m512i)m) != 0; }
#else
template <class V>
inline auto lowHalf(V v) {
    return __builtin_shufflevector(v, v, 0, 1, 2, 3);
}
template <class V>
inline auto highHalf(V v) {
    return __builtin_shufflevector(v, v, 4, 5, 6, 7);
}
inline VI join(VIh a, VIh b) { return __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7); }
inline VI evens(VI a, VI b) { return __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14); }
inline VI odds(VI a, VI b) { return __builtin_shufflevector(a, b, 1, 3, 5, 7, 9, 11, 13, 15); }
inline VI interleaveLow(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 8, 1, 9, 2, 10, 3, 11);
}
inline VI interleaveHigh(VI a, VI b) {
    return __builtin_shufflevector(a, b, 4, 12, 5, 13, 6, 14, 7, 15);
}
inline bool anyLane(VI m) { return !_mm256_testz_si256((__m256i)m, (__m256i)m); }
#endif

// sum / 3 truncated toward zero for every int32: the high word of
// s * 0x55555556, plus one for negative s.
inline VI div3(VI s) {
#if defined(__AVX512F__)
    const __m512i v = (__m512i)s, magic = _mm512_set1_epi32(0x55555556);
    // (The zero-masking forms avoid a false uninitialised warning of GCC's
    // plain forms.)
    const __m512i even = _mm512_maskz_mul_epi32(0xff, v, magic);
    const __m512i odd = _mm512_maskz_mul_epi32(0xff, _mm512_maskz_srli_epi64(0xff, v, 32), magic);
    const VI high =
        (VI)_mm512_mask_blend_epi32(0xaaaa, _mm512_maskz_srli_epi64(0xff, even, 32), odd);
#else
    const __m256i v = (__m256i)s, magic = _mm256_set1_epi32(0x55555556);
    const __m256i even = _mm256_mul_epi32(v, magic);
    const __m256i odd = _mm256_mul_epi32(_mm256_srli_epi64(v, 32), magic);
    const VI high = (VI)_mm256_blend_epi32(_mm256_srli_epi64(even, 32), odd, 0xaa);
#endif
    return high + (VI)((VU)s >> 31);
}

// trunc(double(p) / full + double(c)) lane by lane.
inline VI mixDouble(VF p, double full, VI c) {
    const VDh lo =
        __builtin_convertvector(lowHalf(p), VDh) / full + __builtin_convertvector(lowHalf(c), VDh);
    const VDh hi = __builtin_convertvector(highHalf(p), VDh) / full +
                   __builtin_convertvector(highHalf(c), VDh);
    return join(__builtin_convertvector(lo, VIh), __builtin_convertvector(hi, VIh));
}

struct Consts {
    VI add[3];
    VF low[3], mid[3], high[3];
    VF lumLow, lumMaster, lumMid, lumHigh;
    VI zero, limit, alphaFull;
    VF one, zerof, limitF;
    bool lumAny;
    VF lowlights, reciprocal, keySpan;
    VF lowA, lowB, highA, highB;  // e - 2 and 3 - e of each ease

    explicit Consts(const FnBalanceKernel& k) {
        for (int i = 0; i < 3; ++i) {
            add[i] = splat(k.add[i]);
            low[i] = splatf(k.low[i]);
            mid[i] = splatf(k.mid[i]);
            high[i] = splatf(k.high[i]);
        }
        lumLow = splatf(k.lumLow);
        lumMaster = splatf(k.lumMaster);
        lumMid = splatf(k.lumMid);
        lumHigh = splatf(k.lumHigh);
        zero = splat(0);
        limit = splat(k.limit);
        alphaFull = splat(k.alphaFull);
        one = splatf(1.0f);
        zerof = splatf(0.0f);
        limitF = splatf(float(k.limit));
        lumAny = k.lumAny != 0;
        lowlights = splatf(k.lowlights);
        reciprocal = splatf(k.reciprocal);
        keySpan = splatf(k.keySpan);
        lowA = splatf(k.lowEase - 2.0f);
        lowB = splatf(3.0f - k.lowEase);
        highA = splatf(k.highEase - 2.0f);
        highB = splatf(3.0f - k.highEase);
    }
};

// x86 max(0, v) returns v unless 0 > v, and min(x, 1) returns x when x < 1,
// so zeros keep their sign exactly as in the scalar clamp.  (A NaN would
// come out as 1 here, but these lanes never hold one: every input is
// finite and a product can at most overflow to an infinity.)  The
// zero-masking forms avoid a false GCC warning on the plain ones.
inline VF clamp01(const Consts& q, VF v) {
#if defined(__AVX512F__)
    return (VF)_mm512_maskz_min_ps(0xffff, _mm512_maskz_max_ps(0xffff, (__m512)q.zerof, (__m512)v),
                                   (__m512)q.one);
#else
    return (VF)_mm256_min_ps(_mm256_max_ps((__m256)q.zerof, (__m256)v), (__m256)q.one);
#endif
}

// ((e - 2) u + (3 - e)) u u, clamped to 0..1.
inline VF shape(const Consts& q, VF u, VF a, VF b) { return clamp01(q, (a * u + b) * u * u); }

// The three weights at tone positions x, computed as the table build
// computes them (FnToneTransfer): the product (x - lo) s shared by both
// curves.  Where the build subtracts in
// double (1 - product for the lowlight curve, 1 - (h + l) for the midtone
// weight) the float subtraction gives the same float: the double result is
// exact, or both round to the same float for products beyond 2^53 or below
// 2^-29.  The tests check every entry of both table sizes.
inline void weightsAt(const Consts& q, VF x, VF& low, VF& mid, VF& high) {
    const VF prod = (x - q.lowlights) * q.reciprocal;
    high = shape(q, clamp01(q, prod), q.highA, q.highB);
    const VF u = q.one - prod;
    const VF l = shape(q, u, q.lowA, q.lowB);
    low = u < q.zerof ? q.zerof : (u > q.one ? q.one : l);
    mid = clamp01(q, q.one - (high + low));
}
// The weights of the tables' entries `key`: position key / (N - 1).
inline void weights(const Consts& q, VI key, VF& low, VF& mid, VF& high) {
    weightsAt(q, tof(key) / q.keySpan, low, mid, high);
}

// Channels of one block of pixels as int32 lanes.
struct Block {
    VI c[3];
    VI a;
};

inline void load8(const unsigned char* p, Block& b) {
    VU px;
    std::memcpy(&px, p, sizeof(px));
    b.c[0] = (VI)(px & 0xffu);
    b.c[1] = (VI)((px >> 8) & 0xffu);
    b.c[2] = (VI)((px >> 16) & 0xffu);
    b.a = (VI)(px >> 24);
}

inline void store8(unsigned char* p, const VI (&o)[3], VI a) {
    const VU px =
        ((VU)o[0] & 0xffu) | (((VU)o[1] & 0xffu) << 8) | (((VU)o[2] & 0xffu) << 16) | ((VU)a << 24);
    std::memcpy(p, &px, sizeof(px));
}

inline void load16(const unsigned char* p, Block& b) {
    VI lo, hi;
    std::memcpy(&lo, p, sizeof(lo));
    std::memcpy(&hi, p + sizeof(lo), sizeof(hi));
    const VI rg = evens(lo, hi);
    const VI ba = odds(lo, hi);
    b.c[0] = ((VI)((VU)rg << 16)) >> 16;
    b.c[1] = rg >> 16;
    b.c[2] = ((VI)((VU)ba << 16)) >> 16;
    b.a = ba >> 16;
}

inline void store16(unsigned char* p, const VI (&o)[3], VI a) {
    const VI rg = (VI)(((VU)o[0] & 0xffffu) | ((VU)o[1] << 16));
    const VI ba = (VI)(((VU)o[2] & 0xffffu) | ((VU)a << 16));
    const VI lo = interleaveLow(rg, ba);
    const VI hi = interleaveHigh(rg, ba);
    std::memcpy(p, &lo, sizeof(lo));
    std::memcpy(p + sizeof(lo), &hi, sizeof(hi));
}

// Desaturating clamp of three int32 lane sets into 0..limit.
inline void desaturate(const Consts& q, VI (&t)[3]) {
    const VI lo = vmin(vmin(t[0], t[1]), t[2]);
    const VI hi = vmax(vmax(t[0], t[1]), t[2]);
    if (!anyLane((lo < q.zero) | (hi > q.limit))) return;  // all in range: unchanged
    const VI m = div3(t[0] + t[1] + t[2]);
    const VF fm = tof(m);
    const VI meanLow = m<q.zero, meanHigh = m> q.limit;
    // The smallest factor comes from the lowest channel (below 0) or the
    // highest (above limit): division rounds monotonically, so the minimum
    // over the three channels' factors is the smaller of these two.
    const VF kBelow = fm / tof(m - lo);
    const VF kAbove = tof(q.limit - m) / tof(hi - m);
    VF kk = lo < q.zero ? kBelow : q.one;
    kk = hi > q.limit ? (kAbove < kk ? kAbove : kk) : kk;
    // With the mean in range, (t - m) k + m lies in (-1, limit + 1) (the
    // rounding of these few steps is far below one unit), so truncation
    // alone gives the scalar clamp's result; with k = 1 (every channel in
    // range, so exact in float) it gives t back.
    const VI edge = meanLow ? q.zero : q.limit;
    const VI meanOut = meanLow | meanHigh;
    for (int i = 0; i < 3; ++i) {
        const VI shrunk = toi(tof(t[i] - m) * kk + fm);
        t[i] = meanOut ? edge : shrunk;
    }
}

template <bool Sixteen, bool Preserve, bool Alpha>
__attribute__((always_inline)) inline void balanceBlock(const Consts& q, const unsigned char* in,
                                                        unsigned char* outp) {
    Block b;
    if constexpr (Sixteen)
        load16(in, b);
    else
        load8(in, b);
    VI key = b.c[0] + b.c[1] + b.c[2];
    if constexpr (Sixteen) key = vmax(key, q.zero);
    VF wL, wM, wH;
    weights(q, key, wL, wM, wH);
    VI res[3];
    if constexpr (!Preserve) {
        for (int i = 0; i < 3; ++i) {
            const VF v = tof(b.c[i] + q.add[i]) + wL * q.low[i] + wM * q.mid[i] + wH * q.high[i];
            res[i] = clampi(toi(v), q.zero, q.limit);
        }
    } else {
        for (int i = 0; i < 3; ++i) {
            const VF v = tof(b.c[i] + q.add[i]) + wL * q.low[i] + wM * q.mid[i] + wH * q.high[i];
            res[i] = toi(v);
        }
        desaturate(q, res);
        if (q.lumAny) {
            const VI lum = toi(wL * q.lumLow + q.lumMaster + wM * q.lumMid + wH * q.lumHigh);
            for (int i = 0; i < 3; ++i) res[i] = clampi(res[i] + lum, q.zero, q.limit);
        }
    }
    if constexpr (Alpha) {
        const VI a = b.a;
        const VI none = a <= q.zero, full = a >= q.alphaFull;
        for (int i = 0; i < 3; ++i) {
            const VI c = b.c[i];
            VI mixed;
            if constexpr (!Preserve) {
                const VI p = (res[i] - c) * a;
                if constexpr (Sixteen)
                    mixed = c + ((p + ((p >> 31) & 16383)) >> 14);
                else
                    mixed = c + toi(tof(p) / splatf(255.0f));
            } else {
                const VF p = tof(res[i] - c) * tof(a);
                mixed = mixDouble(p, Sixteen ? 16384.0 : 255.0, c);
            }
            res[i] = none ? c : (full ? res[i] : mixed);
        }
    }
    if constexpr (Sixteen)
        store16(outp, res, b.a);
    else
        store8(outp, res, b.a);
}

template <bool Sixteen, bool Preserve, bool Alpha>
void balanceRow(const FnBalanceKernel& k, const void* src, void* dst, int32_t n) {
    constexpr int32_t kPixel = Sixteen ? 8 : 4;
    constexpr int32_t kBlock = kLanes * kPixel;
    const Consts q(k);
    const unsigned char* in = static_cast<const unsigned char*>(src);
    unsigned char* out = static_cast<unsigned char*>(dst);
    int32_t i = 0;
    for (; i + kLanes <= n; i += kLanes)
        balanceBlock<Sixteen, Preserve, Alpha>(q, in + size_t(i) * kPixel,
                                               out + size_t(i) * kPixel);
    if (i < n) {
        // The tail runs through a zero-padded block: padding keys are 0.
        unsigned char bufIn[kBlock] = {}, bufOut[kBlock];
        const size_t bytes = size_t(n - i) * kPixel;
        std::memcpy(bufIn, in + size_t(i) * kPixel, bytes);
        balanceBlock<Sixteen, Preserve, Alpha>(q, bufIn, bufOut);
        std::memcpy(out + size_t(i) * kPixel, bufOut, bytes);
    }
}

template <bool Sixteen>
void balanceRowAny(const FnBalanceKernel& k, const void* src, void* dst, int32_t n) {
    if (k.preserve) {
        if (k.alphaWeighted)
            balanceRow<Sixteen, true, true>(k, src, dst, n);
        else
            balanceRow<Sixteen, true, false>(k, src, dst, n);
    } else {
        if (k.alphaWeighted)
            balanceRow<Sixteen, false, true>(k, src, dst, n);
        else
            balanceRow<Sixteen, false, false>(k, src, dst, n);
    }
}

}  // namespace fnsimd
}  // namespace

namespace {
// Weight tables for keys 0..n-1.
inline void balanceTables(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                          float* high) {
    using namespace fnsimd;
    const Consts q(k);
    VI key;
    for (int j = 0; j < kLanes; ++j) key[j] = j;
    for (int32_t i = 0; i < n; i += kLanes, key += kLanes) {
        VF l, m, h;
        weights(q, key, l, m, h);
        if (n - i >= kLanes) {
            std::memcpy(low + i, &l, sizeof(l));
            std::memcpy(mid + i, &m, sizeof(m));
            std::memcpy(high + i, &h, sizeof(h));
        } else {
            for (int j = 0; i + j < n; ++j) {
                low[i + j] = l[j];
                mid[i + j] = m[j];
                high[i + j] = h[j];
            }
        }
    }
}
}  // namespace
