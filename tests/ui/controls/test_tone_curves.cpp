// The tone curves: the engine's weights, the handle layout, picking and the
// four drag rules through a real window, and the curves as drawn.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "engine/FnToneTransfer.h"
#include "ui/controls/FnTHistogram.h"
#include "ui/controls/FnTToneCurves.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr float kStep = 1.0f / 255.0f;

// Notes each message with the part that was active when it came.
struct Recorder : FnMessageHandler {
    FnTToneCurves* curves = nullptr;
    std::vector<std::pair<int, int>> seen;  // kind, active part
    int HandleMessage(const FnMessage& m, FnMessageSender*) override {
        seen.emplace_back(m.Kind(), curves ? curves->ActivePart() : -1);
        return 1;
    }
};

bool Near(FnPoint a, FnPoint b, float eps = 1e-3f) {
    return std::fabs(a.x - b.x) < eps && std::fabs(a.y - b.y) < eps;
}

// Pixels in a rectangle whose three components are all within 1 of a grey.
int CountGrey(const FnFrame& f, int x0, int y0, int x1, int y1, int grey) {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const std::uint8_t* p = f.AtGL(x, y);
            if (p && std::abs(p[0] - grey) <= 1 && std::abs(p[1] - grey) <= 1 &&
                std::abs(p[2] - grey) <= 1)
                ++count;
        }
    return count;
}

}  // namespace

TEST(ToneCurves, WeightsAreTheEnginesBitForBit) {
    FnTToneCurves curves("curves");
    EXPECT_EQ(curves.HighlightsEase(), 1.0f);
    EXPECT_EQ(curves.Highlights(), 0.8f);
    EXPECT_EQ(curves.LowlightsEase(), 0.1f);
    EXPECT_EQ(curves.Lowlights(), 0.0f);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kNoPart);

    // The engine as the render path sets it, from percentages.
    FnToneTransfer engine;
    engine.setToneSettings(0.0, 80.0, 10.0, 100.0);
    for (int i = 0; i <= 1000; ++i) {
        const float x = static_cast<float>(i) / 1000.0f;
        ASSERT_EQ(curves.LowWeight(x), engine.lowlightWeight(x)) << x;
        ASSERT_EQ(curves.MidWeight(x), engine.midtoneWeight(x)) << x;
        ASSERT_EQ(curves.HighWeight(x), engine.highlightWeight(x)) << x;
    }
    EXPECT_EQ(curves.LowWeight(0.0f), 1.0f);
    EXPECT_EQ(curves.LowWeight(0.8f), 0.0f);
    EXPECT_EQ(curves.HighWeight(0.8f), 1.0f);
    EXPECT_EQ(curves.MidWeight(0.0f), 0.0f);
    EXPECT_EQ(curves.MidWeight(0.8f), 0.0f);
    EXPECT_GT(curves.MidWeight(0.4f), 0.4f);

    // Values the page writes directly are picked up without UpdateHandles.
    curves.SetValue(FnTToneCurves::kLowlights, 0.2f);
    curves.SetValue(FnTToneCurves::kLowlightsEase, 0.55f);
    curves.SetValue(FnTToneCurves::kHighlightsEase, 0.0f);
    engine.setToneSettings(20.0, 80.0, 55.0, 0.0);
    for (float x : {0.0f, 0.21f, 0.5f, 0.79f, 1.0f}) {
        EXPECT_EQ(curves.LowWeight(x), engine.lowlightWeight(x)) << x;
        EXPECT_EQ(curves.HighWeight(x), engine.highlightWeight(x)) << x;
    }

    // Coinciding thresholds: all lowlight, nothing else.
    curves.SetLowlights(0.5f);
    curves.SetHighlights(0.5f);
    for (float x : {0.0f, 0.5f, 1.0f}) {
        EXPECT_EQ(curves.LowWeight(x), 1.0f);
        EXPECT_EQ(curves.MidWeight(x), 0.0f);
        EXPECT_EQ(curves.HighWeight(x), 0.0f);
    }

    // Bad values still give weights in 0..1 and handles that are numbers.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int i = 0; i < 4; ++i) curves.SetValue(i, i % 2 ? nan : 1e30f);
    curves.UpdateHandles();
    for (float x : {nan, -1e30f, 0.5f, 1e30f}) {
        const float w[3] = {curves.LowWeight(x), curves.MidWeight(x), curves.HighWeight(x)};
        for (float v : w) EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << x;
    }
    for (FnPoint p : {curves.LowlightsShoulder(), curves.LowlightsEasePoint(),
                      curves.HighlightsShoulder(), curves.HighlightsEasePoint()})
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_EQ(curves.Value(7), 0.0f);
}

TEST(ToneCurves, HandlesSitWhereTheValuesSay) {
    FnTToneCurves curves("curves");
    EXPECT_EQ(curves.MinimumSize(), (FnPoint{54, 29}));
    curves.SetSize(104, 54);  // a 100 x 50 curve area
    curves.SetLowlights(0.2f);
    curves.SetHighlights(0.9f);
    curves.SetLowlightsEase(0.0f);
    curves.SetHighlightsEase(0.0f);
    curves.UpdateHandles();
    // Ease 0: 25 pixels straight below the shoulder on the top edge.
    EXPECT_EQ(curves.LowlightsShoulder(), (FnPoint{20, 50}));
    EXPECT_EQ(curves.LowlightsEasePoint(), (FnPoint{20, 25}));
    EXPECT_EQ(curves.HighlightsShoulder(), (FnPoint{90, 50}));
    EXPECT_EQ(curves.HighlightsEasePoint(), (FnPoint{90, 25}));
    // Ease 1: 25 pixels beside it, inwards, on the top edge.
    curves.SetLowlightsEase(1.0f);
    curves.SetHighlightsEase(1.0f);
    curves.UpdateHandles();
    EXPECT_TRUE(Near(curves.LowlightsEasePoint(), {45, 50}));
    EXPECT_TRUE(Near(curves.HighlightsEasePoint(), {65, 50}));
    // Halfway the direction is skewed by the area's aspect: (W, -H) here.
    curves.SetLowlightsEase(0.5f);
    curves.UpdateHandles();
    const float k = 25.0f / std::hypot(100.0f, 50.0f);
    EXPECT_TRUE(Near(curves.LowlightsEasePoint(), {20 + 100 * k, 50 - 50 * k}));
    // Values past the ends draw at the ends.
    curves.SetHighlights(1.5f);
    curves.UpdateHandles();
    EXPECT_EQ(curves.HighlightsShoulder(), (FnPoint{100, 50}));
}

using ToneCurvesTest = ToolkitTest;

TEST_F(ToneCurvesTest, ShouldersGrabWithinSixPixelsAndWinOverTheirEaseHandles) {
    auto t = MakeTrouser(0, 0, 223, 123);
    FnTToneCurves curves("curves");
    curves.SetPosition(10, 10);
    curves.SetSize(204, 104);  // curve area 200 x 100 from (12, 12)
    t->AddWidget(&curves);

    // Highlights shoulder at (160, 100) of the area: window (172, 112).
    PointerTo(*t, 177, 112);
    EXPECT_EQ(t->HoverResult(), &curves);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 172, 107);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 179, 112);
    EXPECT_EQ(t->HoverResult(), nullptr);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kNoPart);
    PointerTo(*t, 172, 105);
    EXPECT_EQ(t->HoverResult(), nullptr);
    // Its ease handle (ease 1) lies 25 pixels to the left.
    PointerTo(*t, 147, 112);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsEaseHandle);
    // Away from the handles the widget lets the pointer through.
    PointerTo(*t, 100, 60);
    EXPECT_EQ(t->HoverResult(), nullptr);

    // A flat curve area puts ease-0 handles on their shoulders: the
    // shoulder is the one picked.
    curves.SetSize(204, 4);
    curves.SetLowlightsEase(0.0f);
    curves.SetHighlightsEase(0.0f);
    curves.UpdateHandles();
    EXPECT_EQ(curves.HighlightsEasePoint(), curves.HighlightsShoulder());
    EXPECT_EQ(curves.LowlightsEasePoint(), curves.LowlightsShoulder());
    PointerTo(*t, 172, 12);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 13, 12);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kLowlightsShoulder);
    // Nothing to drag across a flat area.
    LeftButton(true);
    PointerTo(*t, 60, 12);
    LeftButton(false);
    EXPECT_EQ(curves.Lowlights(), 0.0f);
}

TEST_F(ToneCurvesTest, ShouldersStopOneStepShortOfEachOther) {
    auto t = MakeTrouser(0, 0, 223, 123);
    FnTToneCurves curves("curves");
    curves.SetPosition(10, 10);
    curves.SetSize(204, 104);
    t->AddWidget(&curves);
    Recorder page;
    page.curves = &curves;
    page.ListenTo(&curves);

    // Lowlights shoulder dragged past the highlights one (0.8).
    PointerTo(*t, 12, 112);
    LeftButton(true);
    PointerTo(*t, 112, 112);
    EXPECT_FLOAT_EQ(curves.Lowlights(), 0.5f);
    EXPECT_EQ(curves.LowlightsShoulder(), (FnPoint{100, 100}));
    PointerTo(*t, 200, 112);
    EXPECT_EQ(curves.Lowlights(), 0.8f - kStep);
    LeftButton(false);
    const std::vector<std::pair<int, int>> lowDrag = {
        {kFnDragStarted, 4}, {kFnValueChanged, 4}, {kFnValueChanged, 4}, {kFnDragEnded, 4}};
    EXPECT_EQ(page.seen, lowDrag);
    EXPECT_EQ(curves.Highlights(), 0.8f);

    // Highlights shoulder dragged below the lowlights one, then off the
    // left end: it stays one step above.
    curves.SetLowlights(0.5f);
    curves.UpdateHandles();
    PointerTo(*t, 172, 112);
    LeftButton(true);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 20, 112);
    EXPECT_EQ(curves.Highlights(), 0.5f + kStep);
    PointerTo(*t, -50, 112);
    EXPECT_EQ(curves.Highlights(), 0.5f + kStep);
    LeftButton(false);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kNoPart);

    // Off the ends the thresholds clamp to 0 and 1.
    PointerTo(*t, 112, 112);  // the lowlights shoulder at 0.5
    LeftButton(true);
    PointerTo(*t, -300, 112);
    EXPECT_EQ(curves.Lowlights(), 0.0f);
    LeftButton(false);
    curves.SetHighlights(0.9f);
    curves.UpdateHandles();
    PointerTo(*t, 192, 112);
    LeftButton(true);
    PointerTo(*t, 400, 112);
    EXPECT_EQ(curves.Highlights(), 1.0f);
    LeftButton(false);
}

TEST_F(ToneCurvesTest, EaseHandlesFollowThePointerAndClampAboveTheTop) {
    auto t = MakeTrouser(0, 0, 223, 123);
    FnTToneCurves curves("curves");
    curves.SetPosition(10, 10);
    curves.SetSize(204, 104);
    curves.SetLowlights(0.25f);
    curves.SetLowlightsEase(0.5f);
    curves.UpdateHandles();
    t->AddWidget(&curves);
    Recorder page;
    page.ListenTo(&curves);

    // Lowlights shoulder at window (62, 112); its ease handle at half
    // ease points along (W, -H).
    const FnPoint h = curves.LowlightsEasePoint();
    PointerTo(*t, static_cast<int>(std::lround(h.x + 12)), static_cast<int>(std::lround(h.y + 12)));
    LeftButton(true);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kLowlightsEaseHandle);
    PointerTo(*t, 62, 50);  // straight below the shoulder
    EXPECT_EQ(curves.LowlightsEase(), 0.0f);
    EXPECT_EQ(curves.LowlightsEasePoint(), (FnPoint{50, 75}));
    PointerTo(*t, 162, 62);  // along the diagonal of the area
    EXPECT_NEAR(curves.LowlightsEase(), 0.5f, 1e-4f);
    PointerTo(*t, 150, 112);  // level with the top, to the right
    EXPECT_EQ(curves.LowlightsEase(), 1.0f);
    PointerTo(*t, 40, 130);  // above the top, to the left
    EXPECT_EQ(curves.LowlightsEase(), 0.0f);
    LeftButton(false);
    EXPECT_EQ(page.seen.size(), 6u);

    // Highlights ease handle (ease 1, 25 pixels left of its shoulder at 172).
    PointerTo(*t, 147, 112);
    LeftButton(true);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsEaseHandle);
    PointerTo(*t, 185, 140);  // above, to the right
    EXPECT_EQ(curves.HighlightsEase(), 0.0f);
    PointerTo(*t, 160, 140);  // above, to the left
    EXPECT_EQ(curves.HighlightsEase(), 1.0f);
    PointerTo(*t, 172, 30);  // straight below
    EXPECT_EQ(curves.HighlightsEase(), 0.0f);
    LeftButton(false);
}

TEST_F(ToneCurvesTest, DrawsTheCurvesAndLightsTheHandleInUse) {
    auto t = MakeTrouser(0, 0, 223, 123);
    // Whatever stipple was in force before the curves is there after them.
    GLushort windowPattern = 0x3333;
    SketchWidget before([&] { glLineStipple(2, windowPattern); });
    t->AddWidget(&before);
    FnTToneCurves curves("curves");
    curves.SetPosition(10, 10);
    curves.SetSize(204, 104);
    t->AddWidget(&curves);
    GLint pattern = 0, repeat = 0;
    SketchWidget after([&] {
        glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
        glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
    });
    t->AddWidget(&after);

    FnFrame f = Paint(t->Window());
    EXPECT_EQ(pattern, 0x3333);
    EXPECT_EQ(repeat, 2);
    windowPattern = 0xFFFF;  // solid lines from here on
    f = Paint(t->Window());
    // Lowlights in dark grey fall from the top left; highlights in light
    // grey reach the top at 0.8 and stay there.
    EXPECT_GT(CountGrey(f, 12, 100, 30, 112, 77), 10);
    EXPECT_GT(CountGrey(f, 175, 108, 210, 112, 179), 30);
    // The midtone curve is dashed in both greys, 4 pixels each: where it
    // climbs alone (x 0.1 to 0.2, weight 0.6 to 0.85) both show.
    EXPECT_GT(CountGrey(f, 32, 70, 52, 100, 77), 6);
    EXPECT_GT(CountGrey(f, 32, 70, 52, 100, 179), 6);
    EXPECT_EQ(CountGrey(f, 12, 12, 212, 112, 255), 0);

    // Hovering the highlights shoulder lights its square; pressing it
    // lights the whole highlights curve and frames the widget in white.
    PointerTo(*t, 172, 112);
    f = Paint(t->Window());
    EXPECT_GE(CountGrey(f, 169, 109, 175, 112, 255), 20);
    EXPECT_EQ(CountGrey(f, 40, 12, 160, 112, 255), 0);
    LeftButton(true);
    f = Paint(t->Window());
    EXPECT_GT(CountGrey(f, 40, 12, 160, 112, 255), 100);
    EXPECT_GT(CountGrey(f, 10, 30, 10, 90, 255), 50);  // the frame's left edge
    LeftButton(false);

    // Without the frame flag nothing is drawn on the edges.
    curves.SetFrameFlags(0);
    PointerTo(*t, 100, 60);
    f = Paint(t->Window());
    EXPECT_EQ(CountGrey(f, 10, 30, 10, 90, 153), 61);

    // A curve area narrower than one segment still draws, end to end.
    curves.SetSize(6, 104);
    curves.SetPixelsPerSegment(0);
    EXPECT_EQ(curves.PixelsPerSegment(), 1);
    curves.SetPixelsPerSegment(3);
    f = Paint(t->Window());
    EXPECT_GT(CountGrey(f, 12, 12, 14, 112, 77) + CountGrey(f, 12, 12, 14, 112, 179), 10);
}

TEST_F(ToneCurvesTest, SnapshotOverAHistogram) {
    auto t = MakeTrouser(0, 0, 299, 129);
    FnTHistogram histogram("histogram");
    std::vector<std::uint32_t> counts(256);
    for (int i = 0; i < 256; ++i)
        counts[i] =
            static_cast<std::uint32_t>(1 + 4000.0 * std::exp(-std::pow((i - 90) / 40.0, 2)) +
                                       900.0 * std::exp(-std::pow((i - 200) / 15.0, 2)));
    histogram.SetCounts(counts.data());
    histogram.SetBinCount(256);
    histogram.SetLargest(4001);
    histogram.SetColour(FnColour{0, 0, 0});
    histogram.SetPosition(1, 1);
    histogram.SetSize(298, 128);
    histogram.SetHistogramFlags(0);
    FnTToneCurves curves("curves");
    curves.SetPosition(1, 1);
    curves.SetSize(298, 128);
    curves.SetFrameFlags(0);
    curves.SetLowlights(0.1f);
    curves.SetLowlightsEase(0.3f);
    curves.SetHighlightsEase(0.3f);
    curves.UpdateHandles();
    t->AddWidget(&histogram);
    t->AddWidget(&curves);
    const FnPoint s = curves.HighlightsShoulder();
    PointerTo(*t, static_cast<int>(s.x + 3), static_cast<int>(s.y + 3));  // hovered
    Paint(t->Window());
    SavePng(t->Window(), "tone_curves");
}
