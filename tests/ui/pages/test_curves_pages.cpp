// The tone-curves pages: the curves and their parameters, Reset, and on
// ToneCurvesPPG the histogram of the frame at the host's time, pulled from
// the host and counted on the worker threads.
#include <cmath>

#include "tests/support/DsPullScript.h"
#include "tests/ui/pages/PageTestHost.h"

namespace {

namespace P = ColBalanceParam;

constexpr int kLowlights = 1016, kHighlights = 1017, kRenderTone = 1020, kReset = 1021;

class CurvesPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        page = Open(CLSID_ToneCurvesPPG);
        widgets = WidgetHost(page);
        ASSERT_NE(widgets, nullptr);
        const RECT r = ClientRect(widgets);
        width = float(r.right);
        height = float(r.bottom);
    }
    // The curve area: the widget at (1, 1) with its 2-pixel inset.
    float AreaX(float v) const { return 3 + v * (width - 6); }
    float AreaTop() const { return height - 3; }
    FnFrame Widgets() const { return PageTestSystem().Frame(widgets); }

    size_t page = 0;
    HWND widgets = nullptr;
    float width = 0, height = 0;
};

// Black histogram bars over the window's grey, in the lowest rows (inside
// the window's frame).
int DarkColumns(const FnFrame& f) {
    int dark = 0;
    for (int x = 2; x < f.width - 2; ++x) {
        const uint8_t* p = f.AtGL(x, 4);
        if (p && p[0] < 40 && p[1] < 40 && p[2] < 40) ++dark;
    }
    return dark;
}

}  // namespace

TEST_F(CurvesPageTest, TheFrameAtTheHostsTimeIsCountedUnderTheCurves) {
    EXPECT_EQ(State(page, kRenderTone).items,
              (std::vector<std::string>{"None", "Lowlights", "Midtones", "Highlights"}));
    EXPECT_EQ(State(page, kRenderTone).selection, 0);
    EXPECT_EQ(host->pendingPulls(), 1u);
    EXPECT_EQ(DarkColumns(Widgets()), 0);  // the empty histogram draws nothing
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(host->framesDelivered(), 1u);
    // The ramp's 64 levels, and the red corner's greys.
    EXPECT_GT(DarkColumns(Widgets()), 60);
    Paint(page, "curves-page");
}

TEST_F(CurvesPageTest, ANewTimeAsksForTheFrameAtThatTime) {
    DsPullScript pulls(*host);
    host->deliverPulls();
    host->setTime(20);
    EXPECT_EQ(host->pendingPulls(), 1u);
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(pulls.lastTime(), 20);
    // The page shown again asks again; hidden or minimised it does not.
    host->showPage(page, SW_HIDE);
    host->showPage(page, SW_SHOWMINIMIZED);
    EXPECT_EQ(host->pendingPulls(), 0u);
    host->showPage(page, SW_RESTORE);
    EXPECT_EQ(host->pendingPulls(), 1u);
}

TEST_F(CurvesPageTest, SixteenBitFramesAreIgnoredAndBusyPullsAskAgain) {
    DsPullScript pulls(*host);
    host->deliverPulls();
    const FnFrame counted = Widgets();
    ASSERT_GT(DarkColumns(counted), 60);
    // The histogram is 5 x 256: a 16-bit frame changes nothing on it.
    pulls.deliverAs(DsImageKind::Rgba64);
    ASSERT_EQ(store->setProperty(P::RenderTone, 3), S_OK);
    host->setTime(1);
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(Widgets().rgba, counted.rgba);

    // Busy, then interrupted: the page's puller asks for the same frame
    // again each time.
    pulls.deliverAs(DsImageKind::Rgba8);
    pulls.failNext(HRESULT(0xD62E0C01u), 1);
    host->setTime(2);
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(host->pendingPulls(), 1u);
    pulls.failNext(HRESULT(0xD62E0C02u), 1);
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(host->pendingPulls(), 1u);
    ASSERT_EQ(host->deliverPulls(), 1u);
    EXPECT_EQ(pulls.lastTime(), 2);
    // The highlights matte counts otherwise than the balanced frame.
    EXPECT_NE(Widgets().rgba, counted.rgba);
    // Any other failure is not asked again.
    pulls.failNext(E_FAIL, 1);
    host->setTime(3);
    host->deliverPulls();
    EXPECT_EQ(host->pendingPulls(), 0u);
}

TEST_F(CurvesPageTest, AHandleDragIsWrittenOnceWhenItEnds) {
    // The Highlights shoulder sits on the top edge at 100.
    PointerTo(widgets, AreaX(1.0f), AreaTop());
    LeftButton(true);
    const int x = int(AreaX(0.75f));
    PointerTo(widgets, float(x), AreaTop());
    EXPECT_EQ(Value(P::Highlights), 100);
    LeftButton(false);
    const float v = float(x - 3) / (width - 6);
    EXPECT_NEAR(Value(P::Highlights), v * 100.0, 1e-3);
    EXPECT_EQ(UndoCount(), 1u);
    EXPECT_NEAR(State(page, kHighlights).value, v * 100.0, 1e-3);
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::Highlights), 100);
}

TEST_F(CurvesPageTest, ResetIsOneUndoEventAndValuesOutsideTheRangeStay) {
    ASSERT_EQ(store->setProperty(P::Highlights, 150), S_OK);
    ASSERT_EQ(store->setProperty(P::Lowlights, 20), S_OK);
    ASSERT_TRUE(FnUserPick(Item(page, kRenderTone), 2));
    EXPECT_EQ(Value(P::RenderTone), 2);
    // 150 draws at the end of the curve and stays 150.
    EXPECT_EQ(State(page, kHighlights).value, 150);
    const size_t events = UndoCount();
    ASSERT_TRUE(FnUserClick(Item(page, kReset)));
    EXPECT_EQ(Value(P::Lowlights), 0);
    EXPECT_EQ(Value(P::Highlights), 100);
    EXPECT_EQ(Value(P::LowlightsEase), 30);
    EXPECT_EQ(Value(P::HighlightsEase), 30);
    EXPECT_EQ(Value(P::RenderTone), 0);
    EXPECT_EQ(State(page, kRenderTone).selection, 0);
    EXPECT_EQ(UndoCount(), events + 1);
    ASSERT_TRUE(store->undo());
    EXPECT_EQ(Value(P::Lowlights), 20);
    EXPECT_EQ(Value(P::RenderTone), 2);
    EXPECT_EQ(State(page, kLowlights).value, 20);
}

namespace {
class SimpleCurvesPageTest : public PageTest {
protected:
    GUID Family() const override { return DSFAMILY_PAINT; }
};
}  // namespace

TEST_F(SimpleCurvesPageTest, NoHistogramAndNoViewerTool) {
    const size_t page = Open(CLSID_SimpleCurvesPPG);
    EXPECT_EQ(host->pendingPulls(), 0u);
    host->setTime(5);
    EXPECT_EQ(host->pendingPulls(), 0u);
    ComPtr<IFnDsViewerTool> tools;
    ASSERT_EQ(fx.as(IID_IFnDsViewerTool, tools), S_OK);
    ComPtr<IUnknown> tool;
    EXPECT_EQ(tools->GetViewerTool(tool.put()), S_FALSE);
    ASSERT_TRUE(FnUserType(Item(page, 1023), "12"));
    EXPECT_EQ(Value(P::Lowlights), 12);
    ASSERT_TRUE(FnUserClick(Item(page, 1028)));
    EXPECT_EQ(Value(P::Lowlights), 0);
    Paint(page, "simple-curves-page");
}
