// DsWindowSurface: a viewer surface on a window of the Win32 window layer,
// with its own GL context.  Whatever window system the host installed
// serves it: the headless one draws offscreen and keeps each presented
// frame (FnHeadlessWindowSystem::Frame), an interactive one shows it.  Its
// size is the window's, whoever resizes it (a host widget that shows the
// surface keeps it at its own size); the window system sizes the frame
// buffer to the window when the context is made current.
#pragma once

#include <memory>
#include <string>

#include "platform/dshost/DsViewer.h"

class DsWindowSurface final : public DsViewerSurface {
public:
    // A shown top-level window of the size; null with the reason when the
    // size is not positive or no GL context can be had.
    static std::unique_ptr<DsWindowSurface> create(int width, int height, std::string* error);
    // The pixel format its context is made with: double-buffered RGBA.
    static PIXELFORMATDESCRIPTOR pixelFormat();
    ~DsWindowSurface() override;

    int width() const override;
    int height() const override;
    bool makeCurrent() override;
    bool present() override;
    HWND window() const override { return window_; }

private:
    DsWindowSurface() = default;

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};
