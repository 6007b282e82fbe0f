#include "ui/toolkit/FnwTrouser.h"

#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnTextFont.h"

#include <GL/gl.h>

HWND FnwTrouser::Create(HWND parent, const char* title, const int rect[4]) {
    HWND window = FnwGLWindow::Create(parent, title, rect);
    if (!window) return nullptr;
    if (context_ && wglMakeCurrent(GetDC(window), context_)) {
        glShadeModel(GL_SMOOTH);
        glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
        glEnable(GL_LINE_STIPPLE);
    }
    return window;
}

void FnwTrouser::OnPaint() {
    if (!context_ || !window_) return;
    HDC dc = GetDC(window_);
    if (!wglMakeCurrent(dc, context_)) return;
    if (!textFont_) textFont_ = BuildTextFont(dc);
    // Even a failed font is made current: the last window's lists belong to
    // another context.
    SetCurrentTextFont(textFont_);
    if (drawOptions_ & kClearFirst) glClear(GL_COLOR_BUFFER_BIT);
    DrawAll();
    if (drawOptions_ & kSunkenFrame)
        SunkenFrame(0.0f, 0.0f, static_cast<float>(width_ - 1), static_cast<float>(height_ - 1));
    glFlush();
    SwapBuffers(dc);
    ValidateRect(window_, nullptr);
}

FnPoint FnwTrouser::PointerPoint() const {
    return {static_cast<float>(mouseX_), static_cast<float>(height_ - mouseY_)};
}

void FnwTrouser::DispatchAndRedraw(int kind) {
    if (Dispatch(FnMessage::Pointer(kind, PointerPoint())) && window_) {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
}

void FnwTrouser::OnMouseMove(int, int) { DispatchAndRedraw(kFnPointerMoved); }

void FnwTrouser::OnMouseButton(int down, int button) {
    if (button != 0) return;
    DispatchAndRedraw(down ? kFnPointerPressed : kFnPointerReleased);
}
