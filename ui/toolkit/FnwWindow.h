#pragma once
// One native child window that turns the Win32 messages the widgets need
// into virtual calls.  The window procedure finds its object through the
// window property "FnwWindowPtr"; messages that arrive before the property
// is set (during creation) go to the default procedure.

#include "platform/window/FnWin32.h"

class FnwWindow {
public:
    FnwWindow() = default;
    FnwWindow(const FnwWindow&) = delete;
    FnwWindow& operator=(const FnwWindow&) = delete;

    // Registers the class once and returns its atom; 0 while the module
    // instance is null or when registration fails.
    virtual ATOM RegisterWindowClass();
    virtual ATOM ClassAtom() const;
    virtual const char* ClassName() const;
    virtual void OnDestroy();
    virtual void OnSize();
    virtual void OnPaint();
    // down: 1 press, 0 release; button: 0 left, 1 middle, 2 right.
    virtual void OnMouseButton(int down, int button);
    // Client coordinates, origin top-left.
    virtual void OnMouseMove(int x, int y);
    // Removes the property; the native window belongs to whoever made the
    // parent and is not destroyed here.
    virtual ~FnwWindow();
    // rect: left, top, right, bottom in the parent's client area, right and
    // bottom inclusive.  Returns the window, or null (no instance, failed
    // registration or creation, or a window exists already).
    virtual HWND Create(HWND parent, const char* title, const int rect[4]);

    HWND Window() const { return window_; }
    HWND Parent() const { return parent_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }

    // The module's instance handle, set before any window is created.
    static void SetModuleInstance(HINSTANCE instance);
    static HINSTANCE ModuleInstance();
    // Gives the class back to the window layer (when no window of it is
    // left), so a module can be unloaded and loaded again: see
    // fnToolkitDetach.
    static void UnregisterWindowClass();

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr const char* kPropertyName = "FnwWindowPtr";

protected:
    // The class record shared by both window classes, filled as for this one.
    static void FillClass(WNDCLASSA& wc);

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int mouseX_ = 0;
    int mouseY_ = 0;
};
