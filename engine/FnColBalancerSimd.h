// Vector row loops of the colour balancer, 16 (AVX-512) or 8 (AVX2) pixels
// at a time.
//
// Included only by the per-ISA translation units (FnRowsAvx2.cpp,
// FnRowsAvx512.cpp), each compiled with its own -m flags; everything here
// has internal linkage so that no vector code leaks into a shared inline
// symbol.  Every lane performs the operations of fnBalancePixel
// (FnColBalancer.h) in the same order and precision, so the bytes match the
// scalar loop exactly; a change there must be repeated here (the tests
// compare both on random pixels and settings, and on every 8-bit colour).
//
// Lane shortcuts that are exact rather than literal, and why:
//  - the truncated mean (sum / 3) is the high word of a multiply by
//    0x55555556, exact for every int32 sum;
//  - 8-bit results are clamped to 0..255 by the saturating packs that store
//    them (int32 to int16, then to uint8: exactly the clamp);
//  - the 8-bit alpha mix without Preserve Luminance divides (res - src) * a
//    (|x| < 2^16) by 255 in float, whose rounding cannot cross an integer;
//    the 16-bit one divides by 16384 with a rounding-toward-zero shift;
//  - the 8-bit alpha mix with Preserve Luminance, trunc(double(p) / 255 + c)
//    with p = (res - c) * a exact in float, is trunc(((res - c) * a +
//    255 c) / 255) of a non-negative integer below 2^16: the float quotient
//    again cannot cross an integer; the 16-bit one divides by 16384 as a
//    multiplication by 2^-14, which is the same double.
// Blocks whose channels all lie in range skip the desaturating clamp, which
// leaves such colours unchanged.
#pragma once

#include <immintrin.h>

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "engine/FnBalanceKernel.h"
#include "engine/FnSimdLanes.h"

namespace {
namespace fnsimd {

// sum / 3 truncated toward zero for every int32: the high word of
// s * 0x55555556, plus one for negative s.
FN_SIMD_INLINE VI div3(VI s) {
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

// trunc(double(p) * scale + double(c)) lane by lane.
FN_SIMD_INLINE VI mixDouble(VF p, double scale, VI c) {
    const VDh lo =
        __builtin_convertvector(lowHalf(p), VDh) * scale + __builtin_convertvector(lowHalf(c), VDh);
    const VDh hi = __builtin_convertvector(highHalf(p), VDh) * scale +
                   __builtin_convertvector(highHalf(c), VDh);
    return join(__builtin_convertvector(lo, VIh), __builtin_convertvector(hi, VIh));
}

// The tone curves' constants, shared by the balancer's, the float
// balancer's and the matte's lanes; `keySpan` is the position scale of the
// keys the caller passes to weights().
struct ToneConsts {
    VF lowlights, reciprocal, keySpan;
    VF lowA, lowB, highA, highB;  // e - 2 and 3 - e of each ease
    VF one, zerof;

    ToneConsts(const FnToneCurve& t, float span) {
        lowlights = splatf(t.lowlights);
        reciprocal = splatf(t.reciprocal);
        keySpan = splatf(span);
        lowA = splatf(t.lowEase - 2.0f);
        lowB = splatf(3.0f - t.lowEase);
        highA = splatf(t.highEase - 2.0f);
        highB = splatf(3.0f - t.highEase);
        one = splatf(1.0f);
        zerof = splatf(0.0f);
    }
};

// A kernel's shifts and offsets, one lane set each: the first term's add
// in int32 lanes for integer storage, in float lanes for float storage.
template <class Shift>
struct ShiftConsts {
    using AddLanes = std::conditional_t<std::is_same_v<Shift, float>, VF, VI>;
    AddLanes add[3];
    VF low[3], mid[3], high[3];
    VF lumLow, lumMaster, lumMid, lumHigh;
    bool lumAny;

    explicit ShiftConsts(const FnBalanceKernelOf<Shift>& k) {
        for (int i = 0; i < 3; ++i) {
            if constexpr (std::is_same_v<Shift, float>)
                add[i] = splatf(k.add[i]);
            else
                add[i] = splat(k.add[i]);
            low[i] = splatf(k.low[i]);
            mid[i] = splatf(k.mid[i]);
            high[i] = splatf(k.high[i]);
        }
        lumLow = splatf(k.lumLow);
        lumMaster = splatf(k.lumMaster);
        lumMid = splatf(k.lumMid);
        lumHigh = splatf(k.lumHigh);
        lumAny = k.lumAny != 0;
    }
};

struct Consts : ToneConsts, ShiftConsts<int32_t> {
    VI zero, limit, alphaFull, order;

    explicit Consts(const FnBalanceKernel& k)
        : ToneConsts(k.curve, k.keySpan), ShiftConsts<int32_t>(k) {
        zero = splat(0);
        limit = splat(k.limit);
        alphaFull = splat(k.alphaFull);
        order = rgbaOrder();
    }
};

// x86 max(0, v) returns v unless 0 > v, and min(x, 1) returns x when x < 1,
// so zeros keep their sign exactly as in the scalar clamp.  (A NaN would
// come out as 1 here, but these lanes never hold one: every input is
// finite and a product can at most overflow to an infinity.)  The
// zero-masking forms avoid a false GCC warning on the plain ones.
FN_SIMD_INLINE VF clamp01(const ToneConsts& q, VF v) {
#if defined(__AVX512F__)
    return (VF)_mm512_maskz_min_ps(0xffff, _mm512_maskz_max_ps(0xffff, (__m512)q.zerof, (__m512)v),
                                   (__m512)q.one);
#else
    return (VF)_mm256_min_ps(_mm256_max_ps((__m256)q.zerof, (__m256)v), (__m256)q.one);
#endif
}

// ((e - 2) u + (3 - e)) u u, clamped to 0..1.
FN_SIMD_INLINE VF shape(const ToneConsts& q, VF u, VF a, VF b) {
    return clamp01(q, (a * u + b) * u * u);
}

// The weights at tone positions x, computed as the table build computes
// them (FnToneTransfer): the product (x - lo) s shared by both curves.
// Where the build subtracts in double (1 - product for the lowlight curve,
// 1 - (h + l) for the midtone weight) the float subtraction gives the same
// float: the double result is exact, or both round to the same float for
// products beyond 2^53 or below 2^-29.  The tests check every entry of
// both table sizes.
FN_SIMD_INLINE VF highAt(const ToneConsts& q, VF prod) {
    return shape(q, clamp01(q, prod), q.highA, q.highB);
}
FN_SIMD_INLINE VF lowAt(const ToneConsts& q, VF prod) {
    const VF u = q.one - prod;
    const VF l = shape(q, u, q.lowA, q.lowB);
    return u < q.zerof ? q.zerof : (u > q.one ? q.one : l);
}
FN_SIMD_INLINE VF midOf(const ToneConsts& q, VF high, VF low) {
    return clamp01(q, q.one - (high + low));
}
FN_SIMD_INLINE void weightsAt(const ToneConsts& q, VF x, VF& low, VF& mid, VF& high) {
    const VF prod = (x - q.lowlights) * q.reciprocal;
    high = highAt(q, prod);
    low = lowAt(q, prod);
    mid = midOf(q, high, low);
}
// The weights of the keys: position key / keySpan (the tables' entries).
FN_SIMD_INLINE void weights(const ToneConsts& q, VI key, VF& low, VF& mid, VF& high) {
    weightsAt(q, tof(key) / q.keySpan, low, mid, high);
}

// Channels of one block of pixels as int32 lanes.
struct Block {
    VI c[3];
    VI a;
};

FN_SIMD_INLINE void load8(const unsigned char* p, Block& b) {
    const VU px = (VU)loadVI(p);
    b.c[0] = (VI)(px & 0xffu);
    b.c[1] = (VI)((px >> 8) & 0xffu);
    b.c[2] = (VI)((px >> 16) & 0xffu);
    b.a = (VI)(px >> 24);
}

FN_SIMD_INLINE void load16(const unsigned char* p, Block& b) {
    const VI lo = loadVI(p), hi = loadVI(p + kBytes);
    const VI rg = evens(lo, hi);
    const VI ba = odds(lo, hi);
    b.c[0] = ((VI)((VU)rg << 16)) >> 16;
    b.c[1] = rg >> 16;
    b.c[2] = ((VI)((VU)ba << 16)) >> 16;
    b.a = ba >> 16;
}

// Channels already clamped to the format's range.
template <bool Stream>
FN_SIMD_INLINE void store16(unsigned char* p, const VI (&o)[3], VI a) {
    const VI rg = (VI)(((VU)o[0] & 0xffffu) | ((VU)o[1] << 16));
    const VI ba = (VI)(((VU)o[2] & 0xffffu) | ((VU)a << 16));
    put<Stream>(p, interleaveLow(rg, ba));
    put<Stream>(p + kBytes, interleaveHigh(rg, ba));
}

// Desaturating clamp of P blocks of three int32 lane sets into 0..limit.
template <int P>
FN_SIMD_INLINE void desaturate(const Consts& q, VI (&t)[P][3]) {
    VI lo[P], hi[P], below[P], above[P];
    VI out = q.zero, both = q.zero;
    for (int p = 0; p < P; ++p) {
        lo[p] = vmin(vmin(t[p][0], t[p][1]), t[p][2]);
        hi[p] = vmax(vmax(t[p][0], t[p][1]), t[p][2]);
        below[p] = lo[p] < q.zero;
        above[p] = hi[p] > q.limit;
        out |= below[p] | above[p];
        both |= below[p] & above[p];
    }
    if (!anyLane(out)) return;  // all in range: unchanged
    VI m[P];
    VF fm[P], kk[P];
    for (int p = 0; p < P; ++p) {
        m[p] = div3(t[p][0] + t[p][1] + t[p][2]);
        fm[p] = tof(m[p]);
    }
    // The smallest factor comes from the lowest channel (below 0) or the
    // highest (above limit): division rounds monotonically, so the minimum
    // over the three channels' factors is the smaller of these two.  With
    // the mean in range each is below 1, so a lane past one edge only takes
    // that edge's factor, and one division does unless a lane is past both.
    if (!anyLane(both)) {
        for (int p = 0; p < P; ++p) {
            const VF num = below[p] ? fm[p] : tof(q.limit - m[p]);
            const VF den = below[p] ? tof(m[p] - lo[p]) : tof(hi[p] - m[p]);
            kk[p] = (below[p] | above[p]) ? num / den : q.one;
        }
    } else {
        for (int p = 0; p < P; ++p) {
            const VF kBelow = fm[p] / tof(m[p] - lo[p]);
            const VF kAbove = tof(q.limit - m[p]) / tof(hi[p] - m[p]);
            VF k = below[p] ? kBelow : q.one;
            kk[p] = above[p] ? (kAbove < k ? kAbove : k) : k;
        }
    }
    // With the mean in range, (t - m) k + m lies in (-1, limit + 1) (the
    // rounding of these few steps is far below one unit), so truncation
    // alone gives the scalar clamp's result; with k = 1 (every channel in
    // range, so exact in float) it gives t back.
    VI meanOut = q.zero;
    for (int p = 0; p < P; ++p) {
        for (int i = 0; i < 3; ++i) t[p][i] = toi(tof(t[p][i] - m[p]) * kk[p] + fm[p]);
        meanOut |= (m[p] < q.zero) | (m[p] > q.limit);
    }
    // A mean outside 0..limit gives the grey on the edge it crossed.
    if (anyLane(meanOut)) {
        for (int p = 0; p < P; ++p) {
            const VI low = m[p] < q.zero, edgeOut = low | (m[p] > q.limit);
            const VI edge = low ? q.zero : q.limit;
            for (int i = 0; i < 3; ++i) t[p][i] = edgeOut ? edge : t[p][i];
        }
    }
}

// P blocks of kLanes pixels, side by side.
template <bool Sixteen, bool Preserve, bool Alpha, bool Stream, int P>
FN_SIMD_INLINE void balanceBlock(const Consts& q, const unsigned char* in, unsigned char* outp) {
    constexpr int32_t kBlockBytes = kLanes * (Sixteen ? 8 : 4);
    // 8-bit results left unclamped here are clamped by pack8; the alpha mix
    // needs them clamped first.
    constexpr bool kClamp = Sixteen || Alpha;
    Block b[P];
    VF wL[P], wM[P], wH[P];
    VI res[P][3];
    for (int p = 0; p < P; ++p) {
        if constexpr (Sixteen)
            load16(in + p * kBlockBytes, b[p]);
        else
            load8(in + p * kBlockBytes, b[p]);
        VI key = b[p].c[0] + b[p].c[1] + b[p].c[2];
        if constexpr (Sixteen) key = vmax(key, q.zero);
        weights(q, key, wL[p], wM[p], wH[p]);
    }
    for (int p = 0; p < P; ++p)
        for (int i = 0; i < 3; ++i) {
            const VF v =
                tof(b[p].c[i] + q.add[i]) + wL[p] * q.low[i] + wM[p] * q.mid[i] + wH[p] * q.high[i];
            res[p][i] = toi(v);
        }
    if constexpr (!Preserve) {
        if constexpr (kClamp)
            for (int p = 0; p < P; ++p)
                for (int i = 0; i < 3; ++i) res[p][i] = clampi(res[p][i], q.zero, q.limit);
    } else {
        desaturate<P>(q, res);
        if (q.lumAny) {
            for (int p = 0; p < P; ++p) {
                const VI lum =
                    toi(wL[p] * q.lumLow + q.lumMaster + wM[p] * q.lumMid + wH[p] * q.lumHigh);
                for (int i = 0; i < 3; ++i) {
                    res[p][i] = res[p][i] + lum;
                    if constexpr (kClamp) res[p][i] = clampi(res[p][i], q.zero, q.limit);
                }
            }
        }
    }
    if constexpr (Alpha) {
        for (int p = 0; p < P; ++p) {
            const VI a = b[p].a;
            const VI none = a <= q.zero, full = a >= q.alphaFull;
            for (int i = 0; i < 3; ++i) {
                const VI c = b[p].c[i];
                VI mixed;
                if constexpr (Sixteen) {
                    if constexpr (!Preserve) {
                        const VI x = (res[p][i] - c) * a;
                        mixed = c + ((x + ((x >> 31) & 16383)) >> 14);
                    } else {
                        mixed = mixDouble(tof(res[p][i] - c) * tof(a), 1.0 / 16384.0, c);
                    }
                } else {
                    if constexpr (!Preserve)
                        mixed = c + toi(tof((res[p][i] - c) * a) / splatf(255.0f));
                    else
                        mixed = toi(tof((res[p][i] - c) * a + c * 255) / splatf(255.0f));
                }
                res[p][i] = none ? c : (full ? res[p][i] : mixed);
            }
        }
    }
    for (int p = 0; p < P; ++p) {
        if constexpr (Sixteen)
            store16<Stream>(outp + p * kBlockBytes, res[p], b[p].a);
        else
            put<Stream>(outp + p * kBlockBytes,
                        pack8(res[p][0], res[p][1], res[p][2], b[p].a, q.order));
    }
}

template <bool Sixteen, bool Preserve, bool Alpha>
void balanceRow(const FnBalanceKernel& k, const void* src, void* dst, int32_t n) {
    const Consts q(k);
    walkBlocks<Sixteen ? 8 : 4>(static_cast<const unsigned char*>(src),
                                static_cast<unsigned char*>(dst), n, k.stream != 0,
                                [&]<bool S, int P>(const unsigned char* in, unsigned char* out) {
                                    balanceBlock<Sixteen, Preserve, Alpha, S, P>(q, in, out);
                                });
    if (k.stream) fenceStreams();
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

// Weight tables for keys 0..n-1.
inline void balanceTables(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                          float* high) {
    const ToneConsts q(k.curve, k.keySpan);
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
}  // namespace fnsimd
}  // namespace
