// The predefined control classes of the window layer: STATIC, BUTTON,
// COMBOBOX and the dialog class.  Every control keeps what it shows in its
// window record (FnControlState) and tells the window system when that
// changes; drawing is a front end's business.

#include "platform/window/FnControlInput.h"
#include "platform/window/FnControlState.h"
#include "platform/window/FnWin32State.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace {

FnWin32State& S() { return FnWin32State::Get(); }

void SetKind(HWND window, FnControlKind kind) {
    FnUpdateControl(window, [kind](FnControlState& c) { c.kind = kind; });
}

void NotifyParent(HWND window, WORD code) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec || !rec->parent) return;
    SendMessageA(rec->parent, WM_COMMAND, MAKEWPARAM(rec->id, code),
                 reinterpret_cast<LPARAM>(window));
}

bool CursorInside(HWND window) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    RECT r{};
    GetClientRect(window, &r);
    return p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom;
}

LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetKind(window, (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP
                            ? FnControlKind::Bitmap
                            : FnControlKind::Static);
        return TRUE;
    case STM_SETIMAGE: {
        if (wParam != IMAGE_BITMAP) return 0;
        HBITMAP previous = FnGetControlState(window).image;
        FnUpdateControl(
            window, [lParam](FnControlState& c) { c.image = reinterpret_cast<HBITMAP>(lParam); });
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETIMAGE:
        return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(FnGetControlState(window).image)
                                      : 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD type = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & BS_TYPEMASK;
    const bool checkBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    switch (message) {
    case WM_NCCREATE:
        SetKind(window, checkBox               ? FnControlKind::CheckBox
                        : type == BS_GROUPBOX  ? FnControlKind::GroupBox
                        : type == BS_OWNERDRAW ? FnControlKind::OwnerDrawButton
                                               : FnControlKind::PushButton);
        return TRUE;
    case WM_LBUTTONDOWN:
        if (type == BS_GROUPBOX || !IsWindowEnabled(window)) return 0;
        SetCapture(window);
        SetFocus(window);
        FnUpdateControl(window, [](FnControlState& c) { c.pushed = true; });
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            const bool inside = CursorInside(window);
            FnUpdateControl(window, [inside](FnControlState& c) { c.pushed = inside; });
        }
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != window) return 0;
        ReleaseCapture();
        const bool clicked = FnGetControlState(window).pushed && CursorInside(window);
        FnUpdateControl(window, [](FnControlState& c) { c.pushed = false; });
        if (clicked) SendMessageA(window, BM_CLICK, 0, 0);
        return 0;
    }
    case BM_CLICK:
        if (type == BS_GROUPBOX || !IsWindowEnabled(window)) return 0;
        if (type == BS_AUTOCHECKBOX)
            FnUpdateControl(window, [](FnControlState& c) { c.check = c.check ? 0 : 1; });
        NotifyParent(window, BN_CLICKED);
        return 0;
    case BM_GETCHECK: return checkBox ? FnGetControlState(window).check : 0;
    case BM_SETCHECK:
        if (checkBox) {
            const int check = wParam == BST_CHECKED ? 1 : 0;
            FnUpdateControl(window, [check](FnControlState& c) { c.check = check; });
        }
        return 0;
    case BM_GETSTATE: {
        const FnControlState c = FnGetControlState(window);
        return (c.check ? 1 : 0) | (c.pushed ? BST_PUSHED : 0) |
               (GetFocus() == window ? BST_FOCUS : 0);
    }
    case BM_SETSTATE:
        FnUpdateControl(window, [wParam](FnControlState& c) { c.pushed = wParam != 0; });
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A drop-down list: the window text is always the selected item's.
void Select(HWND window, int index) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return;
    std::string text;
    FnUpdateControl(window, [&](FnControlState& c) {
        c.selection = index >= 0 && size_t(index) < c.items.size() ? index : -1;
        if (c.selection >= 0) text = c.items[size_t(c.selection)];
    });
    DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int FindItem(const FnControlState& c, const char* text, int after) {
    if (!text) return -1;
    const int n = int(c.items.size());
    for (int k = 0; k < n; ++k) {
        const int i = (after + 1 + k) % n;
        if (strcasecmp(c.items[size_t(i)].c_str(), text) == 0) return i;
    }
    return -1;
}

LRESULT CALLBACK ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: SetKind(window, FnControlKind::ComboBox); return TRUE;
    case CB_ADDSTRING: {
        const char* text = reinterpret_cast<const char*>(lParam);
        if (!text) return CB_ERR;
        LRESULT index = CB_ERR;
        FnUpdateControl(window, [&](FnControlState& c) {
            c.items.emplace_back(text);
            index = LRESULT(c.items.size() - 1);
        });
        return index;
    }
    case CB_RESETCONTENT:
        FnUpdateControl(window, [](FnControlState& c) { c.items.clear(); });
        Select(window, -1);
        return 0;
    case CB_GETCOUNT: return LRESULT(FnGetControlState(window).items.size());
    case CB_GETCURSEL: {
        const int sel = FnGetControlState(window).selection;
        return sel >= 0 ? sel : CB_ERR;
    }
    case CB_SETCURSEL: {
        const FnControlState c = FnGetControlState(window);
        const bool valid = wParam < c.items.size();
        Select(window, valid ? int(wParam) : -1);
        return valid ? LRESULT(wParam) : CB_ERR;
    }
    case CB_GETLBTEXTLEN: {
        const FnControlState c = FnGetControlState(window);
        return wParam < c.items.size() ? LRESULT(c.items[wParam].size()) : CB_ERR;
    }
    case CB_GETLBTEXT: {
        const FnControlState c = FnGetControlState(window);
        char* buffer = reinterpret_cast<char*>(lParam);
        if (wParam >= c.items.size() || !buffer) return CB_ERR;
        // The caller's buffer holds the item's length and a terminator.
        std::memcpy(buffer, c.items[wParam].c_str(), c.items[wParam].size() + 1);
        return LRESULT(c.items[wParam].size());
    }
    case CB_FINDSTRINGEXACT: {
        const int at = FindItem(FnGetControlState(window), reinterpret_cast<const char*>(lParam),
                                wParam == WPARAM(-1) ? -1 : int(wParam));
        return at >= 0 ? at : CB_ERR;
    }
    case WM_SETTEXT: {
        // A drop-down list shows only its items: the text selects one.
        const int at =
            FindItem(FnGetControlState(window), reinterpret_cast<const char*>(lParam), -1);
        if (at < 0) return CB_ERR;
        Select(window, at);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(window)) SetFocus(window);
        return 0;
    case WM_KEYDOWN: {
        if (wParam != VK_DOWN && wParam != VK_UP) return 0;
        const FnControlState c = FnGetControlState(window);
        const int n = int(c.items.size());
        if (n == 0) return 0;
        const int next = std::clamp(c.selection + (wParam == VK_DOWN ? 1 : -1), 0, n - 1);
        if (next == c.selection) return 0;
        Select(window, next);
        NotifyParent(window, CBN_SELCHANGE);
        return 0;
    }
    case FN_CB_USERPICK: {
        const FnControlState c = FnGetControlState(window);
        if (wParam >= c.items.size()) return FALSE;
        if (int(wParam) != c.selection) {
            Select(window, int(wParam));
            NotifyParent(window, CBN_SELCHANGE);
        }
        return TRUE;
    }
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK DialogClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcW(window, message, wParam, lParam);
}

void AddSystemClass(FnWin32State& s, const char* name, WNDPROC proc, ATOM atom) {
    auto rec = std::make_unique<FnWinClassRecord>();
    rec->name = name;
    rec->wc.lpfnWndProc = proc;
    rec->wc.lpszClassName = rec->name.c_str();
    rec->atom = atom;
    rec->system = true;
    s.classes.push_back(std::move(rec));
}

}  // namespace

void FnRegisterSystemClasses(FnWin32State& s) {
    // STATIC keeps 0xC000: hosts use it for plain parent windows too.
    AddSystemClass(s, "STATIC", StaticProc, 0xC000);
    AddSystemClass(s, "BUTTON", ButtonProc, 0x0080);
    AddSystemClass(s, "COMBOBOX", ComboBoxProc, 0x0085);
    AddSystemClass(s, "#32770", DialogClassProc, 0x8002);
}
