#include "engine/FnColBalancer.h"

#include <cfloat>
#include <cmath>

namespace {
// Largest saturation or luminance percentage taken as given: keeps every
// float step of the setup finite (1e28 x 2 x 16384 < FLT_MAX).
constexpr double kMaxPercent = 1e30;
constexpr float kMaxSaturation = 1e28f;

double boundedPercent(double v) {
    if (std::isnan(v)) return 0.0;
    return v < -kMaxPercent ? -kMaxPercent : (v > kMaxPercent ? kMaxPercent : v);
}
}  // namespace

int32_t fnSaturateInt(double v, int32_t limit) {
    if (std::isnan(v)) return 0;
    if (v >= double(limit)) return limit;
    if (v <= -double(limit)) return -limit;
    return int32_t(v);
}

std::array<float, 3> HueSatShift(float h, float s) {
    if (!std::isfinite(h)) h = 0.0f;
    if (std::isnan(s)) s = 0.0f;
    s = s < -kMaxSaturation ? -kMaxSaturation : (s > kMaxSaturation ? kMaxSaturation : s);
    h = std::fmod(h, 1.0f);
    if (h < 0.0f) h = h + 1.0f;
    float h6 = 6.0f * h;
    float sector = std::floor(h6);
    // A small negative hue can round up to exactly one turn after wrapping,
    // giving sector 6; one turn is hue 0 (red), which is also where sector 5
    // ends, so take sector 0 at its start.
    if (sector >= 6.0f) {
        h6 = 0.0f;
        sector = 0.0f;
    }
    const float f = (h6 - sector) * 1.5f;
    const float up = (f - 0.5f) * s;
    const float down = (1.0f - f) * s;
    switch (int(sector)) {
    case 0: return {s, up, -(up + s)};
    case 1: return {down, s, -(s + down)};
    case 2: return {-(up + s), s, up};
    case 3: return {-(s + down), down, s};
    case 4: return {up, -(s + up), s};
    default: return {s, -(down + s), down};
    }
}

namespace {
// The shift of a hue and saturation pair in whites, as single floats.
std::array<float, 3> shiftInWhites(double hueDegrees, double saturationPct) {
    const double turns = std::isfinite(hueDegrees) ? hueDegrees / 360.0 : 0.0;
    const float h = turns > FLT_MAX ? FLT_MAX : (turns < -FLT_MAX ? -FLT_MAX : float(turns));
    double sat = boundedPercent(saturationPct);
    if (sat < 0.0) sat = 0.0;
    return HueSatShift(h, float(sat / 100.0));
}

// The float bound: NaN gives 0.
float saturateF32(float v) {
    if (std::isnan(v)) return 0.0f;
    return v < -kFnShiftLimitF32 ? -kFnShiftLimitF32
                                 : (v > kFnShiftLimitF32 ? kFnShiftLimitF32 : v);
}
}  // namespace

FnRGBi fnHueSatShift(double hueDegrees, double saturationPct, float scale) {
    const std::array<float, 3> c = shiftInWhites(hueDegrees, saturationPct);
    FnRGBi out;
    out.r = fnSaturateInt(double(c[0] * scale), kFnShiftLimit);
    out.g = fnSaturateInt(double(c[1] * scale), kFnShiftLimit);
    out.b = fnSaturateInt(double(c[2] * scale), kFnShiftLimit);
    return out;
}

int32_t fnLuminanceOffset(double luminancePct, float scale) {
    const float q = float(boundedPercent(luminancePct) / 100.0);
    const float v = q * scale;
    return fnSaturateInt(double(v) + 0.5, kFnShiftLimit);
}

// Float storage's white is 1.0; the products are kept as they are.
FnRGBf fnHueSatShiftF32(double hueDegrees, double saturationPct) {
    constexpr float white = 1.0f;
    const std::array<float, 3> c = shiftInWhites(hueDegrees, saturationPct);
    FnRGBf out;
    out.r = saturateF32(c[0] * white);
    out.g = saturateF32(c[1] * white);
    out.b = saturateF32(c[2] * white);
    return out;
}

float fnLuminanceOffsetF32(double luminancePct) {
    constexpr float white = 1.0f;
    const float q = float(boundedPercent(luminancePct) / 100.0);
    return saturateF32(q * white);
}

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

namespace {
// kAuto as the widest path this processor has; kScalar for none.
FnBalancePath resolvePath(FnBalancePath path) {
    if (path == FnBalancePath::kAuto) {
        path = fnBalancePathSupported(FnBalancePath::kAvx512) ? FnBalancePath::kAvx512
               : fnBalancePathSupported(FnBalancePath::kAvx2) ? FnBalancePath::kAvx2
                                                              : FnBalancePath::kScalar;
    }
    return fnBalancePathSupported(path) ? path : FnBalancePath::kScalar;
}

// The function of a resolved path: avx2 or avx512, null for scalar.
template <class Fn>
Fn pick(FnBalancePath path, [[maybe_unused]] Fn avx2, [[maybe_unused]] Fn avx512) {
#if defined(FN_HAVE_X86_SIMD)
    switch (resolvePath(path)) {
    case FnBalancePath::kAvx2: return avx2;
    case FnBalancePath::kAvx512: return avx512;
    default: return nullptr;
    }
#else
    (void)path;
    return nullptr;
#endif
}
}  // namespace

#if !defined(FN_HAVE_X86_SIMD)
// Never called: pick() returns null without the vector units.
#define fnBalanceRow8Avx2 nullptr
#define fnBalanceRow8Avx512 nullptr
#define fnBalanceRow16Avx2 nullptr
#define fnBalanceRow16Avx512 nullptr
#define fnBalanceRowF32Avx2 nullptr
#define fnBalanceRowF32Avx512 nullptr
#define fnBalanceTablesAvx2 nullptr
#define fnBalanceTablesAvx512 nullptr
#define fnStreamCopyAvx2 nullptr
#define fnStreamCopyAvx512 nullptr
#define fnMatteRow8Avx2 nullptr
#define fnMatteRow8Avx512 nullptr
#define fnMatteRow16Avx2 nullptr
#define fnMatteRow16Avx512 nullptr
#define fnMatteRowF32Avx2 nullptr
#define fnMatteRowF32Avx512 nullptr
#define fnCombineRow8Avx2 nullptr
#define fnCombineRow8Avx512 nullptr
#define fnCombineRow16Avx2 nullptr
#define fnCombineRow16Avx512 nullptr
#define fnCombineRowF32Avx2 nullptr
#define fnCombineRowF32Avx512 nullptr
#endif

FnBalanceRowFn fnBalanceRowFunction(FnBalancePath path, bool sixteenBit) {
    return sixteenBit ? pick<FnBalanceRowFn>(path, fnBalanceRow16Avx2, fnBalanceRow16Avx512)
                      : pick<FnBalanceRowFn>(path, fnBalanceRow8Avx2, fnBalanceRow8Avx512);
}

FnBalanceRowF32Fn fnBalanceRowFunctionF32(FnBalancePath path) {
    return pick<FnBalanceRowF32Fn>(path, fnBalanceRowF32Avx2, fnBalanceRowF32Avx512);
}

FnBalanceTablesFn fnBalanceTablesFunction(FnBalancePath path) {
    return pick<FnBalanceTablesFn>(path, fnBalanceTablesAvx2, fnBalanceTablesAvx512);
}

FnCopyBytesFn fnStreamCopyFunction(FnBalancePath path) {
    return pick<FnCopyBytesFn>(path, fnStreamCopyAvx2, fnStreamCopyAvx512);
}

FnMatteRowFn fnMatteRowFunction(FnBalancePath path, FnRowFormat format) {
    switch (format) {
    case FnRowFormat::k8: return pick<FnMatteRowFn>(path, fnMatteRow8Avx2, fnMatteRow8Avx512);
    case FnRowFormat::k16: return pick<FnMatteRowFn>(path, fnMatteRow16Avx2, fnMatteRow16Avx512);
    default: return pick<FnMatteRowFn>(path, fnMatteRowF32Avx2, fnMatteRowF32Avx512);
    }
}

FnCombineRowFn fnCombineRowFunction(FnBalancePath path, FnRowFormat format) {
    switch (format) {
    case FnRowFormat::k8: return pick<FnCombineRowFn>(path, fnCombineRow8Avx2, fnCombineRow8Avx512);
    case FnRowFormat::k16:
        return pick<FnCombineRowFn>(path, fnCombineRow16Avx2, fnCombineRow16Avx512);
    default: return pick<FnCombineRowFn>(path, fnCombineRowF32Avx2, fnCombineRowF32Avx512);
    }
}
