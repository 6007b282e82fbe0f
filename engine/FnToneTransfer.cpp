#include "engine/FnToneTransfer.h"

#include <cmath>

namespace {
// 2^-125: a span narrower than this has no usable reciprocal.
constexpr float kTinySpan = 2.3509887e-38f;

// NaN lands on 0, so no curve can hand a NaN on.
float clamp01(float v) { return !(v >= 0.0f) ? 0.0f : (v > 1.0f ? 1.0f : v); }

// A percentage setting as a fraction: NaN is the setting's default, the
// rest (infinities included) clamps to 0..100 before the division.
float fraction(double pct, double fallback) {
    if (std::isnan(pct)) pct = fallback;
    if (pct < 0.0) pct = 0.0;
    if (pct > 100.0) pct = 100.0;
    return clamp01(float(pct / 100.0));
}
}  // namespace

float FnToneTransfer::easeExponent(float p) {
    if (std::isnan(p)) p = 0.3f;
    p = clamp01(p);
    return float(std::tan((1.0 - double(p)) * 3.141561325085163 * 0.5));
}

float FnToneTransfer::shape(float u, float e) {
    return clamp01(((e - 2.0f) * u + (3.0f - e)) * u * u);
}

float FnToneTransfer::midFrom(float high, float low) {
    const float sum = high + low;
    return clamp01(float(1.0 - double(sum)));
}

void FnToneTransfer::setHighlightsEase(float p) {
    const float e = easeExponent(p);
    if (e != highEase) {
        highEase = e;
        toneFlags |= kDirty;
    }
}

void FnToneTransfer::setLowlightsEase(float p) {
    const float e = easeExponent(p);
    if (e != lowEase) {
        lowEase = e;
        toneFlags |= kDirty;
    }
}

void FnToneTransfer::setThresholds(float lo, float hi) {
    lowlights = std::isnan(lo) ? 0.0f : clamp01(lo);
    highlights = std::isnan(hi) ? 1.0f : clamp01(hi);
    const float span = highlights - lowlights;
    reciprocal = std::fabs(span) < kTinySpan ? 0.0f : 1.0f / span;
}

void FnToneTransfer::setToneSettings(double lowlightsPct, double highlightsPct,
                                     double lowlightsEasePct, double highlightsEasePct) {
    setThresholds(fraction(lowlightsPct, 0.0), fraction(highlightsPct, 100.0));
    setLowlightsEase(fraction(lowlightsEasePct, 30.0));
    setHighlightsEase(fraction(highlightsEasePct, 30.0));
}

float FnToneTransfer::highlightWeight(float x) const {
    const float u = clamp01((x - lowlights) * reciprocal);
    return shape(u, highEase);
}

float FnToneTransfer::lowlightWeight(float x) const {
    const float prod = (x - lowlights) * reciprocal;
    const float u = float(1.0 - double(prod));
    if (u < 0.0f) return 0.0f;
    if (u > 1.0f) return 1.0f;
    return shape(u, lowEase);
}
