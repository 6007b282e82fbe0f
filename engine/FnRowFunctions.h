// FnRowFunctions: the engine's vector row loops, one table per instruction
// set, picked at run time.
//
// Every processor with a vector loop (the colour balancer, the tone matte,
// the paint combiner, the streaming copies) asks fnRowFunctions for the
// table of its path and takes its loop from it.  A null entry (every entry
// of the scalar table, and the tables of instruction sets this processor or
// this build lacks) means "no vector loop": the caller runs its scalar
// loop, which stays the reference.  Every loop gives the scalar loop's
// bytes; the tests compare them.
//
// The AVX2 and AVX-512 tables are filled in their own translation units
// (FnRowsAvx2.cpp, FnRowsAvx512.cpp: one body, FnRowsTable.h, compiled with
// each set's -m flags); this header is plain data and declarations, so
// those units include it safely.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/FnBalanceKernel.h"
#include "engine/FnPixel.h"
#include "engine/FnToneCurve.h"

// The tone matte of one tonal range (0 lowlights, 1 midtones, 2 highlights)
// over the tone settings, written as grey with opaque alpha.
struct FnMatteKernel {
    FnToneCurve curve;
    int32_t tone = 2;
    int32_t stream = 0;  // streaming stores
};

// Copies `bytes` bytes (the ranges do not overlap) with streaming stores.
using FnCopyBytesFn = void (*)(const void* src, void* dst, size_t bytes);
// The three weight tables of `n` keys (entry i at position i / keySpan),
// evaluated lane by lane with the arithmetic of FnToneTransferTable's
// rebuild, so the entries are the same.
using FnBalanceTablesFn = void (*)(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                                   float* high);
// One row of `n` contiguous storage pixels (source and destination may be
// the same memory).
template <class Kernel>
using FnKernelRowFn = void (*)(const Kernel& k, const void* src, void* dst, int32_t n);
using FnBalanceRowFn = FnKernelRowFn<FnBalanceKernel>;
using FnBalanceRowF32Fn = FnKernelRowFn<FnBalanceKernelF32>;
using FnMatteRowFn = FnKernelRowFn<FnMatteKernel>;
// The paint combiner's blend of a contiguous run: the map pixels `dst`
// (holding the effect's result) mixed with the source pixels `src` through
// the mask values `mask`, in place.
using FnCombineRowFn = void (*)(const void* src, const void* mask, void* dst, int32_t n);

struct FnRowFunctions {
    FnCopyBytesFn streamCopy = nullptr;
    FnBalanceTablesFn balanceTables = nullptr;
    // The balancer's rows by storage format (FnStorageTraits names its
    // entry: the float rows take the float kernel).
    FnBalanceRowFn balance8 = nullptr;
    FnBalanceRowFn balance16 = nullptr;
    FnBalanceRowF32Fn balanceF32 = nullptr;
    // Indexed by FnStorageFormat.
    FnMatteRowFn matte[kFnStorageFormats] = {};
    FnCombineRowFn combine[kFnStorageFormats] = {};
};

// The table of a path: kAuto is the widest this processor has; kScalar,
// and a path it lacks, the table without loops.
const FnRowFunctions& fnRowFunctions(FnBalancePath path);

// Two entries of it, for callers that need only the one.
FnCopyBytesFn fnStreamCopyFunction(FnBalancePath path);
FnBalanceTablesFn fnBalanceTablesFunction(FnBalancePath path);

// Filled in the per-ISA translation units (x86-64 builds only).
extern const FnRowFunctions fnRowsAvx2;
extern const FnRowFunctions fnRowsAvx512;
