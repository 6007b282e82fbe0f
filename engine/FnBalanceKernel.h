// FnBalanceKernel: the colour balancer's settings folded for one band, as
// plain numbers that both the scalar pixel loops (FnColBalancer.h) and the
// vector row loops (FnColBalancerSimd.h) read.  Kept free of inline code so
// that the per-ISA translation units can include it safely.
//
// Shifts and offsets are saturated to +-kFnShiftLimit (integer storage) or
// +-kFnShiftLimitF32 (float storage) before folding, so every integer sum
// and float-to-int conversion of the loops stays in range and every float
// sum finite.
#pragma once

#include <cstdint>

#include "engine/FnToneCurve.h"

constexpr int32_t kFnShiftLimit = 1 << 26;
// The float balancer's bound, in whites: where 16-bit shifts saturate
// (2^26 / 16384 = 4096 whites).  Keeps every float sum of its loops finite.
constexpr float kFnShiftLimitF32 = float(kFnShiftLimit) / 16384.0f;

// A float tone key (the channel sum, white 3.0) is clamped to 0..3 and
// stands at tone position key x 16384 / 98303, where the same colour's sum
// stands in 16-bit storage (FnColBalancer.h).
constexpr float kFnF32KeyWhite = 3.0f;
constexpr float kFnF32KeyScale = 16384.0f;
constexpr float kFnF32KeySpan = 98303.0f;

// `Shift` is the storage's shift unit: int32_t for the integer formats
// (shifts and offsets in whole storage units), float for float storage
// (in whites, with their fractions: float storage has no unit to round to).
template <class Shift>
struct FnBalanceKernelOf {
    // Weight tables of the table formats; entry key stands at position
    // key / keySpan.  Null where the weights are evaluated per pixel.
    const float* lowTable = nullptr;
    const float* midTable = nullptr;
    const float* highTable = nullptr;
    float keySpan = 767;
    // The tone settings behind the tables, for loops that evaluate the
    // weights per lane instead of reading them (same float operations as
    // the table build, so the same values).
    FnToneCurve curve;
    // First term per channel: c + add[c].  Without Preserve Luminance add
    // holds masterShift + masterLum and low/mid/high the tonal shifts plus
    // their offsets; with it the offsets stay apart (lum*).
    Shift add[3] = {0, 0, 0};
    float low[3] = {0, 0, 0};
    float mid[3] = {0, 0, 0};
    float high[3] = {0, 0, 0};
    float lumLow = 0, lumMaster = 0, lumMid = 0, lumHigh = 0;
    int32_t preserve = 0;       // Preserve Luminance loop
    int32_t lumAny = 0;         // a luminance offset is non-zero
    int32_t alphaWeighted = 0;  // mix with the source by alpha
    int32_t limit = 255;        // clamp of the integer formats: 255 or 32767
    int32_t alphaFull = 255;    // full alpha of the integer formats: 255 or 16384
    int32_t stream = 0;         // write rows around the caches (see FnStoreMode)
};

using FnBalanceKernel = FnBalanceKernelOf<int32_t>;
using FnBalanceKernelF32 = FnBalanceKernelOf<float>;

// Which row loops run: the scalar reference, or a vector path.  The loops
// of every processor are picked from one table per path
// (FnRowFunctions.h).
enum class FnBalancePath : int32_t { kAuto = 0, kScalar = 1, kAvx2 = 2, kAvx512 = 3 };

// Whether this processor can run the path (kAuto and kScalar always can).
bool fnBalancePathSupported(FnBalancePath path);
