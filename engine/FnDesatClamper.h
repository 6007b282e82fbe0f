// FnDesatClamper: brings an out-of-range integer RGB colour back into
// 0..Max by desaturating it toward its mean rather than clipping channels.
//
// m = (r + g + b) / 3 (truncated).  Every channel's distance from m shrinks
// by the same factor k, the largest that puts the worst channel back on the
// edge it crossed, so the mean and the hue stay.  k per channel, in single
// precision from the integers (differences taken in integers first):
//     c < 0:   m / (m - c)        c > Max: (Max - m) / (c - m)
// and the channel becomes trunc((c - m) * k + m).
//
// A mean outside 0..Max (every channel beyond one edge on average: 16-bit
// sub-black or super-white sources, or an 8-bit near-black colour whose
// truncated channels sum to -3 or less) has no factor that keeps it: the
// colour becomes the grey at the edge the mean crossed (all 0 or all Max),
// the in-range colour nearest to the mean.  Sums are taken in 64 bits, so
// any int channels are safe.
#pragma once

#include <cstdint>

#include "engine/FnPixel.h"

template <class Colour, class Elem, int Max>
struct FnDesatClamper {
    static constexpr int kMax = Max;

    static void desaturateClamp(Colour& col) {
        const int64_t sum = int64_t(col.r) + col.g + col.b;
        const int64_t mean = sum / 3;
        if (mean < 0 || mean > Max) {
            const Elem edge = Elem(mean < 0 ? 0 : Max);
            col.r = col.g = col.b = edge;
            return;
        }
        const int64_t m = mean;
        const float fm = float(m);
        const float kr = factor(col.r, m, fm), kg = factor(col.g, m, fm), kb = factor(col.b, m, fm);
        float k = kr < kg ? kr : kg;
        if (kb < k) k = kb;
        if (k == 1.0f) return;
        col.r = shrink(col.r, m, fm, k);
        col.g = shrink(col.g, m, fm, k);
        col.b = shrink(col.b, m, fm, k);
    }

private:
    static float factor(int64_t c, int64_t m, float fm) {
        if (c < 0) return fm / float(m - c);
        if (c > Max) return float(Max - m) / float(c - m);
        return 1.0f;
    }
    // (c - m) k + m truncated; with m in range and k from the worst channel
    // the value lies in 0..Max but for rounding, which the clamp absorbs.
    static Elem shrink(int64_t c, int64_t m, float fm, float k) {
        const float v = float(c - m) * k + fm;
        if (!(v > 0.0f)) return Elem(0);
        if (v >= float(Max)) return Elem(Max);
        return Elem(int32_t(v));
    }
};

// Float colours (the float format's clamp, Max kFnUnbounded): channels below
// 0 are pulled toward the mean by the same rule, and nothing is limited
// above.  The integer clamp takes the mean and the distances exactly, in
// integers; here they are taken in double, which keeps every finite colour
// finite (a single-precision sum of channels near FLT_MAX would overflow),
// and each channel is rounded to single once.  A mean at or below 0 gives
// black, the grey at the edge the mean crossed.
template <class Colour>
struct FnDesatClamper<Colour, float, kFnUnbounded> {
    static void desaturateClamp(Colour& col) {
        if (!(col.r < 0.0f || col.g < 0.0f || col.b < 0.0f)) return;
        const double m = (double(col.r) + double(col.g) + double(col.b)) / 3.0;
        if (!(m > 0.0)) {
            col.r = col.g = col.b = 0.0f;
            return;
        }
        double k = 1.0;
        for (const float c : {col.r, col.g, col.b}) {
            if (!(c < 0.0f)) continue;
            const double kc = m / (m - double(c));
            if (kc < k) k = kc;
        }
        col.r = shrink(col.r, m, k);
        col.g = shrink(col.g, m, k);
        col.b = shrink(col.b, m, k);
    }

private:
    // (c - m) k + m lies between c and m, so it is finite; the channel that
    // set k lands on 0 but for rounding, which the clamp absorbs.
    static float shrink(float c, double m, double k) {
        const double v = (double(c) - m) * k + m;
        return v > 0.0 ? float(v) : 0.0f;
    }
};
