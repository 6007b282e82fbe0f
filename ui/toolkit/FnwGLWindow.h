#pragma once
// A native window with its own OpenGL context and a pixel-exact projection:
// one unit is one pixel, integer coordinates fall on pixel centres, the
// origin is the bottom-left pixel and y grows upwards.  Each window keeps its
// own display lists (no sharing between contexts).

#include "ui/toolkit/FnwWindow.h"

class FnwGLWindow : public FnwWindow {
public:
    FnwGLWindow() = default;

    ATOM RegisterWindowClass() override;
    ATOM ClassAtom() const override;
    const char* ClassName() const override;
    // Releases and deletes the context.
    void OnDestroy() override;
    // Makes the context current and sets the viewport and projection.
    void OnSize() override;
    ~FnwGLWindow() override;
    // As the native window's Create, then the pixel format, the context and
    // one OnSize.  A failed context leaves Context() null.
    HWND Create(HWND parent, const char* title, const int rect[4]) override;
    // Chooses and sets the toolkit's pixel format on the device context;
    // returns the SetPixelFormat result.
    virtual BOOL SetupPixelFormat(HDC dc);

    HGLRC Context() const { return context_; }
    unsigned Flags() const { return flags_; }

    static const PIXELFORMATDESCRIPTOR& PixelFormat();
    static void UnregisterWindowClass();

protected:
    HGLRC context_ = nullptr;
    unsigned flags_ = 0;
};
