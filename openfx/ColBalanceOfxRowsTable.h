// The loops of ColBalanceOfxRows16 for the instruction set of the
// translation unit that includes this (ColBalanceOfxRows.cpp and
// ColBalanceOfxRowsAvx2.cpp, each with its own -m flags).  Everything here
// has internal linkage, so no vector code leaks across the units.
#pragma once

#include <algorithm>
#include <cstdint>

#if defined(__AVX2__)
#include <immintrin.h>
#endif

#include "host/common/PixelConvert.h"
#include "openfx/ColBalanceOfxRows.h"

namespace {
namespace ofxrows {

void toStorage(const uint16_t* s, int16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::fromU16(s[i]);
}

void fromStorage(const int16_t* s, uint16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::toU16(s[i]);
}

void maskToStorage(const uint16_t* s, int16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::maskFromU16(s[i]);
}

#if defined(__AVX2__)
// pixconv::toU16 sixteen values at a time: 4s less one above 8192 (in
// 16-bit lanes, exact below 16384), all ones from 16384, zero below 0.
void fromStorageStreaming(const int16_t* s, uint16_t* d, size_t n) {
    constexpr size_t kLanes = 16;
    size_t head = (32 - reinterpret_cast<uintptr_t>(d) % 32) % 32;
    // An odd address never reaches 32-byte alignment in whole elements.
    head = head % 2 ? n : std::min(n, head / 2);
    fromStorage(s, d, head);
    const __m256i k8192 = _mm256_set1_epi16(8192), k16383 = _mm256_set1_epi16(16383);
    const __m256i zero = _mm256_setzero_si256();
    size_t i = head;
    for (; i + kLanes <= n; i += kLanes) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        __m256i r = _mm256_add_epi16(_mm256_slli_epi16(v, 2), _mm256_cmpgt_epi16(v, k8192));
        r = _mm256_or_si256(r, _mm256_cmpgt_epi16(v, k16383));
        r = _mm256_andnot_si256(_mm256_cmpgt_epi16(zero, v), r);
        _mm256_stream_si256(reinterpret_cast<__m256i*>(d + i), r);
    }
    fromStorage(s + i, d + i, n - i);
    _mm_sfence();
}
#endif

constexpr ColBalanceOfxRows16 rows() {
    ColBalanceOfxRows16 r{
        .toStorage = &toStorage, .fromStorage = &fromStorage, .maskToStorage = &maskToStorage};
#if defined(__AVX2__)
    r.fromStorageStreaming = &fromStorageStreaming;
#endif
    return r;
}

}  // namespace ofxrows
}  // namespace
