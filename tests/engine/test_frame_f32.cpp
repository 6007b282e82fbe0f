// The other float processors of a frame: the tone matte (worked values,
// agreement with the 16-bit matte), the channel-mask step and the paint
// combiner with the tricky values a colour library would try.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "tests/engine/EngineTesting.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::bit_cast<float>(0x7fc0beefu);

bool sameBits(float a, float b) { return std::memcmp(&a, &b, 4) == 0; }
bool sameBits(const FnRGBAF32& a, const FnRGBAF32& b) { return std::memcmp(&a, &b, 16) == 0; }

FnBalanceParams matteParams(int renderTone) {
    FnBalanceParams p;
    p.renderTone = renderTone;
    return p;
}

FnFrameContext wholeFrame(int w, int h) {
    FnFrameContext c;
    c.region = fnRectFromInclusive(0, 0, w - 1, h - 1);
    return c;
}

}  // namespace

TEST(ToneRenderF32, KeysByTheMeanWithWhiteAtOne) {
    EXPECT_TRUE(
        sameBits(matteOf<FnToneRenderF32>(matteParams(3), pxf(1, 1, 1, 0)), pxf(1, 1, 1, 1)));
    EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(1), pxf(0, 0, 0)).r, 1.0f);
    // Beyond white as white, below black (and NaN) as black; the matte of
    // infinities is defined too.
    for (float v : {1.5f, 1e6f, kInf}) {
        EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(3), pxf(v, v, v)).r, 1.0f) << v;
        EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(1), pxf(v, v, v)).r, 0.0f) << v;
    }
    for (float v : {-1.0f, -kInf, kNaN}) {
        EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(1), pxf(v, 0, 0)).r, 1.0f) << v;
        EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(3), pxf(v, 0, 0)).r, 0.0f) << v;
    }
    // The key is the mean: (0.75, 0, 0) is (0.25, 0.25, 0.25).
    EXPECT_EQ(matteOf<FnToneRenderF32>(matteParams(2), pxf(0.75f, 0, 0)).r,
              matteOf<FnToneRenderF32>(matteParams(2), pxf(0.25f, 0.25f, 0.25f)).r);
}

// Colours whose 16-bit sum divides by 3 have the same tone position in both
// formats (mean i / 16384); the 16-bit matte is the float one truncated.
TEST(ToneRenderF32, AgreesWithTheSixteenBitMatte) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> level(-2000, 30000), tone(1, 3);
    std::uniform_real_distribution<double> pct(0, 100);
    const int w = 64, h = 16;
    for (int set = 0; set < 40; ++set) {
        FnBalanceParams p = matteParams(tone(rng));
        p.lowlights = pct(rng);
        p.highlights = pct(rng);
        p.lowlightsEase = pct(rng);
        p.highlightsEase = pct(rng);
        FnImage16 s16(w, h), d16(w, h);
        FnImageF32 sf(w, h), df(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int r = level(rng), g = level(rng);
                int b = level(rng);
                b -= (r + g + b) % 3;
                *s16.at(x, y) = FnRGBA16{{short(r), short(g), short(b), 0}};
                *sf.at(x, y) = pxf(r / 16384.0f, g / 16384.0f, b / 16384.0f, 0);
            }
        auto t16 = std::make_unique<FnToneRender16>();
        auto tf = std::make_unique<FnToneRenderF32>();
        setupToneRender(*t16, p);
        setupToneRender(*tf, p);
        t16->run(&s16, &d16);
        tf->run(&sf, &df);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const float v = df.at(x, y)->r;
                ASSERT_EQ(d16.at(x, y)->r, int(v * 16384.0f)) << set << " " << x << "," << y;
                ASSERT_EQ(df.at(x, y)->a, 1.0f);
            }
    }
}

TEST(MaskFixerF32, CopiesSelectedChannelsBitForBit) {
    const FnRGBAF32 from[3] = {pxf(kNaN, -kInf, -0.0f, std::bit_cast<float>(1u)),
                               pxf(1e6f, kInf, 3.0f, kNaN), pxf(-1, 0.5f, 1e-40f, -0.0f)};
    for (uint32_t mask : {9u, 6u, 15u}) {
        FnImageF32 out(3, 1), src(3, 1);
        for (int x = 0; x < 3; ++x) {
            *src.at(x, 0) = from[x];
            *out.at(x, 0) = pxf(7, 7, 7, 7);
        }
        runMaskFixer(wholeFrame(3, 1), out, src, mask);
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 4; ++c)
                EXPECT_TRUE(sameBits(fnChannel(*out.at(x, 0), c),
                                     (mask >> c & 1u) ? fnChannel(from[x], c) : 7.0f))
                    << mask << " " << x << " " << c;
    }
}

// Each case is one pixel: source s, result d and mask m in red; the other
// components hold plain values.
TEST(PaintCombinerF32, BlendsThroughAFloatMask) {
    struct Case {
        float s, d, m, want;
    };
    const Case cases[] = {
        {0.25f, 0.75f, 0.0f, 0.25f},    {0.25f, 0.75f, -1.0f, 0.25f}, {0.25f, 0.75f, kNaN, 0.25f},
        {0.25f, 0.75f, -0.0f, 0.25f},   {0.25f, 0.75f, 1.0f, 0.75f},  {0.25f, 0.75f, 2.0f, 0.75f},
        {0.25f, 0.75f, kInf, 0.75f},    {0.0f, 1.0f, 0.5f, 0.5f},     {1e6f, -1e6f, 0.5f, 0.0f},
        {3e38f, -3e38f, 0.5f, 0.0f},    {kInf, kInf, 0.5f, kInf},     {kInf, 0.0f, 0.5f, kInf},
        {0.0f, -kInf, 0.25f, -kInf},    {kNaN, 1.0f, 0.5f, kNaN},     {-0.0f, 0.0f, 0.5f, 0.0f},
        {1e-40f, 1e-40f, 0.3f, 1e-40f}, {10.0f, 2.0f, 0.25f, 8.0f},
    };
    const int n = int(std::size(cases));
    FnImageF32 out(n, 1), src(n, 1);
    FnMaskImageF32 mask(n, 1);
    for (int x = 0; x < n; ++x) {
        *src.at(x, 0) = pxf(cases[x].s, 0.0f, 1.0f, 1.0f);
        *out.at(x, 0) = pxf(cases[x].d, 1.0f, 1.0f, 0.0f);
        mask.at(x, 0)->v = cases[x].m;
    }
    runPaintCombiner(wholeFrame(n, 1), out, src, mask);
    for (int x = 0; x < n; ++x) {
        const FnRGBAF32& o = *out.at(x, 0);
        const float m = cases[x].m;
        if (std::isnan(cases[x].want))
            EXPECT_TRUE(std::isnan(o.r)) << x;
        else
            EXPECT_TRUE(sameBits(o.r, cases[x].want)) << x << ": " << o.r;
        // g mixes 0 toward 1, alpha 1 toward 0, blue stays 1.
        const float t = !(m > 0) ? 0.0f : (m >= 1 ? 1.0f : m);
        EXPECT_FLOAT_EQ(o.g, t) << x;
        EXPECT_FLOAT_EQ(o.a, 1.0f - t) << x;
        EXPECT_EQ(o.b, 1.0f) << x;
    }

    // Outside the source (a 1 x 1 source, fill edges) the result is scaled by
    // the mask, and an empty mask gives 0; inside, a full mask keeps it.
    FnImageF32 wide(3, 1), one(1, 1);
    *one.at(0, 0) = pxf(0.5f, 0.5f, 0.5f, 0.5f);
    for (int x = 0; x < 3; ++x) *wide.at(x, 0) = pxf(4.0f, kInf, -2.0f, 1.0f);
    FnMaskImageF32 m3(3, 1);
    m3.at(0, 0)->v = 1.0f;
    m3.at(1, 0)->v = 0.25f;
    m3.at(2, 0)->v = 0.0f;
    runPaintCombiner(wholeFrame(3, 1), wide, one, m3);
    EXPECT_TRUE(sameBits(*wide.at(0, 0), pxf(4.0f, kInf, -2.0f, 1.0f)));
    EXPECT_TRUE(sameBits(*wide.at(1, 0), pxf(1.0f, kInf, -0.5f, 0.25f)));
    EXPECT_TRUE(sameBits(*wide.at(2, 0), pxf(0, 0, 0, 0)));
}
