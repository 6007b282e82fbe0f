// The histogram widget in a real window: bar widths and heights in both
// scales, the frame flag, and the cases without a scale that draw no bars.

#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "ui/controls/FnTHistogram.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// At (10, 10), 260 x 104: a bar area of 256 x 100 from (12, 12); black bars.
void Place(FnTHistogram& h, const std::vector<std::uint32_t>& counts, int largest,
           std::uint32_t flags) {
    h.SetPosition(10, 10);
    h.SetSize(260, 104);
    h.SetColour(FnColour{0, 0, 0});
    h.SetCounts(counts.data());
    h.SetBinCount(static_cast<int>(counts.size()));
    h.SetLargest(largest);
    h.SetHistogramFlags(flags);
}

bool Black(const FnFrame& f, int x, int y) { return PixelIs(f, x, y, 0, 0, 0); }
bool Grey(const FnFrame& f, int x, int y) { return PixelIs(f, x, y, 153, 153, 153); }

}  // namespace

using HistogramTest = ToolkitTest;

TEST_F(HistogramTest, LinearBarsAreOnePixelWideAndReachTheTop) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    EXPECT_EQ(h.HistogramFlags(), FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    std::vector<std::uint32_t> counts(256);
    for (int i = 0; i < 256; i += 2) counts[i] = 100;  // every other bin full
    Place(h, counts, 100, FnTHistogram::kFrame);
    t->AddWidget(&h);
    FnFrame f = Paint(t->Window());
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(i % 2 ? Grey(f, 12 + i, 12) && Grey(f, 12 + i, 111)
                          : Black(f, 12 + i, 12) && Black(f, 12 + i, 111) && Grey(f, 12 + i, 112))
            << i;
    EXPECT_TRUE(Grey(f, 11, 50) && Grey(f, 268, 50));
    EXPECT_TRUE(PixelIs(f, 10, 50, 204, 204, 204));  // raised frame: light left
    EXPECT_TRUE(PixelIs(f, 100, 10, 26, 26, 26));    // dark bottom

    // A ramp; a count above the largest stops at the top of the bar area.
    for (int i = 0; i < 256; ++i) counts[i] = static_cast<std::uint32_t>(i);
    counts[0] = 100000;
    h.SetLargest(255);
    f = Paint(t->Window());
    EXPECT_TRUE(Black(f, 139, 61) && Grey(f, 139, 62));  // bin 127: 49.8 pixels
    EXPECT_TRUE(Black(f, 267, 111));
    EXPECT_TRUE(Black(f, 12, 111) && Grey(f, 12, 113));
    PointerTo(*t, 100, 50);
    EXPECT_EQ(t->HoverResult(), nullptr);  // display only
}

TEST_F(HistogramTest, LogBarsSkipCountsOfOneAndZero) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    std::vector<std::uint32_t> counts(256);
    for (int i = 0; i < 256; ++i)
        counts[i] = static_cast<std::uint32_t>(10000 * std::exp(-std::pow((i - 70) / 30.0, 2)) +
                                               300 * std::exp(-std::pow((i - 190) / 25.0, 2)));
    counts[0] = 0;
    counts[1] = 1;
    counts[2] = 100;  // half of ln 10000
    counts[3] = 10000;
    Place(h, counts, 10000, FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    t->AddWidget(&h);
    const FnFrame f = Paint(t->Window());
    EXPECT_TRUE(Grey(f, 12, 12) && Grey(f, 13, 12));
    EXPECT_TRUE(Black(f, 14, 60) && Grey(f, 14, 63));
    EXPECT_TRUE(Black(f, 15, 110) && Grey(f, 15, 113));
    SavePng(t->Window(), "histogram");
}

TEST_F(HistogramTest, NoScaleNoCountsOrNoBinsDrawOnlyTheFrame) {
    auto t = MakeTrouser(0, 0, 279, 123);
    FnTHistogram h("histogram");
    std::vector<std::uint32_t> counts(256, 1);
    Place(h, counts, 1, FnTHistogram::kLogarithmic | FnTHistogram::kFrame);
    h.SetCounts(nullptr);
    t->AddWidget(&h);
    const FnFrame frameOnly = Paint(t->Window());
    EXPECT_TRUE(Grey(frameOnly, 100, 50) && !Grey(frameOnly, 10, 50));
    h.SetCounts(counts.data());
    EXPECT_EQ(Paint(t->Window()).rgba, frameOnly.rgba) << "log, largest 1";
    h.SetHistogramFlags(FnTHistogram::kFrame);
    for (int largest : {0, -7}) {
        h.SetLargest(largest);
        EXPECT_EQ(Paint(t->Window()).rgba, frameOnly.rgba) << "linear, largest " << largest;
    }
    h.SetLargest(1);
    for (int bins : {0, -3}) {
        h.SetBinCount(bins);
        EXPECT_EQ(Paint(t->Window()).rgba, frameOnly.rgba) << bins << " bins";
    }
    // No bar area, and no frame: nothing at all.
    h.SetBinCount(256);
    h.SetSize(3, 3);
    h.SetHistogramFlags(0);
    const FnFrame f = Paint(t->Window());
    for (int x = 8; x <= 14; ++x)
        for (int y = 8; y <= 14; ++y) ASSERT_TRUE(Grey(f, x, y)) << x << "," << y;
}
