#pragma once
// A window system without a display: every GL context is an offscreen EGL
// context (Mesa's surfaceless platform, or its software device) drawing into
// a framebuffer object the size of the window it is current with.
// SwapBuffers reads the frame back, so a test or a batch host can post
// pointer messages to a window, let it paint and look at what it drew.
//
// The EGL display is process-wide and stays initialised until exit; each
// system deletes only its own contexts.
//
// For frames that are the same byte for byte on every run and machine, pin
// Mesa to llvmpipe (LIBGL_ALWAYS_SOFTWARE=1, GALLIUM_DRIVER=llvmpipe) before
// the first context is made.

#include "platform/window/FnFrame.h"
#include "platform/window/FnWindowSystem.h"

#include <map>
#include <memory>
#include <string>

class FnHeadlessWindowSystem : public FnWindowSystem {
public:
    FnHeadlessWindowSystem();
    ~FnHeadlessWindowSystem() override;

    // Opens the EGL display now (it is opened on the first context otherwise);
    // false when no offscreen OpenGL is available.  Error() then says why.
    bool Open();
    const std::string& Error() const { return error_; }
    // GL_RENDERER of the contexts, once one was made.
    const std::string& Renderer() const { return renderer_; }

    // The last frame the window presented (empty before its first swap) and
    // its number of presented frames.
    FnFrame Frame(HWND window) const;
    unsigned FrameCount(HWND window) const;

    void WindowDestroyed(HWND window) override;
    FnGLContext* CreateContext(HWND window, const PIXELFORMATDESCRIPTOR& format) override;
    bool MakeCurrent(HWND window, FnGLContext* context) override;
    void DeleteContext(FnGLContext* context) override;
    bool SwapBuffers(HWND window) override;

private:
    class Context;
    struct Presented {
        FnFrame frame;
        unsigned count = 0;
    };

    void Close();

    void* display_ = nullptr;  // EGLDisplay
    bool openTried_ = false;
    bool noConfig_ = false;   // contexts without an EGLConfig
    void* config_ = nullptr;  // EGLConfig when configs are needed
    std::string error_;
    std::string renderer_;
    std::map<Context*, std::unique_ptr<Context>> contexts_;
    Context* current_ = nullptr;
    std::map<HWND, Presented> frames_;
};
