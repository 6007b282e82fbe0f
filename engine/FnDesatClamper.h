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
