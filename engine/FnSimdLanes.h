// Lane types and helpers shared by the engine's vector row loops: 16 lanes
// of 32 bits with AVX-512, 8 with AVX2, the shuffles they need, and the
// block walk that runs a row a block of pixels at a time, with streaming
// (non-temporal) stores where the caller asks for them.
//
// Included only by the per-ISA translation units (FnRowsAvx2.cpp,
// FnRowsAvx512.cpp), each compiled with its own -m flags; everything here
// has internal linkage so that no vector code leaks into a shared inline
// symbol.
#pragma once

#include <immintrin.h>

#include <cstdint>
#include <cstring>

// Every helper is forced inline: the row loops are large, and a helper
// left out of line passes its vectors through memory and splits the
// blocks that the processor should overlap.
#define FN_SIMD_INLINE inline __attribute__((always_inline))

namespace {
namespace fnsimd {

// Each unit uses its native width so that no operation falls back to
// scalar code.
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

FN_SIMD_INLINE VI splat(int32_t v) {
    VI r;
    for (int i = 0; i < kLanes; ++i) r[i] = v;
    return r;
}
FN_SIMD_INLINE VF splatf(float v) {
    VF r;
    for (int i = 0; i < kLanes; ++i) r[i] = v;
    return r;
}
FN_SIMD_INLINE VDh splatd(double v) {
    VDh r;
    for (int i = 0; i < kLanes / 2; ++i) r[i] = v;
    return r;
}
FN_SIMD_INLINE VF tof(VI v) { return __builtin_convertvector(v, VF); }
// Truncation toward zero; callers keep the values inside int32.
FN_SIMD_INLINE VI toi(VF v) { return __builtin_convertvector(v, VI); }
FN_SIMD_INLINE VI vmin(VI a, VI b) { return a < b ? a : b; }
FN_SIMD_INLINE VI vmax(VI a, VI b) { return a > b ? a : b; }
FN_SIMD_INLINE VI clampi(VI v, VI lo, VI hi) { return vmin(vmax(v, lo), hi); }

FN_SIMD_INLINE VI loadVI(const unsigned char* p) {
    VI v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}
FN_SIMD_INLINE VF loadVF(const unsigned char* p) {
    VF v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}

// One vector of bytes to memory; Stream writes around the caches (the
// address must then be kBytes-aligned, which the block walk sees to).
template <bool Stream, class V>
FN_SIMD_INLINE void put(unsigned char* p, V v) {
    static_assert(sizeof(V) == kBytes);
    if constexpr (Stream) {
#if defined(__AVX512F__)
        _mm512_stream_si512(reinterpret_cast<__m512i*>(p), (__m512i)v);
#else
        _mm256_stream_si256(reinterpret_cast<__m256i*>(p), (__m256i)v);
#endif
    } else {
        std::memcpy(p, &v, sizeof(v));
    }
}

#if defined(__AVX512F__)
template <class V>
FN_SIMD_INLINE auto lowHalf(V v) {
    return __builtin_shufflevector(v, v, 0, 1, 2, 3, 4, 5, 6, 7);
}
template <class V>
FN_SIMD_INLINE auto highHalf(V v) {
    return __builtin_shufflevector(v, v, 8, 9, 10, 11, 12, 13, 14, 15);
}
FN_SIMD_INLINE VI join(VIh a, VIh b) {
    return __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
}
// Even and odd 32-bit words of two vectors; and back.
FN_SIMD_INLINE VI evens(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
}
FN_SIMD_INLINE VI odds(VI a, VI b) {
    return __builtin_shufflevector(a, b, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31);
}
FN_SIMD_INLINE VI interleaveLow(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
FN_SIMD_INLINE VI interleaveHigh(VI a, VI b) {
    return __builtin_shufflevector(a, b, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15,
                                   31);
}
FN_SIMD_INLINE bool anyLane(VI m) { return _mm512_test_epi32_mask((__m512i)m, (__m512i)m) != 0; }
FN_SIMD_INLINE bool allLanes(VI m) {
    return _mm512_test_epi32_mask((__m512i)m, (__m512i)m) == 0xffff;
}
// Signed saturation of int32 lanes to int16, and of int16 lanes to uint8,
// within each 128-bit lane (a's words first, then b's).
FN_SIMD_INLINE VI packs32(VI a, VI b) {
    return (VI)_mm512_maskz_packs_epi32(~0u, (__m512i)a, (__m512i)b);
}
FN_SIMD_INLINE VI packus16(VI a, VI b) {
    return (VI)_mm512_maskz_packus_epi16(~0ull, (__m512i)a, (__m512i)b);
}
FN_SIMD_INLINE VI shuffleBytes(VI a, VI control) {
    return (VI)_mm512_maskz_shuffle_epi8(~0ull, (__m512i)a, (__m512i)control);
}
#else
template <class V>
FN_SIMD_INLINE auto lowHalf(V v) {
    return __builtin_shufflevector(v, v, 0, 1, 2, 3);
}
template <class V>
FN_SIMD_INLINE auto highHalf(V v) {
    return __builtin_shufflevector(v, v, 4, 5, 6, 7);
}
FN_SIMD_INLINE VI join(VIh a, VIh b) {
    return __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7);
}
FN_SIMD_INLINE VI evens(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14);
}
FN_SIMD_INLINE VI odds(VI a, VI b) {
    return __builtin_shufflevector(a, b, 1, 3, 5, 7, 9, 11, 13, 15);
}
FN_SIMD_INLINE VI interleaveLow(VI a, VI b) {
    return __builtin_shufflevector(a, b, 0, 8, 1, 9, 2, 10, 3, 11);
}
FN_SIMD_INLINE VI interleaveHigh(VI a, VI b) {
    return __builtin_shufflevector(a, b, 4, 12, 5, 13, 6, 14, 7, 15);
}
FN_SIMD_INLINE bool anyLane(VI m) { return !_mm256_testz_si256((__m256i)m, (__m256i)m); }
FN_SIMD_INLINE bool allLanes(VI m) { return _mm256_movemask_ps((__m256)m) == 0xff; }
FN_SIMD_INLINE VI packs32(VI a, VI b) { return (VI)_mm256_packs_epi32((__m256i)a, (__m256i)b); }
FN_SIMD_INLINE VI packus16(VI a, VI b) { return (VI)_mm256_packus_epi16((__m256i)a, (__m256i)b); }
FN_SIMD_INLINE VI shuffleBytes(VI a, VI control) {
    return (VI)_mm256_shuffle_epi8((__m256i)a, (__m256i)control);
}
#endif

// The byte control that turns each 128-bit lane of r0..r3 g0..g3 b0..b3
// a0..a3 into r0 g0 b0 a0 .. r3 g3 b3 a3.
FN_SIMD_INLINE VI rgbaOrder() {
    VI c;
    for (int i = 0; i < kLanes; ++i) {
        const int j = i & 3;  // pixel within the 128-bit lane
        c[i] = j | (j + 4) << 8 | (j + 8) << 16 | (j + 12) << 24;
    }
    return c;
}

// Four int32 lane sets (red, green, blue, alpha of kLanes pixels) as 8-bit
// RGBA pixels, each saturated to 0..255 on the way: the packs' signed
// saturation to int16 and then to uint8 is exactly the clamp to 0..255.
FN_SIMD_INLINE VI pack8(VI r, VI g, VI b, VI a, VI order) {
    return shuffleBytes(packus16(packs32(r, g), packs32(b, a)), order);
}

// Runs a row of n pixels of Pixel bytes through `block`:
// block.template operator()<S, P>(in, out) reads P x kLanes pixels and
// writes them, with streaming stores when S.  The row goes kSideBySide
// blocks at a time while it can: their dependency chains are independent,
// and the processor overlaps them far better side by side than one after
// the other (the 8-bit balancer takes a quarter less time with two, 40 %
// less with four; eight run out of registers).  With `stream` the
// blocks from the first kBytes-aligned destination pixel on are streamed;
// the pixels before it and the tail go through a zero-padded block of
// their own (padding pixels are all zero).  A destination that is not even
// pixel-aligned is written with plain stores.  The caller fences streaming
// stores (fenceStreams) before anybody reads them.
constexpr int kSideBySide = 4;

template <int Pixel, class Block>
FN_SIMD_INLINE void walkBlocks(const unsigned char* in, unsigned char* out, int32_t n, bool stream,
                               Block&& block) {
    constexpr int32_t kBlock = kLanes * Pixel;
    auto padded = [&](int32_t i, int32_t count) {
        unsigned char bufIn[kBlock] = {}, bufOut[kBlock];
        const size_t bytes = size_t(count) * Pixel;
        std::memcpy(bufIn, in + size_t(i) * Pixel, bytes);
        block.template operator()<false, 1>(bufIn, bufOut);
        std::memcpy(out + size_t(i) * Pixel, bufOut, bytes);
    };
    auto body = [&]<bool S>(int32_t i) {
        for (; i + kSideBySide * kLanes <= n; i += kSideBySide * kLanes)
            block.template operator()<S, kSideBySide>(in + size_t(i) * Pixel,
                                                      out + size_t(i) * Pixel);
        for (; i + kLanes <= n; i += kLanes)
            block.template operator()<S, 1>(in + size_t(i) * Pixel, out + size_t(i) * Pixel);
        return i;
    };
    int32_t i = 0;
    const uintptr_t mis = reinterpret_cast<uintptr_t>(out) % kBytes;
    if (stream && mis % Pixel == 0) {
        int32_t head = int32_t(((kBytes - mis) % kBytes) / Pixel);
        if (head > n) head = n;
        if (head > 0) padded(0, head);
        i = body.template operator()<true>(head);
    } else {
        i = body.template operator()<false>(0);
    }
    if (i < n) padded(i, n - i);
}

inline void fenceStreams() { _mm_sfence(); }

// memcpy of non-overlapping ranges with streaming stores from the first
// kBytes-aligned destination byte on; fenced.
inline void streamCopy(const void* src, void* dst, size_t bytes) {
    const auto* in = static_cast<const unsigned char*>(src);
    auto* out = static_cast<unsigned char*>(dst);
    size_t head = (kBytes - reinterpret_cast<uintptr_t>(out) % kBytes) % kBytes;
    if (head > bytes) head = bytes;
    std::memcpy(out, in, head);
    size_t i = head;
    for (; i + 4 * kBytes <= bytes; i += 4 * kBytes) {
        const VI a = loadVI(in + i), b = loadVI(in + i + kBytes), c = loadVI(in + i + 2 * kBytes),
                 d = loadVI(in + i + 3 * kBytes);
        put<true>(out + i, a);
        put<true>(out + i + kBytes, b);
        put<true>(out + i + 2 * kBytes, c);
        put<true>(out + i + 3 * kBytes, d);
    }
    for (; i + kBytes <= bytes; i += kBytes) put<true>(out + i, loadVI(in + i));
    std::memcpy(out + i, in + i, bytes - i);
    fenceStreams();
}

}  // namespace fnsimd
}  // namespace
