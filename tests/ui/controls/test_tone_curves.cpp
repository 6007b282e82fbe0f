// The tone curves: the engine's weights, where the handles sit, picking and
// the drag rules through a real window, and the curves as drawn.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "engine/FnToneTransfer.h"
#include "ui/controls/FnTToneCurves.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"

#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Each message with the part that was active when it came.
struct Recorder : FnMessageHandler {
    FnTToneCurves* curves = nullptr;
    std::vector<std::pair<int, int>> seen;
    int HandleMessage(const FnMessage& m, FnMessageSender*) override {
        seen.emplace_back(m.Kind(), curves->ActivePart());
        return 1;
    }
};

// Pixels in a rectangle within 1 of a grey level.
int CountGrey(const FnFrame& f, int x0, int y0, int x1, int y1, int grey) {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const std::uint8_t* p = f.AtGL(x, y);
            count += std::abs(p[0] - grey) <= 1 && std::abs(p[1] - grey) <= 1 &&
                     std::abs(p[2] - grey) <= 1;
        }
    return count;
}

// A 200 x 100 curve area from window pixel (12, 12).
void Place(FnTToneCurves& curves) {
    curves.SetPosition(10, 10);
    curves.SetSize(204, 104);
}

}  // namespace

TEST(ToneCurves, WeightsAreTheEnginesAndHandlesFollowTheValues) {
    FnTToneCurves curves("curves");
    FnToneTransfer engine;  // as the render path sets it, from percentages
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
    EXPECT_GT(curves.MidWeight(0.4f), 0.4f);
    curves.SetLowlights(0.5f);
    curves.SetHighlights(0.5f);  // coinciding: all lowlight
    EXPECT_EQ(curves.LowWeight(0.9f) - curves.HighWeight(0.1f), 1.0f);

    curves.SetSize(104, 54);  // a 100 x 50 curve area
    curves.SetLowlights(0.2f);
    curves.SetHighlights(1.5f);  // drawn at the end
    curves.SetLowlightsEase(0.0f);
    curves.SetHighlightsEase(1.0f);
    curves.UpdateHandles();
    EXPECT_EQ(curves.LowlightsShoulder(), (FnPoint{20, 50}));
    EXPECT_EQ(curves.LowlightsEasePoint(), (FnPoint{20, 25}));  // ease 0: below
    EXPECT_EQ(curves.HighlightsShoulder(), (FnPoint{100, 50}));
    const FnPoint beside = curves.HighlightsEasePoint();  // ease 1: beside, inwards
    EXPECT_NEAR(beside.x, 75, 1e-3);
    EXPECT_NEAR(beside.y, 50, 1e-3);

    // Bad values give weights in 0..1 and handles that are numbers.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int i = 0; i < 4; ++i) curves.SetValue(i, i % 2 ? nan : 1e30f);
    curves.UpdateHandles();
    for (float x : {nan, -1e30f, 0.5f}) {
        const float m = curves.MidWeight(x), l = curves.LowWeight(x), h = curves.HighWeight(x);
        EXPECT_TRUE(m >= 0 && m <= 1 && l >= 0 && l <= 1 && h >= 0 && h <= 1) << x;
    }
    EXPECT_TRUE(std::isfinite(curves.HighlightsEasePoint().x + curves.LowlightsShoulder().x));
}

using ToneCurvesTest = ToolkitTest;

TEST_F(ToneCurvesTest, PicksWithinSixPixelsShouldersFirst) {
    auto t = MakeTrouser(0, 0, 223, 123);
    FnTToneCurves curves("curves");
    Place(curves);
    t->AddWidget(&curves);
    // Highlights shoulder at window (172, 112), its ease handle 25 left.
    PointerTo(*t, 177, 112);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 179, 112);
    EXPECT_EQ(t->HoverResult(), nullptr);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kNoPart);
    PointerTo(*t, 147, 112);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsEaseHandle);
    PointerTo(*t, 100, 60);  // away from the handles the pointer passes
    EXPECT_EQ(t->HoverResult(), nullptr);

    // A flat area puts ease-0 handles on their shoulders: the shoulder wins,
    // and there is nothing to drag across.
    curves.SetSize(204, 4);
    curves.SetLowlightsEase(0.0f);
    curves.SetHighlightsEase(0.0f);
    curves.UpdateHandles();
    ASSERT_EQ(curves.HighlightsEasePoint(), curves.HighlightsShoulder());
    PointerTo(*t, 172, 12);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kHighlightsShoulder);
    PointerTo(*t, 13, 12);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kLowlightsShoulder);
    LeftButton(true);
    PointerTo(*t, 60, 12);
    LeftButton(false);
    EXPECT_EQ(curves.Lowlights(), 0.0f);
}

TEST_F(ToneCurvesTest, DragsStopShouldersShortOfEachOtherAndClampEases) {
    auto t = MakeTrouser(0, 0, 223, 123);
    FnTToneCurves curves("curves");
    Place(curves);
    t->AddWidget(&curves);
    Recorder page;
    page.curves = &curves;
    page.ListenTo(&curves);
    const auto drag = [&](int x0, int y0, std::vector<std::pair<int, int>> path) {
        PointerTo(*t, x0, y0);
        LeftButton(true);
        for (auto [x, y] : path) PointerTo(*t, x, y);
        LeftButton(false);
    };
    constexpr float kStep = 1.0f / 255.0f;

    // The lowlights shoulder past the highlights one (0.8) stops a step short.
    drag(12, 112, {{112, 112}, {200, 112}});
    EXPECT_EQ(curves.Lowlights(), 0.8f - kStep);
    const std::vector<std::pair<int, int>> messages = {{200, 4}, {201, 4}, {201, 4}, {202, 4}};
    EXPECT_EQ(page.seen, messages);
    EXPECT_EQ(curves.ActivePart(), FnTToneCurves::kNoPart);
    // The highlights shoulder below the lowlights one stays a step above.
    curves.SetLowlights(0.5f);
    curves.UpdateHandles();
    drag(172, 112, {{20, 112}, {-50, 112}});
    EXPECT_EQ(curves.Highlights(), 0.5f + kStep);
    // Off the ends the thresholds clamp.
    drag(112, 112, {{-300, 112}});
    EXPECT_EQ(curves.Lowlights(), 0.0f);
    curves.SetHighlights(0.9f);
    curves.UpdateHandles();
    drag(192, 112, {{400, 112}});
    EXPECT_EQ(curves.Highlights(), 1.0f);

    // Lowlights ease handle (shoulder at window (12, 112), ease 0.1).
    const FnPoint h = curves.LowlightsEasePoint();
    PointerTo(*t, static_cast<int>(std::lround(h.x + 12)), static_cast<int>(std::lround(h.y + 12)));
    LeftButton(true);
    ASSERT_EQ(curves.ActivePart(), FnTToneCurves::kLowlightsEaseHandle);
    PointerTo(*t, 12, 50);  // straight below
    EXPECT_EQ(curves.LowlightsEase(), 0.0f);
    EXPECT_EQ(curves.LowlightsEasePoint(), (FnPoint{0, 75}));
    PointerTo(*t, 212, 12);  // along the diagonal of the area
    EXPECT_NEAR(curves.LowlightsEase(), 0.5f, 1e-4f);
    PointerTo(*t, 150, 112);  // level with the top
    EXPECT_EQ(curves.LowlightsEase(), 1.0f);
    LeftButton(false);
    // The highlights ease handle (ease 1, 25 pixels left of its shoulder at
    // (212, 112)) above the top edge: 0 to the right, 1 to the left.
    drag(187, 112, {{225, 140}});
    EXPECT_EQ(curves.HighlightsEase(), 0.0f);
    drag(212, 87, {{200, 140}});
    EXPECT_EQ(curves.HighlightsEase(), 1.0f);
}

TEST_F(ToneCurvesTest, DrawsTheCurvesAndLightsTheHandleInUse) {
    auto t = MakeTrouser(0, 0, 223, 123);
    // The window's stipple is the same after the curves as before them.
    GLushort windowPattern = 0x3333;
    GLint pattern = 0;
    SketchWidget before([&] { glLineStipple(1, windowPattern); });
    FnTToneCurves curves("curves");
    Place(curves);
    SketchWidget after([&] { glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern); });
    t->AddWidget(&before);
    t->AddWidget(&curves);
    t->AddWidget(&after);
    Paint(t->Window());
    EXPECT_EQ(pattern, 0x3333);
    windowPattern = 0xFFFF;

    // Lowlights dark grey from the top left, highlights light grey along the
    // top from 0.8; the midtones dashed in both where they climb alone.
    FnFrame f = Paint(t->Window());
    EXPECT_GT(CountGrey(f, 12, 100, 30, 112, 77), 10);
    EXPECT_GT(CountGrey(f, 175, 108, 210, 112, 179), 30);
    EXPECT_GT(CountGrey(f, 32, 70, 52, 100, 77), 6);
    EXPECT_GT(CountGrey(f, 32, 70, 52, 100, 179), 6);
    EXPECT_EQ(CountGrey(f, 12, 12, 212, 112, 255), 0);
    // Hovered, the shoulder's square is white; pressed, the whole curve and
    // a frame round the widget.
    PointerTo(*t, 172, 112);
    f = Paint(t->Window());
    EXPECT_GE(CountGrey(f, 169, 109, 175, 112, 255), 20);
    EXPECT_EQ(CountGrey(f, 40, 12, 160, 112, 255), 0);
    SavePng(t->Window(), "tone_curves");
    LeftButton(true);
    f = Paint(t->Window());
    EXPECT_GT(CountGrey(f, 40, 12, 160, 112, 255), 100);
    EXPECT_EQ(CountGrey(f, 10, 30, 10, 90, 255), 61);
    LeftButton(false);
    // A curve area narrower than one segment still draws end to end.
    curves.SetSize(6, 104);
    f = Paint(t->Window());
    EXPECT_GT(CountGrey(f, 12, 12, 14, 112, 77) + CountGrey(f, 12, 12, 14, 112, 179), 10);
}
