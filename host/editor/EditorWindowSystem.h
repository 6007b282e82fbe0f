// EditorWindowSystem: the window system the editor installs under the
// window layer.  It is the headless system (every GL context an offscreen
// EGL context), so the module draws exactly as in the headless tests; what
// it adds is a listener per layer window, told when the window presents a
// frame, changes, is invalidated or goes away.  The Qt front end mirrors a
// window by listening to it and showing its presented frames.
//
// User-interface thread only, like the window layer itself.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/window/FnFrame.h"
#include "platform/window/FnHeadlessWindowSystem.h"

class LayerWindowListener {
public:
    // The window presented a frame (SwapBuffers); fetch it with frame().
    virtual void framePresented(HWND window) = 0;
    // Its size, position or visibility changed.
    virtual void windowChanged(HWND) {}
    // Something asked for it to be painted again (InvalidateRect).
    virtual void windowInvalidated(HWND) {}
    // It is being destroyed; no call for it follows.
    virtual void windowDestroyed(HWND) {}

protected:
    ~LayerWindowListener() = default;
};

// Told of every change of any window's controls: what a control shows
// (ControlChanged), its size, position or visibility, and its going away.
// A mirror of a whole dialog watches rather than listening window by
// window.
class LayerControlWatcher {
public:
    virtual void controlChanged(HWND window) = 0;

protected:
    ~LayerControlWatcher() = default;
};

class EditorWindowSystem final : public FnHeadlessWindowSystem {
public:
    EditorWindowSystem() = default;
    // Uninstalls itself when installed.
    ~EditorWindowSystem() override;

    // Opens offscreen OpenGL (software rendering unless the caller chose a
    // driver) and installs the system; false with the reason.
    bool open(std::string& error);
    const std::string& renderer() const { return Renderer(); }

    // One listener per window; null stops listening.
    void listen(HWND window, LayerWindowListener* listener);
    // The window's last presented frame (empty before the first).
    FnFrame frame(HWND window) const { return Frame(window); }
    unsigned frameCount(HWND window) const { return FrameCount(window); }
    // Watchers of every control change, in the order they came.
    void watch(LayerControlWatcher* watcher);
    void unwatch(LayerControlWatcher* watcher);

    // The headless system's work, then the listeners and watchers told.
    void WindowDestroyed(HWND window) override;
    void WindowChanged(HWND window) override;
    void WindowInvalidated(HWND window) override;
    void ControlChanged(HWND window) override;
    bool SwapBuffers(HWND window) override;

private:
    LayerWindowListener* listenerOf(HWND window) const;
    void tellWatchers(HWND window);

    std::map<HWND, LayerWindowListener*> listeners_;
    std::vector<LayerControlWatcher*> watchers_;
    bool installed_ = false;
};
