// The control-state API: what front ends read of a dialog's controls, and
// how control procedures write their state.

#include "platform/window/FnControlState.h"
#include "platform/window/FnWin32State.h"

namespace {
FnWin32State& S() { return FnWin32State::Get(); }
}  // namespace

std::vector<HWND> FnChildWindows(HWND parent) {
    FnWin32State& s = S();
    if (!parent) return s.topLevel;
    FnWinWindowRecord* rec = s.Window(parent);
    return rec ? rec->children : std::vector<HWND>{};
}

bool FnGetControlInfo(HWND window, FnControlInfo* info) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec || !info) return false;
    info->window = window;
    info->parent = rec->parent;
    info->id = rec->id;
    info->className = rec->windowClass ? rec->windowClass->name : "";
    info->style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    info->rect = RECT{rec->x, rec->y, rec->x + rec->width, rec->y + rec->height};
    info->text = rec->title;
    info->visible = rec->visible;
    info->enabled = rec->enabled;
    info->focused = s.focus == window;
    info->hasGLContext = rec->pixelFormat != 0;
    info->state = rec->control;
    return true;
}

FnControlState FnGetControlState(HWND window) {
    FnWinWindowRecord* rec = S().Window(window);
    return rec ? rec->control : FnControlState{};
}

bool FnUpdateControl(HWND window, const std::function<void(FnControlState&)>& edit) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec || !edit) return false;
    FnControlState next = rec->control;
    edit(next);
    if (next == rec->control) return true;
    rec->control = std::move(next);
    s.ControlChanged(window);
    return true;
}
