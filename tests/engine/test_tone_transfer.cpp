// Tone weights, ease exponents, weight tables and the desaturating clamp.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <random>

#include "engine/FnDesatClamper.h"
#include "engine/FnPixel.h"
#include "engine/FnToneTransfer.h"

namespace {

FnToneTransfer tones(float lo, float hi, float lowEase, float highEase) {
    FnToneTransfer t;
    t.setThresholds(lo, hi);
    t.setLowlightsEase(lowEase);
    t.setHighlightsEase(highEase);
    return t;
}

FnRGBi rgb(int r, int g, int b) {
    FnRGBi c;
    c.r = r;
    c.g = g;
    c.b = b;
    return c;
}

using Clamp8 = FnDesatClamper<FnRGBi, int, 255>;
using Clamp16 = FnDesatClamper<FnRGBi, int, 32767>;

}  // namespace

TEST(ToneTransfer, EaseExponentsAndDirtyFlag) {
    EXPECT_NEAR(FnToneTransfer::easeExponent(0.0f), 63839.6f, 0.1f);
    EXPECT_NEAR(FnToneTransfer::easeExponent(0.5f), 0.99998f, 1e-5f);
    EXPECT_EQ(FnToneTransfer::easeExponent(1.0f), 0.0f);
    // Out of range and non-finite: clamped; NaN is the default ease, 30%.
    EXPECT_EQ(FnToneTransfer::easeExponent(-3.0f), FnToneTransfer::easeExponent(0.0f));
    EXPECT_EQ(FnToneTransfer::easeExponent(std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(FnToneTransfer::easeExponent(std::nanf("")), FnToneTransfer::easeExponent(0.3f));

    FnToneTransfer t;
    EXPECT_EQ(t.highEase, 4.0f);
    EXPECT_EQ(t.lowEase, 4.0f);
    t.toneFlags = 0;
    t.setHighlightsEase(0.5f);
    EXPECT_TRUE(t.toneFlags & FnToneTransfer::kDirty);
    t.toneFlags = 0;
    t.setHighlightsEase(0.5f);  // same exponent: stays clean
    t.setLowlightsEase(0.5f);   // new one: dirty
    EXPECT_TRUE(t.toneFlags & FnToneTransfer::kDirty);
    t.toneFlags = 0;
    t.setLowlightsEase(0.5f);
    EXPECT_FALSE(t.toneFlags & FnToneTransfer::kDirty);
}

TEST(ToneTransfer, WorkedWeights) {
    const FnToneTransfer t = tones(0.0f, 1.0f, 1.0f, 1.0f);  // both eases 100: e = 0
    EXPECT_EQ(t.highlightWeight(0.5f), 0.5f);
    EXPECT_EQ(t.lowlightWeight(0.5f), 0.5f);
    EXPECT_EQ(t.highlightWeight(0.25f), 0.15625f);
    EXPECT_EQ(t.lowlightWeight(0.25f), 0.84375f);
    EXPECT_EQ(t.midtoneWeight(0.25f), 0.0f);
    EXPECT_EQ(t.lowlightWeight(0.0f), 1.0f);
    EXPECT_EQ(t.highlightWeight(1.0f), 1.0f);

    // No span: reciprocal 0, so highlight 0, lowlight 1, midtone 0 everywhere.
    const FnToneTransfer flat = tones(0.4f, 0.4f, 0.3f, 0.3f);
    EXPECT_EQ(flat.reciprocal, 0.0f);
    for (float x : {0.0f, 0.4f, 0.9f}) {
        EXPECT_EQ(flat.highlightWeight(x), 0.0f);
        EXPECT_EQ(flat.lowlightWeight(x), 1.0f);
        EXPECT_EQ(flat.midtoneWeight(x), 0.0f);
    }

    // Lowlights above Highlights: the curves swap sides.
    const FnToneTransfer swapped = tones(0.8f, 0.2f, 0.3f, 0.3f);
    EXPECT_EQ(swapped.highlightWeight(0.1f), 1.0f);
    EXPECT_EQ(swapped.highlightWeight(0.9f), 0.0f);
    EXPECT_EQ(swapped.lowlightWeight(0.1f), 0.0f);
    EXPECT_EQ(swapped.lowlightWeight(0.9f), 1.0f);

    // Ease 0: the highlight weight stays 0 until close to Highlights.
    const FnToneTransfer hard = tones(0.0f, 1.0f, 0.0f, 0.0f);
    const float e = hard.highEase;
    EXPECT_EQ(hard.highlightWeight(1.0f - 1.0f / (e - 2.0f) - 1e-4f), 0.0f);
    EXPECT_EQ(hard.highlightWeight(1.0f), 1.0f);
}

TEST(ToneTransfer, SettingsFromPercentages) {
    FnToneTransfer t;
    t.setToneSettings(150.0, -20.0, -20.0, 250.0);
    EXPECT_EQ(t.lowlights, 1.0f);
    EXPECT_EQ(t.highlights, 0.0f);
    EXPECT_EQ(t.reciprocal, -1.0f);
    EXPECT_EQ(t.lowEase, FnToneTransfer::easeExponent(0.0f));
    EXPECT_EQ(t.highEase, 0.0f);

    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    t.setToneSettings(nan, nan, nan, nan);  // the defaults 0, 100, 30, 30
    EXPECT_EQ(t.lowlights, 0.0f);
    EXPECT_EQ(t.highlights, 1.0f);
    EXPECT_EQ(t.lowEase, FnToneTransfer::easeExponent(0.3f));
    EXPECT_EQ(t.highEase, FnToneTransfer::easeExponent(0.3f));
    t.setToneSettings(-inf, inf, inf, -inf);
    EXPECT_EQ(t.lowlights, 0.0f);
    EXPECT_EQ(t.highlights, 1.0f);
    EXPECT_EQ(t.lowEase, 0.0f);
    EXPECT_EQ(t.highEase, FnToneTransfer::easeExponent(0.0f));
}

TEST(ToneTransfer, WeightsStayInRangeAndNeverSumAboveOne) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float eases[] = {0.0f, 0.01f, 0.3f, 0.5f, 0.99f, 1.0f};
    for (int set = 0; set < 200; ++set) {
        const FnToneTransfer t = tones(unit(rng), unit(rng), eases[set % 6], eases[(set / 6) % 6]);
        for (int i = 0; i <= 1000; ++i) {
            const float x = float(i) / 1000.0f;
            const float h = t.highlightWeight(x), l = t.lowlightWeight(x), m = t.midtoneWeight(x);
            ASSERT_GE(h, 0.0f);
            ASSERT_LE(h, 1.0f);
            ASSERT_GE(l, 0.0f);
            ASSERT_LE(l, 1.0f);
            ASSERT_GE(m, 0.0f);
            ASSERT_LE(m, 1.0f);
            ASSERT_LE(double(h) + l + m, 1.0 + 1e-6) << "set " << set << " x " << x;
        }
    }
}

TEST(ToneTransfer, TablesFollowTheCurves) {
    auto table = std::make_unique<FnToneTransferTable<768>>();
    table->setThresholds(0.1f, 0.8f);
    table->setLowlightsEase(0.2f);
    table->setHighlightsEase(0.7f);
    table->rebuildTables();
    EXPECT_FALSE(table->toneFlags & FnToneTransfer::kDirty);
    for (int i : {0, 1, 300, 765, 767}) {
        const float x = float(i) / 767.0f;
        EXPECT_EQ(table->lowlightTable[i], table->lowlightWeight(x));
        EXPECT_EQ(table->highlightTable[i], table->highlightWeight(x));
        EXPECT_EQ(table->midtoneTable[i], table->midtoneWeight(x));
    }
    EXPECT_EQ(table->highlightTable[767], table->highlightWeight(1.0f));

    // Clean tables are not rebuilt: thresholds written directly do not
    // mark them dirty.
    const float before = table->highlightTable[400];
    table->setThresholds(0.0f, 0.2f);
    table->rebuildTables();
    EXPECT_EQ(table->highlightTable[400], before);

    auto big = std::make_unique<FnToneTransferTable<98304>>();
    big->rebuildTables();
    const float white = float(49152) / 98303.0f;
    EXPECT_EQ(big->highlightTable[49152], big->highlightWeight(white));
    EXPECT_EQ(big->lowlightTable[0], 1.0f);
    EXPECT_EQ(big->highlightTable[98303], 1.0f);
}

TEST(DesatClamper, WorkedExamples) {
    auto clamp8 = [](int r, int g, int b) {
        FnRGBi c = rgb(r, g, b);
        Clamp8::desaturateClamp(c);
        return std::array<int, 3>{c.r, c.g, c.b};
    };
    EXPECT_EQ(clamp8(383, 1, 1), (std::array<int, 3>{255, 64, 64}));
    EXPECT_EQ(clamp8(-20, 100, 130), (std::array<int, 3>{0, 93, 116}));
    EXPECT_EQ(clamp8(0, 255, 7), (std::array<int, 3>{0, 255, 7}));  // in range, odd mean
    // A mean beyond an edge gives the grey on that edge: 8-bit near-black
    // with mean -1, 16-bit super-white, and sums beyond int32.
    EXPECT_EQ(clamp8(-5, 1, 1), (std::array<int, 3>{0, 0, 0}));
    FnRGBi c = rgb(40000, 33000, 32000);
    Clamp16::desaturateClamp(c);
    EXPECT_TRUE(c.r == 32767 && c.g == 32767 && c.b == 32767);
    c = rgb(std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 0);
    Clamp16::desaturateClamp(c);
    EXPECT_EQ(c.r, 32767);
}

TEST(DesatClamper, LandsInRangeNearTheMean) {
    std::mt19937 rng(11);
    for (int max : {255, 32767}) {
        std::uniform_int_distribution<int> d(-3 * max, 4 * max);
        for (int i = 0; i < 200000; ++i) {
            FnRGBi c = rgb(d(rng), d(rng), d(rng));
            if (i % 3 == 0) c.b = std::uniform_int_distribution<int>(0, max)(rng);
            const FnRGBi in = c;
            const int64_t m = (int64_t(in.r) + in.g + in.b) / 3;
            if (max == 255)
                Clamp8::desaturateClamp(c);
            else
                Clamp16::desaturateClamp(c);
            for (int v : {c.r, c.g, c.b}) {
                ASSERT_GE(v, 0);
                ASSERT_LE(v, max);
            }
            const bool inRange =
                in.r >= 0 && in.g >= 0 && in.b >= 0 && in.r <= max && in.g <= max && in.b <= max;
            if (inRange) {
                ASSERT_TRUE(c.r == in.r && c.g == in.g && c.b == in.b);
            } else if (m >= 0 && m <= max) {
                // Distances shrink by one factor, then truncate: the mean
                // stays within one unit of the truncated input mean.
                const double mean = (double(c.r) + c.g + c.b) / 3.0;
                ASSERT_LE(std::fabs(mean - double(m)), 1.0) << in.r << " " << in.g << " " << in.b;
            }
        }
    }
}
