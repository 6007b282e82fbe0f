// The table of the engine's vector row loops for the instruction set of the
// translation unit that includes this: FnRowsAvx2.cpp and FnRowsAvx512.cpp
// each include it once, compiled with their own -m flags, and define their
// table from fnsimd::rowFunctions().  Everything it names has internal
// linkage (FnSimdLanes.h), so no vector code leaks across the units.
#pragma once

#include "engine/FnColBalancerSimd.h"
#include "engine/FnColBalancerSimdF32.h"
#include "engine/FnPaintCombinerSimd.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnToneRenderSimd.h"

namespace {
namespace fnsimd {

constexpr FnRowFunctions rowFunctions() {
    using F = FnStorageFormat;
    return {
        .streamCopy = &streamCopy,
        .balanceTables = &balanceTables,
        .balance8 = &balanceRowAny<false>,
        .balance16 = &balanceRowAny<true>,
        .balanceF32 = &balanceRowF32Any,
        .matte = {&matteRowAny<F::k8>, &matteRowAny<F::k16>, &matteRowAny<F::kF32>},
        .combine = {&combineRow8, &combineRow16, &combineRowF32},
    };
}

}  // namespace fnsimd
}  // namespace
