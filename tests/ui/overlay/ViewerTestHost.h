#pragma once
// A host viewer on the headless window system for the overlay tests, with
// a layer that logs what the viewer sends it.

#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "platform/dshost/DsViewer.h"
#include "platform/dshost/DsWindowSurface.h"
#include "platform/dsviewer/CDSInteractiveTool.h"
#include "platform/dsviewer/DSViewerServices.h"

#include <GL/gl.h>

#include <memory>
#include <string>
#include <vector>

class ViewerTest : public ToolkitTest {
protected:
    void OpenViewer(int width, int height) {
        std::string error;
        surface = DsWindowSurface::create(width, height, &error);
        ASSERT_TRUE(surface) << error;
        viewer = std::make_unique<DsViewer>(*surface);
        ASSERT_TRUE(viewer->registered());
    }
    void TearDown() override {
        viewer.reset();
        surface.reset();
        ToolkitTest::TearDown();
    }
    FnFrame Render() {
        EXPECT_TRUE(viewer->render());
        return System().Frame(surface->window());
    }
    // The surface point (x right, y down) whose centre is the viewer point.
    DsViewPoint SurfaceOf(double x, double y) const {
        const VWRect v = viewer->visibleRect();
        const double z = viewer->zoom();
        return {(x - v.x) * z - 0.5, surface->height() - 1 - ((y - v.y) * z - 0.5)};
    }

    std::unique_ptr<DsWindowSurface> surface;
    std::unique_ptr<DsViewer> viewer;
};

// Any object to inspect.
class Inspected final : public ComObject<IUnknown> {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return iid == IID_IUnknown ? Answer(this, out) : E_NOINTERFACE;
    }
};

// A layer that logs its pen events, takes them when told, and fills a
// rectangle of the viewer in its colour.
class LogLayer final : public CDSInteractiveTool {
public:
    LogLayer(std::string name, std::vector<std::string>* log, bool takes, VWRect fill,
             const float colour[3])
        : name_(std::move(name)), log_(log), takes_(takes), fill_(fill) {
        for (int i = 0; i < 3; ++i) colour_[i] = colour[i];
    }

    HRESULT OnPenDown(const VWPenEvent* e) override {
        log_->push_back(name_ + " down");
        return takes_ ? OnBeginInteraction(e) : CDSInteractiveTool::OnPenDown(e);
    }
    HRESULT OnPenMove(const VWPenEvent* e) override {
        log_->push_back(name_ + " move");
        return takes_ ? OnDoInteraction(e) : CDSInteractiveTool::OnPenMove(e);
    }
    HRESULT OnPenUp(const VWPenEvent* e) override {
        log_->push_back(name_ + " up");
        return takes_ ? TerminateInteraction() : CDSInteractiveTool::OnPenUp(e);
    }
    HRESULT OnRender(IViewerSurface* surface) override {
        VWGLSurface gl{};
        if (SUCCEEDED(vwSurfaceBeginRenderOpenGL(surface, &gl))) {
            lastSurface = gl;
            glViewport(0, 0, gl.width - 1, gl.height - 1);
            glOrtho(gl.visible.x, gl.visible.x + gl.visible.width, gl.visible.y,
                    gl.visible.y + gl.visible.height, -1, 1);
            glColor3fv(colour_);
            glRectd(fill_.x, fill_.y, fill_.x + fill_.width, fill_.y + fill_.height);
            vwSurfaceEndRenderOpenGL(surface, &gl);
        }
        return CDSInteractiveTool::OnRender(surface);
    }

    VWGLSurface lastSurface{};

private:
    std::string name_;
    std::vector<std::string>* log_;
    bool takes_;
    VWRect fill_;
    float colour_[3];
};
