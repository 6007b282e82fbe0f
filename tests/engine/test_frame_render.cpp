// The host-neutral frame entry point: the format dispatch, what a frame
// reports, which steps and regions the options choose, and the same bytes
// from images whose rows are padded or run upwards in memory as from
// packed ones.  (tests/effect compares it with the module's render path.)
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <type_traits>
#include <vector>

#include "engine/FnFrameRender.h"
#include "tests/engine/EngineTesting.h"

namespace {

template <class Img>
void fillBytes(Img& img, std::mt19937& rng) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            for (int c = 0; c < Img::StorageColour::kChannels; ++c) {
                auto& v = fnChannel(*img.at(x, y), c);
                using E = std::remove_reference_t<decltype(v)>;
                if constexpr (std::is_floating_point_v<E>)
                    v = E(std::uniform_real_distribution<float>(-0.25f, 1.5f)(rng));
                else
                    v = E(rng());
            }
}

template <class Img>
std::vector<unsigned char> rowsOf(const Img& img) {
    std::vector<unsigned char> v;
    for (int y = 0; y < img.height(); ++y) {
        const auto* p = reinterpret_cast<const unsigned char*>(img.at(0, y));
        v.insert(v.end(), p, p + size_t(img.width()) * Img::kPixelSize);
    }
    return v;
}

// A copy of `img` in memory whose rows lie `pad` pixels' bytes further
// apart than packed rows, bottom row first when `up`.
template <class Img>
struct Strided {
    std::vector<typename Img::StorageColour> memory;
    Img view;
    Strided(const Img& img, int pad, bool up) {
        const int w = img.width(), h = img.height(), pitch = w + pad;
        memory.resize(size_t(pitch) * h);
        const ptrdiff_t rowBytes = ptrdiff_t(pitch) * Img::kPixelSize;
        auto* top = memory.data() + (up ? size_t(pitch) * (h - 1) : 0);
        EXPECT_TRUE(view.wrap(w, h, top, up ? -rowBytes : rowBytes));
        for (int y = 0; y < h; ++y)
            std::memcpy(view.at(0, y), img.at(0, y), size_t(w) * Img::kPixelSize);
    }
};

}  // namespace

TEST(StorageTraits, DispatchCallsTheFormatsInstantiationOnce) {
    for (FnStorageFormat f : {FnStorageFormat::k8, FnStorageFormat::k16, FnStorageFormat::kF32}) {
        int calls = 0;
        const size_t size = fnDispatchFormat(f, [&]<class Traits>() {
            ++calls;
            EXPECT_EQ(Traits::kFormat, f);
            return sizeof(typename Traits::Pixel);
        });
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(size, f == FnStorageFormat::k8 ? 4u : (f == FnStorageFormat::k16 ? 8u : 16u));
    }
    // A value that names no format calls nothing.
    int calls = 0;
    EXPECT_EQ(fnDispatchFormat(FnStorageFormat(7),
                               [&]<class>() {
                                   ++calls;
                                   return 1;
                               }),
              0);
    fnDispatchFormat(FnStorageFormat(-1), [&]<class>() { ++calls; });
    EXPECT_EQ(calls, 0);
    static_assert(std::is_same_v<FnStorageOf<FnRGBA16>, FnStorage16>);
    static_assert(std::is_same_v<FnColBalancerF32::Traits, FnStorageF32>);
}

TEST(FrameRender, ReportsWhatTheColourStepLeft) {
    FnImage8 src(6, 4), out(6, 4);
    FnMaskImage8 mask;
    std::mt19937 rng(1);
    fillBytes(src, rng);
    const FnFrameContext frame{.region = {.x0 = 0, .y0 = 0, .x1 = 6, .y1 = 4}};
    FnBalanceParams p;
    p.masterSaturation = 40;
    p.maskAlpha = 2;

    FnImage8 none;
    EXPECT_EQ(fnRenderFrame(p, frame, {}, none, src, mask).status, FnFrameStatus::kNoOutput);

    FnFrameResult r = fnRenderFrame(p, frame, {}, out, src, mask);
    EXPECT_EQ(r.status, FnFrameStatus::kRendered);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.alphaWeighted);
    EXPECT_FALSE(r.alphaRestore);

    // The matte writes white alpha; with the alpha switch off the
    // channel-mask step puts the source's back, unless the step is off.
    p.renderTone = 3;
    p.maskAlpha = 0;
    for (bool channelMask : {true, false}) {
        r = fnRenderFrame(p, frame, {.channelMask = channelMask}, out, src, mask);
        EXPECT_TRUE(r.alphaRestore);
        EXPECT_FALSE(r.alphaWeighted);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_EQ(out.at(x, y)->a, channelMask ? src.at(x, y)->a : 255) << x << "," << y;
    }
}

// Without a region of interest the colour step covers the whole output,
// the other steps the frame's region; with one, every step the region.
TEST(FrameRender, ColourStepRegion) {
    FnImage16 src(8, 6), out(8, 6);
    FnMaskImage16 mask;
    std::mt19937 rng(2);
    fillBytes(src, rng);
    FnBalanceParams p;
    p.masterLum = 30;
    p.maskGreen = 0;
    const FnFrameContext frame{.region = {.x0 = 2, .y0 = 1, .x1 = 5, .y1 = 4}};
    FnImage16 balanced(8, 6);
    balance<FnColBalancer16>(p, src, balanced);
    for (bool inRegion : {true, false}) {
        std::memset(out.pixels(), 0x5a, size_t(8) * 6 * 8);
        fnRenderFrame(p, frame, {.colourInRegion = inRegion}, out, src, mask);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool inside = x >= 2 && x < 5 && y >= 1 && y < 4;
                FnRGBA16 want = *balanced.at(x, y);
                if (inside) want.g = src.at(x, y)->g;  // green switched off
                if (!inside && inRegion) want = px16(0x5a5a, 0x5a5a, 0x5a5a, 0x5a5a);
                ASSERT_EQ(std::memcmp(out.at(x, y), &want, 8), 0) << x << "," << y;
            }
    }
}

// Every format, every step, from packed rows and from padded rows in both
// directions: the same bytes.
TEST(FrameRender, StridedImagesGiveTheBytesOfPackedOnes) {
    std::mt19937 rng(3);
    auto check = [&]<class Traits>() {
        using Img = typename Traits::Image;
        using Mask = typename Traits::MaskImage;
        const int w = 37, h = 11;
        for (int n = 0; n < 6; ++n) {
            Img src(w, h), out(w, h);
            Mask mask(w, h);
            fillBytes(src, rng);
            fillBytes(out, rng);
            fillBytes(mask, rng);
            FnBalanceParams p = randomBalanceParams(rng, 120, 30);
            p.renderTone = n % 3 == 2 ? 2 : 0;
            p.maskRed = n % 2;
            p.maskAlpha = n % 4 == 3 ? 0 : p.maskAlpha;
            const FnFrameContext frame{.region = {.x0 = 3, .y0 = 1, .x1 = w - 2, .y1 = h},
                                       .fieldMode = n % 3};
            const FnFrameOptions options{.paint = n % 2 == 0, .colourInRegion = n < 3};
            Strided<Img> s(src, 3, n % 2 == 1), o(out, 5, n % 2 == 0);
            Strided<Mask> m(mask, 1, n % 3 == 0);
            ASSERT_TRUE(fnRenderFrame(p, frame, options, out, src, mask).ok());
            ASSERT_TRUE(fnRenderFrame(p, frame, options, o.view, s.view, m.view).ok());
            ASSERT_EQ(rowsOf(out), rowsOf(o.view)) << "format " << int(Traits::kFormat) << " " << n;
            ASSERT_EQ(rowsOf(src), rowsOf(s.view));
        }
    };
    check.template operator()<FnStorage8>();
    check.template operator()<FnStorage16>();
    check.template operator()<FnStorageF32>();
}
