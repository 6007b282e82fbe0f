// The host viewer for the effect's viewer-tool tests: a viewer over a
// surface that never draws (no OpenGL needed), the tool's class made
// creatable, and the tool's anchors as the module reports them.
#pragma once

#include <cmath>
#include <memory>

#include "platform/dshost/DsViewer.h"
#include "tests/effect/EffectHost.h"

// Pen events and layers need no pixels: this surface cannot be drawn into.
class NullSurface final : public DsViewerSurface {
public:
    int width() const override { return 640; }
    int height() const override { return 480; }
    bool makeCurrent() override { return false; }
    bool present() override { return false; }
};

struct AnchorPoint {
    float x, y;
};

// The centre of an anchor of the effect's tool, in overlay units.
inline AnchorPoint anchorOf(IFnDsViewerTool* tools, const char* name) {
    ComPtr<IUnknown> tool;
    ComPtr<IFnOverlayAnchors> anchors;
    AnchorPoint p{-1e9f, -1e9f};
    if (tools->GetViewerTool(tool.put()) == S_OK && tool.as(IID_IFnOverlayAnchors, anchors) == S_OK)
        anchors->GetAnchor(name, &p.x, &p.y);
    return p;
}

// Where a source placed at world (x0, y0) with the given pixel size ends up
// in a 720 x 486 project of world height 540: its centre in overlay units
// (world units x 0.9 are pixels; rows count up from the frame's bottom).
inline AnchorPoint sourceCentre(double worldX, double worldY, int width, int height) {
    const double scale = double(float(540.0 / 486.0));
    const double px = std::floor(worldX * 0.9 + 0.5), py = std::floor(worldY * 0.9 + 0.5);
    return {float(px / scale + width / scale * 0.5), float(486 - py - height + height * 0.5)};
}

class ViewerToolHost : public EffectHost {
protected:
    void SetUp() override {
        EffectHost::SetUp();
        services.setProjectFrame(720, 486, 720, 540);
        ASSERT_EQ(module.registerClass(CLSID_FnTInteract), S_OK);
        viewer = std::make_unique<DsViewer>(surface);
        ASSERT_TRUE(viewer->registered());
        ASSERT_EQ(fx.as(IID_IFnDsViewerTool, tools), S_OK);
        ASSERT_EQ(fx.as(IID_IUnknown, inspected), S_OK);
    }
    void TearDown() override {
        tools.reset();
        inspected.reset();
        viewer.reset();
        EffectHost::TearDown();
    }

    NullSurface surface;
    std::unique_ptr<DsViewer> viewer;
    ComPtr<IFnDsViewerTool> tools;
    ComPtr<IUnknown> inspected;  // what the pages inspect: the effect
};
