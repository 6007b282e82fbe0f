// Tone settings and the three tonal weights (lowlights, midtones,
// highlights) over a tone position x in 0..1.
//
//   FnToneTransfer         thresholds, ease exponents, the two weight curves
//   FnToneTransferTable<N> the same with the weights tabulated at i / (N - 1),
//                          so that a pixel costs three table reads
//
// Both curves run from Lowlights (lo) to Highlights (hi): the highlight
// weight rises from 0 to 1, the lowlight weight falls from 1 to 0, and the
// midtone weight takes what is left, so the three never sum above 1.  The
// arithmetic (single or double precision per step) is fixed so that tables
// built anywhere are bit-identical; keep -ffp-contract=off.
//
// Non-finite settings: a NaN percentage counts as that setting's default
// (Lowlights 0, Highlights 100, eases 30); +-inf saturates to the 0..100
// bounds.  A NaN ease given to a setter directly counts as 0.3.
#pragma once

#include <cstdint>

#include "engine/FnToneCurve.h"

class FnToneTransfer {
public:
    enum : uint32_t { kDirty = 1u << 0 };

    // Ease percentages already divided by 100.  Mark the tables dirty only
    // when the exponent really changes.
    void setHighlightsEase(float p);
    void setLowlightsEase(float p);

    // Thresholds and eases from the effect's percentages (0..100, clamped),
    // with the reciprocal span derived from the thresholds.
    void setToneSettings(double lowlightsPct, double highlightsPct, double lowlightsEasePct,
                         double highlightsEasePct);
    // Thresholds as fractions; sets the reciprocal span too.
    void setThresholds(float lowlights, float highlights);

    float highlightWeight(float x) const;
    float lowlightWeight(float x) const;
    // 1 - (highlight + lowlight): sum in single, subtraction in double.
    float midtoneWeight(float x) const { return midFrom(highlightWeight(x), lowlightWeight(x)); }

    // tan((1 - p) * 3.141561325085163 / 2) in double, stored as float: the
    // constant sits just below pi so that p = 0 stays finite (~63839.6).
    static float easeExponent(float p);
    // ((e - 2) u + (3 - e)) u u in single precision, clamped to 0..1.
    static float shape(float u, float e);
    static float midFrom(float high, float low);

    // The settings the curves read, and a tone transfer that evaluates them.
    FnToneCurve curve() const { return {lowlights, reciprocal, lowEase, highEase}; }
    static FnToneTransfer fromCurve(const FnToneCurve& c) {
        FnToneTransfer t;
        t.lowlights = c.lowlights;
        t.reciprocal = c.reciprocal;
        t.lowEase = c.lowEase;
        t.highEase = c.highEase;
        return t;
    }

    uint32_t toneFlags = kDirty;
    float highEase = 4.0f;    // eH
    float lowEase = 4.0f;     // eL
    float highlights = 1.0f;  // hi, 0..1
    float lowlights = 0.0f;   // lo, 0..1
    float reciprocal = 1.0f;  // s = 1 / (hi - lo), 0 when the span vanishes
};

// Weight tables indexed by an integer tone key; entry i is tone position
// i / (N - 1).  N = 768 for 8-bit storage (3 x 256), 98304 for 16-bit
// (3 x 32768).  The arrays are inline; the 16-bit object is ~1.2 MB.
template <int N>
class FnToneTransferTable : public FnToneTransfer {
public:
    static constexpr int kEntries = N;

    // Rebuilds the tables when the settings changed since the last build.
    void rebuildTables() {
        if (toneFlags & kDirty) {
            for (int i = 0; i < N; ++i) {
                const float x = float(i) / float(N - 1);
                const float low = lowlightWeight(x);
                const float high = highlightWeight(x);
                lowlightTable[i] = low;
                midtoneTable[i] = midFrom(high, low);
                highlightTable[i] = high;
            }
        }
        toneFlags &= ~uint32_t(kDirty);
    }

    float lowlightTable[N] = {};
    float midtoneTable[N] = {};
    float highlightTable[N] = {};
};
