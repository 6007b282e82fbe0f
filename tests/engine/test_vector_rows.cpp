// The vector rows added for speed against their scalar references: the tone
// matte (every 8-bit key and 16-bit mean, random float colours with the
// tricky values), the paint combiner (every 8-bit source, result and mask
// triple; wide samples for 16-bit and float), the channel-mask step's
// partial copies, and streaming stores against plain ones at every row
// alignment.  Each vector path this processor has is checked.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "engine/FnColBalancer.h"
#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "engine/FnToneRender.h"

namespace {

std::vector<FnBalancePath> vectorPaths() {
    std::vector<FnBalancePath> paths;
    for (FnBalancePath p : {FnBalancePath::kAvx2, FnBalancePath::kAvx512})
        if (fnBalancePathSupported(p)) paths.push_back(p);
    return paths;
}

template <class Img>
bool sameBytes(const Img& a, const Img& b) {
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.at(0, y), b.at(0, y), size_t(a.width()) * Img::kPixelSize) != 0)
            return false;
    return true;
}

const std::vector<float>& trickyFloats() {
    static const std::vector<float> v = {0.0f,
                                         -0.0f,
                                         1.0f,
                                         -1.0f,
                                         1e-40f,
                                         -1e-40f,
                                         1e30f,
                                         -1e30f,
                                         std::numeric_limits<float>::max(),
                                         std::numeric_limits<float>::infinity(),
                                         -std::numeric_limits<float>::infinity(),
                                         std::bit_cast<float>(0x7fc0beefu),
                                         std::bit_cast<float>(0xffa00001u)};
    return v;
}

template <class Img>
void fillFloats(Img& img, std::mt19937& rng) {
    std::uniform_real_distribution<float> wide(-0.5f, 2.5f);
    std::uniform_int_distribution<int> often(0, 7), pick(0, int(trickyFloats().size()) - 1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            for (int c = 0; c < 4; ++c)
                fnChannel(*img.at(x, y), c) =
                    often(rng) == 0 ? trickyFloats()[size_t(pick(rng))] : wide(rng);
}

FnBalanceParams toneParams(std::mt19937& rng, int renderTone) {
    std::uniform_real_distribution<double> pct(0, 100);
    FnBalanceParams p;
    p.lowlights = pct(rng);
    p.highlights = pct(rng);
    p.lowlightsEase = pct(rng);
    p.highlightsEase = pct(rng);
    p.renderTone = renderTone;
    return p;
}

template <class Render, class Img>
void matte(const FnBalanceParams& p, Img& src, Img& dst, FnBalancePath path,
           FnStoreMode store = FnStoreMode::kAuto, Render* keep = nullptr) {
    auto t = std::make_unique<Render>();
    setupToneRender(*t, p);
    t->setRowPath(path);
    t->setStoreMode(store);
    t->run(&src, &dst);
    if constexpr (requires { t->matte; })
        if (keep) std::memcpy(keep->matte, t->matte, sizeof(t->matte));
}

}  // namespace

// The 8-bit matte keys by the mean of the three channels, so every sum
// 0..765 in a frame of every colour, and the table the vector rows build.
TEST(VectorRows, EightBitMatteOnEveryColour) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    FnImage8 src(4096, 4096), ref(4096, 4096), vec(4096, 4096);
    for (int i = 0; i < (1 << 24); ++i)
        *src.at(i & 4095, i >> 12) = {{uint8_t(i), uint8_t(i >> 8), uint8_t(i >> 16), uint8_t(i)}};
    std::mt19937 rng(3);
    auto refTable = std::make_unique<FnToneRender8>(), vecTable = std::make_unique<FnToneRender8>();
    for (int tone = 1; tone <= 3; ++tone) {
        const FnBalanceParams p = toneParams(rng, tone);
        matte<FnToneRender8>(p, src, ref, FnBalancePath::kScalar, FnStoreMode::kAuto,
                             refTable.get());
        for (FnBalancePath path : paths) {
            matte<FnToneRender8>(p, src, vec, path, FnStoreMode::kAuto, vecTable.get());
            ASSERT_TRUE(sameBytes(ref, vec)) << "tone " << tone << " path " << int(path);
            ASSERT_EQ(std::memcmp(refTable->matte, vecTable->matte, sizeof(refTable->matte)), 0);
        }
    }
}

// 16-bit: the table entry of every mean 0..32767 (the vector rows build the
// table from greys), random colours across the whole signed range, and
// every tone on extreme settings.
TEST(VectorRows, SixteenBitMatteOnEveryMean) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    const int w = 1021, h = 96;
    FnImage16 src(w, h), ref(w, h), vec(w, h);
    std::mt19937 rng(16);
    std::uniform_int_distribution<int> any(-32768, 32767);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *src.at(x, y) = {{short(any(rng)), short(any(rng)), short(any(rng)), 0}};
    auto refTable = std::make_unique<FnToneRender16>(),
         vecTable = std::make_unique<FnToneRender16>();
    for (int set = 0; set < 12; ++set) {
        FnBalanceParams p = toneParams(rng, 1 + set % 3);
        if (set >= 9) {  // edges of the settings: no span, sharpest and softest eases
            p.lowlights = p.highlights = 50;
            p.lowlightsEase = set == 9 ? 0 : 100;
            p.highlightsEase = set == 10 ? 0 : 100;
        }
        matte<FnToneRender16>(p, src, ref, FnBalancePath::kScalar, FnStoreMode::kAuto,
                              refTable.get());
        for (FnBalancePath path : paths) {
            matte<FnToneRender16>(p, src, vec, path, FnStoreMode::kAuto, vecTable.get());
            ASSERT_TRUE(sameBytes(ref, vec)) << "set " << set << " path " << int(path);
            ASSERT_EQ(std::memcmp(refTable->matte, vecTable->matte, sizeof(refTable->matte)), 0)
                << "set " << set;
        }
    }
}

TEST(VectorRows, FloatMatteKeepsTheScalarBits) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    const int w = 517, h = 40;
    FnImageF32 src(w, h), ref(w, h), vec(w, h);
    std::mt19937 rng(32);
    for (int set = 0; set < 30; ++set) {
        fillFloats(src, rng);
        const FnBalanceParams p = toneParams(rng, 1 + set % 3);
        matte<FnToneRenderF32>(p, src, ref, FnBalancePath::kScalar);
        for (FnBalancePath path : paths) {
            matte<FnToneRenderF32>(p, src, vec, path,
                                   set % 2 ? FnStoreMode::kStreaming : FnStoreMode::kCached);
            ASSERT_TRUE(sameBytes(ref, vec)) << "set " << set << " path " << int(path);
        }
    }
}

namespace {

// runPaintCombiner with a chosen row path.
template <class Img, class Mask>
void combine(Img& out, const Img& source, Mask& mask, FnBalancePath path) {
    Img view;
    view.share(source);
    view.resetRegion();
    view.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
    FnDsPaintCombiner<typename Img::StorageColour, FnRGBAf, typename Mask::StorageColour, FnChanf>
        c;
    c.setRegion(FnRect{.x0 = 0, .y0 = 0, .x1 = out.width(), .y1 = out.height()});
    c.setRowPath(path);
    c.process(view, mask, &out);
}

}  // namespace

// Every (source, result, mask) triple of 8-bit components: pixel x of row y
// holds sources 4x..4x+3 of a pair table against mask y.
TEST(VectorRows, EightBitCombinerOnEveryTriple) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    const int w = 65536 / 4, h = 256;
    FnImage8 src(w, h), res(w, h), ref(w, h), vec(w, h);
    FnMaskImage8 mask(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            FnRGBA8& s = *src.at(x, y);
            FnRGBA8& d = *res.at(x, y);
            for (int c = 0; c < 4; ++c) {
                const int pair = 4 * x + c;  // source high byte, result low byte
                fnChannel(s, c) = uint8_t(pair >> 8);
                fnChannel(d, c) = uint8_t(pair);
            }
            mask.at(x, y)->v = uint8_t(y);
        }
    std::memcpy(ref.pixels(), res.pixels(), size_t(w) * h * 4);
    combine(ref, src, mask, FnBalancePath::kScalar);
    for (FnBalancePath path : paths) {
        std::memcpy(vec.pixels(), res.pixels(), size_t(w) * h * 4);
        combine(vec, src, mask, path);
        ASSERT_TRUE(sameBytes(ref, vec)) << "path " << int(path);
    }
}

TEST(VectorRows, SixteenBitAndFloatCombiner) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    std::mt19937 rng(44);
    const int w = 1003, h = 64;
    {
        FnImage16 src(w, h), res(w, h), ref(w, h), vec(w, h);
        FnMaskImage16 mask(w, h);
        const short edges[] = {-32768, -32767, -1, 0, 1, 16383, 16384, 32766, 32767};
        std::uniform_int_distribution<int> any(-32768, 32767), often(0, 3), edge(0, 8);
        auto value = [&] { return short(often(rng) == 0 ? edges[edge(rng)] : any(rng)); };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                for (int c = 0; c < 4; ++c) {
                    fnChannel(*src.at(x, y), c) = value();
                    fnChannel(*res.at(x, y), c) = value();
                }
                // Rows of solid masks too, for the blocks that skip the blend.
                mask.at(x, y)->v = y % 8 == 0 ? short(32767) : (y % 8 == 1 ? short(0) : value());
            }
        std::memcpy(ref.pixels(), res.pixels(), size_t(w) * h * 8);
        combine(ref, src, mask, FnBalancePath::kScalar);
        for (FnBalancePath path : paths) {
            std::memcpy(vec.pixels(), res.pixels(), size_t(w) * h * 8);
            combine(vec, src, mask, path);
            ASSERT_TRUE(sameBytes(ref, vec)) << "16-bit path " << int(path);
        }
    }
    {
        FnImageF32 src(w, h), res(w, h), ref(w, h), vec(w, h);
        FnMaskImageF32 mask(w, h);
        fillFloats(src, rng);
        fillFloats(res, rng);
        std::uniform_real_distribution<float> m(-0.25f, 1.25f);
        std::uniform_int_distribution<int> often(0, 7), pick(0, int(trickyFloats().size()) - 1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // Equal ends keep their bits, infinities included.
                if (x % 13 == 0) *res.at(x, y) = *src.at(x, y);
                mask.at(x, y)->v = y % 8 == 0        ? 1.0f
                                   : y % 8 == 1      ? 0.0f
                                   : often(rng) == 0 ? trickyFloats()[size_t(pick(rng))]
                                                     : m(rng);
            }
        std::memcpy(ref.pixels(), res.pixels(), size_t(w) * h * 16);
        combine(ref, src, mask, FnBalancePath::kScalar);
        for (FnBalancePath path : paths) {
            std::memcpy(vec.pixels(), res.pixels(), size_t(w) * h * 16);
            combine(vec, src, mask, path);
            ASSERT_TRUE(sameBytes(ref, vec)) << "float path " << int(path);
        }
    }
}

// The partial copies move whole words with a select; every partial mask on
// every format against the component-by-component rule.
TEST(VectorRows, PartialChannelCopiesOnEveryFormat) {
    std::mt19937 rng(9);
    auto check = [&](auto& out, auto& src) {
        using Img = std::remove_reference_t<decltype(out)>;
        const int w = out.width(), h = out.height();
        Img before(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c) {
                    std::memset(&fnChannel(*src.at(x, y), c), int(rng() & 0xff),
                                sizeof(fnChannel(*src.at(x, y), c)));
                    std::memset(&fnChannel(*before.at(x, y), c), int(rng() & 0xff),
                                sizeof(fnChannel(*src.at(x, y), c)));
                }
        for (uint32_t bits = 1; bits < 15; ++bits) {
            std::memcpy(out.pixels(), before.pixels(), size_t(w) * h * Img::kPixelSize);
            FnFrameContext ctx;
            ctx.region = FnRect{.x0 = 1, .y0 = 0, .x1 = w - 2, .y1 = h};
            runMaskFixer(ctx, out, src, bits);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < 4; ++c) {
                        const bool in = x >= 1 && x < w - 2 && ((bits >> c) & 1u);
                        const auto& want = fnChannel(*(in ? src : before).at(x, y), c);
                        ASSERT_EQ(std::memcmp(&fnChannel(*out.at(x, y), c), &want, sizeof(want)), 0)
                            << "bits " << bits << " at " << x << "," << y << " component " << c;
                    }
        }
    };
    FnImage8 o8(67, 5), s8(67, 5);
    check(o8, s8);
    FnImage16 o16(67, 5), s16(67, 5);
    check(o16, s16);
    FnImageF32 oF(67, 5), sF(67, 5);
    check(oF, sF);
}

// Streaming stores write the bytes plain stores write: balancer, matte and
// copy, with regions whose rows start at every alignment.
TEST(VectorRows, StreamingStoresWriteTheSameBytes) {
    const auto paths = vectorPaths();
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> byte(0, 255), any(-32768, 32767);
    std::uniform_real_distribution<double> hue(-360, 360), sat(0, 150);
    const int w = 211, h = 24;
    FnImage8 s8(w, h), a8(w, h), b8(w, h);
    FnImage16 s16(w, h), a16(w, h), b16(w, h);
    FnImageF32 sF(w, h), aF(w, h), bF(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) {
                fnChannel(*s8.at(x, y), c) = uint8_t(byte(rng));
                fnChannel(*s16.at(x, y), c) = short(any(rng));
            }
    fillFloats(sF, rng);
    for (int x0 = 0; x0 < 17; ++x0) {
        FnBalanceParams p;
        p.masterHue = hue(rng);
        p.masterSaturation = sat(rng);
        p.highHue = hue(rng);
        p.highSaturation = sat(rng);
        p.masterLum = x0 % 3 == 0 ? 0 : 7;
        p.preserveLuminance = x0 % 2;
        p.maskAlpha = x0 % 4 == 3 ? 2 : 1;
        const FnRect region{.x0 = x0, .y0 = 1, .x1 = w - x0 / 2, .y1 = h - 1};
        auto runAll = [&](auto& b, auto& src, auto& dst, FnStoreMode mode, FnBalancePath path) {
            SetupBalancer(b, p);
            b.setBalancePath(path);
            b.setStoreMode(mode);
            b.setRegion(region);
            b.run(&src, &dst);
        };
        for (FnBalancePath path : paths) {
            for (auto* img : {&a8, &b8}) std::memset(img->pixels(), 0, size_t(w) * h * 4);
            runAll(*std::make_unique<FnColBalancer8>(), s8, a8, FnStoreMode::kCached, path);
            runAll(*std::make_unique<FnColBalancer8>(), s8, b8, FnStoreMode::kStreaming, path);
            ASSERT_TRUE(sameBytes(a8, b8)) << "8-bit x0 " << x0;
            for (auto* img : {&a16, &b16}) std::memset(img->pixels(), 0, size_t(w) * h * 8);
            runAll(*std::make_unique<FnColBalancer16>(), s16, a16, FnStoreMode::kCached, path);
            runAll(*std::make_unique<FnColBalancer16>(), s16, b16, FnStoreMode::kStreaming, path);
            ASSERT_TRUE(sameBytes(a16, b16)) << "16-bit x0 " << x0;
            for (auto* img : {&aF, &bF}) std::memset(img->pixels(), 0, size_t(w) * h * 16);
            runAll(*std::make_unique<FnColBalancerF32>(), sF, aF, FnStoreMode::kCached, path);
            runAll(*std::make_unique<FnColBalancerF32>(), sF, bF, FnStoreMode::kStreaming, path);
            ASSERT_TRUE(sameBytes(aF, bF)) << "float x0 " << x0;

            // Identity settings stream a copy.
            runAll(*std::make_unique<FnColBalancer8>(), s8, a8, FnStoreMode::kCached, path);
            auto copy = std::make_unique<FnColBalancer8>();
            copy->setStoreMode(FnStoreMode::kStreaming);
            copy->setBalancePath(path);
            copy->setRegion(region);
            std::memcpy(b8.pixels(), a8.pixels(), size_t(w) * h * 4);
            copy->run(&s8, &b8);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool in =
                        x >= region.x0 && x < region.x1 && y >= region.y0 && y < region.y1;
                    ASSERT_EQ(std::memcmp(b8.at(x, y), (in ? s8 : a8).at(x, y), 4), 0);
                }

            FnBalanceParams m = toneParams(rng, 1 + x0 % 3);
            matte<FnToneRender16>(m, s16, a16, path, FnStoreMode::kCached);
            matte<FnToneRender16>(m, s16, b16, path, FnStoreMode::kStreaming);
            ASSERT_TRUE(sameBytes(a16, b16)) << "16-bit matte x0 " << x0;
        }
        // The copy sampler's whole-pixel runs.
        FnDsMaskFixer<FnRGBA8, FnRGBAf> fixer;
        fixer.setStoreMode(FnStoreMode::kStreaming);
        fixer.setRegion(region);
        std::memset(a8.pixels(), 0x5a, size_t(w) * h * 4);
        fixer.process(s8, &a8);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool in = x >= region.x0 && x < region.x1 && y >= region.y0 && y < region.y1;
                ASSERT_EQ(std::memcmp(a8.at(x, y), in ? (const void*)s8.at(x, y) : "ZZZZ", 4), 0)
                    << x << "," << y;
            }
    }
}
