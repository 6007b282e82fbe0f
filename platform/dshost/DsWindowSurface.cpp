// A viewer surface on a window of the Win32 window layer.
#include "platform/dshost/DsWindowSurface.h"

#include <GL/gl.h>

#include <new>

namespace {

// The window's instance: the predefined class serves any instance.
int gInstanceTag = 0;

}  // namespace

PIXELFORMATDESCRIPTOR DsWindowSurface::pixelFormat() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

std::unique_ptr<DsWindowSurface> DsWindowSurface::create(int width, int height,
                                                         std::string* error) {
    const auto fail = [error](const char* why) {
        if (error) *error = why;
        return std::unique_ptr<DsWindowSurface>();
    };
    if (width <= 0 || height <= 0) return fail("the viewer surface needs a positive size");
    std::unique_ptr<DsWindowSurface> s(new (std::nothrow) DsWindowSurface);
    if (!s) return fail("out of memory");
    s->window_ = CreateWindowExA(0, "STATIC", "viewer", WS_VISIBLE, 0, 0, width, height, nullptr,
                                 nullptr, &gInstanceTag, nullptr);
    if (!s->window_) return fail("the window layer would not make the viewer's window");
    s->dc_ = GetDC(s->window_);
    const PIXELFORMATDESCRIPTOR pfd = pixelFormat();
    if (!SetPixelFormat(s->dc_, ChoosePixelFormat(s->dc_, &pfd), &pfd))
        return fail("the viewer's window has no OpenGL pixel format");
    s->context_ = wglCreateContext(s->dc_);
    if (!s->context_ || !s->makeCurrent())
        return fail("no OpenGL context for the viewer (is a window system installed?)");
    return s;
}

DsWindowSurface::~DsWindowSurface() {
    if (context_) {
        if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
    }
    if (dc_) ReleaseDC(window_, dc_);
    if (window_) DestroyWindow(window_);
}

int DsWindowSurface::width() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.right - r.left;
}

int DsWindowSurface::height() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.bottom - r.top;
}

bool DsWindowSurface::makeCurrent() { return context_ && wglMakeCurrent(dc_, context_); }

bool DsWindowSurface::present() {
    glFlush();
    return SwapBuffers(dc_) != FALSE;
}
