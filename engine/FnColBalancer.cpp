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
