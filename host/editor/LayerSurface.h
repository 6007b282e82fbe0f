// LayerSurface: a viewer surface on a top-level window of the window layer
// with its own GL context, like DsWindowSurface, but its size follows the
// widget that shows it: resize() moves the window, and the window system
// sizes the frame buffer to the window when the context is made current.
#pragma once

#include <memory>
#include <string>

#include "platform/dshost/DsViewer.h"

class LayerSurface final : public DsViewerSurface {
public:
    // Null with the reason when the size is not positive or no GL context
    // can be had (no window system installed).
    static std::unique_ptr<LayerSurface> create(int width, int height, std::string& error);
    ~LayerSurface() override;

    void resize(int width, int height);
    int width() const override;
    int height() const override;
    bool makeCurrent() override;
    bool present() override;
    HWND window() const override { return window_; }

private:
    LayerSurface() = default;

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};
