// The main colour page through the host's page editor: the range switch,
// the colour circle, typing and scrubbing, Reset, undo, changes made
// elsewhere and the host's time.
#include <cmath>
#include <cstring>
#include <string>

#include "tests/support/FnUserScrub.h"
#include "tests/ui/pages/PageTestHost.h"

namespace {

namespace P = ColBalanceParam;

constexpr int kWhich = 1009, kPreserve = 1008, kReset = 1014;
constexpr int kMasterHue = 1000, kMasterSaturation = 1001, kMasterLuminance = 1010;
constexpr int kMidtonesHue = 1004, kMidtonesSaturation = 1005, kMidtonesLuminance = 1012;

int DifferingPixels(const FnFrame& a, const FnFrame& b) {
    int n = 0;
    for (int y = 0; y < a.height && y < b.height; ++y)
        for (int x = 0; x < a.width && x < b.width; ++x)
            n += std::memcmp(a.At(x, y), b.At(x, y), 3) != 0;
    return n;
}

class MainPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        page = Open(CLSID_ColBalancePPG);
        circle = WidgetHost(page);
        ASSERT_NE(circle, nullptr);
        const RECT r = ClientRect(circle);
        side = float(std::min(r.right, r.bottom));
    }
    size_t page = 0;
    HWND circle = nullptr;
    float side = 0;
};

}  // namespace

TEST_F(MainPageTest, OpensOnTheOverallRangeWithTheHostsControls) {
    EXPECT_EQ(State(page, kWhich).selection, 0);
    EXPECT_EQ(State(page, kWhich).items,
              (std::vector<std::string>{"Overall", "Lowlights", "Midtones", "Highlights"}));
    EXPECT_EQ(State(page, kPreserve).check, 1);
    const FnControlState hue = State(page, kMasterHue);
    EXPECT_EQ(hue.kind, FnControlKind::NumberField);
    EXPECT_EQ(hue.label, "Master Hue");
    EXPECT_EQ(hue.tip, "Master hue value.");
    // The template says 0 to 10; the page widens it.
    EXPECT_EQ(State(page, kMasterSaturation).maximum, 100);
    EXPECT_EQ(State(page, kMasterLuminance).minimum, -100);
    for (int id : {kMasterHue, kMasterSaturation, kMasterLuminance, 2000, 2001, 2010})
        EXPECT_TRUE(Shown(page, id)) << id;
    for (int id : {kMidtonesHue, kMidtonesSaturation, kMidtonesLuminance, 2004, 2009, 1015})
        EXPECT_FALSE(Shown(page, id)) << id;
    EXPECT_EQ(store->pageWrites(), 0u);
    Paint(page, "main-page");
}

TEST_F(MainPageTest, WhichSwitchesTheVisibleSetWithoutWritingAParameter) {
    ASSERT_EQ(store->setProperty(P::MidtonesHue, 90), S_OK);
    ASSERT_EQ(store->setProperty(P::MidtonesSaturation, 25), S_OK);
    const FnFrame before = Paint(page);
    const size_t writes = store->pageWrites(), events = UndoCount();
    ASSERT_TRUE(FnUserPick(Item(page, kWhich), 2));
    for (int id : {kMidtonesHue, kMidtonesSaturation, kMidtonesLuminance, 2004, 2005, 2012})
        EXPECT_TRUE(Shown(page, id)) << id;
    for (int id : {kMasterHue, kMasterSaturation, kMasterLuminance, 2000, 2001, 2010, 1002, 1006,
                   2002, 2006})
        EXPECT_FALSE(Shown(page, id)) << id;
    EXPECT_EQ(store->pageWrites(), writes);
    EXPECT_EQ(UndoCount(), events);
    EXPECT_EQ(Value(P::Which), 0);  // the selection stays on the page
    EXPECT_EQ(State(page, kMidtonesHue).value, 90);
    // The marker went to the rim at the top: the circle's picture changed.
    const FnFrame after = Paint(page, "main-page-midtones");
    EXPECT_NE(before.rgba, after.rgba);
}

TEST_F(MainPageTest, ACircleDragIsOneUndoEventWrittenWhenItEnds) {
    const float centre = side / 2;
    PointerTo(circle, centre, centre);
    LeftButton(true);
    // Far above the rim: the saturation stops at the rim.
    PointerTo(circle, centre, side - 1);
    EXPECT_EQ(Value(P::MasterHue), 0);
    EXPECT_EQ(Value(P::MasterSaturation), 0);
    EXPECT_EQ(UndoCount(), 0u);
    LeftButton(false);
    EXPECT_NEAR(Value(P::MasterHue), 90, 0.5);
    EXPECT_DOUBLE_EQ(Value(P::MasterSaturation), 25);
    ASSERT_EQ(UndoCount(), 1u);
    EXPECT_EQ(store->stack().event(0).changes.size(), 2u);
    EXPECT_NEAR(State(page, kMasterHue).value, 90, 0.5);
    EXPECT_EQ(State(page, kMasterSaturation).value, 25);

    // Undo puts both back and the page follows without writing anything.
    const size_t writes = store->pageWrites();
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::MasterHue), 0);
    EXPECT_EQ(Value(P::MasterSaturation), 0);
    EXPECT_EQ(State(page, kMasterHue).value, 0);
    EXPECT_EQ(State(page, kMasterSaturation).value, 0);
    EXPECT_EQ(store->pageWrites(), writes);
    EXPECT_EQ(UndoCount(), 0u);
    ASSERT_TRUE(store->redo());
    EXPECT_DOUBLE_EQ(Value(P::MasterSaturation), 25);
}

TEST_F(MainPageTest, TypedNumbersAreClampedToThePageRange) {
    ASSERT_TRUE(FnUserType(Item(page, kMasterHue), "1000"));
    EXPECT_EQ(Value(P::MasterHue), 720);
    ASSERT_TRUE(FnUserType(Item(page, kMasterLuminance), "-250"));
    EXPECT_EQ(Value(P::MasterLuminance), -100);
    EXPECT_EQ(UndoCount(), 2u);
    EXPECT_EQ(store->stack().event(1).command, DWORD(kMasterLuminance));
    // Text, NaN and overflow change nothing; a huge finite value clamps.
    for (const char* bad : {"red", "nan", "1e400", "--5"})
        ASSERT_TRUE(FnUserType(Item(page, kMasterHue), bad));
    EXPECT_EQ(Value(P::MasterHue), 720);
    EXPECT_EQ(UndoCount(), 2u);
    ASSERT_TRUE(FnUserType(Item(page, kMasterSaturation), "1e300"));
    EXPECT_EQ(Value(P::MasterSaturation), 100);
}

TEST_F(MainPageTest, AScrubIsOneUndoEvent) {
    ASSERT_TRUE(FnUserScrub(Item(page, kMasterLuminance), 40));
    EXPECT_DOUBLE_EQ(Value(P::MasterLuminance), 40 * 200.0 / 400);
    ASSERT_EQ(UndoCount(), 1u);
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::MasterLuminance), 0);
    EXPECT_EQ(State(page, kMasterLuminance).value, 0);
}

TEST_F(MainPageTest, PreserveLuminanceFollowsItsCheckBox) {
    ASSERT_TRUE(FnUserClick(Item(page, kPreserve)));
    EXPECT_EQ(Value(P::PreserveLuminance), 0);
    EXPECT_EQ(UndoCount(), 1u);
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::PreserveLuminance), 1);
    EXPECT_EQ(State(page, kPreserve).check, 1);
}

TEST_F(MainPageTest, ResetIsOneUndoEventOverEveryParameterOfThePage) {
    ASSERT_EQ(store->setProperty(P::LowlightHue, 200), S_OK);
    ASSERT_EQ(store->setProperty(P::HighlightLuminance, 30), S_OK);
    ASSERT_EQ(store->setProperty(P::PreserveLuminance, 0), S_OK);
    ASSERT_TRUE(FnUserPick(Item(page, kWhich), 1));
    const size_t events = UndoCount();
    ASSERT_TRUE(FnUserClick(Item(page, kReset)));
    EXPECT_EQ(Value(P::LowlightHue), 0);
    EXPECT_EQ(Value(P::HighlightLuminance), 0);
    EXPECT_EQ(Value(P::PreserveLuminance), 1);
    EXPECT_EQ(State(page, kWhich).selection, 0);
    EXPECT_TRUE(Shown(page, kMasterHue));
    ASSERT_EQ(UndoCount(), events + 1);
    EXPECT_EQ(store->stack().event(events).command, DWORD(kReset));
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::LowlightHue), 200);
    EXPECT_EQ(Value(P::HighlightLuminance), 30);
    EXPECT_EQ(Value(P::PreserveLuminance), 0);
    EXPECT_EQ(State(page, kPreserve).check, 0);
}

TEST_F(MainPageTest, ChangesMadeElsewhereMoveTheMarkerOnlyForTheShownRange) {
    const auto circleFrame = [&] { return PageTestSystem().Frame(circle); };
    const FnFrame before = circleFrame();
    const size_t writes = store->pageWrites();
    ASSERT_EQ(store->setProperty(P::LowlightHue, 180), S_OK);
    ASSERT_EQ(store->setProperty(P::LowlightSaturation, 20), S_OK);
    EXPECT_EQ(circleFrame().rgba, before.rgba);
    ASSERT_EQ(store->setProperty(P::MasterHue, 180), S_OK);
    ASSERT_EQ(store->setProperty(P::MasterSaturation, 20), S_OK);
    const FnFrame at180 = circleFrame();
    EXPECT_GT(DifferingPixels(at180, before), 20);
    EXPECT_EQ(State(page, kMasterHue).value, 180);
    // The page followed without writing anything of its own.
    EXPECT_EQ(store->pageWrites(), writes);
    // A hue a whole turn on puts the marker at the same angle (a pixel of it
    // may round the other way).
    ASSERT_EQ(store->setProperty(P::MasterHue, 540), S_OK);
    EXPECT_LT(DifferingPixels(circleFrame(), at180), 4);
    EXPECT_EQ(State(page, kMasterHue).valueText, "540");
}

TEST_F(MainPageTest, EditsAtTheHostsTimeSetKeysThere) {
    ASSERT_EQ(store->setKeyframe(P::MasterHue, 0, 0), S_OK);
    ASSERT_EQ(store->setKeyframe(P::MasterHue, 20, 40), S_OK);
    host->setTime(10);
    EXPECT_EQ(State(page, kMasterHue).value, 20);
    ASSERT_TRUE(FnUserType(Item(page, kMasterHue), "50"));
    uint32_t keys = 0;
    ASSERT_EQ(props->GetKeyframeCount(P::MasterHue, &keys), S_OK);
    EXPECT_EQ(keys, 3u);
    double v = 0;
    ASSERT_EQ(props->GetValueAt(P::MasterHue, 10, &v), S_OK);
    EXPECT_EQ(v, 50);
    ASSERT_EQ(props->GetValueAt(P::MasterHue, 20, &v), S_OK);
    EXPECT_EQ(v, 40);
    host->setTime(20);
    EXPECT_EQ(State(page, kMasterHue).value, 40);
    ASSERT_TRUE(store->undo());
    ASSERT_EQ(props->GetKeyframeCount(P::MasterHue, &keys), S_OK);
    EXPECT_EQ(keys, 2u);
}

namespace {

// A host that keeps the parameters itself: writes through to the effect and
// tells the pages, and logs what reached it.
class LoggingStore final : public DsParamStore {
public:
    LoggingStore(IDSPropertyContainer* props, DsPageHost& host) : props_(props), host_(host) {}
    HRESULT write(REFGUID id, double value, bool, double) override {
        log += "w";
        const HRESULT hr = props_->SetValue(id, value);
        if (SUCCEEDED(hr)) host_.propertyChanged(id);
        return hr;
    }
    void beginUndo(DWORD) override { log += "("; }
    void endUndo() override { log += ")"; }
    std::string log;

private:
    IDSPropertyContainer* props_;
    DsPageHost& host_;
};

}  // namespace

TEST_F(MainPageTest, AHostsParamStoreTakesThePagesWritesAndBrackets) {
    LoggingStore logging(props.get(), *host);
    host->setParamStore(&logging);
    const float centre = side / 2;
    Drag(circle, centre, centre, centre, side - 1);
    // Hue and saturation in one bracket, and the page's fields follow the
    // store's news.
    EXPECT_EQ(logging.log, "(ww)");
    EXPECT_DOUBLE_EQ(Value(P::MasterSaturation), 25);
    EXPECT_EQ(State(page, kMasterSaturation).value, 25);
    EXPECT_EQ(UndoCount(), 0u) << "the other store is left alone";
    host->setParamStore(store.get());
}
