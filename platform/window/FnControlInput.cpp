// User edits of controls through the layer's pointer and key input.

#include "platform/window/FnControlInput.h"
#include "platform/window/FnWin32State.h"
#include "platform/window/FnWindowInput.h"

#include <string>
#include <vector>

namespace {

bool Usable(HWND control) {
    return IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

POINT Centre(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    POINT p{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
    ClientToScreen(control, &p);
    return p;
}

// The code points of UTF-8 text (invalid bytes give U+FFFD).
std::vector<unsigned> CodePoints(const std::string& text) {
    const std::u16string wide = FnUtf16(text);
    std::vector<unsigned> out;
    for (size_t i = 0; i < wide.size(); ++i) {
        unsigned c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00u);
            ++i;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace

bool FnUserClick(HWND control) {
    if (!Usable(control)) return false;
    const POINT p = Centre(control);
    FnInputMouseMove(p.x, p.y);
    const HWND pressed = FnInputMouseButton(0, true);
    FnInputMouseButton(0, false);
    return pressed == control;
}

bool FnUserPick(HWND control, int index) {
    if (!Usable(control) || index < 0 || index >= SendMessageA(control, CB_GETCOUNT, 0, 0))
        return false;
    SetFocus(control);
    return SendMessageA(control, FN_CB_USERPICK, WPARAM(index), 0) != 0;
}

bool FnUserType(HWND control, const std::string& text, bool commit) {
    if (!Usable(control)) return false;
    SetFocus(control);
    if (GetFocus() != control) return false;
    for (unsigned c : CodePoints(text)) FnInputChar(c);
    if (commit) FnUserKey(VK_RETURN);
    return true;
}

bool FnUserKey(WPARAM virtualKey) {
    if (!GetFocus()) return false;
    FnInputKey(virtualKey, true);
    FnInputKey(virtualKey, false);
    return true;
}
