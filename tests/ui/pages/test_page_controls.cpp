// What every page shows against what its parameters hold: every control
// agrees with its parameter whenever a page opens, a list's first item can
// be picked back, a page follows the object it is pointed at, another
// object's changes stay away from it, and the widgets pair each handle and
// the circle's marker with the right parameter.
#include <cmath>
#include <utility>

#include "tests/ui/pages/PageTestHost.h"

namespace {

namespace P = ColBalanceParam;

struct PageOf {
    CLSID clsid;
    const ColBalancePageLayout* layout;
};
const PageOf kPages[] = {{CLSID_ColBalancePPG, &kMainPageLayout},
                         {CLSID_ToneCurvesPPG, &kToneCurvesPageLayout},
                         {CLSID_SimpleCurvesPPG, &kSimpleCurvesPageLayout},
                         {CLSID_HelpPPG, &kHelpPageLayout}};

// A value other than the default: numbers a little way into the page
// range, check boxes turned over, lists on their third item.
double OtherThanDefault(const ColBalanceParamSpec& p) {
    if (p.type == VT_R8) return p.pageMin + 0.37 * (p.pageMax - p.pageMin);
    if (p.listCount) return 2;
    return p.defaultValue != 0 ? 0 : 1;
}

bool ViewerToolOf(IUnknown* effect) {
    ComPtr<IFnDsViewerTool> tools;
    ComPtr<IUnknown> tool;
    return effect->QueryInterface(IID_IFnDsViewerTool, tools.putVoid()) == S_OK &&
           tools->GetViewerTool(tool.put()) == S_OK;
}

// The centre of the near-black pixels of a frame within `reach` of a point
// (the circle's marker, away from the window's frame), in GL coordinates
// (y up); (-1, -1) without any.
std::pair<double, double> DarkCentre(const FnFrame& f, double cx, double cy, double reach) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (const uint8_t* p = f.AtGL(x, y);
                std::hypot(x - cx, y - cy) < reach && p[0] < 40 && p[1] < 40 && p[2] < 40) {
                sx += x;
                sy += y;
                ++n;
            }
    return n ? std::pair{sx / n, sy / n} : std::pair{-1.0, -1.0};
}

using PageControlsTest = PageTest;

}  // namespace

TEST_F(PageControlsTest, EveryControlShowsItsParameterWhenItsPageOpens) {
    for (const ColBalanceParamSpec* p : kColBalanceParams)
        ASSERT_EQ(store->setProperty(*p, OtherThanDefault(*p)), S_OK);
    for (const PageOf& page : kPages) {
        const size_t index = Open(page.clsid);
        const ColBalancePageLayout& layout = *page.layout;
        for (size_t i = 0; i < layout.size(); ++i) {
            const ColBalanceParamSpec& p = *layout.params[i];
            const FnControlState s = State(index, layout.controlOf(i));
            // The page keeps its own values (Which, Hide Overlay Controls):
            // each opening starts them at their defaults.
            const bool own = p.home == ColBalanceParamSpec::Home::Page;
            const double want = own ? p.defaultValue : Value(p);
            if (p.type == VT_R8)
                EXPECT_DOUBLE_EQ(s.value, want) << layout.controlOf(i);
            else if (p.listCount)
                EXPECT_EQ(s.selection, int(want)) << layout.controlOf(i);
            else
                EXPECT_EQ(s.check, int(want)) << layout.controlOf(i);
        }
        host->closePage(index);
    }
}

TEST_F(PageControlsTest, TheFirstItemOfAListCanBePickedBack) {
    ASSERT_EQ(store->setProperty(P::RenderTone, 2), S_OK);
    for (const PageOf* page : {&kPages[1], &kPages[2]}) {
        const size_t index = Open(page->clsid);
        const int list = page->layout->controlOf(page->layout->recordOf(P::RenderTone));
        EXPECT_EQ(State(index, list).selection, 2);
        ASSERT_TRUE(FnUserPick(Item(index, list), 0));
        EXPECT_EQ(Value(P::RenderTone), 0) << "the matte is off again";
        ASSERT_TRUE(store->undo());
        EXPECT_EQ(State(index, list).selection, 2);
        host->closePage(index);
    }
}

TEST_F(PageControlsTest, APageFollowsTheObjectItIsPointedAt) {
    const size_t index = Open(CLSID_ColBalancePPG);
    IPropertyPage* page = host->page(index);
    ASSERT_TRUE(ViewerToolOf(fx.get()));
    ComPtr<IDSImageEffect> other = NewEffect(DSFAMILY_FILTER);
    ASSERT_TRUE(other);
    ComPtr<IDSPropertyContainer> otherProps;
    ASSERT_EQ(other.as(IID_IDSPropertyContainer, otherProps), S_OK);

    // Pointed at another effect while open: the first one's tool goes, the
    // new one's comes, and edits reach the new one.
    IUnknown* object = other.get();
    ASSERT_EQ(page->SetObjects(1, &object), S_OK);
    EXPECT_FALSE(ViewerToolOf(fx.get()));
    EXPECT_TRUE(ViewerToolOf(other.get()));
    ASSERT_TRUE(FnUserType(Item(index, kMainPageLayout.controlOf(0)), "45"));
    double v = 0;
    ASSERT_EQ(otherProps->GetValue(P::MasterHue, &v), S_OK);
    EXPECT_EQ(v, 45);
    EXPECT_EQ(Value(P::MasterHue), 0);

    // A dialog made again keeps the one push; pointed back while closed, the
    // page lets go at once and takes the first effect when it opens.
    const RECT r{0, 0, 10, 10};
    ASSERT_EQ(page->Deactivate(), S_OK);
    ASSERT_EQ(page->Activate(host->frame(index), &r, FALSE), S_OK);
    EXPECT_TRUE(ViewerToolOf(other.get()));
    ASSERT_EQ(page->Deactivate(), S_OK);
    object = host->inspected();
    ASSERT_EQ(page->SetObjects(1, &object), S_OK);
    EXPECT_FALSE(ViewerToolOf(other.get()));
    ASSERT_EQ(page->Activate(host->frame(index), &r, FALSE), S_OK);
    EXPECT_TRUE(ViewerToolOf(fx.get()));
    host->closePage(index);
    EXPECT_FALSE(ViewerToolOf(fx.get()));
    EXPECT_FALSE(ViewerToolOf(other.get()));
}

TEST_F(PageControlsTest, AnotherObjectsChangeIsNotThePages) {
    const size_t main = Open(CLSID_ColBalancePPG);
    const size_t curves = Open(CLSID_ToneCurvesPPG);
    const HWND circle = WidgetHost(main);
    const FnFrame before = PageTestSystem().Frame(circle);
    ComPtr<IDSImageEffect> other = NewEffect(DSFAMILY_FILTER);
    for (size_t index : {main, curves}) {
        ComPtr<IDSPropertyNotifySink> sink;
        ASSERT_EQ(host->page(index)->QueryInterface(IID_IDSPropertyNotifySink, sink.putVoid()),
                  S_OK);
        for (const auto& [id, value] :
             {std::pair{&P::MasterHue, 180.0}, std::pair{&P::MasterSaturation, 20.0},
              std::pair{&P::Highlights, 40.0}}) {
            const DSVARIANT v = DSVariantDouble(value);
            EXPECT_EQ(sink->PropertyChanged(*id, &v, other.get(), nullptr, 0), S_FALSE);
        }
    }
    // Nothing moved, now or when the page next draws from its records.
    host->showPage(main, SW_SHOW);
    host->showPage(curves, SW_SHOW);
    EXPECT_EQ(State(main, 1000).value, 0);
    EXPECT_EQ(State(curves, 1017).value, 100);
    EXPECT_EQ(PageTestSystem().Frame(circle).rgba, before.rgba);
    // The same change of its own object moves the marker.
    ASSERT_EQ(store->setProperty(P::MasterSaturation, 20), S_OK);
    EXPECT_NE(PageTestSystem().Frame(circle).rgba, before.rgba);
}

TEST_F(PageControlsTest, EachCurveHandleWritesItsOwnParameter) {
    // Shoulders at 20 and 80; with no ease each ease handle hangs 25 pixels
    // straight below its shoulder.
    ASSERT_EQ(store->setProperty(P::Lowlights, 20), S_OK);
    ASSERT_EQ(store->setProperty(P::Highlights, 80), S_OK);
    ASSERT_EQ(store->setProperty(P::LowlightsEase, 0), S_OK);
    ASSERT_EQ(store->setProperty(P::HighlightsEase, 0), S_OK);
    const size_t page = Open(CLSID_ToneCurvesPPG);
    const HWND widgets = WidgetHost(page);
    const RECT r = ClientRect(widgets);
    // The curve area: the widget at (1, 1) with its 2-pixel inset.
    const float w = float(r.right - 6), h = float(r.bottom - 6);
    const auto at = [&](float u, float v) { return std::pair{3 + u * w, 3 + v * h}; };
    const double before[] = {20, 80, 0, 0};
    const ColBalanceParamSpec* params[] = {&P::Lowlights, &P::Highlights, &P::LowlightsEase,
                                           &P::HighlightsEase};
    struct Case {
        std::pair<float, float> from, to;
        size_t param;
        double want;
    };
    const float below = 25.0f / h, step = 0.1f;
    const size_t events = UndoCount();
    const Case cases[] = {
        {at(0.2f, 1), at(0.4f, 1), 0, 40},
        {at(0.8f, 1), at(0.6f, 1), 1, 60},
        // An ease handle pulled to the diagonal of the area is half eased.
        {at(0.2f, 1 - below), at(0.2f + step, 1 - step), 2, 50},
        {at(0.8f, 1 - below), at(0.8f - step, 1 - step), 3, 50},
    };
    for (const Case& c : cases) {
        Drag(widgets, c.from.first, c.from.second, c.to.first, c.to.second);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(Value(*params[i]), i == c.param ? c.want : before[i], 2.0)
                << "dragging the handle of " << c.param << " moved " << i;
        EXPECT_EQ(UndoCount(), events + 1);
        ASSERT_TRUE(store->undo());
    }
}

TEST_F(PageControlsTest, TheMarkerStandsAtTheRangesHueAndSaturation) {
    const size_t page = Open(CLSID_ColBalancePPG);
    const HWND circle = WidgetHost(page);
    const RECT r = ClientRect(circle);
    const double side = std::min(r.right, r.bottom);
    // The circle fills the square window but for a 6-pixel margin; the
    // marker sits at the hue's angle, the rim being a saturation of 25.
    // Saturations well inside the rim keep the whole cross on the circle.
    const double radius = (side - 12) / 2, centre = side / 2;
    ASSERT_TRUE(FnUserPick(Item(page, 1009), 2));  // Midtones
    for (const auto& [hue, saturation] :
         {std::pair{0.0, 15.0}, std::pair{90.0, 10.0}, std::pair{200.0, 17.0},
          std::pair{-45.0, 12.0}, std::pair{450.0, 5.0}}) {
        ASSERT_EQ(store->setProperty(P::MidtonesHue, hue), S_OK);
        ASSERT_EQ(store->setProperty(P::MidtonesSaturation, saturation), S_OK);
        const double a = hue * M_PI / 180, d = radius * saturation / 25;
        const auto [x, y] = DarkCentre(PageTestSystem().Frame(circle), centre, centre, radius + 3);
        EXPECT_NEAR(x, centre + d * std::cos(a), 1.5) << hue << ", " << saturation;
        EXPECT_NEAR(y, centre + d * std::sin(a), 1.5) << hue << ", " << saturation;
    }
}

TEST_F(PageControlsTest, ADragFromAWholeTurnOnWritesAHueWithinOneTurn) {
    ASSERT_EQ(store->setProperty(P::MasterHue, 450), S_OK);
    ASSERT_EQ(store->setProperty(P::MasterSaturation, 25), S_OK);
    const size_t page = Open(CLSID_ColBalancePPG);
    const HWND circle = WidgetHost(page);
    const RECT r = ClientRect(circle);
    const float side = float(std::min(r.right, r.bottom)), c = side / 2, rim = (side - 12) / 2;
    // From the marker at the top of the rim a little way round to the left.
    Drag(circle, c, c + rim - 1, c - rim * 0.5f, c + rim * 0.5f);
    EXPECT_NEAR(Value(P::MasterHue), 135, 1.0);
    EXPECT_NEAR(Value(P::MasterSaturation), 25 * std::sqrt(0.5), 1.0);
    EXPECT_EQ(State(page, 1000).value, Value(P::MasterHue));
}
