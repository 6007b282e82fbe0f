// The effect's viewer tool through the module: pushes and pops as pages
// make them, the tool's place in the host viewer, the clone's placement
// report handed to the interface thread, the hidden overlay, and the module
// unloading once every tool is gone.
#include <dlfcn.h>

#include <cmath>

#include "platform/com/ComRuntime.h"
#include "tests/effect/ViewerHost.h"

namespace {

ComPtr<DsImage> sourceAt(double worldX, double worldY, int w, int h) {
    ComPtr<DsImage> img = DsImage::create(DsImageKind::Rgba8, w, h);
    img->setWorldPlacement(worldX, worldY, worldX + w, worldY + h);
    return img;
}

// Src Centre stands where the source last placed at world (x, y) with that
// size puts it.
void ExpectSrcCentre(IFnDsViewerTool* tools, double worldX, double worldY, int width, int height) {
    const AnchorPoint expected = sourceCentre(worldX, worldY, width, height);
    const AnchorPoint got = anchorOf(tools, "Src Centre");
    EXPECT_NEAR(got.x, expected.x, 1e-3);
    EXPECT_NEAR(got.y, expected.y, 1e-3);
}

// A clone of the effect rendering a 100 x 60 source placed in the world,
// as a host's render thread does; its images are let go at the end.
class RenderingClone {
public:
    explicit RenderingClone(IDSImageEffect* fx) {
        EXPECT_EQ(fx->Clone(IID_IDSImageEffect, clone_.putVoid()), S_OK);
        if (clone_) clone_->SetImage(DS_IMAGE_OUTPUT, out_.get());
    }
    ~RenderingClone() {
        if (!clone_) return;
        clone_->SetImage(DS_IMAGE_SOURCE, nullptr);
        clone_->SetImage(DS_IMAGE_OUTPUT, nullptr);
    }
    // Renders with the source at world (x, y).
    HRESULT renderAt(double worldX, double worldY, double time = 0) {
        if (!clone_) return E_UNEXPECTED;
        src_ = sourceAt(worldX, worldY, 100, 60);
        clone_->SetImage(DS_IMAGE_SOURCE, src_.get());
        return clone_->Render(nullptr, time);
    }
    DsImage* output() const { return out_.get(); }

private:
    ComPtr<IDSImageEffect> clone_;
    ComPtr<DsImage> out_ = DsImage::create(DsImageKind::Rgba8, 64, 48);
    ComPtr<DsImage> src_;
};

}  // namespace

using ViewerToolTest = ViewerToolHost;

TEST_F(ViewerToolTest, PagesCountTheirPushesAndTheLastPopRemovesTheTool) {
    EXPECT_EQ(tools->PushViewerTool(nullptr), E_POINTER);
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    ASSERT_EQ(viewer->layerCount(), 1u);
    ComPtr<IUnknown> tool;
    ASSERT_EQ(tools->GetViewerTool(tool.put()), S_OK);
    EXPECT_EQ(viewer->layer(0).get(), tool.get());
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);  // a second page: same tool
    EXPECT_EQ(viewer->layerCount(), 1u);
    EXPECT_EQ(tools->PopViewerTool(), S_OK);
    EXPECT_EQ(viewer->layerCount(), 1u);
    EXPECT_EQ(tools->PopViewerTool(), S_OK);
    EXPECT_EQ(viewer->layerCount(), 0u);
    ComPtr<IUnknown> none;
    EXPECT_EQ(tools->GetViewerTool(none.put()), S_FALSE);
    EXPECT_FALSE(none);
    EXPECT_EQ(tools->PopViewerTool(), S_OK);  // one too many changes nothing
    EXPECT_EQ(tools->SetOverlayHidden(TRUE), S_FALSE);
    tool.reset();

    // The tool reads the project frame: Frame Centre is the viewer point
    // (360, 270).
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    const AnchorPoint centre = anchorOf(tools.get(), "Frame Centre");
    EXPECT_EQ(centre.x, 324);
    EXPECT_EQ(centre.y, 243);
    // The effect going away pops what the pages left.
    fx.reset();
    props.reset();
    tools.reset();
    inspected.reset();
    EXPECT_EQ(viewer->layerCount(), 0u);
}

TEST_F(ViewerToolTest, NoToolInThePixelMaskFamily) {
    ComPtr<IDSImageEffect> paint = newEffect(DSFAMILY_PAINT);
    ASSERT_TRUE(paint);
    ComPtr<IFnDsViewerTool> paintTools;
    ASSERT_EQ(paint.as(IID_IFnDsViewerTool, paintTools), S_OK);
    EXPECT_EQ(paintTools->PushViewerTool(inspected.get()), S_OK);
    EXPECT_EQ(viewer->layerCount(), 0u);
    ComPtr<IUnknown> tool;
    EXPECT_EQ(paintTools->GetViewerTool(tool.put()), S_FALSE);
    EXPECT_EQ(paintTools->SetOverlayHidden(TRUE), S_FALSE);
    EXPECT_EQ(paintTools->PopViewerTool(), S_OK);
}

TEST_F(EffectHost, WithoutTheToolsClassThePushFails) {
    ComPtr<IFnDsViewerTool> tools;
    ASSERT_EQ(fx.as(IID_IFnDsViewerTool, tools), S_OK);
    EXPECT_EQ(tools->PushViewerTool(fx.get()), REGDB_E_CLASSNOTREG);
    ComPtr<IUnknown> tool;
    EXPECT_EQ(tools->GetViewerTool(tool.put()), S_FALSE);
    EXPECT_EQ(tools->PopViewerTool(), S_OK);
}

TEST_F(ViewerToolTest, AClonesReportMovesSrcCentreOnTheInterfaceThread) {
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    EXPECT_EQ(anchorOf(tools.get(), "Src Centre").x, 324);

    RenderingClone clone(fx.get());
    ASSERT_EQ(clone.renderAt(100, 100), S_OK);
    // Queued, not run on the rendering thread.
    EXPECT_EQ(anchorOf(tools.get(), "Src Centre").x, 324);
    // Two reports before the interface thread gets round to it: one refresh,
    // which reads the latest placement.
    ASSERT_EQ(clone.renderAt(200, 50), S_OK);
    EXPECT_EQ(viewer->runPostedCalls(), 1u);
    ExpectSrcCentre(tools.get(), 200, 50, 100, 60);
    EXPECT_EQ(anchorOf(tools.get(), "Frame Centre").x, 324);

    // The effect's own render reports nothing; a page shown catches up.
    auto own = sourceAt(0, 0, 720, 486);
    fx->SetImage(DS_IMAGE_SOURCE, own.get());
    fx->SetImage(DS_IMAGE_OUTPUT, clone.output());
    ASSERT_EQ(fx->Render(nullptr, 0), S_OK);
    EXPECT_EQ(viewer->runPostedCalls(), 0u);
    EXPECT_NEAR(anchorOf(tools.get(), "Src Centre").x, sourceCentre(200, 50, 100, 60).x, 1e-3);
    EXPECT_EQ(tools->PageShown("Help"), S_OK);
    EXPECT_NEAR(anchorOf(tools.get(), "Src Centre").x, 324, 1e-3);
    EXPECT_NEAR(anchorOf(tools.get(), "Src Centre").y, 243, 1e-3);

    // A report for an effect whose tool has gone queues nothing.
    tools->PopViewerTool();
    ASSERT_EQ(clone.renderAt(200, 50), S_OK);
    EXPECT_EQ(viewer->runPostedCalls(), 0u);
    fx->SetImage(DS_IMAGE_SOURCE, nullptr);
    fx->SetImage(DS_IMAGE_OUTPUT, nullptr);
}

TEST_F(ViewerToolTest, AViewerMadeAgainAfterOneWentWithARefreshQueuedStillRefreshes) {
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    RenderingClone clone(fx.get());
    ASSERT_EQ(clone.renderAt(100, 100), S_OK);
    // The viewer goes with the refresh still in its queue, and comes again.
    viewer.reset();
    viewer = std::make_unique<DsViewer>(surface);
    ASSERT_TRUE(viewer->registered());
    ASSERT_EQ(clone.renderAt(200, 50, 1), S_OK);
    EXPECT_EQ(viewer->runPostedCalls(), 1u);
    ExpectSrcCentre(tools.get(), 200, 50, 100, 60);
}

TEST_F(ViewerToolTest, HiddenOverlayLeavesThePenToTheViewer) {
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    ComPtr<IUnknown> tool;
    ASSERT_EQ(tools->GetViewerTool(tool.put()), S_OK);
    ComPtr<IFnOverlayAnchors> anchors;
    ASSERT_EQ(tool.as(IID_IFnOverlayAnchors, anchors), S_OK);

    // Shown: the tool takes the drag and the view stays.
    const DsViewPoint start = viewer->pan();
    viewer->penDown(100, 100, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->interactionOwner().get(), tool.get());
    viewer->penMove(120, 100, VW_BUTTON_LEFT);
    viewer->penUp(120, 100, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->pan().x, start.x);

    const unsigned before = viewer->invalidations();
    EXPECT_EQ(tools->SetOverlayHidden(TRUE), S_OK);
    EXPECT_EQ(anchors->IsOverlayShown(), S_FALSE);
    EXPECT_GT(viewer->invalidations(), before);
    viewer->penDown(100, 100, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->interactionOwner().get(), nullptr);
    viewer->penMove(120, 100, VW_BUTTON_LEFT);
    viewer->penUp(120, 100, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->pan().x, start.x - 20);

    EXPECT_EQ(tools->SetOverlayHidden(FALSE), S_OK);
    EXPECT_EQ(anchors->IsOverlayShown(), S_OK);
}

TEST(ViewerToolLifetime, ThousandPushesAndPopsLeakNothingAndTheModuleUnloads) {
    DsHostServices services;
    services.setProjectFrame(720, 486, 720, 540);
    NullSurface surface;
    auto viewer = std::make_unique<DsViewer>(surface);
    {
        DsModuleLoader module;
        ASSERT_TRUE(module.load(FN_MODULE_PATH));
        ASSERT_EQ(module.registerClass(CLSID_FnTInteract), S_OK);
        ComPtr<IDSImageEffect> fx;
        ASSERT_EQ(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx), S_OK);
        DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, DSFAMILY_FILTER, {}};
        ASSERT_EQ(fx->GetImageEffectInfo(&info), S_OK);
        ComPtr<IFnDsViewerTool> tools;
        ASSERT_EQ(fx.as(IID_IFnDsViewerTool, tools), S_OK);
        for (int i = 0; i < 1000; ++i) {
            ASSERT_EQ(tools->PushViewerTool(fx.get()), S_OK) << i;
            if (i % 3 == 0) tools->PushViewerTool(fx.get());
            ASSERT_EQ(viewer->layerCount(), 1u);
            if (i % 3 == 0) tools->PopViewerTool();
            ASSERT_EQ(tools->PopViewerTool(), S_OK);
            ASSERT_EQ(viewer->layerCount(), 0u) << i;
        }
        // A tool still pushed keeps the module loaded.
        tools->PushViewerTool(fx.get());
        EXPECT_EQ(module.canUnloadNow(), S_FALSE);
        tools.reset();
        fx.reset();  // the effect pops its tool as it goes
        EXPECT_EQ(viewer->layerCount(), 0u);
        EXPECT_EQ(module.unload(), S_OK);
    }
    EXPECT_EQ(dlopen(FN_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    viewer.reset();
}
