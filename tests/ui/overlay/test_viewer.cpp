// The host viewer: the frame at a zoom and pan, layers drawn in order, pen
// routing, the controller service and its queue of posted calls.

#include "tests/ui/overlay/ViewerTestHost.h"

#include "platform/com/ComRuntime.h"

#include <cmath>

namespace {

const float kRed[3] = {1, 0, 0};
const float kBlue[3] = {0, 0, 1};

// A posted call that notes when it ran and when it went away.
class NoteCall final : public ComObject<IVWCall> {
public:
    NoteCall(int id, std::vector<int>* ran, int* gone) : id_(id), ran_(ran), gone_(gone) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return (iid == IID_IUnknown || iid == IID_IVWCall) ? Answer(this, out) : E_NOINTERFACE;
    }
    HRESULT Run() override {
        ran_->push_back(id_);
        return S_OK;
    }

private:
    ~NoteCall() override { ++*gone_; }
    int id_;
    std::vector<int>* ran_;
    int* gone_;
};

ComPtr<LogLayer> Layer(const char* name, std::vector<std::string>* log, bool takes,
                       VWRect fill = {0, 0, 0, 0}, const float* colour = kRed) {
    return ComPtr<LogLayer>::adopt(new LogLayer(name, log, takes, fill, colour));
}

}  // namespace

TEST_F(ViewerTest, ShowsTheFrameAtItsZoomAndPan) {
    OpenViewer(60, 50);
    std::vector<uint8_t> px(4 * 3 * 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            uint8_t* p = &px[(y * 4 + x) * 4];
            p[0] = uint8_t(x * 60);
            p[1] = uint8_t(y * 100);
            p[2] = 200;
            p[3] = 255;
        }
    ASSERT_TRUE(viewer->showFrame(px.data(), 4, 3));
    EXPECT_FALSE(viewer->showFrame(nullptr, 4, 3));
    EXPECT_FALSE(viewer->showFrame(px.data(), 0, 3));
    viewer->placeFrame(10, 5);
    EXPECT_EQ(viewer->zoom(), 10);
    const VWRect v = viewer->visibleRect();
    EXPECT_DOUBLE_EQ(v.x, -0.5);
    EXPECT_DOUBLE_EQ(v.width, 5.9);  // the viewport is one pixel short
    FnFrame f = Render();
    // Each frame pixel is 10 x 10 surface pixels; the frame's top row on top.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const int sx = 5 + x * 10 + 5, sy = 5 + (2 - y) * 10 + 5;
            EXPECT_TRUE(PixelIs(f, sx, sy, x * 60, y * 100, 200))
                << x << "," << y << " " << PixelText(f, sx, sy);
        }
    EXPECT_TRUE(PixelIs(f, 2, 2, 56, 56, 56)) << PixelText(f, 2, 2);
    EXPECT_TRUE(PixelIs(f, 50, 45, 56, 56, 56));
    // A surface pixel's centre in viewer units, and back.
    const DsViewPoint p = viewer->toViewer(10, 39);
    EXPECT_DOUBLE_EQ(p.x, 0.55);
    EXPECT_DOUBLE_EQ(p.y, 0.55);
    const DsViewPoint s = SurfaceOf(p.x, p.y);
    EXPECT_NEAR(s.x, 10, 1e-9);
    EXPECT_NEAR(s.y, 39, 1e-9);

    // A left drag that no layer takes pans: the picture follows the pen.
    viewer->penDown(20, 20, VW_BUTTON_LEFT);
    viewer->penMove(30, 25, VW_BUTTON_LEFT);
    viewer->penUp(30, 25, VW_BUTTON_LEFT);
    f = Render();
    EXPECT_TRUE(PixelIs(f, 20, 5, 0, 200, 200)) << PixelText(f, 20, 5);  // was at (10, 10)
    // A right drag does not.
    viewer->penDown(20, 20, VW_BUTTON_RIGHT);
    viewer->penMove(40, 40, VW_BUTTON_RIGHT);
    EXPECT_DOUBLE_EQ(viewer->pan().x, 2.45 - 1);
    EXPECT_FALSE(viewer->setZoom(0));
    EXPECT_FALSE(viewer->setPan(std::nan(""), 0));
}

TEST_F(ViewerTest, LayersDrawInOrderOverTheFrameInViewerUnits) {
    OpenViewer(40, 40);
    viewer->setZoom(10);
    viewer->setPan(0, 0);
    std::vector<std::string> log;
    auto a = Layer("A", &log, false, {-1, -1, 1, 1}, kRed);
    auto b = Layer("B", &log, false, {-0.5, -0.5, 1, 1}, kBlue);
    Inspected inspectedObject;
    DWORD ida = 0, idb = 0;
    ASSERT_EQ(VWControllerPushContext(19, static_cast<IViewerLayer*>(a.get()), &inspectedObject,
                                      nullptr, nullptr, 0.0, &ida),
              S_OK);
    ASSERT_EQ(VWControllerPushContext(19, static_cast<IViewerLayer*>(b.get()), &inspectedObject,
                                      nullptr, nullptr, 0.0, &idb),
              S_OK);
    EXPECT_NE(ida, 0u);
    EXPECT_NE(ida, idb);
    EXPECT_EQ(a->Operator(), &inspectedObject);
    EXPECT_NE(a->Viewer(), nullptr);
    EXPECT_EQ(viewer->layerCount(), 2u);
    const FnFrame f = Render();
    // The viewer point (0, 0) is at window (19.5, 19.5): A's square ends
    // there, B's covers it.
    EXPECT_TRUE(PixelIs(f, 12, 12, 255, 0, 0)) << PixelText(f, 12, 12);
    EXPECT_TRUE(PixelIs(f, 19, 19, 0, 0, 255)) << PixelText(f, 19, 19);
    EXPECT_TRUE(PixelIs(f, 27, 27, 56, 56, 56)) << PixelText(f, 27, 27);
    EXPECT_EQ(b->lastSurface.width, 40);
    EXPECT_DOUBLE_EQ(b->lastSurface.visible.width, viewer->visibleRect().width);

    // Outside a render the surface answers E_FAIL; time reaches every layer.
    viewer->setTime(12.5);
    EXPECT_EQ(a->Time(), 12.5);
    EXPECT_EQ(b->Time(), 12.5);

    EXPECT_EQ(VWControllerRemoveContext(ida), S_OK);
    EXPECT_EQ(VWControllerRemoveContext(ida), E_INVALIDARG);
    EXPECT_EQ(a->Viewer(), nullptr);
    EXPECT_EQ(a->Operator(), nullptr);
    EXPECT_EQ(viewer->layerCount(), 1u);
    EXPECT_EQ(VWControllerPushContext(19, &inspectedObject, nullptr, nullptr, nullptr, 0.0, &ida),
              E_NOINTERFACE);
}

TEST_F(ViewerTest, PenGoesToTheTopmostLayerOrToTheOneInteracting) {
    OpenViewer(40, 40);
    std::vector<std::string> log;
    auto bottom = Layer("bottom", &log, true);
    auto top = Layer("top", &log, false);
    Inspected inspectedObject;
    DWORD id = 0;
    VWControllerPushContext(19, static_cast<IViewerLayer*>(bottom.get()), &inspectedObject, nullptr,
                            nullptr, 0.0, &id);
    DWORD topId = 0;
    VWControllerPushContext(19, static_cast<IViewerLayer*>(top.get()), &inspectedObject, nullptr,
                            nullptr, 0.0, &topId);
    // The top layer does not use the pen: the viewer pans.
    const DsViewPoint before = viewer->pan();
    viewer->penDown(10, 10, VW_BUTTON_LEFT);
    viewer->penMove(20, 10, VW_BUTTON_LEFT);
    viewer->penUp(20, 10, VW_BUTTON_LEFT);
    EXPECT_EQ(log, (std::vector<std::string>{"top down", "top move", "top up"}));
    EXPECT_DOUBLE_EQ(viewer->pan().x, before.x - 10);

    // Without it the bottom layer takes the pen, and keeps it while it
    // interacts even when another layer is placed over it.
    VWControllerRemoveContext(topId);
    log.clear();
    viewer->penDown(10, 10, VW_BUTTON_LEFT);
    EXPECT_EQ(viewer->interactionOwner().get(), static_cast<IViewerLayer*>(bottom.get()));
    VWControllerPushContext(19, static_cast<IViewerLayer*>(top.get()), &inspectedObject, nullptr,
                            nullptr, 0.0, &topId);
    viewer->penMove(30, 10, VW_BUTTON_LEFT);
    viewer->penUp(30, 10, VW_BUTTON_LEFT);
    EXPECT_EQ(log, (std::vector<std::string>{"bottom down", "bottom move", "bottom up"}));
    EXPECT_EQ(viewer->interactionOwner().get(), nullptr);
    EXPECT_DOUBLE_EQ(viewer->pan().x, before.x - 10);
}

TEST_F(ViewerTest, PostedCallsRunInOrderOnRunAndAreDroppedWithTheViewer) {
    OpenViewer(8, 8);
    std::vector<int> ran;
    int gone = 0;
    for (int i = 1; i <= 3; ++i) {
        auto* call = new NoteCall(i, &ran, &gone);
        EXPECT_EQ(VWControllerPostCall(call), S_OK);
        call->Release();
    }
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(viewer->runPostedCalls(), 3u);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(gone, 3);

    auto* late = new NoteCall(4, &ran, &gone);
    EXPECT_EQ(VWControllerPostCall(late), S_OK);
    viewer.reset();
    EXPECT_EQ(gone, 3);  // our own reference still holds it
    late->Release();
    EXPECT_EQ(gone, 4);
    EXPECT_EQ(ran.size(), 3u);  // dropped, not run

    // No viewer, no controller.
    auto* orphan = new NoteCall(5, &ran, &gone);
    EXPECT_EQ(VWControllerPostCall(orphan), REGDB_E_CLASSNOTREG);
    orphan->Release();
    DWORD id = 0;
    Inspected inspectedObject;
    EXPECT_EQ(VWControllerPushContext(19, &inspectedObject, nullptr, nullptr, nullptr, 0, &id),
              REGDB_E_CLASSNOTREG);
}
