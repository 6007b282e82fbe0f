// The engine's vector row loops for processors with AVX-512 F/BW/DQ/VL
// (compiled with those -m flags; called only after a run-time check).
#include "engine/FnColBalancerSimd.h"
#include "engine/FnColBalancerSimdF32.h"
#include "engine/FnPaintCombinerSimd.h"
#include "engine/FnToneRenderSimd.h"

void fnBalanceRow8Avx512(const FnBalanceKernel& k, const void* src, void* dst, int32_t n) {
    fnsimd::balanceRowAny<false>(k, src, dst, n);
}

void fnBalanceRow16Avx512(const FnBalanceKernel& k, const void* src, void* dst, int32_t n) {
    fnsimd::balanceRowAny<true>(k, src, dst, n);
}

void fnBalanceRowF32Avx512(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n) {
    fnsimd::balanceRowF32Any(k, src, dst, n);
}

void fnBalanceTablesAvx512(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                           float* high) {
    balanceTables(k, n, low, mid, high);
}

void fnStreamCopyAvx512(const void* src, void* dst, size_t bytes) {
    fnsimd::streamCopy(src, dst, bytes);
}

void fnMatteRow8Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n) {
    fnsimd::matteRowAny<FnRowFormat::k8>(k, src, dst, n);
}

void fnMatteRow16Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n) {
    fnsimd::matteRowAny<FnRowFormat::k16>(k, src, dst, n);
}

void fnMatteRowF32Avx512(const FnMatteKernel& k, const void* src, void* dst, int32_t n) {
    fnsimd::matteRowAny<FnRowFormat::kF32>(k, src, dst, n);
}

void fnCombineRow8Avx512(const void* src, const void* mask, void* dst, int32_t n) {
    fnsimd::combineRow8(src, mask, dst, n);
}

void fnCombineRow16Avx512(const void* src, const void* mask, void* dst, int32_t n) {
    fnsimd::combineRow16(src, mask, dst, n);
}

void fnCombineRowF32Avx512(const void* src, const void* mask, void* dst, int32_t n) {
    fnsimd::combineRowF32(src, mask, dst, n);
}
