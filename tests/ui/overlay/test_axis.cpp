// The axis gizmo in a real host window: its transform, the transform stack,
// every handle hit where it is drawn, every drag, and axis groups.

#include "tests/ui/overlay/OverlayTestUtil.h"
#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "ui/overlay/FnT2DAxisGroup.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"

#include <GL/gl.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kAll = FnT2DAxis::kAllHandles;

// Every message an axis sends: kind and part, checking the event type.
class Recorder : public FnMessageHandler {
public:
    int HandleMessage(const FnMessage& m, FnMessageSender*) override {
        EXPECT_EQ(m.EventType(), kFnEventAxis);
        got.emplace_back(m.Kind(), m.Part());
        return 1;
    }
    // 200 first, then at least one 201, then 202, all for `part`.
    void ExpectDrag(int part) const {
        ASSERT_GE(got.size(), 3u);
        EXPECT_EQ(got.front(), std::make_pair(200, part));
        EXPECT_EQ(got.back(), std::make_pair(202, part));
        for (size_t i = 1; i + 1 < got.size(); ++i) EXPECT_EQ(got[i], std::make_pair(201, part));
    }
    std::vector<std::pair<int, int>> got;
};

class AxisTest : public ToolkitTest {
protected:
    // A 200 x 200 host window with the axis at its centre.
    void Place(FnT2DAxis& axis) {
        t = MakeTrouser(0, 0, 199, 199);
        axis.SetCentre(100, 100);
        ASSERT_EQ(t->AddWidget(&axis), 1);
    }
    // The part the hover finds at a point (from a point away from it).
    int PartAt(FnT2DAxis& axis, int x, int y) {
        PointerTo(*t, 1, 1);
        PointerTo(*t, x, y);
        return axis.ActivePart();
    }
    // Press, move (through the midpoint unless told), release.
    void Drag(int x0, int y0, int x1, int y1, bool midpoint = true) {
        PointerTo(*t, x0, y0);
        LeftButton(true);
        if (midpoint) PointerTo(*t, (x0 + x1) / 2, (y0 + y1) / 2);
        PointerTo(*t, x1, y1);
        LeftButton(false);
    }

    std::unique_ptr<FnwTrouser> t;
};

}  // namespace

TEST(AxisTransform, MatrixAndInverseRoundTrip) {
    FnT2DAxis a("a", kAll);
    const struct {
        float rotation, overall, sx, sy, aspect;
    } cases[] = {{0, 1, 1, 1, 0},
                 {33, 1.5f, 0.5f, 2, 0},
                 {-120, 1, -1, 3, 0.5f},
                 {270, 0.25f, 4, -2, -0.5f}};
    for (const auto& c : cases) {
        a.SetCentre(12.5f, -40);
        a.SetRotation(c.rotation);
        a.SetScales(c.overall, c.sx, c.sy);
        a.SetAspect(c.aspect);
        const FnMatrix3 m = a.Matrix();
        // The x axis goes to the rotated direction scaled by the x length.
        const float r = c.rotation * 3.1415927f / 180;
        EXPECT_NEAR(m.Map({1, 0}).x - 12.5f, a.LengthX() * std::cos(r), 1e-4);
        EXPECT_NEAR(m.Map({1, 0}).y + 40, a.LengthX() * std::sin(r), 1e-4);
        for (FnPoint p : {FnPoint{0, 0}, FnPoint{3, -7}, FnPoint{-100, 55.5f}}) {
            const FnPoint back = a.ToLocal(m.Map(p));
            EXPECT_NEAR(back.x, p.x, 2e-3) << c.rotation;
            EXPECT_NEAR(back.y, p.y, 2e-3) << c.rotation;
        }
    }
    // A singular matrix inverts to the identity.
    a.SetScales(0, 1, 1);
    EXPECT_EQ(a.ToLocal({5, 6}), (FnPoint{5, 6}));
    a.SetScales(1, 1, 1);
    a.SetAspect(-1);  // no x length left
    EXPECT_EQ(a.ToLocal({5, 6}), (FnPoint{5, 6}));
}

TEST(AxisTransform, StackRefusesToOverflowAndKeepsItsIdentity) {
    ASSERT_EQ(TransformDepth(), 0);
    FnMatrix3 shift;
    shift.m[6] = 10;
    MultiplyTransform(shift);  // depth 0: the identity stays
    EXPECT_EQ(TopTransform().Map({1, 1}), (FnPoint{1, 1}));
    PushTransform();
    MultiplyTransform(shift);
    for (int i = 0; i < 40; ++i) PushTransform();
    EXPECT_EQ(TransformDepth(), kFnTransformStackSize - 1);
    EXPECT_EQ(TopTransform().Map({1, 1}), (FnPoint{11, 1}));
    for (int i = 0; i < 40; ++i) PopTransform();
    EXPECT_EQ(TransformDepth(), 0);
    EXPECT_EQ(TopTransform().Map({1, 1}), (FnPoint{1, 1}));
}

TEST(AxisTransform, BoxHoldsEveryShownHandle) {
    FnT2DAxis a("a", FnT2DAxis::kTranslateX);
    a.SetCentre(10, 20);  // refused: this axis may not move in y
    EXPECT_EQ(a.Centre(), (FnPoint{0, 0}));
    a.SetScale(2);
    FnAxisBox b = a.ComputeAxisBox();
    EXPECT_EQ(b.minX, -74);
    EXPECT_EQ(b.maxX, 74);
    EXPECT_EQ(b.minY, -3);
    EXPECT_EQ(b.maxY, 3);
    EXPECT_EQ(a.X(), -74);
    EXPECT_EQ(a.Width(), 148);
    // Flag bit 5 measures all seven handles: the scale box reaches 74 down
    // and left, the aspect handle (pushed 20 out along the diagonal, plus 3)
    // further up and right.
    a.SetAxisFlags(FnT2DAxis::kAllHandlesShown);
    b = a.ComputeAxisBox();
    EXPECT_EQ(b.minX, -74);
    EXPECT_EQ(b.minY, -74);
    EXPECT_NEAR(b.maxY, 74 + 20 / std::sqrt(2.0f) + 3, 1e-4);
}

TEST_F(AxisTest, EveryHandleIsHitWhereItIsDrawnAndNotBeyondTheTolerance) {
    FnT2DAxis a("a", kAll);
    Place(a);
    PointerTo(*t, 1, 1);
    const FnFrame f = Paint(t->Window());
    SavePng(t->Window(), "axis_all_handles");
    struct Case {
        const char* handle;
        int x, y, part;
        Hue hue;
        int insideX, insideY;    // one pixel inside the tolerance
        int outsideX, outsideY;  // at the tolerance: a miss
    } const cases[] = {
        {"translate x", 80, 100, 1, Hue::Red, 80, 102, 80, 103},
        {"translate y", 100, 80, 2, Hue::Red, 102, 80, 103, 80},
        {"rotate", 128, 116, 32, Hue::Green, 130, 117, 131, 118},
        {"uniform scale", 137, 63, 4, Hue::Blue, 137, 61, 137, 59},
        {"x scale", 137, 90, 8, Hue::Blue, 139, 90, 141, 90},
        {"y scale", 85, 137, 16, Hue::Blue, 85, 139, 85, 141},
        {"aspect", 144, 144, 64, Hue::Dark, 150, 144, 151, 144},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handle);
        EXPECT_TRUE(HueNear(f, c.x, c.y, c.hue)) << PixelText(f, c.x, c.y);
        EXPECT_EQ(PartAt(a, c.x, c.y), c.part);
        EXPECT_EQ(PartAt(a, c.insideX, c.insideY), c.part);
        EXPECT_EQ(PartAt(a, c.outsideX, c.outsideY), 0);
    }
    // The centre box is +-(tolerance + 3); just outside it the x arrow.
    EXPECT_EQ(PartAt(a, 105, 100), 3);
    EXPECT_EQ(PartAt(a, 106, 100), 1);
    // The grabbed scale handle's side: uniform scale below the centre.
    EXPECT_EQ(PartAt(a, 63, 63), 4);
    EXPECT_EQ(a.ScaleSide(), FnT2DAxis::kSideNegativeX | FnT2DAxis::kSideNegativeY);

    // At zoom 2 every handle lies twice as far out.
    a.SetScale(2);
    EXPECT_EQ(PartAt(a, 40, 100), 1);
    EXPECT_EQ(PartAt(a, 174, 130), 8);
    EXPECT_EQ(PartAt(a, 20, 100), 0);
}

TEST_F(AxisTest, ArrowsReachTheirLengthPlusTheTolerance) {
    FnT2DAxis a("a", FnT2DAxis::kTranslateX | FnT2DAxis::kTranslateY);
    Place(a);
    EXPECT_EQ(PartAt(a, 61, 100), 1);
    EXPECT_EQ(PartAt(a, 139, 102), 1);
    EXPECT_EQ(PartAt(a, 60, 100), 0);
    EXPECT_EQ(PartAt(a, 100, 139), 2);
    EXPECT_EQ(PartAt(a, 100, 140), 0);
    EXPECT_EQ(PartAt(a, 103, 120), 0);
    // Without scale handles no box edge sits on the arrows' tips.
    PointerTo(*t, 1, 1);
    const FnFrame f = Paint(t->Window());
    EXPECT_TRUE(HueNear(f, 134, 100, Hue::Red));
    EXPECT_TRUE(HueNear(f, 100, 66, Hue::Red));
    EXPECT_EQ(CountHue(f, 0, 0, 200, 200, Hue::Blue), 0);
}

TEST_F(AxisTest, HoveredHandlesAreDashedAndPressedOnesWhite) {
    FnT2DAxis a("a", kAll);
    Place(a);
    PointerTo(*t, 137, 90);  // x scale
    FnFrame f = Paint(t->Window());
    // The x sides dashed blue and white; the y sides stay blue.
    int white = 0, blue = 0;
    for (int y = 70; y < 130; ++y) {
        white += HueAt(f, 137, y, Hue::White);
        blue += HueAt(f, 137, y, Hue::Blue);
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(blue, 10);
    EXPECT_TRUE(HueAt(f, 120, 137, Hue::Blue));
    LeftButton(true);
    f = Paint(t->Window());
    for (int y = 70; y < 130; y += 7) EXPECT_TRUE(HueAt(f, 137, y, Hue::White)) << y;
    LeftButton(false);
}

TEST_F(AxisTest, EachDragMovesWhatItShould) {
    FnT2DAxis a("a", kAll);
    Place(a);
    Recorder r;
    r.ListenTo(&a);
    // A drag that the axis reports as one of the handle `part`.
    const auto dragOf = [&](int part, int x0, int y0, int x1, int y1) {
        r.got.clear();
        Drag(x0, y0, x1, y1);
        r.ExpectDrag(part);
    };

    dragOf(1, 80, 100, 90, 105);  // translate x: y stays
    EXPECT_EQ(a.Centre(), (FnPoint{110, 100}));
    EXPECT_EQ(a.X(), 110 - 37);   // the box moved along
    dragOf(2, 110, 80, 115, 90);  // translate y: x stays
    EXPECT_EQ(a.Centre(), (FnPoint{110, 110}));
    dragOf(3, 110, 110, 100, 100);  // the centre: both
    EXPECT_EQ(a.Centre(), (FnPoint{100, 100}));

    dragOf(32, 128, 116, 116, 128);  // rotate by the angle swept
    const float swept = (std::atan2(28.0f, 16.0f) - std::atan2(16.0f, 28.0f)) * 180 / 3.1415927f;
    EXPECT_NEAR(a.Rotation(), swept, 1e-3);
    a.SetRotation(0);

    dragOf(4, 137, 137, 174, 150);  // uniform scale: the longer reach wins
    EXPECT_FLOAT_EQ(a.OverallScale(), 2.0f);
    a.SetScales(1, 1, 1);
    Drag(63, 137, 26, 120);  // from the negative x side
    EXPECT_FLOAT_EQ(a.OverallScale(), 2.0f);
    a.SetScales(1, 1, 1);

    dragOf(8, 137, 90, 174, 90);  // x scale
    EXPECT_FLOAT_EQ(a.ScaleX(), 2.0f);
    EXPECT_FLOAT_EQ(a.ScaleY(), 1.0f);
    a.SetScales(1, 1, 1);
    Drag(137, 90, 80, 90);  // across the centre: negative
    EXPECT_NEAR(a.ScaleX(), -20.0f / 37.0f, 1e-6);
    a.SetScales(1, 1, 1);

    dragOf(16, 85, 137, 85, 174);  // y scale
    EXPECT_FLOAT_EQ(a.ScaleY(), 2.0f);
    EXPECT_FLOAT_EQ(a.ScaleX(), 1.0f);
    a.SetScales(1, 1, 1);

    dragOf(64, 144, 144, 120, 160);  // aspect: the x reach over the y reach
    EXPECT_NEAR(a.Aspect(), 20.0f / 60.0f - 1.0f, 1e-6);
}

TEST_F(AxisTest, RotationAcrossTheHalfTurnTakesTheSmallerAngle) {
    FnT2DAxis a("a", kAll);
    Place(a);
    a.SetRotation(170);
    // The arc now spans 125..215 degrees; drag from 175 to 185 degrees.
    ASSERT_EQ(PartAt(a, 68, 103), 32);
    Drag(68, 103, 68, 97);
    const float expected =
        170 +
        (std::atan2(-3.0f, -32.0f) - std::atan2(3.0f, -32.0f) + 2 * 3.1415927f) * 180 / 3.1415927f;
    EXPECT_NEAR(a.Rotation(), expected, 1e-3);
    EXPECT_LT(std::fabs(a.Rotation() - 170), 20);
}

TEST_F(AxisTest, AspectOnTheNegativeSideSnapsToItsSign) {
    FnT2DAxis a("a", kAll);
    Place(a);
    for (float start : {-0.5f, 0.3f, 0.0f}) {
        SCOPED_TRACE(start);
        a.SetAspect(start);
        const FnPoint h = a.AspectHandle(kAll);
        const int x = int(std::lround(100 + h.x)), y = int(std::lround(100 + h.y));
        ASSERT_EQ(PartAt(a, x, y), 64);
        Drag(x, y, 90, 130, false);  // straight to the left of the centre
        EXPECT_EQ(a.Aspect(), start < 0 ? -1.0f : (start > 0 ? 1.0f : 0.0f));
    }
}

TEST_F(AxisTest, DisabledHandlesAreNeitherHitNorArrowsDrawnButTheRestIs) {
    FnT2DAxis a("Gizmo", kAll);
    Place(a);
    a.SetAxisFlags(FnT2DAxis::kHandlesDisabled | FnT2DAxis::kDrawLabel);
    PointerTo(*t, 1, 1);
    const FnFrame f = Paint(t->Window());
    SavePng(t->Window(), "axis_disabled_label");
    EXPECT_EQ(PartAt(a, 80, 100), 0);
    EXPECT_EQ(PartAt(a, 137, 90), 0);
    EXPECT_EQ(PartAt(a, 100, 100), 0);
    EXPECT_EQ(CountHue(f, 0, 0, 200, 200, Hue::Red), 0);
    EXPECT_TRUE(HueNear(f, 137, 90, Hue::Blue));
    EXPECT_TRUE(HueNear(f, 128, 116, Hue::Green));
    // The label: white text up and right of the centre.
    EXPECT_GT(CountHue(f, 104, 104, 170, 125, Hue::White), 10);
}

TEST_F(AxisTest, TipNamesTheHoveredHandleUntilPressed) {
    FnT2DAxis a("a", FnT2DAxis::kTranslateX | FnT2DAxis::kTranslateY);
    a.SetTip("centre");
    Place(a);
    PointerTo(*t, 1, 1);
    EXPECT_EQ(CountHue(Paint(t->Window()), 0, 0, 200, 200, Hue::Yellow), 0);
    PointerTo(*t, 80, 100);
    const FnFrame hovered = Paint(t->Window());
    // "Translates the centre." from 8 pixels right of and above the pointer.
    EXPECT_GT(CountHue(hovered, 88, 108, 199, 130, Hue::Yellow), 20);
    EXPECT_EQ(CountHue(hovered, 0, 0, 86, 200, Hue::Yellow), 0);
    LeftButton(true);
    EXPECT_EQ(CountHue(Paint(t->Window()), 0, 0, 200, 200, Hue::Yellow), 0);
    LeftButton(false);
}

TEST_F(AxisTest, GroupFindsAndDrawsItsChildInItsTurnedAndScaledFrame) {
    FnT2DAxisGroup g("G", kAll);
    std::vector<std::string> log;
    LogBox child("child", &log, 10, 0, 5, 5, {1, 0, 1});
    ASSERT_EQ(g.AddChild(&child), 1);
    EXPECT_EQ(g.AddChild(&child), 0);
    EXPECT_EQ(g.AddChild(&g), 0);
    EXPECT_EQ(child.Manager(), nullptr);
    Place(g);
    EXPECT_EQ(child.Manager(), t.get());
    g.SetRotation(90);
    g.SetScales(2, 1, 1);
    // Local (12.5, 2.5): scaled (25, 5), turned (-5, 25), at (95, 125).
    PointerTo(*t, 1, 1);
    const FnFrame f = Paint(t->Window());
    SavePng(t->Window(), "axis_group_child");
    EXPECT_TRUE(PixelIs(f, 95, 125, 255, 0, 255)) << PixelText(f, 95, 125);
    EXPECT_FALSE(PixelIs(f, 112, 102, 255, 0, 255));
    PointerTo(*t, 95, 125);
    EXPECT_EQ(t->HoverResult(), &child);
    PointerTo(*t, 112, 102);
    EXPECT_NE(t->HoverResult(), &child);

    // Moving the group moves the child; its own x arrow stays screen-aligned.
    Drag(80, 100, 90, 100);
    EXPECT_EQ(g.Centre(), (FnPoint{110, 100}));
    PointerTo(*t, 105, 125);
    EXPECT_EQ(t->HoverResult(), &child);
    LeftButton(true);
    LeftButton(false);
    ASSERT_FALSE(log.empty());
    EXPECT_NE(std::find(log.begin(), log.end(), "press child 12,2"), log.end());

    // A child of the second container is found the same way; a child that
    // dies leaves the group.
    {
        LogBox second("second", nullptr, -20, 0, 5, 5);
        g.SetAddToSecond(true);
        ASSERT_EQ(g.AddChild(&second), 1);
        PointerTo(*t, 105, 65);  // local (-17.5, 2.5): scaled and turned (-5, -35)
        EXPECT_EQ(t->HoverResult(), &second);
        EXPECT_EQ(g.Second().Children().Count(), 1u);
    }
    EXPECT_EQ(g.Second().Children().Count(), 0u);
    EXPECT_EQ(g.RemoveChild(&child), 1);
    EXPECT_EQ(child.Parent(), nullptr);
    EXPECT_EQ(child.Manager(), nullptr);
    EXPECT_EQ(g.RemoveChild(&child), 0);
}

TEST_F(AxisTest, ApplyTransformMultipliesTheGLMatrixByTheStackTop) {
    t = MakeTrouser(0, 0, 49, 49);
    GLfloat got[16] = {};
    SketchWidget probe([&] {
        glPushMatrix();
        glLoadIdentity();
        FnT2DAxis a("a", kAll);
        a.SetCentre(5, 7);
        a.SetRotation(90);
        a.SetScales(2, 1, 1);
        PushTransform();
        MultiplyTransform(a.Matrix());
        ApplyTransform();
        PopTransform();
        glGetFloatv(GL_MODELVIEW_MATRIX, got);
        glPopMatrix();
    });
    t->AddWidget(&probe);
    Paint(t->Window());
    // x goes to +y scaled by 2, y to -x scaled by 2, the origin to (5, 7).
    const float expected[16] = {0, 2, 0, 0, -2, 0, 0, 0, 0, 0, 1, 0, 5, 7, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(got[i], expected[i], 1e-5) << i;
    EXPECT_EQ(TransformDepth(), 0);
}
