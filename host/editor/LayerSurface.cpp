// A resizable viewer surface on a window of the window layer.
#include "host/editor/LayerSurface.h"

#include <GL/gl.h>

#include <algorithm>
#include <new>

namespace {

// The window's instance: the predefined class serves any instance.
int gInstanceTag = 0;

}  // namespace

std::unique_ptr<LayerSurface> LayerSurface::create(int width, int height, std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "the viewer surface needs a positive size";
        return nullptr;
    }
    std::unique_ptr<LayerSurface> s(new (std::nothrow) LayerSurface);
    if (!s) {
        error = "out of memory";
        return nullptr;
    }
    s->window_ = CreateWindowExA(0, "STATIC", "viewer", WS_VISIBLE, 0, 0, width, height, nullptr,
                                 nullptr, &gInstanceTag, nullptr);
    if (!s->window_) {
        error = "the window layer would not make the viewer's window";
        return nullptr;
    }
    s->dc_ = GetDC(s->window_);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    if (!SetPixelFormat(s->dc_, ChoosePixelFormat(s->dc_, &pfd), &pfd)) {
        error = "the viewer's window has no OpenGL pixel format";
        return nullptr;
    }
    s->context_ = wglCreateContext(s->dc_);
    if (!s->context_ || !s->makeCurrent()) {
        error = "no OpenGL context for the viewer";
        return nullptr;
    }
    return s;
}

LayerSurface::~LayerSurface() {
    if (context_) {
        if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
    }
    if (dc_) ReleaseDC(window_, dc_);
    if (window_) DestroyWindow(window_);
}

void LayerSurface::resize(int width, int height) {
    MoveWindow(window_, 0, 0, std::max(width, 1), std::max(height, 1), FALSE);
}

int LayerSurface::width() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.right - r.left;
}

int LayerSurface::height() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r.bottom - r.top;
}

bool LayerSurface::makeCurrent() { return context_ && wglMakeCurrent(dc_, context_); }

bool LayerSurface::present() {
    glFlush();
    return SwapBuffers(dc_) != FALSE;
}
