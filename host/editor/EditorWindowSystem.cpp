// The editor's window system: offscreen contexts, frames handed to Qt.
#include "host/editor/EditorWindowSystem.h"

#include <algorithm>

#include "host/common/HeadlessDisplay.h"

EditorWindowSystem::~EditorWindowSystem() {
    if (installed_) FnWindowSystem::Install(nullptr);
}

bool EditorWindowSystem::open(std::string& error) {
    if (!HeadlessDisplay::openSystem(*this, error)) return false;
    FnWindowSystem::Install(this);
    installed_ = true;
    return true;
}

void EditorWindowSystem::listen(HWND window, LayerWindowListener* listener) {
    if (listener)
        listeners_[window] = listener;
    else
        listeners_.erase(window);
}

LayerWindowListener* EditorWindowSystem::listenerOf(HWND window) const {
    const auto it = listeners_.find(window);
    return it == listeners_.end() ? nullptr : it->second;
}

void EditorWindowSystem::watch(LayerControlWatcher* watcher) {
    if (watcher && std::find(watchers_.begin(), watchers_.end(), watcher) == watchers_.end())
        watchers_.push_back(watcher);
}

void EditorWindowSystem::unwatch(LayerControlWatcher* watcher) { std::erase(watchers_, watcher); }

void EditorWindowSystem::tellWatchers(HWND window) {
    // A watcher may stop watching while it is told.
    const std::vector<LayerControlWatcher*> now = watchers_;
    for (LayerControlWatcher* w : now)
        if (std::find(watchers_.begin(), watchers_.end(), w) != watchers_.end())
            w->controlChanged(window);
}

void EditorWindowSystem::WindowDestroyed(HWND window) {
    if (LayerWindowListener* l = listenerOf(window)) l->windowDestroyed(window);
    listeners_.erase(window);
    FnHeadlessWindowSystem::WindowDestroyed(window);
    tellWatchers(window);
}

void EditorWindowSystem::WindowChanged(HWND window) {
    FnHeadlessWindowSystem::WindowChanged(window);
    if (LayerWindowListener* l = listenerOf(window)) l->windowChanged(window);
    tellWatchers(window);
}

void EditorWindowSystem::ControlChanged(HWND window) {
    FnHeadlessWindowSystem::ControlChanged(window);
    tellWatchers(window);
}

void EditorWindowSystem::WindowInvalidated(HWND window) {
    FnHeadlessWindowSystem::WindowInvalidated(window);
    if (LayerWindowListener* l = listenerOf(window)) l->windowInvalidated(window);
}

bool EditorWindowSystem::SwapBuffers(HWND window) {
    if (!FnHeadlessWindowSystem::SwapBuffers(window)) return false;
    if (LayerWindowListener* l = listenerOf(window)) l->framePresented(window);
    return true;
}
