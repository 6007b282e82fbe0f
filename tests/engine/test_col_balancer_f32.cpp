// The float colour balancer: defaults keep every bit, worked values above
// white and below black, NaN and infinities in every channel, agreement
// with the 16-bit balancer on its grid, and the vector loops against the
// scalar loop.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "tests/engine/EngineTesting.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// What a colour library tries: zeros of both signs, denormals, white, huge
// and negative values, NaNs with payloads (quiet and signalling), infinities.
const std::vector<float>& trickyValues() {
    static const std::vector<float> v = {0.0f,
                                         -0.0f,
                                         std::bit_cast<float>(1u),  // smallest denormal
                                         1e-40f,
                                         -1e-40f,
                                         1.0f,
                                         0.5f,
                                         10.0f,
                                         1e6f,
                                         -1.0f,
                                         -1e6f,
                                         3e38f,
                                         -3e38f,
                                         std::bit_cast<float>(0xffc12345u),  // quiet NaN
                                         std::bit_cast<float>(0x7fa00001u),  // signalling NaN
                                         kInf,
                                         -kInf};
    return v;
}

std::vector<FnRGBAF32> pixelsOf(const FnImageF32& img) {
    std::vector<FnRGBAF32> v;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) v.push_back(*img.at(x, y));
    return v;
}

bool sameBits(const FnRGBAF32& a, const FnRGBAF32& b) { return std::memcmp(&a, &b, 16) == 0; }
bool sameBits(const FnImageF32& a, const FnImageF32& b) {
    const auto pa = pixelsOf(a), pb = pixelsOf(b);
    return pa.size() == pb.size() && std::memcmp(pa.data(), pb.data(), pa.size() * 16) == 0;
}

FnRGBAF32 balanceOne(const FnBalanceParams& p, FnRGBAF32 in,
                     FnBalancePath path = FnBalancePath::kScalar) {
    FnImageF32 src(1, 1), dst(1, 1);
    *src.at(0, 0) = in;
    balance<FnColBalancerF32>(p, src, dst, path);
    return *dst.at(0, 0);
}

}  // namespace

TEST(ColBalancerF32, DefaultsKeepEveryBit) {
    const auto& t = trickyValues();
    const int n = int(t.size());
    FnImageF32 src(n * n, 4), dst(n * n, 4);
    // Every pair of tricky values meets in every channel and in alpha.
    for (int y = 0; y < 4; ++y)
        for (int i = 0; i < n * n; ++i) {
            float c[4] = {0.25f, 0.5f, 0.75f, 1.0f};
            c[y] = t[size_t(i / n)];
            c[(y + 1) % 4] = t[size_t(i % n)];
            *src.at(i, y) = pxf(c[0], c[1], c[2], c[3]);
        }
    for (FnBalancePath path : {FnBalancePath::kScalar, FnBalancePath::kAuto})
        for (int pl : {0, 1})
            for (int alpha : {1, 2}) {
                FnBalanceParams p;
                p.preserveLuminance = pl;
                p.maskAlpha = alpha;
                std::memset(dst.pixels(), 0x5A, size_t(n) * n * 4 * 16);
                balance<FnColBalancerF32>(p, src, dst, path);
                EXPECT_TRUE(sameBits(src, dst)) << "preserve " << pl << " alpha " << alpha;
            }
}

TEST(ColBalancerF32, WorkedValuesBeyondWhiteAndBlack) {
    // The reported pixel: highlights far above white and a negative channel.
    FnBalanceParams lum;
    lum.preserveLuminance = 0;
    lum.masterLum = 10;
    const FnRGBAF32 hot = pxf(10.0f, 0.5f, -0.25f, 0.75f);
    EXPECT_TRUE(
        sameBits(balanceOne(lum, hot), pxf(10.0f + 0.1f, 0.5f + 0.1f, -0.25f + 0.1f, 0.75f)));

    // Master hue 0, saturation 100 on mid grey shifts by (1, -0.5, -0.5):
    // nothing is clamped, with or without Preserve Luminance (no channel
    // falls below 0).
    FnBalanceParams red;
    red.masterSaturation = 100;
    for (int pl : {0, 1}) {
        red.preserveLuminance = pl;
        EXPECT_TRUE(sameBits(balanceOne(red, pxf(0.5f, 0.5f, 0.5f)), pxf(1.5f, 0.0f, 0.0f)));
    }
    // Below black: without Preserve Luminance the channels stay negative;
    // with it they are pulled to the mean 0.25 by k = 0.25 / 0.5.
    red.preserveLuminance = 0;
    EXPECT_TRUE(sameBits(balanceOne(red, pxf(0.25f, 0.25f, 0.25f)), pxf(1.25f, -0.25f, -0.25f)));
    red.preserveLuminance = 1;
    EXPECT_TRUE(sameBits(balanceOne(red, pxf(0.25f, 0.25f, 0.25f)), pxf(0.75f, 0.0f, 0.0f)));
    // A mean at or below 0 gives black; a luminance offset after the clamp
    // stops at 0 but has no upper limit.
    EXPECT_TRUE(sameBits(balanceOne(red, pxf(-0.5f, -0.25f, 0.0f)), pxf(0.0f, 0.0f, 0.0f)));
    red.masterLum = -10;
    EXPECT_TRUE(sameBits(balanceOne(red, pxf(4.0f, 0.5f, 0.5f)), pxf(5.0f + -0.1f, 0.0f, 0.0f)));

    // Keys above white weigh as white (whose highlight weight is fractional
    // at Highlights 100: white stands near 0.5 on the tone axis, as in
    // 16-bit storage), keys below black as black.
    FnBalanceParams high;
    high.preserveLuminance = 0;
    high.highLum = 20;
    auto tone = std::make_unique<FnColBalancerF32>();
    SetupBalancer(*tone, high);
    EXPECT_EQ(fnTonePositionF32(3.0f), 49152.0f / 98303.0f);
    EXPECT_EQ(fnTonePositionF32(kInf), fnTonePositionF32(3.0f));
    const float wH = tone->highlightWeight(fnTonePositionF32(3.0f));
    EXPECT_GT(wH, 0.1f);
    EXPECT_LT(wH, 0.9f);
    for (float v : {1.0f, 5.0f, 1e6f})
        EXPECT_TRUE(sameBits(balanceOne(high, pxf(v, v, v)),
                             pxf(v + wH * 0.2f, v + wH * 0.2f, v + wH * 0.2f)))
            << v;
    FnBalanceParams low;
    low.preserveLuminance = 0;
    low.lowLum = 20;
    EXPECT_TRUE(sameBits(balanceOne(low, pxf(-3.0f, 1.0f, 0.5f)),
                         pxf(-3.0f + 0.2f, 1.0f + 0.2f, 0.5f + 0.2f)));

    // Alpha-weighted: full opacity 1.0; NaN and negative alpha keep the
    // source colour; alpha bits always pass.
    FnBalanceParams a = lum;
    a.maskAlpha = 2;
    const FnRGBAF32 half = balanceOne(a, pxf(0.5f, 0.5f, 0.5f, 0.5f));
    EXPECT_FLOAT_EQ(half.r, 0.55f);
    for (float alpha : {0.0f, -0.0f, -2.0f, std::nanf("7")}) {
        const FnRGBAF32 in = pxf(0.5f, 0.25f, 0.125f, alpha);
        EXPECT_TRUE(sameBits(balanceOne(a, in), in)) << alpha;
    }
    for (float alpha : {1.0f, 3.0f, kInf})
        EXPECT_TRUE(sameBits(balanceOne(a, pxf(0.5f, 0.25f, 0.125f, alpha)),
                             pxf(0.5f + 0.1f, 0.25f + 0.1f, 0.125f + 0.1f, alpha)))
            << alpha;
}

// Pixels with NaN or infinite channels come back unchanged; their
// neighbours (in the same vector block too) balance as if they were alone;
// finite colours stay finite whatever their size.
TEST(ColBalancerF32, NonFiniteSamplesPassAndStayContained) {
    std::mt19937 rng(77);
    const auto& t = trickyValues();
    const int w = 41;  // not a multiple of any vector width
    FnImageF32 src(w, 8), dst(w, 8);
    std::uniform_real_distribution<float> unit(-0.2f, 1.5f);
    std::uniform_int_distribution<int> pick(0, int(t.size()) - 1), chan(0, 3);
    for (int set = 0; set < 24; ++set) {
        FnBalanceParams p = randomBalanceParams(rng, 250, 60);
        p.preserveLuminance = set & 1;
        p.maskAlpha = set & 2 ? 2 : 1;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < w; ++x) {
                FnRGBAF32 q = pxf(unit(rng), unit(rng), unit(rng), unit(rng));
                if ((x + y) % 3 == 0) fnChannel(q, chan(rng)) = t[size_t(pick(rng))];
                *src.at(x, y) = q;
            }
        auto ref = std::make_unique<FnColBalancerF32>();
        SetupBalancer(*ref, p);
        const FnBalanceKernelF32 k = ref->kernel();
        for (FnBalancePath path : {FnBalancePath::kScalar, FnBalancePath::kAuto}) {
            balance<FnColBalancerF32>(p, src, dst, path);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < w; ++x) {
                    const FnRGBAF32 in = *src.at(x, y), out = *dst.at(x, y);
                    const bool finite =
                        std::isfinite(in.r) && std::isfinite(in.g) && std::isfinite(in.b);
                    if (!finite) {
                        ASSERT_TRUE(sameBits(in, out)) << set << " " << x << "," << y;
                        continue;
                    }
                    FnRGBAF32 alone;
                    fnBalancePixelF32(k, fnToneOf(k), in, alone);
                    ASSERT_TRUE(sameBits(out, alone)) << set << " " << x << "," << y;
                    ASSERT_EQ(std::memcmp(&out.a, &in.a, 4), 0);
                    ASSERT_TRUE(std::isfinite(out.r) && std::isfinite(out.g) &&
                                std::isfinite(out.b));
                    if (p.preserveLuminance && p.maskAlpha != 2) {
                        ASSERT_TRUE(out.r >= 0 && out.g >= 0 && out.b >= 0) << x << "," << y;
                    }
                }
        }
    }
}

// On the 16-bit grid (v / 16384, 0..1) the float balancer gets the 16-bit
// weights bit for bit; what differs is the 16-bit path's quantisation and
// its clamps, which float storage does not have.  Quantisation: the master
// shift and the weighted tonal shifts are truncated to units (under 1 each),
// the offsets rounded (at most 1 together), the result truncated (under 1):
// under 4 units.  With Preserve Luminance the 16-bit clamp works from
// truncated channels and a truncated mean: 2 more.  Where the clamps bite
// the formats differ by decision, so the float result is clamped the same
// way for the comparison, and alpha mixes that started from a colour only
// the 16-bit path clamped are skipped.
TEST(ColBalancerF32, AgreesWithSixteenBitWithinItsQuantisation) {
    std::mt19937 rng(2024);
    const int w = 97, h = 31;
    FnImage16 s16(w, h), r16(w, h), u16(w, h);
    FnImageF32 sf(w, h), rf(w, h);
    std::uniform_int_distribution<int> level(0, 16384);
    double worst[2] = {0, 0};
    long compared = 0, skipped = 0;
    for (int set = 0; set < 300; ++set) {
        const bool preserve = set & 1;
        // With Preserve Luminance the 16-bit clamp also desaturates above
        // 32767; saturations below 45 % keep every sum under it.
        FnBalanceParams p = randomBalanceParams(rng, preserve ? 45 : 250, 60);
        p.preserveLuminance = preserve;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                FnRGBA16& q = *s16.at(x, y);
                q = FnRGBA16{
                    {short(level(rng)), short(level(rng)), short(level(rng)), short(level(rng))}};
                *sf.at(x, y) = pxf(q.r / 16384.0f, q.g / 16384.0f, q.b / 16384.0f, q.a / 16384.0f);
            }
        balance<FnColBalancer16>(p, s16, r16);
        balance<FnColBalancerF32>(p, sf, rf);
        FnBalanceParams unweighted = p;
        unweighted.maskAlpha = 1;
        balance<FnColBalancer16>(unweighted, s16, u16);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const FnRGBA16 &a = *r16.at(x, y), &u = *u16.at(x, y);
                const FnRGBAF32& f = *rf.at(x, y);
                if (p.maskAlpha == 2) {
                    // Both formats clamp at 0 with Preserve Luminance.
                    bool clamped = false;
                    for (int c = 0; c < 3; ++c) {
                        const int v = fnChannel(u, c);
                        clamped = clamped || (v <= 0 && !preserve) || v >= 32767;
                    }
                    if (clamped) {
                        ++skipped;
                        continue;
                    }
                }
                ++compared;
                for (int c = 0; c < 3; ++c) {
                    double v = double(fnChannel(f, c)) * 16384.0;
                    v = v < 0 ? 0 : (v > 32767 ? 32767 : v);
                    const double d = std::fabs(v - fnChannel(a, c));
                    worst[preserve] = std::max(worst[preserve], d);
                    ASSERT_LE(d, preserve ? 6.0 : 4.0)
                        << "set " << set << " at " << x << "," << y << " channel " << c;
                }
                ASSERT_EQ(f.a * 16384.0f, float(a.a));
            }
    }
    EXPECT_GT(compared, 3 * skipped);
    std::printf("largest difference in 16-bit units: plain %.3f, preserve %.3f (%ld pixels)\n",
                worst[0], worst[1], compared);
}

// The vector loops give the scalar loop's bits on random colours laced with
// the tricky values, in every mode, also in place.
TEST(ColBalancerF32, VectorPathsMatchScalar) {
    std::vector<FnBalancePath> paths;
    for (FnBalancePath p : {FnBalancePath::kAvx2, FnBalancePath::kAvx512})
        if (fnBalancePathSupported(p)) paths.push_back(p);
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    std::mt19937 rng(4711);
    const auto& t = trickyValues();
    const int w = 203, h = 12;
    FnImageF32 src(w, h), ref(w, h), vec(w, h);
    std::uniform_real_distribution<float> wide(-0.5f, 3.5f);
    std::uniform_int_distribution<int> pick(0, int(t.size()) - 1), often(0, 7);
    for (int set = 0; set < 400; ++set) {
        FnBalanceParams p = randomBalanceParams(rng, 250, 60);
        if (set % 10 == 9) {  // extreme settings
            p.masterLum = set % 20 == 9 ? 1e30 : -500;
            p.highSaturation = 1e6;
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                FnRGBAF32& q = *src.at(x, y);
                for (int c = 0; c < 4; ++c)
                    fnChannel(q, c) = often(rng) == 0 ? t[size_t(pick(rng))] : wide(rng);
            }
        balance<FnColBalancerF32>(p, src, ref, FnBalancePath::kScalar);
        for (FnBalancePath path : paths) {
            balance<FnColBalancerF32>(p, src, vec, path);
            ASSERT_TRUE(sameBits(ref, vec)) << "set " << set << " path " << int(path);
        }
    }
    // In place: source and destination are the same image.
    FnBalanceParams p = randomBalanceParams(rng, 100, 60);
    p.preserveLuminance = 1;
    p.masterSaturation = 80;
    balance<FnColBalancerF32>(p, src, ref, FnBalancePath::kScalar);
    balance<FnColBalancerF32>(p, src, src, paths.back());
    EXPECT_TRUE(sameBits(ref, src));
}

TEST(ColBalancerF32, BandsAndFillRuns) {
    std::mt19937 rng(6);
    FnBalanceParams p = randomBalanceParams(rng, 100, 60);
    p.masterSaturation = 60;
    FnImageF32 src(29, 37), first(29, 37), dst(29, 37);
    std::uniform_real_distribution<float> unit(0.0f, 2.0f);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 29; ++x) *src.at(x, y) = pxf(unit(rng), unit(rng), unit(rng));
    for (int threads : {1, 2, 7}) {
        fnSetThreadCountForTesting(threads);
        balance<FnColBalancerF32>(p, src, threads == 1 ? first : dst);
        if (threads > 1) {
            EXPECT_TRUE(sameBits(first, dst)) << threads << " bands";
        }
    }
    fnSetThreadCountForTesting(0);

    // Outside the source the fill value (here a NaN) stands in, unchanged.
    const FnRGBAF32 fill = pxf(std::nanf("3"), 0.5f, 0.5f, 0.0f);
    src.setFillValue(fill);
    src.setOffset(int32_t(10), int32_t(0));
    FnImageF32 wide(45, 37);
    balance<FnColBalancerF32>(p, src, wide);
    EXPECT_TRUE(sameBits(*wide.at(3, 5), fill));
    EXPECT_TRUE(sameBits(*wide.at(44, 5), fill));
    EXPECT_TRUE(sameBits(*wide.at(12, 5), *first.at(2, 5)));
}
