// The widget tree in a real host window: picking, routing, groups, tips,
// extents and lifetimes.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "platform/window/FnWindowInput.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnTGroup.h"

#include <algorithm>
#include <climits>

namespace {

using Log = std::vector<std::string>;

// Bounding box of the pixels of one colour, y up; empty: minX > maxX.
struct Box {
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    bool Empty() const { return minX > maxX; }
};

Box Find(const FnFrame& f, int r, int g, int b) {
    Box box;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (PixelIs(f, x, y, r, g, b)) {
                box.minX = std::min(box.minX, x);
                box.maxX = std::max(box.maxX, x);
                box.minY = std::min(box.minY, y);
                box.maxY = std::max(box.maxY, y);
            }
    return box;
}

}  // namespace

using ManagerTest = ToolkitTest;

TEST_F(ManagerTest, LastAddedIsDrawnOnTopAndPickedWithinThreePixels) {
    auto t = MakeTrouser(10, 10, 209, 159);
    LogBox a("A", nullptr, 20, 20, 40, 40, {1, 0, 0});
    LogBox b("B", nullptr, 40, 40, 40, 40, {0, 0, 1});
    LogBox c("C", nullptr, 120, 50, 20, 20, {0, 1, 0});
    LogBox hidden("H", nullptr, 120, 50, 20, 20, {1, 1, 1});
    ASSERT_EQ(t->AddWidget(&a), 1);
    ASSERT_EQ(t->AddWidget(&b), 1);
    EXPECT_EQ(t->AddWidget(&b), 0);
    EXPECT_EQ(t->AddWidget(nullptr), 0);
    t->AddWidget(&c);
    t->AddWidget(&hidden);
    hidden.SetVisibility(FnTObject::kShown);  // drawn on top, but not sensitive

    const FnFrame f = Paint(t->Window());
    EXPECT_TRUE(PixelIs(f, 50, 50, 0, 0, 255)) << PixelText(f, 50, 50);
    EXPECT_TRUE(PixelIs(f, 30, 30, 255, 0, 0)) << PixelText(f, 30, 30);
    EXPECT_TRUE(PixelIs(f, 130, 60, 255, 255, 255)) << PixelText(f, 130, 60);

    PointerTo(*t, 50, 50);
    EXPECT_EQ(t->HoverResult(), &b);
    PointerTo(*t, 25, 25);
    EXPECT_EQ(t->HoverResult(), &a);

    // The green box spans 120..140 x 50..70: three pixels out still count.
    const struct {
        int x, y;
        bool hit;
    } probes[] = {{117, 60, true}, {116, 60, false}, {143, 60, true}, {144, 60, false},
                  {130, 47, true}, {130, 46, false}, {130, 73, true}, {130, 74, false}};
    for (const auto& p : probes) {
        PointerTo(*t, p.x, p.y);
        EXPECT_EQ(t->HoverResult(), p.hit ? &c : nullptr) << p.x << "," << p.y;
    }

    // With its has-extent bit clear a widget is asked wherever the pointer is.
    c.SetFlags(c.Flags() & ~FnTObject::kHasExtent);
    PointerTo(*t, 180, 140);
    EXPECT_EQ(t->HoverResult(), &c);
}

TEST_F(ManagerTest, RoutesEnterLeavePressDragAndRelease) {
    auto t = MakeTrouser(10, 10, 209, 159);
    Log log;
    LogBox a("A", &log, 20, 20, 40, 40);
    t->AddWidget(&a);

    PointerTo(*t, 30, 30);
    PointerTo(*t, 31, 30);
    EXPECT_EQ(log, (Log{"enter A 30,30", "leave A", "enter A 31,30"}));
    EXPECT_TRUE(a.Hovered());

    log.clear();
    LeftButton(true);
    EXPECT_TRUE(a.Pressed());
    EXPECT_EQ(t->ButtonHeld(), 1);
    // Dragged far outside the widget and the window: still the pressed one.
    PointerTo(*t, 300, -20);
    EXPECT_EQ(t->PointerDelta(), (FnPoint{269, -50}));
    LeftButton(false);
    EXPECT_FALSE(a.Pressed());
    EXPECT_EQ(log, (Log{"leave A", "press A 31,30", "drag A 300,-20", "release A"}));

    // A drag step that changes nothing asks for no redraw (the tip would).
    log.clear();
    t->SetShowTips(false);
    PointerTo(*t, 30, 30);
    LeftButton(true);
    a.dragResult = 0;
    EXPECT_EQ(t->Dispatch(FnMessage::Pointer(kFnPointerMoved, {35, 35})), 0);
    a.dragResult = 1;
    EXPECT_EQ(t->Dispatch(FnMessage::Pointer(kFnPointerMoved, {36, 35})), 1);
    LeftButton(false);
    t->SetShowTips(true);

    // Moves of a thousandth of a pixel or less only update the position.
    log.clear();
    const FnPoint at = t->PointerPosition();
    t->Dispatch(FnMessage::Pointer(kFnPointerMoved, {at.x + 0.0005f, at.y - 0.0005f}));
    EXPECT_TRUE(log.empty());
    EXPECT_FLOAT_EQ(t->PointerPosition().x, at.x + 0.0005f);

    // Leaving for empty space: the hover result goes and a redraw is due.
    PointerTo(*t, 150, 120);
    EXPECT_EQ(log, (Log{"leave A"}));
    EXPECT_EQ(t->HoverResult(), nullptr);
    EXPECT_FALSE(a.Hovered());

    // Other kinds and the right button do nothing.
    EXPECT_EQ(t->HandleMessage(FnMessage(kFnDragStarted), nullptr), 0);
    PointerTo(*t, 30, 30);
    log.clear();
    FnInputMouseButton(2, true);
    FnInputMouseButton(2, false);
    EXPECT_TRUE(log.empty());
}

TEST_F(ManagerTest, NestedDispatchUpdatesThePointerButTakesNoStep) {
    auto t = MakeTrouser(10, 10, 209, 159);
    Log log;
    LogBox a("A", &log, 20, 20, 40, 40);
    LogBox b("B", &log, 100, 20, 40, 40);
    t->AddWidget(&a);
    t->AddWidget(&b);
    a.onPress = [&] { t->Dispatch(FnMessage::Pointer(kFnPointerMoved, {110, 30})); };
    PointerTo(*t, 30, 30);
    log.clear();
    LeftButton(true);
    EXPECT_EQ(log, (Log{"leave A", "press A 30,30"}));
    EXPECT_EQ(t->PointerPosition(), (FnPoint{110, 30}));
    EXPECT_EQ(t->DispatchWord() & FnTManager::kDispatching, 0u);
    LeftButton(false);
}

TEST_F(ManagerTest, GroupTakesPressesOnItsEmptySpace) {
    auto t = MakeTrouser(10, 10, 209, 159);
    Log log;
    LogBox under("U", &log, 10, 10, 100, 40);
    FnTGroup group("G");
    LogBox left("L", &log, 20, 20, 10, 10);
    LogBox right("R", &log, 60, 20, 10, 10);
    t->AddWidget(&under);
    t->AddWidget(&group);
    ASSERT_EQ(group.AddChild(&left), 1);
    ASSERT_EQ(group.AddChild(&right), 1);
    EXPECT_EQ(group.Manager(), t.get());
    EXPECT_EQ(right.Manager(), t.get());
    EXPECT_EQ(right.Parent(), &group);
    EXPECT_EQ(group.X(), 20);
    EXPECT_EQ(group.Width(), 50);

    // The group's background hides the box below it.
    FnFrame f = Paint(t->Window());
    EXPECT_TRUE(PixelIs(f, 45, 25, 153, 153, 153)) << PixelText(f, 45, 25);

    PointerTo(*t, 45, 25);
    EXPECT_EQ(t->HoverResult(), nullptr);
    log.clear();
    LeftButton(true);
    LeftButton(false);
    EXPECT_TRUE(log.empty());

    // A child of the group gets its events through the group.
    PointerTo(*t, 65, 25);
    EXPECT_EQ(t->HoverResult(), &right);
    EXPECT_EQ(group.Target(), &right);
    LeftButton(true);
    LeftButton(false);
    EXPECT_EQ(log,
              (Log{"enter R 65,25", "leave R", "press R 65,25", "release R", "enter R 65,25"}));

    // Without bit 2 the press falls through to the box below.
    group.SetGroupFlags(FnTGroup::kDrawBackground);
    PointerTo(*t, 46, 25);
    EXPECT_EQ(t->HoverResult(), &under);
    log.clear();
    LeftButton(true);
    LeftButton(false);
    EXPECT_EQ(log, (Log{"leave U", "press U 46,25", "release U", "enter U 46,25"}));
}

TEST_F(ManagerTest, DefaultWidgetTakesThePointerOverNothing) {
    auto t = MakeTrouser(10, 10, 209, 159);
    Log log;
    FnTGroup outer("outer"), inner("inner");
    LogBox fallback("D", &log, 150, 100, 10, 10);
    outer.SetGroupFlags(0);
    inner.SetGroupFlags(0);
    t->AddWidget(&outer);
    outer.AddChild(&inner);
    inner.AddChild(&fallback);
    t->SetDefaultWidget(&fallback);
    EXPECT_EQ(outer.FindByName("D"), &fallback);

    PointerTo(*t, 20, 20);
    EXPECT_EQ(t->HoverResult(), &fallback);
    EXPECT_EQ(t->HitChild(), &outer);
    EXPECT_EQ(outer.Target(), &inner);
    EXPECT_EQ(inner.Target(), &fallback);
    log.clear();
    LeftButton(true);
    EXPECT_EQ(log, (Log{"leave D", "press D 20,20"}));
    LeftButton(false);

    // An insensitive default is not used.
    fallback.SetVisibility(FnTObject::kShown);
    PointerTo(*t, 25, 20);
    EXPECT_EQ(t->HoverResult(), nullptr);
}

TEST_F(ManagerTest, TipFollowsThePointerUnlessPressed) {
    auto t = MakeTrouser(10, 10, 209, 159);
    LogBox a("A", nullptr, 20, 20, 60, 60, {0, 0, 1});
    a.SetTip("T");
    t->AddWidget(&a);
    t->SetDrawOptions(FnwTrouser::kClearFirst);  // no frame: its dark edges would mix with the text

    PointerTo(*t, 40, 40);
    FnFrame f = Paint(t->Window());
    SavePng(t->Window(), "tip");
    // Dark text at (48, 48), yellow one pixel up and right; "T" sits on the
    // baseline and starts at its origin.
    const Box yellow = Find(f, 255, 255, 0);
    const Box dark = Find(f, 26, 26, 26);
    ASSERT_FALSE(yellow.Empty());
    ASSERT_FALSE(dark.Empty());
    EXPECT_EQ(yellow.minY, 49);
    EXPECT_EQ(dark.minY, 48);
    EXPECT_EQ(yellow.minX, dark.minX + 1);
    EXPECT_GE(dark.minX, 48);
    EXPECT_LE(dark.minX, 49);

    PointerTo(*t, 50, 30);
    f = Paint(t->Window());
    EXPECT_EQ(Find(f, 255, 255, 0).minY, 39);

    LeftButton(true);
    f = Paint(t->Window());
    EXPECT_TRUE(Find(f, 255, 255, 0).Empty());
    LeftButton(false);
    f = Paint(t->Window());
    EXPECT_FALSE(Find(f, 255, 255, 0).Empty());

    t->SetShowTips(false);
    f = Paint(t->Window());
    EXPECT_TRUE(Find(f, 255, 255, 0).Empty());
}

TEST_F(ManagerTest, GroupExtentFollowsItsChildren) {
    Log log;
    FnTGroup outer("outer"), inner("inner");
    LogBox a("a", nullptr, 10, 10, 10, 10), b("b", nullptr, 50, 30, 20, 5),
        c("c", nullptr, -5, 0, 5, 5);
    EXPECT_EQ(outer.AddChild(nullptr), 0);
    EXPECT_EQ(outer.AddChild(&outer), 0);
    outer.AddChild(&inner);
    EXPECT_EQ(inner.AddChild(&outer), 0);  // no cycles
    inner.AddChild(&a);
    inner.AddChild(&b);
    EXPECT_EQ(inner.AddChild(&b), 0);
    EXPECT_EQ((FnPoint{inner.X(), inner.Y()}), (FnPoint{10, 10}));
    EXPECT_EQ((FnPoint{inner.Width(), inner.Height()}), (FnPoint{60, 25}));
    EXPECT_EQ(outer.Width(), 60);  // the outer group heard of it

    // Groups do not move or resize themselves; their children do.
    inner.SetPosition(100, 100);
    EXPECT_EQ(inner.X(), 10);
    b.SetPosition(40, 30);
    EXPECT_EQ(inner.Width(), 50);
    EXPECT_EQ(outer.Width(), 50);

    // A child without extent clears the bit but does not grow the box.
    c.SetFlags(c.Flags() & ~FnTObject::kHasExtent);
    inner.AddChild(&c);
    EXPECT_FALSE(inner.HasExtent());
    EXPECT_EQ(inner.RemoveChild(&c), 1);
    EXPECT_TRUE(inner.HasExtent());
    EXPECT_EQ(inner.ExtentState(), FnTContainer::kAllWithExtent);
    EXPECT_EQ(inner.RemoveChild(&c), 0);
    EXPECT_EQ(c.Parent(), nullptr);

    EXPECT_EQ(inner.RemoveChild(&a), 1);
    EXPECT_EQ((FnPoint{inner.X(), inner.Y()}), (FnPoint{40, 30}));
    EXPECT_EQ((FnPoint{inner.Width(), inner.Height()}), (FnPoint{20, 5}));
    inner.RemoveChild(&b);
    EXPECT_EQ((FnPoint{inner.X(), inner.Y()}), (FnPoint{0, 0}));
    EXPECT_EQ((FnPoint{inner.Width(), inner.Height()}), (FnPoint{0, 0}));
    EXPECT_EQ(inner.ExtentState(), FnTContainer::kNoChildren);
    EXPECT_EQ(outer.Width(), 0);
}

TEST_F(ManagerTest, TreeForgetsWidgetsThatDieOrLeave) {
    auto t = MakeTrouser(10, 10, 209, 159);
    int destroyed = 0;
    auto hovered = std::make_unique<LogBox>("h", nullptr, 20, 20, 20, 20);
    t->AddWidget(hovered.get());
    PointerTo(*t, 25, 25);
    ASSERT_EQ(t->HoverResult(), hovered.get());
    hovered.reset();
    EXPECT_EQ(t->HoverResult(), nullptr);
    EXPECT_EQ(t->HitChild(), nullptr);
    EXPECT_TRUE(t->Children().Empty());
    PointerTo(*t, 26, 25);
    Paint(t->Window());

    // A group that owns its children destroys them; one that does not leaves them.
    auto owning = std::make_unique<FnTGroup>("owning", FnTContainer::kOwnsChildren);
    auto* child = new LogBox("c", nullptr, 20, 20, 20, 20);
    child->destroyed_ = &destroyed;
    owning->AddChild(child);
    t->AddWidget(owning.get());
    PointerTo(*t, 27, 25);
    ASSERT_EQ(t->HoverResult(), child);
    owning.reset();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(t->HoverResult(), nullptr);

    // Moving a widget from a group to the manager takes it out of the group.
    FnTGroup g("g");
    LogBox moved("m", nullptr, 0, 0, 5, 5);
    g.AddChild(&moved);
    t->AddWidget(&g);
    EXPECT_EQ(t->AddWidget(&moved), 1);
    EXPECT_EQ(moved.Parent(), nullptr);
    EXPECT_FALSE(g.Contains(&moved));
    EXPECT_EQ(t->RemoveWidget(&moved), 1);
    EXPECT_EQ(moved.Manager(), nullptr);

    // The manager goes first: its widgets stay, detached.
    t.reset();
    EXPECT_EQ(g.Manager(), nullptr);
}
