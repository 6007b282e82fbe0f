// Vector row loops of the paint combiner, 16 (AVX-512) or 8 (AVX2) pixels at
// a time: the map pixels mixed in place with the source through the mask,
// as FnDsPaintCombiner's blend run does it (FnDsPaintCombiner.h).
//
// Included after FnColBalancerSimd.h by the per-ISA translation units.
// Exact rather than literal:
//  - Integer formats: with the mask clamped to 0..F (F = 255 or 32767),
//    s + (d - s) x m / F is s at m = 0 and d at m = F, so one formula
//    covers the empty, partial and full mask.  The truncating division of
//    (d - s) x m by 255 (|x| < 2^16) is done in float and by 32767
//    (|x| < 2^31) in double: a quotient that is not a whole number lies at
//    least 1/F from one, far beyond the rounding, and a whole one is exact.
//  - Float: the mix of fnMixF32 in double halves, the same operations.
// Blocks whose mask is full everywhere are left alone, blocks whose mask is
// empty everywhere take the source as it is.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/FnColBalancerSimd.h"
#include "engine/FnColBalancerSimdF32.h"

namespace {
namespace fnsimd {

template <class Block>
FN_SIMD_INLINE void walkMasked(const unsigned char* s, const unsigned char* m, unsigned char* d,
                               int32_t n, int pixel, int maskBytes, Block&& block) {
    int32_t i = 0;
    for (; i + kLanes <= n; i += kLanes)
        block(s + size_t(i) * pixel, m + size_t(i) * maskBytes, d + size_t(i) * pixel);
    if (i < n) {
        // The tail through zero-padded copies; the padding is not copied
        // back.
        unsigned char bs[kLanes * 16] = {}, bd[kLanes * 16] = {}, bm[kLanes * 4] = {};
        const int32_t rest = n - i;
        std::memcpy(bs, s + size_t(i) * pixel, size_t(rest) * pixel);
        std::memcpy(bd, d + size_t(i) * pixel, size_t(rest) * pixel);
        std::memcpy(bm, m + size_t(i) * maskBytes, size_t(rest) * maskBytes);
        block(bs, bm, bd);
        std::memcpy(d + size_t(i) * pixel, bd, size_t(rest) * pixel);
    }
}

// 8-bit: channels as int32 lanes, the mask one lane per pixel.
FN_SIMD_INLINE void combineBlock8(const unsigned char* sp, const unsigned char* mp,
                                  unsigned char* dp) {
#if defined(__AVX512F__)
    const VI m = (VI)_mm512_maskz_cvtepu8_epi32(
        0xffff, _mm_loadu_si128(reinterpret_cast<const __m128i*>(mp)));
#else
    const VI m = (VI)_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(mp)));
#endif
    const VI full = splat(255), zero = splat(0);
    if (allLanes(m == full)) return;
    if (allLanes(m == zero)) {
        std::memcpy(dp, sp, kLanes * 4);
        return;
    }
    const VU s = (VU)loadVI(sp), d = (VU)loadVI(dp);
    const VF f255 = splatf(255.0f);
    VI o[4];
    for (int c = 0; c < 4; ++c) {
        const VI sc = (VI)((s >> (8 * c)) & 0xffu), dc = (VI)((d >> (8 * c)) & 0xffu);
        o[c] = sc + toi(tof((dc - sc) * m) / f255);
    }
    put<false>(dp, pack8(o[0], o[1], o[2], o[3], rgbaOrder()));
}

// trunc(x / 32767) lane by lane, in double.
FN_SIMD_INLINE VI div32767(VI x) {
    const VDh lo = __builtin_convertvector(lowHalf(x), VDh) / 32767.0;
    const VDh hi = __builtin_convertvector(highHalf(x), VDh) / 32767.0;
    return join(__builtin_convertvector(lo, VIh), __builtin_convertvector(hi, VIh));
}

// 16-bit: the mask clamped to 0..32767 (below 0 is empty).
FN_SIMD_INLINE void combineBlock16(const unsigned char* sp, const unsigned char* mp,
                                   unsigned char* dp) {
#if defined(__AVX512F__)
    VI m = (VI)_mm512_maskz_cvtepi16_epi32(
        0xffff, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(mp)));
#else
    VI m = (VI)_mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mp)));
#endif
    const VI full = splat(32767), zero = splat(0);
    m = vmax(m, zero);
    if (allLanes(m == full)) return;
    if (allLanes(m == zero)) {
        std::memcpy(dp, sp, kLanes * 8);
        return;
    }
    Block s, d;
    load16(sp, s);
    load16(dp, d);
    VI o[3];
    for (int c = 0; c < 3; ++c) o[c] = s.c[c] + div32767((d.c[c] - s.c[c]) * m);
    const VI a = s.a + div32767((d.a - s.a) * m);
    store16<false>(dp, o, a);
}

// Float: four pixels (16 floats) at a time in their own layout, each
// pixel's mask on its four components.
FN_SIMD_INLINE VF mixF32Lanes(VF s, VF d, VF m) {
    const VI expBits = splat(0x7f800000);
    const VI fin = (((VI)s & expBits) != expBits) & (((VI)d & expBits) != expBits);
    const VDh sl = __builtin_convertvector(lowHalf(s), VDh),
              sh = __builtin_convertvector(highHalf(s), VDh);
    const VDh dl = __builtin_convertvector(lowHalf(d), VDh),
              dh = __builtin_convertvector(highHalf(d), VDh);
    const VDh ml = __builtin_convertvector(lowHalf(m), VDh),
              mh = __builtin_convertvector(highHalf(m), VDh);
    VF r = joinF(__builtin_convertvector(sl + (dl - sl) * ml, VFh),
                 __builtin_convertvector(sh + (dh - sh) * mh, VFh));
    if (!allLanes(fin)) {
        const VDh one = splatd(1.0);
        const VF e = joinF(__builtin_convertvector(sl * (one - ml) + dl * ml, VFh),
                           __builtin_convertvector(sh * (one - mh) + dh * mh, VFh));
        // A NaN source passes, made quiet (fnMixF32).
        const VI nanS = ((VI)s & splat(0x7fffffff)) > expBits;
        r = fin ? r : (nanS ? (VF)((VI)s | splat(0x00400000)) : e);
    }
    return s == d ? d : r;
}

// Vector G of a block: pixels G x kLanes / 4 on, each mask spread over
// its pixel's four floats.
template <int G, size_t... I>
FN_SIMD_INLINE VF spreadMask(VF m, std::index_sequence<I...>) {
    return __builtin_shufflevector(m, m, (G * (kLanes / 4) + int(I) / 4)...);
}

template <int G>
FN_SIMD_INLINE void combineGroupF32(const unsigned char* sp, VF m, unsigned char* dp) {
    const VF mg = spreadMask<G>(m, std::make_index_sequence<kLanes>());
    const VI none = ~(mg > splatf(0.0f)), full = mg >= splatf(1.0f);
    const VF s = loadVF(sp + G * kBytes), d = loadVF(dp + G * kBytes);
    put<false>(dp + G * kBytes, none ? s : (full ? d : mixF32Lanes(s, d, mg)));
}

FN_SIMD_INLINE void combineBlockF32(const unsigned char* sp, const unsigned char* mp,
                                    unsigned char* dp) {
    const VF m = loadVF(mp);
    const VF zero = splatf(0.0f), one = splatf(1.0f);
    const VI none = ~(m > zero), full = m >= one;
    if (allLanes(full & ~none)) return;
    if (allLanes(none)) {
        std::memcpy(dp, sp, kLanes * 16);
        return;
    }
    combineGroupF32<0>(sp, m, dp);
    combineGroupF32<1>(sp, m, dp);
    combineGroupF32<2>(sp, m, dp);
    combineGroupF32<3>(sp, m, dp);
}

// The blocks go to the walk inside lambdas: a call through a function
// reference is not inlined at every optimisation level (-Og), a direct
// call to an always-inline function is.
inline void combineRow8(const void* s, const void* m, void* d, int32_t n) {
    walkMasked(static_cast<const unsigned char*>(s), static_cast<const unsigned char*>(m),
               static_cast<unsigned char*>(d), n, 4, 1,
               [](const unsigned char* sp, const unsigned char* mp, unsigned char* dp) {
                   combineBlock8(sp, mp, dp);
               });
}
inline void combineRow16(const void* s, const void* m, void* d, int32_t n) {
    walkMasked(static_cast<const unsigned char*>(s), static_cast<const unsigned char*>(m),
               static_cast<unsigned char*>(d), n, 8, 2,
               [](const unsigned char* sp, const unsigned char* mp, unsigned char* dp) {
                   combineBlock16(sp, mp, dp);
               });
}
inline void combineRowF32(const void* s, const void* m, void* d, int32_t n) {
    walkMasked(static_cast<const unsigned char*>(s), static_cast<const unsigned char*>(m),
               static_cast<unsigned char*>(d), n, 16, 4,
               [](const unsigned char* sp, const unsigned char* mp, unsigned char* dp) {
                   combineBlockF32(sp, mp, dp);
               });
}

}  // namespace fnsimd
}  // namespace
