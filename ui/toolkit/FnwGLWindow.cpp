#include "ui/toolkit/FnwGLWindow.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

ATOM gAtom = 0;
WNDCLASSA gClass{};

// Double-buffered RGBA with a 16-bit depth buffer; every other field 0.
PIXELFORMATDESCRIPTOR MakePixelFormat() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 8;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

const PIXELFORMATDESCRIPTOR kPixelFormat = MakePixelFormat();

}  // namespace

const PIXELFORMATDESCRIPTOR& FnwGLWindow::PixelFormat() { return kPixelFormat; }

ATOM FnwGLWindow::RegisterWindowClass() {
    if (gAtom) return gAtom;
    if (!ModuleInstance()) return 0;
    FillClass(gClass);
    gClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    gClass.hbrBackground = nullptr;  // GL paints every pixel
    gClass.lpszClassName = "FnWinGLPigFucker";
    gAtom = RegisterClassA(&gClass);
    return gAtom;
}

void FnwGLWindow::UnregisterWindowClass() {
    if (gAtom && UnregisterClassA(gClass.lpszClassName, gClass.hInstance)) gAtom = 0;
}

ATOM FnwGLWindow::ClassAtom() const { return gAtom; }
const char* FnwGLWindow::ClassName() const { return "FnWinGLPigFucker"; }

BOOL FnwGLWindow::SetupPixelFormat(HDC dc) {
    const int format = ChoosePixelFormat(dc, &kPixelFormat);
    return SetPixelFormat(dc, format, &kPixelFormat);
}

HWND FnwGLWindow::Create(HWND parent, const char* title, const int rect[4]) {
    if (!rect) return nullptr;
    const int r[4] = {rect[0], rect[1], rect[2], rect[3]};
    if (!FnwWindow::Create(parent, title, r)) return nullptr;
    RemovePropA(window_, kPropertyName);
    SetPropA(window_, kPropertyName, static_cast<FnwWindow*>(this));
    HDC dc = GetDC(window_);
    SetupPixelFormat(dc);
    context_ = wglCreateContext(dc);
    OnSize();
    return window_;
}

void FnwGLWindow::OnSize() {
    // Without a context there is nothing to set up, and GL calls would land
    // in whatever context happens to be current.
    if (!window_ || !context_) return;
    if (!wglMakeCurrent(GetDC(window_), context_)) return;
    const int w = std::max(width_, 1);
    const int h = std::max(height_, 1);
    glViewport(0, 0, w, h);
    glLoadIdentity();
    glOrtho(-0.5, w - 0.5, -0.5, h - 0.5, 10.0, -10.0);
}

void FnwGLWindow::OnDestroy() {
    if (!window_) return;
    wglMakeCurrent(GetDC(window_), nullptr);
    if (context_) {
        wglDeleteContext(context_);
        context_ = nullptr;
    }
}

FnwGLWindow::~FnwGLWindow() {
    // A window that outlives its object must not keep a context nobody owns.
    if (context_) {
        if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
        context_ = nullptr;
    }
}
