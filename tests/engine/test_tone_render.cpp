// The tone matte: worked values, keys by channel mean, alpha, bands.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "tests/engine/EngineTesting.h"

namespace {

FnBalanceParams matteParams(int renderTone, double lowEase = 100, double highEase = 100) {
    FnBalanceParams p;
    p.lowlights = 0;
    p.highlights = 100;
    p.lowlightsEase = lowEase;
    p.highlightsEase = highEase;
    p.renderTone = renderTone;
    return p;
}

}  // namespace

TEST(ToneRender, WorkedMatteValues) {
    const FnRGBA8 grey = px8(128, 128, 128, 0);  // transparent: alpha is not read
    const FnRGBA8 hi = matteOf<FnToneRender8>(matteParams(3), grey);
    EXPECT_EQ(hi.r, 128);
    EXPECT_EQ(hi.g, 128);
    EXPECT_EQ(hi.b, 128);
    EXPECT_EQ(hi.a, 255);
    EXPECT_EQ(matteOf<FnToneRender8>(matteParams(1), grey).r, 126);
    EXPECT_EQ(matteOf<FnToneRender8>(matteParams(2), grey).r, 0);
    EXPECT_EQ(matteOf<FnToneRender8>(matteParams(1, 30, 30), px8(0, 0, 0)).r, 255);
    EXPECT_EQ(matteOf<FnToneRender8>(matteParams(3, 30, 30), px8(255, 255, 255)).r, 255);
    // The key is the mean, not the sum: (255, 0, 0) sits at 85 / 255.
    EXPECT_EQ(matteOf<FnToneRender8>(matteParams(3), px8(255, 0, 0)).r,
              matteOf<FnToneRender8>(matteParams(3), px8(85, 85, 85)).r);

    const FnRGBA16 white =
        matteOf<FnToneRender16>(matteParams(3, 30, 30), px16(16384, 16384, 16384, -7));
    EXPECT_EQ(white.r, 16384);
    EXPECT_EQ(white.a, 16384);
    // Sub-black means read entry 0 (tone position 0).
    EXPECT_EQ(matteOf<FnToneRender16>(matteParams(1), px16(-9000, 100, 100)).r, 16384);
    EXPECT_EQ(matteOf<FnToneRender16>(matteParams(3), px16(-9000, 100, 100)).r, 0);
    // Super-white past position 1 saturates the highlight matte at white.
    EXPECT_EQ(matteOf<FnToneRender16>(matteParams(3), px16(32767, 32767, 32767)).r, 16384);
}

TEST(ToneRender, MidtonesAndTableBounds) {
    auto t = std::make_unique<FnToneRender8>();
    setupToneRender(*t, matteParams(2));
    FnImage8 src(256, 1), dst(256, 1);
    for (int i = 0; i < 256; ++i) *src.at(i, 0) = px8(i, i, i);
    t->run(&src, &dst);
    // Both eases 100: the midtone weight is 0 everywhere.
    for (int i = 0; i < 256; ++i) ASSERT_EQ(dst.at(i, 0)->r, 0) << i;

    // With softer eases the midtone matte is positive inside and 0 at the
    // ends; every entry stays in the storage range.
    auto m = std::make_unique<FnToneRender16>();
    setupToneRender(*m, matteParams(2, 30, 30));
    FnImage16 s16(1, 1), d16(1, 1);
    m->run(&s16, &d16);
    EXPECT_EQ(m->matte[0], 0);
    EXPECT_GT(m->matte[8192], 0);
    for (int32_t v : m->matte) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
    // Render Tone out of range is clamped to a valid index.
    setupToneRender(*m, matteParams(9));
    EXPECT_EQ(m->toneIndex, 2);
}

TEST(ToneRender, SameMatteOnAnyBandCount) {
    std::mt19937 rng(4);
    std::uniform_int_distribution<int> d(-4000, 32767);
    FnImage16 src(61, 29);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 61; ++x) *src.at(x, y) = px16(d(rng), d(rng), d(rng), d(rng));
    src.setEdgeModes(kFnEdgeMirror, kFnEdgeClamp);
    src.setOffset(int32_t(-5), int32_t(3));
    std::vector<unsigned char> first;
    for (int threads : {1, 2, 7}) {
        fnSetThreadCountForTesting(threads);
        FnImage16 dst(61, 29);
        auto t = std::make_unique<FnToneRender16>();
        setupToneRender(*t, matteParams(2, 20, 70));
        t->run(&src, &dst);
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(dst.pixels());
        std::vector<unsigned char> got(bytes, bytes + size_t(61) * 29 * 8);
        if (first.empty())
            first = got;
        else
            EXPECT_EQ(first, got) << threads << " bands";
    }
    fnSetThreadCountForTesting(0);
}
