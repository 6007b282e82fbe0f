// The colour balancer's row loops for processors with AVX-512 F/BW/DQ/VL
// (compiled with those -m flags; called only after a run-time check).
#include "engine/FnColBalancerSimd.h"
#include "engine/FnColBalancerSimdF32.h"

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
