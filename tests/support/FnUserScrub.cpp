#include "tests/support/FnUserScrub.h"

#include <algorithm>

#include "platform/window/FnWindowInput.h"

bool FnUserScrub(HWND control, int dx) {
    if (!IsWindow(control) || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
    RECT r{};
    GetClientRect(control, &r);
    POINT p{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
    ClientToScreen(control, &p);
    FnInputMouseMove(p.x, p.y);
    const HWND pressed = FnInputMouseButton(0, true);
    for (int left = dx; left != 0;) {
        const int step = std::clamp(left, -8, 8);
        p.x += step;
        left -= step;
        FnInputMouseMove(p.x, p.y);
    }
    FnInputMouseButton(0, false);
    return pressed == control;
}
