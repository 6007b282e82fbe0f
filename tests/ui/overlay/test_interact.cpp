// The viewer tool in the host viewer: its frame from the content
// properties, pen events as pointer messages, drawing in the frame's
// coordinates with its own font, the hidden overlay and the source
// rectangle's dead band.

#include "tests/ui/overlay/OverlayTestUtil.h"
#include "tests/ui/overlay/ViewerTestHost.h"
#include "tests/ui/toolkit/TestWidgets.h"

#include "platform/dshost/DsHostServices.h"
#include "ui/overlay/FnTInteract.h"

#include <cmath>
#include <limits>

namespace {

// World height over user height, narrowed to a float: 1.1111111.
const float kScale = static_cast<float>(540.0 / 486.0);

ComPtr<FnTInteract> NewTool() { return ComPtr<FnTInteract>::adopt(new FnTInteract); }

class InteractTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        services.setProjectFrame(720, 486, 720, 540);
    }
    // The viewer with a 720 x 486 frame at half size, 10 pixels in.
    void OpenProjectViewer() {
        OpenViewer(400, 300);
        viewer->setProjectFrame(720, 486, 720, 540);
        std::vector<uint8_t> frame(size_t(720) * 486 * 4, 0);
        for (size_t i = 0; i < frame.size(); i += 4) frame[i + 1] = frame[i + 3] = 255;
        viewer->showFrame(frame.data(), 720, 486);
        viewer->placeFrame(0.5, 10);
    }
    DWORD Push(FnTInteract* tool) {
        DWORD id = 0;
        EXPECT_EQ(VWControllerPushContext(19, static_cast<IViewerLayer*>(tool), &inspected, nullptr,
                                          nullptr, 0.0, &id),
                  S_OK);
        return id;
    }
    void Pen(void (DsViewer::*what)(double, double, int), double vx, double vy, int button) {
        const DsViewPoint s = SurfaceOf(vx, vy);
        (viewer.get()->*what)(s.x, s.y, button);
    }

    DsHostServices services;
    Inspected inspected;
};

}  // namespace

TEST_F(InteractTest, FrameAndAnchorsComeFromTheContentProperties) {
    auto tool = NewTool();
    EXPECT_EQ(tool->FrameWidth(), 648);
    EXPECT_EQ(tool->FrameHeight(), 486);
    EXPECT_EQ(tool->FrameScale(), kScale);
    EXPECT_NEAR(tool->FrameScale(), 1.1111111, 1e-7);
    EXPECT_EQ(tool->FrameCentre().Centre(), (FnPoint{324, 243}));
    EXPECT_EQ(tool->SrcCentre().Centre(), (FnPoint{324, 243}));
    EXPECT_EQ(tool->SourceRect()[2], 648);
    // Three widgets in this order; the anchors' own axes are off and the
    // empty group neither draws nor takes presses.
    const auto* node = tool->Children().Head();
    ASSERT_EQ(tool->Children().Count(), 3u);
    EXPECT_EQ(node->item, &tool->FrameCentre());
    EXPECT_EQ(node->next->item, &tool->SrcCentre());
    EXPECT_EQ(node->next->next->item, &tool->ViewZero());
    EXPECT_EQ(tool->FrameCentre().GroupFlags() & FnT2DAxisGroup::kOwnAxis, 0u);
    EXPECT_EQ(tool->FrameCentre().HandleMask(), 3u);
    EXPECT_EQ(tool->ViewZero().GroupFlags(), FnTGroup::kToolkitGrey);
    EXPECT_STREQ(tool->ViewZero().Name(), "View Zero");

    // Pen positions in viewer units come in over the frame scale: the
    // viewer point (360, 270) is Frame Centre.
    const VWPenEvent e{360, 270, VW_BUTTON_NONE};
    EXPECT_EQ(tool->OnPenMove(&e), S_FALSE);  // no interaction to continue
    EXPECT_NEAR(tool->PointerPosition().x, 324, 1e-4);
    EXPECT_NEAR(tool->PointerPosition().y, 243, 1e-4);
    float x = 0, y = 0;
    EXPECT_EQ(tool->GetAnchor("Src Centre", &x, &y), S_OK);
    EXPECT_EQ(x, 324);
    EXPECT_EQ(tool->GetAnchor("Nowhere", &x, &y), E_INVALIDARG);
}

TEST_F(InteractTest, MissingOrZeroFrameSizesNeverDivideByZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double ux, uy, wx, wy;
        int32_t width, height;
        float scale;
    } cases[] = {
        {720, 0, 720, 540, 720, 0, 1},    // no user height: no scale
        {720, 486, 720, 0, 720, 486, 1},  // no world height: user sizes
        {-5, 486, 720, 540, 0, 486, kScale},
        {nan, nan, nan, nan, 0, 0, 1},
        {1e300, 486, 720, 540, 2147483647, 486, kScale},
        {720, 486, 720, 1e-300, 720, 486, 1},  // a scale that narrows to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ux);
        services.setProjectFrame(c.ux, c.uy, c.wx, c.wy);
        auto tool = NewTool();
        EXPECT_EQ(tool->FrameWidth(), c.width);
        EXPECT_EQ(tool->FrameHeight(), c.height);
        EXPECT_EQ(tool->FrameScale(), c.scale);
    }
    services.clearProjectFrame();
    auto tool = NewTool();
    EXPECT_EQ(tool->FrameWidth(), 0);
    EXPECT_EQ(tool->FrameScale(), 1);
    EXPECT_EQ(tool->FrameCentre().Centre(), (FnPoint{0, 0}));
    const VWPenEvent e{10, 20, VW_BUTTON_NONE};
    tool->OnPenMove(&e);
    EXPECT_EQ(tool->PointerPosition(), (FnPoint{10, 20}));
    // A position beyond the float range is no pointer message.
    const VWPenEvent far{1e300, 0, VW_BUTTON_LEFT};
    EXPECT_EQ(tool->OnPenDown(&far), S_FALSE);
    EXPECT_EQ(tool->ButtonHeld(), 0);
}

TEST_F(InteractTest, DrawsInTheFrameAndTakesThePenUntilHidden) {
    OpenProjectViewer();
    auto tool = NewTool();
    std::vector<std::string> log;
    LogBox box("box", &log, -4, -4, 8, 8, {1, 0, 1});
    ASSERT_EQ(tool->FrameCentre().AddChild(&box), 1);
    const DWORD id = Push(tool.get());
    EXPECT_EQ(tool->Viewer() != nullptr, true);

    // Frame Centre, the viewer point (360, 270), is window (190, 145).
    FnFrame f = Render();
    SavePng(surface->window(), "interact_box_at_frame_centre");
    EXPECT_TRUE(PixelIs(f, 189, 144, 255, 0, 255)) << PixelText(f, 189, 144);
    EXPECT_TRUE(PixelIs(f, 190, 145, 255, 0, 255)) << PixelText(f, 190, 145);
    EXPECT_TRUE(PixelIs(f, 194, 145, 0, 255, 0)) << PixelText(f, 194, 145);
    EXPECT_NE(tool->TextFont(), 0u);

    // A left press over it reaches the box; the tool holds the interaction
    // and the view does not pan.
    const DsViewPoint pan = viewer->pan();
    Pen(&DsViewer::penDown, 360, 270, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->interactionOwner().get(), static_cast<IViewerLayer*>(tool.get()));
    Pen(&DsViewer::penMove, 370, 270, VW_BUTTON_LEFT);
    Pen(&DsViewer::penUp, 370, 270, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->interactionOwner().get(), nullptr);
    EXPECT_EQ(viewer->pan().x, pan.x);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "press box 0,0");

    // Another button goes to the base tool; moves always reach the widgets.
    log.clear();
    Pen(&DsViewer::penDown, 100, 100, VW_BUTTON_RIGHT);
    EXPECT_EQ(tool->ButtonHeld(), 0);
    Pen(&DsViewer::penMove, 90, 90, VW_BUTTON_RIGHT);
    EXPECT_NEAR(tool->PointerPosition().x, 81, 1e-3);

    // Hidden: nothing drawn, every pen event to the base, and a left drag
    // pans the view instead.
    tool->SetOverlayFlags(0);
    EXPECT_EQ(tool->IsOverlayShown(), S_FALSE);
    f = Render();
    EXPECT_TRUE(PixelIs(f, 190, 145, 0, 255, 0)) << PixelText(f, 190, 145);
    const FnPoint pointer = tool->PointerPosition();
    log.clear();
    Pen(&DsViewer::penDown, 360, 270, VW_BUTTON_LEFT);
    Pen(&DsViewer::penMove, 380, 270, VW_BUTTON_LEFT);
    Pen(&DsViewer::penUp, 380, 270, VW_BUTTON_LEFT);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(tool->PointerPosition(), pointer);
    EXPECT_NE(viewer->pan().x, pan.x);

    EXPECT_EQ(VWControllerRemoveContext(id), S_OK);
    EXPECT_EQ(tool->TextFont(), 0u);  // freed with the surface's context current
    EXPECT_EQ(tool->Viewer(), nullptr);
}

TEST_F(InteractTest, TipsAreDrawnWithTheToolsOwnFont) {
    OpenProjectViewer();
    auto tool = NewTool();
    FnT2DAxis probe("probe", FnT2DAxis::kTranslateX | FnT2DAxis::kTranslateY);
    probe.SetTip("anchor");
    ASSERT_EQ(tool->SrcCentre().AddChild(&probe), 1);
    Push(tool.get());
    // Over the probe's x arrow, 20 overlay units left of Src Centre.
    Pen(&DsViewer::penMove, (324 - 20) * 1.1111111, 270, VW_BUTTON_NONE);
    EXPECT_EQ(probe.ActivePart(), 1);
    const FnFrame f = Render();
    SavePng(surface->window(), "interact_tip");
    EXPECT_GT(CountHue(f, 180, 146, 400, 175, Hue::Yellow), 20);
    EXPECT_EQ(CountHue(f, 0, 0, 400, 140, Hue::Yellow), 0);
}

TEST_F(InteractTest, SourceRectangleMovesOutsideItsDeadBandOnly) {
    OpenViewer(16, 16);
    auto tool = NewTool();
    Push(tool.get());
    const unsigned before = viewer->invalidations();
    tool->UpdateSourceRect({0.01f, -0.01f}, {648.005f, 486});
    EXPECT_EQ(tool->SrcCentre().Centre(), (FnPoint{324, 243}));
    EXPECT_EQ(viewer->invalidations(), before);
    tool->UpdateSourceRect({0.02f, 0}, {648, 486});
    EXPECT_FLOAT_EQ(tool->SrcCentre().Centre().x, 324.02f);
    EXPECT_EQ(viewer->invalidations(), before + 1);
    tool->UpdateSourceRect({100, 50}, {200, std::numeric_limits<float>::infinity()});
    EXPECT_FLOAT_EQ(tool->SrcCentre().Centre().x, 324.02f);
    tool->UpdateSourceRect({100, 50}, {200, 100});
    EXPECT_EQ(tool->SrcCentre().Centre(), (FnPoint{200, 100}));
    EXPECT_EQ(tool->FrameCentre().Centre(), (FnPoint{324, 243}));
}

TEST_F(InteractTest, TimeLinksAndRenderFailuresFollowTheBase) {
    OpenViewer(16, 16);
    auto tool = NewTool();
    // No operator: a time change does nothing.
    EXPECT_EQ(tool->OnOnTimeChange(3), S_OK);
    EXPECT_EQ(tool->Time(), 0);
    const DWORD id = Push(tool.get());
    const unsigned before = viewer->invalidations();
    viewer->setTime(3);
    EXPECT_EQ(tool->Time(), 3);
    EXPECT_EQ(viewer->invalidations(), before + 1);

    // A surface that cannot begin: the base still answers, nothing drawn.
    class Refusing final : public ComObject<IViewerSurface> {
    public:
        HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
        HRESULT BeginRenderOpenGL(VWGLSurface*) override { return E_FAIL; }
        HRESULT EndRenderOpenGL(VWGLSurface*) override { return E_FAIL; }
    } refusing;
    EXPECT_EQ(tool->OnRender(&refusing), S_OK);
    EXPECT_EQ(tool->OnRender(nullptr), E_POINTER);
    EXPECT_EQ(tool->TextFont(), 0u);

    // A failing link undoes the link that was there.
    EXPECT_EQ(tool->OnLinkToOperator(nullptr), E_POINTER);
    EXPECT_EQ(tool->Operator(), nullptr);
    EXPECT_EQ(tool->OnLinkToViewer(nullptr), E_POINTER);
    EXPECT_EQ(tool->Viewer(), nullptr);
    EXPECT_EQ(VWControllerRemoveContext(id), S_OK);
}
