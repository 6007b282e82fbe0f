// FnBalanceKernel: the colour balancer's settings folded for one band, as
// plain numbers that both the scalar pixel loop (FnColBalancer.h) and the
// vector row loops (FnColBalancerSimd.h) read.  Kept free of inline code so
// that the per-ISA translation units can include it safely.
//
// Shifts and offsets are saturated to +-kFnShiftLimit before folding, so
// every integer sum and float-to-int conversion of the loops stays in range.
#pragma once

#include <cstdint>

constexpr int32_t kFnShiftLimit = 1 << 26;
// The float balancer's bound, in whites: where 16-bit shifts saturate
// (2^26 / 16384 = 4096 whites).  Keeps every float sum of its loops finite.
constexpr float kFnShiftLimitF32 = float(kFnShiftLimit) / 16384.0f;

struct FnBalanceKernel {
    const float* lowTable = nullptr;
    const float* midTable = nullptr;
    const float* highTable = nullptr;
    // The tone settings behind the tables, for loops that evaluate the
    // weights per lane instead of reading them (same float operations as
    // the table build, so the same values): entry key is position
    // key / keySpan.
    float lowlights = 0, reciprocal = 1, lowEase = 4, highEase = 4;
    float keySpan = 767;
    // First term per channel: c + add[c].  Without Preserve Luminance add
    // holds masterShift + masterLum and low/mid/high the tonal shifts plus
    // their offsets; with it the offsets stay apart (lum*).
    int32_t add[3] = {0, 0, 0};
    float low[3] = {0, 0, 0};
    float mid[3] = {0, 0, 0};
    float high[3] = {0, 0, 0};
    float lumLow = 0, lumMaster = 0, lumMid = 0, lumHigh = 0;
    int32_t preserve = 0;       // Preserve Luminance loop
    int32_t lumAny = 0;         // a luminance offset is non-zero
    int32_t alphaWeighted = 0;  // mix with the source by alpha
    int32_t limit = 255;        // 255 or 32767
    int32_t alphaFull = 255;    // 255 or 16384
    int32_t stream = 0;         // write rows around the caches (see FnStoreMode)
};

// A float tone key (the channel sum, white 3.0) is clamped to 0..3 and
// stands at tone position key x 16384 / 98303, where the same colour's sum
// stands in 16-bit storage (FnColBalancerF32.h).
constexpr float kFnF32KeyWhite = 3.0f;
constexpr float kFnF32KeyScale = 16384.0f;
constexpr float kFnF32KeySpan = 98303.0f;

// The float balancer's settings, folded the same way, in whites (1.0).  The
// shifts keep their fractions: float storage has no integer unit to round
// to.  Tone settings as above; the weights are always evaluated per pixel.
struct FnBalanceKernelF32 {
    float lowlights = 0, reciprocal = 1, lowEase = 4, highEase = 4;
    float add[3] = {0, 0, 0};
    float low[3] = {0, 0, 0};
    float mid[3] = {0, 0, 0};
    float high[3] = {0, 0, 0};
    float lumLow = 0, lumMaster = 0, lumMid = 0, lumHigh = 0;
    int32_t preserve = 0;
    int32_t lumAny = 0;
    int32_t alphaWeighted = 0;
    int32_t stream = 0;
};

// One row of `n` contiguous storage pixels (source and destination may be
// the same memory).
using FnBalanceRowFn = void (*)(const FnBalanceKernel& k, const void* src, void* dst, int32_t n);

enum class FnBalancePath : int32_t { kAuto = 0, kScalar = 1, kAvx2 = 2, kAvx512 = 3 };

// Whether this processor can run the path (kAuto and kScalar always can).
bool fnBalancePathSupported(FnBalancePath path);
// The vector row loop of a path for 8- or 16-bit storage; null for the
// scalar path or a path this processor lacks.  kAuto picks the widest.
FnBalanceRowFn fnBalanceRowFunction(FnBalancePath path, bool sixteenBit);

// The same for float storage (16-byte pixels).
using FnBalanceRowF32Fn = void (*)(const FnBalanceKernelF32& k, const void* src, void* dst,
                                   int32_t n);
FnBalanceRowF32Fn fnBalanceRowFunctionF32(FnBalancePath path);

// The three weight tables of `n` keys (entry i at position i / keySpan),
// evaluated lane by lane with the arithmetic of FnToneTransferTable's
// rebuild, so the entries are the same; null when the path is missing.
using FnBalanceTablesFn = void (*)(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                                   float* high);
FnBalanceTablesFn fnBalanceTablesFunction(FnBalancePath path);

// Defined in the per-ISA translation units.
void fnBalanceRow8Avx2(const FnBalanceKernel& k, const void* src, void* dst, int32_t n);
void fnBalanceRow16Avx2(const FnBalanceKernel& k, const void* src, void* dst, int32_t n);
void fnBalanceRow8Avx512(const FnBalanceKernel& k, const void* src, void* dst, int32_t n);
void fnBalanceRow16Avx512(const FnBalanceKernel& k, const void* src, void* dst, int32_t n);
void fnBalanceRowF32Avx2(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n);
void fnBalanceRowF32Avx512(const FnBalanceKernelF32& k, const void* src, void* dst, int32_t n);
void fnBalanceTablesAvx2(const FnBalanceKernel& k, int32_t n, float* low, float* mid, float* high);
void fnBalanceTablesAvx512(const FnBalanceKernel& k, int32_t n, float* low, float* mid,
                           float* high);
