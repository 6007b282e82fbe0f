// The vector row loops of the tone matte, the paint combiner and the
// streaming copy, picked at run time like the balancer's (FnBalanceKernel.h):
// each getter returns the loop of a path, or null for the scalar path and
// for a path this processor lacks, and the caller then runs its scalar
// loop, which stays the reference.  Every loop gives the scalar loop's
// bytes; the tests compare them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/FnBalanceKernel.h"

// Copies `bytes` bytes (the ranges do not overlap) with streaming stores.
using FnCopyBytesFn = void (*)(const void* src, void* dst, size_t bytes);
FnCopyBytesFn fnStreamCopyFunction(FnBalancePath path);

// Storage formats of the row loops.
enum class FnRowFormat : int32_t { k8 = 0, k16 = 1, kF32 = 2 };

// The tone matte of one tonal range (0 lowlights, 1 midtones, 2 highlights)
// over the tone settings, written as grey with opaque alpha.
struct FnMatteKernel {
    float lowlights = 0, reciprocal = 1, lowEase = 4, highEase = 4;
    int32_t tone = 2;
    int32_t stream = 0;  // streaming stores
};
using FnMatteRowFn = void (*)(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
FnMatteRowFn fnMatteRowFunction(FnBalancePath path, FnRowFormat format);

// The paint combiner's blend of a contiguous run: the map pixels `dst`
// (holding the effect's result) mixed with the source pixels `src` through
// the mask values `mask`, in place.
using FnCombineRowFn = void (*)(const void* src, const void* mask, void* dst, int32_t n);
FnCombineRowFn fnCombineRowFunction(FnBalancePath path, FnRowFormat format);

// Defined in the per-ISA translation units.
void fnStreamCopyAvx2(const void* src, void* dst, size_t bytes);
void fnStreamCopyAvx512(const void* src, void* dst, size_t bytes);
void fnMatteRow8Avx2(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnMatteRow16Avx2(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnMatteRowF32Avx2(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnMatteRow8Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnMatteRow16Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnMatteRowF32Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n);
void fnCombineRow8Avx2(const void* src, const void* mask, void* dst, int32_t n);
void fnCombineRow16Avx2(const void* src, const void* mask, void* dst, int32_t n);
void fnCombineRowF32Avx2(const void* src, const void* mask, void* dst, int32_t n);
void fnCombineRow8Avx512(const void* src, const void* mask, void* dst, int32_t n);
void fnCombineRow16Avx512(const void* src, const void* mask, void* dst, int32_t n);
void fnCombineRowF32Avx512(const void* src, const void* mask, void* dst, int32_t n);
