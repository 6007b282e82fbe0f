#include "platform/window/FnWindowInput.h"

#include "platform/window/FnWin32State.h"

namespace {

HWND Target(FnWin32State& s) {
    if (s.capture && s.Window(s.capture)) return s.capture;
    return WindowFromPoint(s.cursor);
}

LPARAM ClientPoint(HWND window, POINT p) {
    ScreenToClient(window, &p);
    return MAKELPARAM(p.x, p.y);
}

}  // namespace

HWND FnInputMouseMove(int screenX, int screenY) {
    FnWin32State& s = FnWin32State::Get();
    SetCursorPos(screenX, screenY);
    const HWND target = Target(s);
    if (target) SendMessageA(target, WM_MOUSEMOVE, s.buttons, ClientPoint(target, s.cursor));
    return target;
}

HWND FnInputMouseButton(int button, bool down) {
    static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    static constexpr UINT kUp[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
    static constexpr WPARAM kKey[] = {MK_LBUTTON, MK_MBUTTON, MK_RBUTTON};
    if (button < 0 || button > 2) return nullptr;
    FnWin32State& s = FnWin32State::Get();
    if (down)
        s.buttons |= kKey[button];
    else
        s.buttons &= ~kKey[button];
    const HWND target = Target(s);
    if (target)
        SendMessageA(target, down ? kDown[button] : kUp[button], s.buttons,
                     ClientPoint(target, s.cursor));
    return target;
}

HWND FnInputKey(WPARAM virtualKey, bool down) {
    const HWND focus = GetFocus();
    if (focus) SendMessageA(focus, down ? WM_KEYDOWN : WM_KEYUP, virtualKey, 1);
    return focus;
}

HWND FnInputChar(unsigned codePoint) {
    const HWND focus = GetFocus();
    if (focus) SendMessageA(focus, WM_CHAR, codePoint, 1);
    return focus;
}
