// The histogram analyser: counts against a pixel-by-pixel reference for any
// band count, both counting paths of the 8-bit instance, the grey channel,
// regions and pixels outside the stored image, wrong shapes, interruption,
// the 16-bit instance, and an analysis taking turns with a render.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "analysis/FnHistogramAnalyser.h"
#include "engine/FnColBalancer.h"
#include "engine/FnParallel.h"

namespace {

using Counts = std::vector<std::vector<uint32_t>>;

struct ThreadCountGuard {
    explicit ThreadCountGuard(int n) { fnSetThreadCountForTesting(n); }
    ~ThreadCountGuard() { fnSetThreadCountForTesting(0); }
};

template <class Img>
constexpr uint32_t binsOf() {
    return uint32_t(Img::StorageColour::kMax) + 1;
}

// What the analyser must count, read pixel by pixel through the texture's
// own lookups (no run walk): every position of the region's field rows.
template <class Img>
Counts reference(const Img& img, FnRect r, int fieldMode = 0) {
    Counts c(5, std::vector<uint32_t>(binsOf<Img>()));
    for (int y = r.y0; y < r.y1; ++y) {
        if (fieldMode == 1 && y % 2 != 0) continue;
        if (fieldMode == 2 && y % 2 == 0) continue;
        const int32_t j = img.storedRow(y);
        for (int x = r.x0; x < r.x1; ++x) {
            const int32_t i = img.axis(0).lookup(x);
            const auto p = (i >= 0 && j >= 0) ? *img.stored(i, j) : img.fillValue();
            ++c[0][p.r];
            ++c[1][p.g];
            ++c[2][p.b];
            ++c[3][p.a];
            ++c[4][(uint32_t(p.r) + p.g + p.b) / 3];
        }
    }
    return c;
}

template <class Img>
Counts whole(const Img& img) {
    return reference(img, FnRect{.x0 = 0, .y0 = 0, .x1 = img.width(), .y1 = img.height()});
}

Counts countsOf(const FnDynamicHistogram& h) {
    Counts c(h.channels());
    for (uint32_t ch = 0; ch < h.channels(); ++ch)
        c[ch].assign(h.bins(ch), h.bins(ch) + h.binCount());
    return c;
}

template <class Analyser>
FnDynamicHistogram& shaped(FnDynamicHistogram& h) {
    h.SetShape(Analyser::kChannels, Analyser::kBins);
    return h;
}

// Runs a fresh analyser into a fresh histogram; `setup` configures it.
template <class Analyser, class Setup>
Counts analyseWith(typename Analyser::Image& img, Setup setup, FnDynamicHistogram* out = nullptr) {
    FnDynamicHistogram own;
    FnDynamicHistogram& h = out ? *out : own;
    shaped<Analyser>(h);
    auto a = std::make_unique<Analyser>();
    setup(*a);
    a->run(&img, &h);
    return countsOf(h);
}
template <class Analyser>
Counts analyse(typename Analyser::Image& img, FnDynamicHistogram* out = nullptr) {
    return analyseWith<Analyser>(
        img, [](Analyser&) {}, out);
}

// Random colours; alpha random in the left half and opaque in the right,
// so that both the per-pixel and the uniform-block alpha counts run.
template <class Img>
void fillRandom(Img& img, uint32_t seed) {
    std::mt19937 rng(seed);
    using E = decltype(img.at(0, 0)->r);
    std::uniform_int_distribution<int> d(0, Img::StorageColour::kMax);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            auto& p = *img.at(x, y);
            p.r = E(d(rng));
            p.g = E(d(rng));
            p.b = E(d(rng));
            p.a = x < img.width() / 2 ? E(d(rng)) : E(Img::StorageColour::kMax);
        }
}

// Every channel sum 0..765 (red first, then green, then blue), opaque, in
// enough pixels for one band to count through the pair tables.
std::unique_ptr<FnImage8> everySum() {
    const int w = 766, h = int(FnHistogramAnalyser8::kPairTablesMinPixels / w) + 1;
    auto img = std::make_unique<FnImage8>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int s = (x + y) % 766, r = std::min(s, 255), g = std::min(s - r, 255);
            *img->at(x, y) = FnRGBA8{{uint8_t(r), uint8_t(g), uint8_t(s - r - g), 255}};
        }
    return img;
}

}  // namespace

// 601 columns (not a multiple of the block), and rows enough that one band
// counts through the pair tables, the first of two bands does and the
// second does not, and bands of seven count straight.
TEST(HistogramAnalyser, CountsEqualTheReferenceForAnyBandCount) {
    const int w = 601, h = int(2 * FnHistogramAnalyser8::kPairTablesMinPixels / w) + 3;
    FnImage8 img(w, h);
    fillRandom(img, 1);
    const Counts want = whole(img);
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnDynamicHistogram hist;
        EXPECT_EQ(analyse<FnHistogramAnalyser8>(img, &hist), want) << n << " bands";
        for (uint32_t c = 0; c < 5; ++c) {
            EXPECT_EQ(hist.largest(c), *std::max_element(want[c].begin(), want[c].end()));
            EXPECT_EQ(hist.smallest(c), *std::min_element(want[c].begin(), want[c].end()));
        }
    }
}

// The pair keys come from one loop compiled for several vector widths:
// random pixels (uniform and varying alpha) and every sum, on each.
TEST(HistogramAnalyser, EveryKeyPathCountsTheSame) {
    ThreadCountGuard guard(1);
    const int w = 601, h = int(FnHistogramAnalyser8::kPairTablesMinPixels / w) + 3;
    FnImage8 random(w, h);
    fillRandom(random, 11);
    const auto sums = everySum();
    for (FnImage8* img : {&random, sums.get()}) {
        const Counts want = whole(*img);
        for (FnBalancePath path :
             {FnBalancePath::kScalar, FnBalancePath::kAvx2, FnBalancePath::kAvx512}) {
            if (!fnBalancePathSupported(path)) continue;
            EXPECT_EQ(analyseWith<FnHistogramAnalyser8>(*img, [&](auto& a) { a.setKeyPath(path); }),
                      want)
                << int(path);
        }
    }
}

TEST(HistogramAnalyser, HeightOneOnFourThreadsAndRowsUpsideDown) {
    ThreadCountGuard guard(4);
    FnImage8 row(1000, 1);
    fillRandom(row, 2);
    EXPECT_EQ(analyse<FnHistogramAnalyser8>(row), whole(row));

    // A bottom-up walk of the same memory counts the same pixels.
    FnImage8 img(37, 23);
    fillRandom(img, 3);
    const Counts want = whole(img);
    img.flipRows();
    EXPECT_EQ(analyse<FnHistogramAnalyser8>(img), want);
}

TEST(HistogramAnalyser, WhiteImage) {
    for (auto [w, h] : {std::pair{64, 32}, std::pair{512, 512}}) {
        for (int n : {1, 3}) {
            ThreadCountGuard guard(n);
            FnImage8 img(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) *img.at(x, y) = FnRGBA8{{255, 255, 255, 255}};
            FnDynamicHistogram hist;
            const Counts c = analyse<FnHistogramAnalyser8>(img, &hist);
            const uint32_t all = uint32_t(w * h);
            for (uint32_t ch = 0; ch < 5; ++ch) {
                EXPECT_EQ(c[ch][255], all) << ch;
                EXPECT_EQ(c[ch][254], 0u) << ch;
            }
            EXPECT_EQ(hist.largest(4), all);
            EXPECT_EQ(hist.smallest(4), 0u);
        }
    }
}

TEST(HistogramAnalyser, GreyIsTheTruncatedMeanOfTheColour) {
    FnImage8 two(2, 1);
    *two.at(0, 0) = FnRGBA8{{1, 1, 0, 9}};
    *two.at(1, 0) = FnRGBA8{{2, 2, 2, 9}};
    const Counts c = analyse<FnHistogramAnalyser8>(two);
    EXPECT_EQ(c[4][0], 1u);
    EXPECT_EQ(c[4][2], 1u);
    EXPECT_EQ(c[3][9], 2u);

    // Every channel sum, counted straight and in pairs.
    const auto sums = everySum();
    const Counts want = whole(*sums);
    for (int n : {1, 7}) {
        ThreadCountGuard guard(n);
        EXPECT_EQ(analyse<FnHistogramAnalyser8>(*sums), want) << n << " bands";
    }
}

// Outside the stored image the input's edge modes decide what is counted:
// the fill value by default, a run at a time.
TEST(HistogramAnalyser, RegionsAndPixelsOutsideTheStoredImage) {
    FnImage8 img(40, 30);
    fillRandom(img, 4);
    img.setFillValue(FnRGBA8{{7, 8, 9, 10}});
    const FnRect inside{.x0 = 3, .y0 = 5, .x1 = 21, .y1 = 12};
    const FnRect across{.x0 = -5, .y0 = 25, .x1 = 45, .y1 = 36};
    for (int n : {1, 4}) {
        ThreadCountGuard guard(n);
        for (const FnRect& r : {inside, across}) {
            const Counts c = analyseWith<FnHistogramAnalyser8>(
                img, [&](auto& a) { a.setRegion(r.x0, r.y0, r.x1 - 1, r.y1 - 1); });
            EXPECT_EQ(c, reference(img, r)) << n << " bands, region " << r.x0 << "," << r.y0;
        }
    }
    // 10 columns beside 5 rows, and 6 whole rows below: 50 + 300 fill pixels.
    const Counts c = analyseWith<FnHistogramAnalyser8>(
        img, [&](auto& a) { a.setRegion(across.x0, across.y0, across.x1 - 1, across.y1 - 1); });
    EXPECT_GE(c[3][10], 350u);

    // A row too wide for 32 bits is cut to INT32_MAX columns, here ending
    // past the image, all but its 40 columns fill.
    const Counts wide = analyseWith<FnHistogramAnalyser8>(
        img, [&](auto& a) { a.setRegion(INT32_MIN + 100, 3, INT32_MAX - 1, 3); });
    uint64_t total = 0;
    for (uint32_t v : wide[0]) total += v;
    EXPECT_EQ(total, uint64_t(INT32_MAX));
    const Counts row3 = reference(img, FnRect{.x0 = 0, .y0 = 3, .x1 = 40, .y1 = 4});
    EXPECT_EQ(wide[0][7], uint32_t(INT32_MAX) - 40 + row3[0][7]);

    // Placement and every edge mode: fill, clamped runs (one pixel
    // repeated) and mirrored runs (walked backwards).
    img.setOffset(int32_t(6), int32_t(-4));
    img.setRegion(2, 35, 3, 26);
    for (int mode : {kFnEdgeFill, kFnEdgeClamp, kFnEdgeMirror, kFnEdgeRepeat}) {
        img.setEdgeModes(mode, mode);
        const FnRect r{.x0 = -30, .y0 = -20, .x1 = 90, .y1 = 50};
        ThreadCountGuard guard(3);
        const Counts c = analyseWith<FnHistogramAnalyser8>(
            img, [&](auto& a) { a.setRegion(r.x0, r.y0, r.x1 - 1, r.y1 - 1); });
        EXPECT_EQ(c, reference(img, r)) << "edge mode " << mode;
    }
}

TEST(HistogramAnalyser, FieldModeCountsItsRowsOnly) {
    ThreadCountGuard guard(3);
    FnImage8 img(17, 11);
    fillRandom(img, 5);
    const FnRect all{.x0 = 0, .y0 = 0, .x1 = 17, .y1 = 11};
    for (int mode : {1, 2}) {
        const Counts c =
            analyseWith<FnHistogramAnalyser8>(img, [&](auto& a) { a.setFieldMode(mode); });
        EXPECT_EQ(c, reference(img, all, mode)) << mode;
    }
}

TEST(HistogramAnalyser, WrongShapeMakesEveryOperationANoOperation) {
    FnImage8 img(16, 8);
    fillRandom(img, 6);
    auto untouched = [&](FnDynamicHistogram& h, auto& analyser) {
        for (uint32_t c = 0; c < h.channels(); ++c)
            for (uint32_t b = 0; b < h.binCount(); ++b) h.bins(c)[b] = 1000 + b;
        h.ComputeRange();
        const Counts before = countsOf(h);
        analyser.run(&img, &h);
        EXPECT_EQ(countsOf(h), before);
        EXPECT_EQ(h.smallest(0), 1000u);
    };
    ThreadCountGuard guard(3);
    for (auto [channels, bins] :
         {std::pair{4u, 256u}, std::pair{5u, 255u}, std::pair{5u, 65536u}, std::pair{6u, 256u}}) {
        FnDynamicHistogram h;
        h.SetShape(channels, bins);
        FnHistogramAnalyser8 a;
        untouched(h, a);
    }
    FnHistogramAnalyser8 a;
    FnDynamicHistogram empty;
    a.run(&img, &empty);
    a.run(&img, nullptr);
    EXPECT_FALSE(empty.hasStorage());

    // A 16-bit image delivered to a page's 5 x 256 histogram.
    FnImage16U img16(16, 8);
    FnDynamicHistogram page;
    page.SetShape(5, 256);
    FnHistogramAnalyser16 a16;
    auto untouched16 = [&](FnDynamicHistogram& h) {
        for (uint32_t b = 0; b < 256; ++b) h.bins(0)[b] = b;
        a16.run(&img16, &h);
        for (uint32_t b = 0; b < 256; ++b) ASSERT_EQ(h.bins(0)[b], b);
    };
    untouched16(page);
}

TEST(HistogramAnalyser, SixteenBitCountsEveryValue) {
    EXPECT_EQ(FnHistogramAnalyser16::kBins, 65536u);
    FnImage16U img(300, 257);
    fillRandom(img, 7);
    *img.at(0, 0) = FnRGBA16U{{65535, 65535, 65535, 0}};
    *img.at(1, 0) = FnRGBA16U{{1, 1, 0, 0}};
    img.setFillValue(FnRGBA16U{{65535, 0, 300, 1}});
    const Counts want = whole(img);
    EXPECT_GE(want[4][65535], 1u);
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnDynamicHistogram hist;
        EXPECT_EQ(analyse<FnHistogramAnalyser16>(img, &hist), want) << n << " bands";
        EXPECT_TRUE(hist.hasShape(5, 65536));
    }
    const FnRect r{.x0 = 290, .y0 = -3, .x1 = 310, .y1 = 4};
    EXPECT_EQ(analyseWith<FnHistogramAnalyser16>(
                  img, [&](auto& a) { a.setRegion(r.x0, r.y0, r.x1 - 1, r.y1 - 1); }),
              reference(img, r));
}

TEST(HistogramAnalyser, NullInputReadsAsEmpty) {
    FnDynamicHistogram h;
    h.SetShape(5, 256);
    FnHistogramAnalyser8 a;
    a.run(nullptr, &h);
    EXPECT_EQ(h.largest(0), 0u);
    // With a region, every position is fill (zero).
    a.setRegion(0, 0, 9, 4);
    a.run(nullptr, &h);
    EXPECT_EQ(h.bins(0)[0], 50u);
    EXPECT_EQ(h.bins(4)[0], 50u);
}

// A stop ends every band at its next row check; finish still adds up what
// was counted and computes the range.
TEST(HistogramAnalyser, InterruptionStopsBandsAndFinishStillRuns) {
    ThreadCountGuard guard(4);
    FnImage8 img(50, 40);
    fillRandom(img, 8);

    FnInterruptState stopNow;
    stopNow.stopped = 1;
    FnDynamicHistogram h;
    h.SetShape(5, 256);
    h.Clear();
    h.bins(0)[3] = 77;
    FnHistogramAnalyser8 a;
    a.setInterrupt(&stopNow);
    a.run(&img, &h);
    EXPECT_EQ(h.bins(0)[3], 0u);  // prepared (cleared) and finished
    EXPECT_EQ(h.largest(0), 0u);

    // Each "go on" lets one row through: one answer goes to the check
    // before the pass, the other five to rows.
    struct Budget {
        std::atomic<int> left{6};
    } budget;
    FnInterruptState later;
    later.context = &budget;
    later.poll = [](void* ctx, std::atomic<int32_t>*) -> int32_t {
        return static_cast<Budget*>(ctx)->left.fetch_sub(1) <= 0 ? 1 : 0;
    };
    FnHistogramAnalyser8 b;
    b.setInterrupt(&later);
    b.run(&img, &h);
    uint32_t total = 0;
    const Counts c = countsOf(h);
    for (uint32_t v : c[0]) total += v;
    EXPECT_EQ(total, 5u * 50);
    EXPECT_GT(h.largest(0), 0u);
}

// The process-wide run lock makes a render and an analysis started from two
// threads take turns; each must give what it gives alone.
TEST(HistogramAnalyser, TakesTurnsWithARender) {
    ThreadCountGuard guard(3);
    FnImage8 src(96, 64), dst(96, 64), counted(128, 48);
    fillRandom(src, 9);
    fillRandom(counted, 10);
    FnBalanceParams p;
    p.masterHue = 40;
    p.masterSaturation = 30;
    p.midLum = 10;
    auto render = [&](FnImage8& out) {
        auto b = std::make_unique<FnColBalancer8>();
        SetupBalancer(*b, p);
        b->run(&src, &out);
    };
    FnImage8 alone(96, 64);
    render(alone);
    const Counts want = whole(counted);

    std::atomic<int> mismatches{0};
    std::thread renderer([&] {
        for (int i = 0; i < 20; ++i) {
            render(dst);
            for (int y = 0; y < 64; ++y)
                if (std::memcmp(dst.at(0, y), alone.at(0, y), 96 * 4) != 0) ++mismatches;
        }
    });
    std::thread analyser([&] {
        FnDynamicHistogram h;
        for (int i = 0; i < 20; ++i)
            if (analyse<FnHistogramAnalyser8>(counted, &h) != want) ++mismatches;
    });
    renderer.join();
    analyser.join();
    EXPECT_EQ(mismatches.load(), 0);
}
