// A frame's steps run together row by row against the same steps run one
// after the other, as the render path would run them: random placements of
// source and mask, regions partly outside, fields, channel bits, balancer
// and matte, every format and several band counts.  Also the cases where
// the steps must not run together, and interruption.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "engine/FnColBalancer.h"
#include "engine/FnFrameSteps.h"
#include "engine/FnToneRender.h"
#include "tests/engine/EngineTesting.h"

namespace {

template <class Img>
void fillBytes(Img& img, std::mt19937& rng) {
    unsigned char* p = reinterpret_cast<unsigned char*>(img.pixels());
    const size_t n = size_t(img.width()) * img.height() * Img::kPixelSize;
    for (size_t i = 0; i < n; ++i) p[i] = uint8_t(rng());
    // Float images get ordinary values: random bytes are mostly NaN.
    if constexpr (std::is_same_v<Img, FnImageF32> || std::is_same_v<Img, FnMaskImageF32>) {
        std::uniform_real_distribution<float> v(-0.25f, 1.5f);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                for (int c = 0; c < Img::StorageColour::kChannels; ++c)
                    fnChannel(*img.at(x, y), c) = v(rng);
    }
}

template <class Img>
std::vector<unsigned char> bytes(const Img& img) {
    const auto* p = reinterpret_cast<const unsigned char*>(img.pixels());
    return {p, p + size_t(img.width()) * img.height() * Img::kPixelSize};
}

struct Scenario {
    FnFrameContext frame;
    bool roi = false, tone = false, paint = false;
    uint32_t bits = 0;
    FnBalanceParams params;
};

// The colour step as the render path sets it up.
template <class Colour>
std::unique_ptr<Colour> colourStep(const Scenario& s) {
    auto c = std::make_unique<Colour>();
    if constexpr (requires { c->toneIndex; })
        setupToneRender(*c, s.params);
    else {
        SetupBalancer(*c, s.params);
        c->setFieldMode(s.frame.fieldMode);
    }
    if (s.roi) c->setRegion(s.frame.region);
    c->setInterrupt(s.frame.interrupt);
    return c;
}

template <class Img, class Mask, class Colour>
void oneAfterTheOther(const Scenario& s, Img& out, Img& src, Mask& mask) {
    colourStep<Colour>(s)->run(&src, &out);
    if (s.bits) {
        out.resetRegion();
        runMaskFixer(s.frame, out, src, s.bits);
    }
    if (s.paint) {
        out.resetRegion();
        out.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        runPaintCombiner(s.frame, out, src, mask);
    }
}

template <class Img, class Mask, class Colour>
bool together(const Scenario& s, Img& out, Img& src, Mask& mask) {
    auto c = colourStep<Colour>(s);
    const int32_t field = s.tone ? 0 : c->fieldMode();
    out.resetRegion();
    out.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
    return fnRunStepsTogether(s.frame, *c, field, out, src, mask, s.bits, s.paint);
}

template <class Img, class Mask, class Balancer, class Render>
void compareRandomFrames(int seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> side(1, 45), place(-12, 30), coin(0, 1), field(0, 2),
        bits(0, 15), tone(1, 3), bands(1, 3);
    std::uniform_real_distribution<double> hue(-360, 360), sat(0, 120), lum(-30, 30);
    for (int n = 0; n < 250; ++n) {
        ThreadCountGuard guard(bands(rng));
        Scenario s;
        const int w = side(rng), h = side(rng);
        Img out(w, h), src(side(rng), side(rng)), ref(w, h);
        Mask mask(side(rng), side(rng));
        fillBytes(out, rng);
        fillBytes(src, rng);
        fillBytes(mask, rng);
        std::memcpy(ref.pixels(), out.pixels(), bytes(out).size());
        const int sx = place(rng) / 3, sy = place(rng) / 3;
        src.setOffset(int32_t(sx), int32_t(sy));
        src.setDataOrigin(sx, sy);
        mask.setOffset(int32_t(place(rng) / 2), int32_t(place(rng) / 2));
        s.roi = coin(rng);
        const int x0 = place(rng), y0 = place(rng);
        s.frame.region =
            s.roi ? FnRect{.x0 = x0, .y0 = y0, .x1 = x0 + side(rng), .y1 = y0 + side(rng)}
                  : FnRect{.x0 = sx, .y0 = sy, .x1 = sx + w, .y1 = sy + h};
        s.frame.fieldMode = field(rng);
        s.tone = coin(rng) && coin(rng);
        s.paint = coin(rng);
        s.bits = bits(rng);
        if (!s.bits && !s.paint) s.bits = 1;
        s.params.masterHue = hue(rng);
        s.params.masterSaturation = sat(rng);
        s.params.lowHue = hue(rng);
        s.params.lowSaturation = sat(rng);
        s.params.masterLum = coin(rng) ? lum(rng) : 0;
        s.params.preserveLuminance = coin(rng);
        s.params.maskAlpha = coin(rng) ? 2 : 1;
        s.params.renderTone = s.tone ? tone(rng) : 0;
        // The effect's output and source lie at the same data origin as
        // their placement.
        out.setDataOrigin(0, 0);
        ref.setDataOrigin(0, 0);

        Img refSrc(src.width(), src.height());
        std::memcpy(refSrc.pixels(), src.pixels(), bytes(src).size());
        refSrc.setOffset(int32_t(sx), int32_t(sy));
        refSrc.setDataOrigin(sx, sy);
        if (s.tone)
            oneAfterTheOther<Img, Mask, Render>(s, ref, refSrc, mask);
        else
            oneAfterTheOther<Img, Mask, Balancer>(s, ref, refSrc, mask);
        const bool ran = s.tone ? together<Img, Mask, Render>(s, out, src, mask)
                                : together<Img, Mask, Balancer>(s, out, src, mask);
        ASSERT_TRUE(ran) << "scenario " << n;
        ASSERT_EQ(bytes(out), bytes(ref))
            << "scenario " << n << ": " << w << "x" << h << " source at " << sx << "," << sy
            << " roi " << s.roi << " field " << s.frame.fieldMode << " bits " << s.bits << " paint "
            << s.paint << " tone " << s.tone << ", " << threadCount() << " bands";
    }
}

}  // namespace

TEST(FrameSteps, TogetherGiveTheBytesOfOneAfterTheOther) {
    compareRandomFrames<FnImage8, FnMaskImage8, FnColBalancer8, FnToneRender8>(1);
    compareRandomFrames<FnImage16, FnMaskImage16, FnColBalancer16, FnToneRender16>(2);
    compareRandomFrames<FnImageF32, FnMaskImageF32, FnColBalancerF32, FnToneRenderF32>(3);
}

// A map that shares memory with the source, or with the mask, is left to
// the steps one after the other.
TEST(FrameSteps, SharedMemoryIsRefused) {
    FnImage8 img(8, 8), other(8, 8);
    FnMaskImage8 mask(8, 8);
    FnImage8 view;
    view.share(img);
    Scenario s;
    s.frame.region = FnRect{.x0 = 0, .y0 = 0, .x1 = 8, .y1 = 8};
    s.bits = 1;
    auto b = colourStep<FnColBalancer8>(s);
    EXPECT_FALSE(fnRunStepsTogether(s.frame, *b, 0, img, view, mask, 1u, false));
    FnMaskImage8 maskOnOutput;
    maskOnOutput.wrap(8, 8, other.pixels());
    EXPECT_FALSE(fnRunStepsTogether(s.frame, *b, 0, other, img, maskOnOutput, 0u, true));
    EXPECT_TRUE(fnRunStepsTogether(s.frame, *b, 0, other, img, mask, 1u, true));
}

// Stopped after some rows, a band leaves the rest as they were: the rows
// done have every step.
TEST(FrameSteps, InterruptionLeavesWholeRows) {
    ThreadCountGuard guard(1);
    const int w = 16, h = 20;
    FnImage8 src(w, h), out(w, h), full(w, h);
    FnMaskImage8 mask(w, h);
    std::mt19937 rng(5);
    fillBytes(src, rng);
    fillBytes(mask, rng);
    std::memset(out.pixels(), 0xEE, size_t(w) * h * 4);
    std::memset(full.pixels(), 0xEE, size_t(w) * h * 4);
    Scenario s;
    s.frame.region = FnRect{.x0 = 0, .y0 = 0, .x1 = w, .y1 = h};
    s.bits = 2;
    s.paint = true;
    s.params.masterSaturation = 50;
    ASSERT_TRUE((together<FnImage8, FnMaskImage8, FnColBalancer8>(s, full, src, mask)));

    static std::atomic<int> polls;
    polls = 0;
    FnInterruptState stop;
    stop.poll = [](void*, std::atomic<int32_t>*) -> int32_t { return ++polls > 5 ? 1 : 0; };
    s.frame.interrupt = &stop;
    ASSERT_TRUE((together<FnImage8, FnMaskImage8, FnColBalancer8>(s, out, src, mask)));
    int done = 0;
    while (done < h && std::memcmp(out.at(0, done), full.at(0, done), w * 4) == 0) ++done;
    EXPECT_EQ(done, 5);
    for (int y = done; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_EQ(out.at(x, y)->r, 0xEE) << x << "," << y;
}
