#pragma once
// The window system behind the Win32 window layer.  The window table, classes,
// properties, messages, capture and cursor live in the layer itself; a window
// system supplies what differs between hosts: the GL contexts and where a
// window's frames go.  The headless system renders offscreen for tests and
// batch hosts; an interactive host can plug in one whose windows are real
// widgets.  The host process installs one before it creates GL windows.

#include <string>

#include "platform/window/FnWin32.h"

// One GL rendering context of a window system (what an HGLRC names).
class FnGLContext {
public:
    FnGLContext() = default;
    FnGLContext(const FnGLContext&) = delete;
    FnGLContext& operator=(const FnGLContext&) = delete;
    virtual ~FnGLContext() = default;
};

class FnWindowSystem {
public:
    FnWindowSystem() = default;
    FnWindowSystem(const FnWindowSystem&) = delete;
    FnWindowSystem& operator=(const FnWindowSystem&) = delete;
    virtual ~FnWindowSystem() = default;

    // Native windows, so that a system can mirror them (dialog controls
    // included: see FnControlState.h).  WindowChanged follows
    // a change of size, position or visibility; WindowInvalidated follows
    // InvalidateRect (the layer itself sends WM_PAINT from UpdateWindow).
    virtual void WindowCreated(HWND) {}
    virtual void WindowDestroyed(HWND) {}
    virtual void WindowChanged(HWND) {}
    virtual void WindowInvalidated(HWND) {}
    // What a control shows changed: its text, enabled state, focus or its
    // FnControlState (platform/window/FnControlState.h).
    virtual void ControlChanged(HWND) {}

    // A context for a window whose pixel format is set; null on failure.
    virtual FnGLContext* CreateContext(HWND window, const PIXELFORMATDESCRIPTOR& format) = 0;
    // Binds the context to draw into the window; a null context releases the
    // current one.  False when the system cannot.
    virtual bool MakeCurrent(HWND window, FnGLContext* context) = 0;
    virtual void DeleteContext(FnGLContext* context) = 0;
    // Presents what was drawn into the window since the last swap.  The
    // window's context is current when the layer calls this.
    virtual bool SwapBuffers(HWND window) = 0;

    // ShellExecuteW's "open" of a document.  `asked` is the path as the
    // caller wrote it; `found` is the local file it names: backslashes
    // become slashes, and this platform ships documents as HTML, so when the
    // named file is missing its sibling with the extension ".html" is taken
    // (empty when neither exists; ShellExecuteW then reports SE_ERR_FNF).
    // True when an opener ran.  The default is DesktopOpen(found).
    virtual bool OpenDocument(const std::string& asked, const std::string& found);
    // Runs the desktop's opener (xdg-open) on a local file where a display
    // is (DISPLAY or WAYLAND_DISPLAY set), detached; true when it ran.
    static bool DesktopOpen(const std::string& path);

    // Installs the system that serves GL windows from now on (not owned; null
    // uninstalls).  Contexts of the previous system are deleted and their
    // handles become invalid.  Existing windows are announced to the new one.
    static void Install(FnWindowSystem* system);
    static FnWindowSystem* Current();
};
