// The histogram widget in a real window: bar widths and heights in both
// scales, the frame flag, and the cases with no scale that draw no bars.

#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "ui/controls/FnTHistogram.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kGrey = 153;

// A histogram widget at (10, 10), 260 x 104: a bar area of 256 x 100 from
// (12, 12), black bars, linear scale.
void Place(FnTHistogram& h, const std::vector<std::uint32_t>& counts, int largest) {
    h.SetPosition(10, 10);
    h.SetSize(260, 104);
    h.SetColour(FnColour{0, 0, 0});
    h.SetCounts(counts.data());
    h.SetBinCount(static_cast<int>(counts.size()));
    h.SetLargest(largest);
    h.SetHistogramFlags(FnTHistogram::kFrame);
}

bool Black(const FnFrame& f, int x, int y) { return PixelIs(f, x, y, 0, 0, 0); }
bool Grey(const FnFrame& f, int x, int y) { return PixelIs(f, x, y, kGrey, kGrey, kGrey); }

}  // namespace

using HistogramTest = ToolkitTest;

TEST_F(HistogramTest, LinearBarsAreOneBinWideAndTheLargestReachesTheTop) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    EXPECT_TRUE(h.Logarithmic());
    EXPECT_EQ(h.HistogramFlags(), FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    // 256 bins over 256 pixels: every other bin full, the rest empty.
    std::vector<std::uint32_t> counts(256);
    for (int i = 0; i < 256; i += 2) counts[i] = 100;
    Place(h, counts, 100);
    t->AddWidget(&h);
    FnFrame f = Paint(t->Window());
    for (int i = 0; i < 256; ++i) {
        const int x = 12 + i;
        if (i % 2 == 0) {
            ASSERT_TRUE(Black(f, x, 12) && Black(f, x, 111)) << i;
            ASSERT_TRUE(Grey(f, x, 112)) << i << PixelText(f, x, 112);
        } else {
            ASSERT_TRUE(Grey(f, x, 12) && Grey(f, x, 111)) << i;
        }
    }
    EXPECT_TRUE(Grey(f, 11, 50));
    EXPECT_TRUE(Grey(f, 268, 50));
    // Raised frame: light left and top, dark bottom and right.
    EXPECT_TRUE(PixelIs(f, 10, 50, 204, 204, 204)) << PixelText(f, 10, 50);
    EXPECT_TRUE(PixelIs(f, 100, 10, 26, 26, 26)) << PixelText(f, 100, 10);

    // A ramp: heights in proportion to the counts; a count above the
    // largest stops at the top instead of leaving the widget.
    for (int i = 0; i < 256; ++i) counts[i] = static_cast<std::uint32_t>(i);
    counts[0] = 100000;
    h.SetLargest(255);
    f = Paint(t->Window());
    EXPECT_TRUE(Black(f, 139, 61));  // bin 127: 49.8 pixels
    EXPECT_TRUE(Grey(f, 139, 62));
    EXPECT_TRUE(Black(f, 267, 111));  // bin 255: full height
    EXPECT_TRUE(Black(f, 12, 111));
    EXPECT_TRUE(Grey(f, 12, 113));

    // The pointer passes through to whatever is below.
    PointerTo(*t, 100, 50);
    EXPECT_EQ(t->HoverResult(), nullptr);
}

TEST_F(HistogramTest, LogBarsSkipCountsOfOneAndZero) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    std::vector<std::uint32_t> counts(256, 0);
    counts[1] = 1;
    counts[2] = 100;    // ln 100 / ln 10000: half height
    counts[3] = 10000;  // the largest
    Place(h, counts, 10000);
    h.SetHistogramFlags(FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    t->AddWidget(&h);
    const FnFrame f = Paint(t->Window());
    EXPECT_TRUE(Grey(f, 12, 12));
    EXPECT_TRUE(Grey(f, 13, 12));
    EXPECT_TRUE(Black(f, 14, 60));
    EXPECT_TRUE(Grey(f, 14, 63));
    EXPECT_TRUE(Black(f, 15, 110));
    EXPECT_TRUE(Grey(f, 15, 113));
    EXPECT_EQ(h.BarValue(0), 0.0f);
    EXPECT_EQ(h.BarValue(1), 0.0f);
    EXPECT_FLOAT_EQ(h.BarValue(10000), static_cast<float>(std::log(10000.0)));
}

TEST_F(HistogramTest, NoScaleNoCountsOrNoBinsDrawOnlyTheFrame) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    std::vector<std::uint32_t> counts(256, 1);
    Place(h, counts, 1);
    h.SetCounts(nullptr);
    t->AddWidget(&h);
    const FnFrame frameOnly = Paint(t->Window());
    EXPECT_TRUE(Grey(frameOnly, 100, 50));
    EXPECT_FALSE(Grey(frameOnly, 10, 50));

    const auto same = [&](const char* what) {
        const FnFrame f = Paint(t->Window());
        EXPECT_EQ(f.rgba, frameOnly.rgba) << what;
    };
    h.SetCounts(counts.data());
    h.SetHistogramFlags(FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    same("log, largest 1");
    h.SetLargest(0);
    h.SetHistogramFlags(FnTHistogram::kFrame);
    same("linear, largest 0");
    h.SetLargest(-7);
    same("negative largest");
    h.SetLargest(1);
    h.SetBinCount(0);
    same("no bins");
    h.SetBinCount(-3);
    same("negative bin count");
    h.SetBinCount(256);
    h.SetSize(3, 3);  // a bar area of -1 x -1
    const FnFrame tiny = Paint(t->Window());
    for (int y = 0; y < tiny.height; ++y)
        for (int x = 0; x < tiny.width; ++x) ASSERT_FALSE(Black(tiny, x, y)) << x << "," << y;

    // Without the frame flag an empty histogram draws nothing at all.
    h.SetSize(260, 104);
    h.SetCounts(nullptr);
    h.SetHistogramFlags(0);
    const FnFrame nothing = Paint(t->Window());
    for (int x = 8; x <= 272; x += 4) ASSERT_TRUE(Grey(nothing, x, 10) && Grey(nothing, x, 114));
}

TEST_F(HistogramTest, Snapshot) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    std::vector<std::uint32_t> counts(256);
    for (int i = 0; i < 256; ++i)
        counts[i] = static_cast<std::uint32_t>(50000.0 * std::exp(-std::pow((i - 70) / 30.0, 2)) +
                                               300.0 * std::exp(-std::pow((i - 190) / 25.0, 2)));
    Place(h, counts, 50000);
    h.SetHistogramFlags(FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    h.SetColour(FnColour{0.15f, 0.2f, 0.45f});
    t->AddWidget(&h);
    const FnFrame f = Paint(t->Window());
    EXPECT_FALSE(Grey(f, 12 + 70, 110));
    SavePng(t->Window(), "histogram");
}
