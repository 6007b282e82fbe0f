// The colour balancer: setup conversions, worked pixels, identity, the
// vector loops against the scalar loop, bands, fields, regions, edge runs
// and interruption.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "tests/engine/EngineTesting.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class Img>
void fillRandom(Img& img, std::mt19937& rng, int lo, int hi) {
    std::uniform_int_distribution<int> d(lo, hi);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            auto& p = *img.at(x, y);
            using E = std::remove_reference_t<decltype(p.r)>;
            p.r = E(d(rng));
            p.g = E(d(rng));
            p.b = E(d(rng));
            p.a = E(d(rng));
        }
}

template <class Img>
std::vector<typename Img::StorageColour> pixelsOf(const Img& img) {
    std::vector<typename Img::StorageColour> v;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) v.push_back(*img.at(x, y));
    return v;
}

template <class P>
bool samePixel(const P& a, const P& b) {
    return std::memcmp(&a, &b, sizeof(P)) == 0;
}

template <class P>
bool samePixels(const std::vector<P>& a, const std::vector<P>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(P)) == 0;
}

template <class B, class P>
P balanceOne(const FnBalanceParams& p, P in, FnBalancePath path = FnBalancePath::kAuto) {
    FnTexture<P, FnRGBAf> src(1, 1), dst(1, 1);
    *src.at(0, 0) = in;
    balance<B>(p, src, dst, path);
    return *dst.at(0, 0);
}

}  // namespace

TEST(HueSatShift, SectorsSumToZeroAndWrap) {
    const auto red = HueSatShift(0.0f, 1.0f);
    EXPECT_EQ(red, (std::array<float, 3>{1.0f, -0.5f, -0.5f}));
    EXPECT_EQ(HueSatShift(1.0f / 6.0f, 1.0f)[2], -2.0f);
    EXPECT_EQ(HueSatShift(1.0f, 1.0f), red);
    EXPECT_EQ(HueSatShift(-1.0f / 6.0f, 0.5f), HueSatShift(5.0f / 6.0f, 0.5f));
    // A tiny negative hue wraps to exactly one turn (sector 6): red.
    EXPECT_EQ(HueSatShift(-1e-9f, 1.0f), red);
    // Non-finite hue is hue 0; NaN saturation is 0.
    EXPECT_EQ(HueSatShift(std::nanf(""), 1.0f), red);
    EXPECT_EQ(HueSatShift(std::numeric_limits<float>::infinity(), 1.0f), red);
    EXPECT_EQ(HueSatShift(0.3f, std::nanf("")), (std::array<float, 3>{0.0f, 0.0f, 0.0f}));

    // Each sector: one channel is exactly minus the sum of the other two.
    for (int i = 0; i < 3600; ++i) {
        const auto c = HueSatShift(float(i) / 3600.0f - 0.5f, 1.7f);
        const bool zeroSum =
            c[2] == -(c[0] + c[1]) || c[0] == -(c[1] + c[2]) || c[1] == -(c[0] + c[2]);
        ASSERT_TRUE(zeroSum) << i;
        ASSERT_NEAR(double(c[0]) + c[1] + c[2], 0.0, 1e-6);
    }
}

TEST(ColBalancerSetup, ConversionsAndWorkedValues) {
    const FnRGBi m = fnHueSatShift(0.0, 100.0, 255.0f);
    EXPECT_EQ(m.r, 255);
    EXPECT_EQ(m.g, -127);
    EXPECT_EQ(m.b, -127);
    EXPECT_EQ(fnLuminanceOffset(10.0, 255.0f), 26);
    EXPECT_EQ(fnLuminanceOffset(-10.0, 255.0f), -25);
    EXPECT_EQ(fnLuminanceOffset(100.0, 16384.0f), 16384);

    auto same = [](const FnRGBi& a, const FnRGBi& b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    };
    EXPECT_TRUE(same(fnHueSatShift(720.0, 60.0, 255.0f), fnHueSatShift(0.0, 60.0, 255.0f)));
    EXPECT_TRUE(same(fnHueSatShift(-90.0, 60.0, 255.0f), fnHueSatShift(270.0, 60.0, 255.0f)));
    EXPECT_TRUE(same(fnHueSatShift(-60.0, 60.0, 255.0f), fnHueSatShift(300.0, 60.0, 255.0f)));
    EXPECT_TRUE(same(fnHueSatShift(33.0, -5.0, 255.0f), FnRGBi{}));

    FnBalanceParams p;
    p.lowlights = 40;
    p.highlights = 40;
    p.maskAlpha = 2;
    p.preserveLuminance = 0;
    auto b = std::make_unique<FnColBalancer8>();
    SetupBalancer(*b, p);
    EXPECT_EQ(b->reciprocal, 0.0f);
    EXPECT_EQ(b->flags, uint32_t(FnColBalancer8::kAlphaWeighted));

    // Non-finite and huge values: defined, saturated, never UB.
    EXPECT_TRUE(same(fnHueSatShift(kNan, kNan, 255.0f), FnRGBi{}));
    EXPECT_TRUE(same(fnHueSatShift(kInf, 50.0, 255.0f), fnHueSatShift(0.0, 50.0, 255.0f)));
    EXPECT_TRUE(same(fnHueSatShift(1e300, 50.0, 255.0f), fnHueSatShift(0.0, 50.0, 255.0f)));
    const FnRGBi huge = fnHueSatShift(0.0, 1e300, 16384.0f);
    EXPECT_EQ(huge.r, kFnShiftLimit);
    EXPECT_EQ(huge.g, -kFnShiftLimit);
    EXPECT_TRUE(same(fnHueSatShift(0.0, kInf, 16384.0f), huge));
    EXPECT_TRUE(same(fnHueSatShift(0.0, -kInf, 16384.0f), FnRGBi{}));
    EXPECT_EQ(fnLuminanceOffset(1e30, 255.0f), kFnShiftLimit);
    EXPECT_EQ(fnLuminanceOffset(-kInf, 16384.0f), -kFnShiftLimit);
    EXPECT_EQ(fnLuminanceOffset(kNan, 255.0f), 0);
    EXPECT_EQ(fnSaturateInt(1e300, 100), 100);
    EXPECT_EQ(fnSaturateInt(-2.9, 100), -2);
}

TEST(ColBalancer, WorkedPixels) {
    FnBalanceParams p;
    p.masterSaturation = 100;
    p.preserveLuminance = 0;
    FnRGBA8 out = balanceOne<FnColBalancer8>(p, px8(128, 128, 128, 77));
    EXPECT_TRUE(samePixel(out, px8(255, 1, 1, 77)));
    p.preserveLuminance = 1;
    out = balanceOne<FnColBalancer8>(p, px8(128, 128, 128, 77));
    EXPECT_TRUE(samePixel(out, px8(255, 64, 64, 77)));

    FnBalanceParams lum;
    lum.masterLum = 10;
    for (int pl : {0, 1}) {
        lum.preserveLuminance = pl;
        EXPECT_TRUE(
            samePixel(balanceOne<FnColBalancer8>(lum, px8(0, 0, 0, 9)), px8(26, 26, 26, 9)));
    }

    // Alpha-weighted: white (255, 16384) is full opacity, 0 and below the
    // source, in between a / white.
    FnBalanceParams a;
    a.masterSaturation = 100;
    a.maskAlpha = 2;
    for (int pl : {0, 1}) {
        a.preserveLuminance = pl;
        const FnRGBA16 res = balanceOne<FnColBalancer16>(a, px16(8192, 8192, 8192, 16384));
        EXPECT_NE(res.r, 8192);
        for (int alpha : {32767, 0, -4}) {
            const FnRGBA16 want =
                alpha > 0 ? px16(res.r, res.g, res.b, alpha) : px16(8192, 8192, 8192, alpha);
            EXPECT_TRUE(
                samePixel(balanceOne<FnColBalancer16>(a, px16(8192, 8192, 8192, alpha)), want));
        }
        const FnRGBA16 half = balanceOne<FnColBalancer16>(a, px16(8192, 8192, 8192, 8192));
        EXPECT_EQ(half.r, 8192 + (res.r - 8192) / 2);
        EXPECT_EQ(half.g, 8192 + (res.g - 8192) / 2);
        EXPECT_NE(balanceOne<FnColBalancer8>(a, px8(100, 100, 100, 255)).r, 100);
        EXPECT_TRUE(
            samePixel(balanceOne<FnColBalancer8>(a, px8(100, 100, 100, 0)), px8(100, 100, 100, 0)));
    }

    // 16-bit sub-black sums read the weights of key 0 (lowlight weight 1).
    FnBalanceParams low;
    low.lowLum = 10;
    low.preserveLuminance = 0;
    const FnRGBA16 sub = balanceOne<FnColBalancer16>(low, px16(2000, -3000, -3000));
    EXPECT_EQ(sub.r, 2000 + fnLuminanceOffset(10, 16384.0f));
    EXPECT_EQ(sub.g, 0);
}

TEST(ColBalancer, DefaultsAreIdentity) {
    std::mt19937 rng(3);
    FnImage8 s8(67, 9), d8(67, 9);
    fillRandom(s8, rng, 0, 255);
    FnImage16 s16(67, 9), d16(67, 9);
    fillRandom(s16, rng, -32768, 32767);  // sub-black and super-white included
    for (int pl : {0, 1})
        for (int alpha : {1, 2}) {
            FnBalanceParams p;
            p.preserveLuminance = pl;
            p.maskAlpha = alpha;
            balance<FnColBalancer8>(p, s8, d8);
            EXPECT_TRUE(samePixels(pixelsOf(s8), pixelsOf(d8)));
            balance<FnColBalancer16>(p, s16, d16);
            EXPECT_TRUE(samePixels(pixelsOf(s16), pixelsOf(d16)));
        }
    // NaN everywhere counts as the defaults.
    FnBalanceParams nan;
    nan.masterHue = nan.masterSaturation = nan.lowHue = nan.lowSaturation = kNan;
    nan.midHue = nan.midSaturation = nan.highHue = nan.highSaturation = kNan;
    nan.masterLum = nan.lowLum = nan.midLum = nan.highLum = kNan;
    nan.lowlights = nan.highlights = nan.lowlightsEase = nan.highlightsEase = kNan;
    balance<FnColBalancer16>(nan, s16, d16);
    EXPECT_TRUE(samePixels(pixelsOf(s16), pixelsOf(d16)));
}

// Every vector loop must give the scalar loop's bytes.
TEST(ColBalancer, VectorPathsMatchScalar) {
    std::vector<FnBalancePath> paths;
    for (FnBalancePath p : {FnBalancePath::kAvx2, FnBalancePath::kAvx512})
        if (fnBalancePathSupported(p)) paths.push_back(p);
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";

    std::mt19937 rng(12345);
    FnImage8 s8(203, 24), r8(203, 24), v8(203, 24);
    FnImage16 s16(203, 24), r16(203, 24), v16(203, 24);
    for (int set = 0; set < 400; ++set) {
        FnBalanceParams p = randomBalanceParams(rng);
        if (set % 10 == 9) {  // extreme offsets: means beyond the edges
            p.masterLum = set % 20 == 9 ? 1e30 : -500;
            p.highSaturation = 1e6;
        }
        fillRandom(s8, rng, 0, 255);
        if (set % 2)
            fillRandom(s16, rng, -32768, 32767);
        else
            fillRandom(s16, rng, -2000, 18000);
        balance<FnColBalancer8>(p, s8, r8, FnBalancePath::kScalar);
        balance<FnColBalancer16>(p, s16, r16, FnBalancePath::kScalar);
        for (FnBalancePath path : paths) {
            balance<FnColBalancer8>(p, s8, v8, path);
            ASSERT_TRUE(samePixels(pixelsOf(r8), pixelsOf(v8))) << "8-bit set " << set;
            balance<FnColBalancer16>(p, s16, v16, path);
            ASSERT_TRUE(samePixels(pixelsOf(r16), pixelsOf(v16))) << "16-bit set " << set;
        }
    }
}

// The vector loops evaluate the weights per lane (and build the tables that
// way); every entry of both table sizes must equal the scalar rebuild's,
// whatever the tone settings.
TEST(ColBalancer, VectorWeightsMatchTables) {
    std::vector<FnBalanceTablesFn> fns;
    for (FnBalancePath p : {FnBalancePath::kAvx2, FnBalancePath::kAvx512})
        if (FnBalanceTablesFn fn = fnBalanceTablesFunction(p)) fns.push_back(fn);
    if (fns.empty()) GTEST_SKIP() << "no vector path on this processor";
    auto b8 = std::make_unique<FnColBalancer8>();
    auto b16 = std::make_unique<FnColBalancer16>();
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> pct(0, 100);
    const double fixed[][4] = {{0, 100, 100, 100},  {40, 40, 30, 30},
                               {80, 20, 0, 100},    {50, 50.00001, 10, 90},
                               {0, 0.000001, 0, 0}, {100, 99.99999, 30, 70}};
    for (int set = 0; set < 40; ++set) {
        double v[4] = {pct(rng), pct(rng), pct(rng), pct(rng)};
        if (set < 6) std::copy(fixed[set], fixed[set] + 4, v);
        for (int bits : {8, 16}) {
            FnToneTransfer& t = bits == 8 ? static_cast<FnToneTransfer&>(*b8) : *b16;
            t.setToneSettings(v[0], v[1], v[2], v[3]);
            t.toneFlags |= FnToneTransfer::kDirty;
            const float* low = bits == 8 ? b8->lowlightTable : b16->lowlightTable;
            const float* mid = bits == 8 ? b8->midtoneTable : b16->midtoneTable;
            const float* high = bits == 8 ? b8->highlightTable : b16->highlightTable;
            if (bits == 8)
                b8->rebuildTables();  // the scalar build
            else
                b16->rebuildTables();
            const FnBalanceKernel k = bits == 8 ? b8->kernel() : b16->kernel();
            const int n = bits == 8 ? 768 : 98304;
            std::vector<float> l(n), m(n), h(n);
            for (FnBalanceTablesFn fn : fns) {
                fn(k, n, l.data(), m.data(), h.data());
                ASSERT_EQ(std::memcmp(l.data(), low, n * 4), 0) << set << " " << bits;
                ASSERT_EQ(std::memcmp(m.data(), mid, n * 4), 0) << set << " " << bits;
                ASSERT_EQ(std::memcmp(h.data(), high, n * 4), 0) << set << " " << bits;
            }
        }
    }
}

// Every 8-bit colour, with and without Preserve Luminance, alpha mixing on.
TEST(ColBalancer, VectorPathsMatchScalarOnEveryColour) {
    const FnBalancePath path =
        fnBalancePathSupported(FnBalancePath::kAvx512) ? FnBalancePath::kAvx512
        : fnBalancePathSupported(FnBalancePath::kAvx2) ? FnBalancePath::kAvx2
                                                       : FnBalancePath::kScalar;
    if (path == FnBalancePath::kScalar) GTEST_SKIP() << "no vector path on this processor";
    FnImage8 src(4096, 4096), ref(4096, 4096), vec(4096, 4096);
    for (int i = 0; i < (1 << 24); ++i) {
        FnRGBA8& q = *src.at(i & 4095, i >> 12);
        q = px8(i & 255, (i >> 8) & 255, i >> 16, (i * 7) & 255);
    }
    std::mt19937 rng(99);
    for (int pl : {0, 1}) {
        FnBalanceParams p = randomBalanceParams(rng);
        p.preserveLuminance = pl;
        p.maskAlpha = 2;
        p.masterLum = 7;
        balance<FnColBalancer8>(p, src, ref, FnBalancePath::kScalar);
        balance<FnColBalancer8>(p, src, vec, path);
        ASSERT_EQ(std::memcmp(ref.pixels(), vec.pixels(), size_t(4096) * 4096 * 4), 0) << pl;
    }
}

TEST(ColBalancer, BandsFieldsAndRegions) {
    ThreadCountGuard guard;
    std::mt19937 rng(5);
    FnBalanceParams p = randomBalanceParams(rng);
    p.masterSaturation = 80;
    FnImage16 src(53, 41), dst(53, 41);
    fillRandom(src, rng, -1000, 20000);
    std::vector<FnRGBA16> first;
    for (int threads : {1, 2, 7}) {
        fnSetThreadCountForTesting(threads);
        std::memset(dst.pixels(), 0, size_t(53) * 41 * 8);
        balance<FnColBalancer16>(p, src, dst);
        if (first.empty())
            first = pixelsOf(dst);
        else
            EXPECT_TRUE(samePixels(first, pixelsOf(dst))) << threads << " bands";
    }

    // Field mode 2: odd rows only; 1: even rows only.
    fnSetThreadCountForTesting(2);
    for (int mode : {1, 2}) {
        FnImage16 out(53, 41);
        std::memset(out.pixels(), 0x55, size_t(53) * 41 * 8);
        balance<FnColBalancer16>(p, src, out, FnBalancePath::kAuto, mode);
        for (int y = 0; y < 41; ++y) {
            const bool written = (y % 2 == 1) == (mode == 2);
            for (int x = 0; x < 53; ++x) {
                const FnRGBA16& o = *out.at(x, y);
                if (written)
                    ASSERT_TRUE(samePixel(o, first[size_t(y) * 53 + x])) << x << "," << y;
                else
                    ASSERT_EQ(o.r, 0x5555) << x << "," << y;
            }
        }
    }

    // A region (inclusive edges) is all that is written.
    FnImage8 s8(20, 10), d8(20, 10);
    fillRandom(s8, rng, 0, 255);
    std::memset(d8.pixels(), 0xAA, size_t(20) * 10 * 4);
    auto b = std::make_unique<FnColBalancer8>();
    SetupBalancer(*b, p);
    b->setRegion(3, 2, 11, 6);
    b->run(&s8, &d8);
    FnImage8 full(20, 10);
    balance<FnColBalancer8>(p, s8, full);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x <= 11 && y >= 2 && y <= 6;
            if (inside)
                ASSERT_TRUE(samePixel(*d8.at(x, y), *full.at(x, y)));
            else
                ASSERT_EQ(d8.at(x, y)->r, 0xAA);
        }
}

// Runs of the source outside its region (fill, clamp, mirror, repeat) give
// what the edge rule puts at each position, balanced.
TEST(ColBalancer, EdgeModeRuns) {
    std::mt19937 rng(8);
    FnBalanceParams p = randomBalanceParams(rng);
    p.masterSaturation = 60;
    FnImage8 src(23, 6);
    fillRandom(src, rng, 0, 255);
    src.setFillValue(px8(10, 200, 30, 40));
    src.setOffset(int32_t(17), int32_t(0));  // map columns 17..39 hold the source
    for (int mode : {kFnEdgeFill, kFnEdgeClamp, kFnEdgeMirror, kFnEdgeRepeat}) {
        src.setEdgeModes(mode, mode);
        FnImage8 dst(64, 6), expanded(64, 6), want(64, 6);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 64; ++x) {
                const int32_t i = src.axis(0).lookup(x), j = src.row(y);
                *expanded.at(x, y) = (i < 0 || j < 0) ? src.fillValue() : *src.stored(i, j);
            }
        balance<FnColBalancer8>(p, src, dst);
        balance<FnColBalancer8>(p, expanded, want);
        EXPECT_TRUE(samePixels(pixelsOf(dst), pixelsOf(want))) << "edge mode " << mode;
    }
}

namespace {
std::atomic<int> gPolls{0};
int32_t stopAfterThree(void*, std::atomic<int32_t>*) { return ++gPolls > 3 ? 1 : 0; }
}  // namespace

TEST(ColBalancer, InterruptionStopsBetweenRows) {
    ThreadCountGuard guard;
    fnSetThreadCountForTesting(1);
    FnBalanceParams p;
    p.masterLum = 50;
    FnImage8 src(8, 10), dst(8, 10);
    std::memset(src.pixels(), 0, size_t(8) * 10 * 4);
    std::memset(dst.pixels(), 0xEE, size_t(8) * 10 * 4);
    FnInterruptState stop;
    stop.poll = stopAfterThree;
    gPolls = 0;
    auto b = std::make_unique<FnColBalancer8>();
    SetupBalancer(*b, p);
    b->setInterrupt(&stop);
    b->run(&src, &dst);
    // The written rows are a prefix of the band; the rest stay as they were.
    int written = 0;
    while (written < 10 && dst.at(0, written)->r == 128) ++written;
    EXPECT_GT(written, 0);
    EXPECT_LT(written, 3);
    for (int y = written; y < 10; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(dst.at(x, y)->r, 0xEE) << x << "," << y;
    EXPECT_NE(stop.stopped.load(), 0);
}

TEST(ColBalancer, HugeSettingsStayInRange) {
    std::mt19937 rng(21);
    FnImage16 src(40, 4), dst(40, 4);
    fillRandom(src, rng, -32768, 32767);
    const double values[] = {1e300, -1e300, kInf, -kInf, 1e30, -1e30};
    for (double v : values)
        for (int pl : {0, 1}) {
            FnBalanceParams p;
            p.masterSaturation = v;
            p.lowSaturation = v;
            p.masterLum = v;
            p.highLum = -v;
            p.midHue = v;
            p.preserveLuminance = pl;
            balance<FnColBalancer16>(p, src, dst);
            for (const FnRGBA16& o : pixelsOf(dst)) {
                ASSERT_GE(o.r, 0);
                ASSERT_GE(o.g, 0);
                ASSERT_GE(o.b, 0);
            }
        }
    // Shifts written straight into the fields are saturated too.
    auto b = std::make_unique<FnColBalancer16>();
    b->masterShift.r = std::numeric_limits<int>::max();
    b->lowShift.g = std::numeric_limits<int>::min();
    b->masterLum = std::numeric_limits<int>::max();
    b->flags = 0;
    b->run(&src, &dst);
    EXPECT_EQ(dst.at(0, 0)->r, 32767);
}
