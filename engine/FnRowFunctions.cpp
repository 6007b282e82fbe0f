#include "engine/FnRowFunctions.h"

namespace {
// The scalar path: no vector loops.
constexpr FnRowFunctions kNoRows{};
}  // namespace

bool fnBalancePathSupported(FnBalancePath path) {
    switch (path) {
    case FnBalancePath::kAuto:
    case FnBalancePath::kScalar: return true;
#if defined(FN_HAVE_X86_SIMD)
    case FnBalancePath::kAvx2: __builtin_cpu_init(); return __builtin_cpu_supports("avx2");
    case FnBalancePath::kAvx512:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
#endif
    default: return false;
    }
}

const FnRowFunctions& fnRowFunctions(FnBalancePath path) {
    if (path == FnBalancePath::kAuto) {
        path = fnBalancePathSupported(FnBalancePath::kAvx512) ? FnBalancePath::kAvx512
               : fnBalancePathSupported(FnBalancePath::kAvx2) ? FnBalancePath::kAvx2
                                                              : FnBalancePath::kScalar;
    }
    if (!fnBalancePathSupported(path)) return kNoRows;
    switch (path) {
#if defined(FN_HAVE_X86_SIMD)
    case FnBalancePath::kAvx2: return fnRowsAvx2;
    case FnBalancePath::kAvx512: return fnRowsAvx512;
#endif
    default: return kNoRows;
    }
}

FnCopyBytesFn fnStreamCopyFunction(FnBalancePath path) { return fnRowFunctions(path).streamCopy; }

FnBalanceTablesFn fnBalanceTablesFunction(FnBalancePath path) {
    return fnRowFunctions(path).balanceTables;
}
