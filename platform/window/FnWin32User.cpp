// User32 part of the window layer: classes, windows, properties, messages,
// painting and the mouse.

#include "platform/window/FnWin32State.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

FnWin32State& S() { return FnWin32State::Get(); }

std::string PropName(const char* name) {
    // A property named by an atom keeps the atom's number as its name.
    if (FnHandleId(name) > 0xffff) return name;
    char key[8];
    std::snprintf(key, sizeof key, "#%u", static_cast<unsigned>(FnHandleId(name)));
    return key;
}

void Unlink(FnWin32State& s, const FnWinWindowRecord& rec) {
    std::vector<HWND>* siblings = &s.topLevel;
    if (rec.parent) {
        FnWinWindowRecord* parent = s.Window(rec.parent);
        if (!parent) return;
        siblings = &parent->children;
    }
    siblings->erase(std::remove(siblings->begin(), siblings->end(), rec.handle), siblings->end());
}

bool IsSelfOrDescendant(FnWin32State& s, HWND window, HWND ancestor) {
    for (FnWinWindowRecord* w = s.Window(window); w; w = s.Window(w->parent)) {
        if (w->handle == ancestor) return true;
        if (!w->parent) break;
    }
    return false;
}

void Changed(FnWin32State& s, HWND window) {
    if (s.system) s.system->WindowChanged(window);
}

HWND Deepest(FnWin32State& s, const std::vector<HWND>& candidates, POINT p) {
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        FnWinWindowRecord* w = s.Window(*it);
        if (!w || !w->visible) continue;
        if (p.x < w->x || p.y < w->y || p.x >= w->x + w->width || p.y >= w->y + w->height) continue;
        HWND inner = Deepest(s, w->children, POINT{p.x - w->x, p.y - w->y});
        if (inner) return inner;
        // Statics and group boxes in a dialog let the pointer through to
        // what lies below them, as their hit test does on the desktop.
        const FnControlKind kind = w->control.kind;
        if (w->parent && (kind == FnControlKind::Static || kind == FnControlKind::Bitmap ||
                          kind == FnControlKind::GroupBox))
            continue;
        return w->handle;
    }
    return nullptr;
}

}  // namespace

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || FnHandleId(wc->lpszClassName) <= 0xffff ||
        !*wc->lpszClassName)
        return 0;
    FnWin32State& s = S();
    for (const auto& rec : s.classes)
        if (strcasecmp(rec->name.c_str(), wc->lpszClassName) == 0 &&
            (rec->system || rec->wc.hInstance == wc->hInstance))
            return 0;
    if (s.nextAtom == 0) return 0;  // every atom of the range was handed out
    auto rec = std::make_unique<FnWinClassRecord>();
    rec->name = wc->lpszClassName;
    rec->wc = *wc;
    rec->wc.lpszClassName = rec->name.c_str();
    rec->wc.lpszMenuName = nullptr;
    rec->atom = s.nextAtom++;
    s.classes.push_back(std::move(rec));
    return s.classes.back()->atom;
}

BOOL WINAPI UnregisterClassA(const char* className, HINSTANCE instance) {
    FnWin32State& s = S();
    const FnWinClassRecord* cls = s.FindClass(className, instance);
    if (!cls || cls->system || cls->wc.hInstance != instance) return FALSE;
    for (const auto& [id, w] : s.windows)
        if (w->windowClass == cls) return FALSE;  // still in use
    std::erase_if(s.classes, [cls](const auto& rec) { return rec.get() == cls; });
    return TRUE;
}

HWND WINAPI CreateWindowExA(DWORD, const char* className, const char* title, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, void*) {
    FnWin32State& s = S();
    const FnWinClassRecord* cls = s.FindClass(className, instance);
    if (!cls) return nullptr;
    FnWinWindowRecord* parentRec = parent ? s.Window(parent) : nullptr;
    if (style & WS_CHILD) {
        if (!parentRec || parentRec->destroying) return nullptr;
    } else {
        parentRec = nullptr;  // an owner, not a parent: the window is top-level
    }

    auto rec = std::make_unique<FnWinWindowRecord>();
    rec->handle = FnHandleOf<HWND>(s.NextId());
    rec->windowClass = cls;
    rec->instance = instance;
    rec->parent = parentRec ? parentRec->handle : nullptr;
    rec->x = x;
    rec->y = y;
    rec->width = std::max(width, 0);
    rec->height = std::max(height, 0);
    rec->style = style;
    rec->title = title ? title : "";
    rec->enabled = (style & WS_DISABLED) == 0;
    // A child's menu argument is its control id.
    if (parentRec) rec->id = static_cast<int>(static_cast<std::int16_t>(FnHandleId(menu)));
    const HWND hwnd = rec->handle;
    const int w = rec->width, h = rec->height;
    (parentRec ? parentRec->children : s.topLevel).push_back(hwnd);
    s.windows.emplace(FnHandleId(hwnd), std::move(rec));
    if (s.system) s.system->WindowCreated(hwnd);

    if (!SendMessageA(hwnd, WM_NCCREATE, 0, 0) || SendMessageA(hwnd, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w, h));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
    FnWinWindowRecord* created = s.Window(hwnd);
    if (!created) return nullptr;
    if (style & WS_VISIBLE) {
        created->visible = true;
        created->dirty = true;
        Changed(s, hwnd);
    }
    return hwnd;
}

BOOL WINAPI DestroyWindow(HWND window) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec || rec->destroying) return FALSE;
    rec->destroying = true;
    if (s.capture && IsSelfOrDescendant(s, s.capture, window)) s.capture = nullptr;
    if (s.focus && IsSelfOrDescendant(s, s.focus, window)) s.focus = nullptr;

    SendMessageA(window, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = s.Window(window)->children;
    for (HWND child : children) DestroyWindow(child);
    SendMessageA(window, WM_NCDESTROY, 0, 0);

    rec = s.Window(window);
    if (s.currentDc && rec->dc == s.currentDc) s.ReleaseCurrent();
    for (auto& [id, ctx] : s.contexts)
        if (ctx->window == window) ctx->window = nullptr;
    if (rec->dc) s.dcs.erase(FnHandleId(rec->dc));
    if (s.system) s.system->WindowDestroyed(window);
    Unlink(s, *rec);
    s.windows.erase(FnHandleId(window));
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window) { return S().Window(window) ? TRUE : FALSE; }

namespace {
// Text a procedure wrote (UTF-8) copied into a caller's UTF-16 buffer of
// `max` units; returns the units copied without the terminator.
LRESULT CopyOut(const std::string& utf8, WCHAR* buffer, size_t max) {
    if (!buffer || max == 0) return 0;
    const std::u16string wide = FnUtf16(utf8);
    const size_t n = std::min(wide.size(), max - 1);
    std::copy_n(wide.data(), n, buffer);
    buffer[n] = u'\0';
    return LRESULT(n);
}
}  // namespace

LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FnWin32State& s = S();
    if (!s.Window(window)) return 0;
    switch (message) {
    case WM_SETTEXT:
    case CB_ADDSTRING:
    case CB_FINDSTRINGEXACT: {
        const std::string text = FnUtf8(reinterpret_cast<const WCHAR*>(lParam));
        return SendMessageA(window, message, wParam,
                            lParam ? reinterpret_cast<LPARAM>(text.c_str()) : 0);
    }
    case WM_GETTEXT: {
        const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
        std::string text(size_t(std::max<LRESULT>(length, 0)) + 1, '\0');
        const LRESULT n = SendMessageA(window, WM_GETTEXT, WPARAM(text.size()),
                                       reinterpret_cast<LPARAM>(text.data()));
        text.resize(size_t(std::max<LRESULT>(n, 0)));
        return CopyOut(text, reinterpret_cast<WCHAR*>(lParam), size_t(wParam));
    }
    case CB_GETLBTEXT: {
        const LRESULT length = SendMessageA(window, CB_GETLBTEXTLEN, wParam, 0);
        if (length < 0) return CB_ERR;
        std::string text(size_t(length) + 1, '\0');
        const LRESULT n =
            SendMessageA(window, CB_GETLBTEXT, wParam, reinterpret_cast<LPARAM>(text.data()));
        if (n < 0) return CB_ERR;
        text.resize(size_t(n));
        // The caller's buffer holds at least the item's length in units.
        return CopyOut(text, reinterpret_cast<WCHAR*>(lParam), FnUtf16(text).size() + 1);
    }
    default: return SendMessageA(window, message, wParam, lParam);
    }
}

UINT WINAPI RegisterWindowMessageW(const WCHAR* name) {
    const std::string utf8 = FnUtf8(name);
    if (utf8.empty()) return 0;
    FnWin32State& s = S();
    for (size_t i = 0; i < s.registeredMessages.size(); ++i)
        if (strcasecmp(s.registeredMessages[i].c_str(), utf8.c_str()) == 0) return UINT(0xC000 + i);
    if (s.registeredMessages.size() >= 0x4000) return 0;
    s.registeredMessages.push_back(utf8);
    return UINT(0xC000 + s.registeredMessages.size() - 1);
}

HWND WINAPI GetParent(HWND window) {
    FnWinWindowRecord* rec = S().Window(window);
    return rec ? rec->parent : nullptr;
}

BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return FALSE;
    width = std::max(width, 0);
    height = std::max(height, 0);
    const bool moved = rec->x != x || rec->y != y;
    const bool sized = rec->width != width || rec->height != height;
    rec->x = x;
    rec->y = y;
    rec->width = width;
    rec->height = height;
    if (moved || sized) Changed(s, window);
    if (sized) SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    if (moved) SendMessageA(window, WM_MOVE, 0, MAKELPARAM(x, y));
    if (repaint) InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return FALSE;
    const bool was = rec->visible;
    // A minimised child is not shown.
    const bool show = command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWMINIMIZED &&
                      command != SW_SHOWMINNOACTIVE;
    if (was != show) {
        rec->visible = show;
        if (show) rec->dirty = true;
        Changed(s, window);
        SendMessageA(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    }
    return was ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    return rec && s.Showing(*rec) ? TRUE : FALSE;
}

BOOL WINAPI GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec || !placement || placement->length != sizeof(WINDOWPLACEMENT)) return FALSE;
    placement->flags = 0;
    placement->showCmd = rec->visible ? SW_SHOWNORMAL : SW_HIDE;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = RECT{rec->x, rec->y, rec->x + rec->width, rec->y + rec->height};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, RECT* rect) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec || !rect) return FALSE;
    *rect = RECT{0, 0, rec->width, rec->height};
    return TRUE;
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, const WCHAR* name) {
    // Only the system arrow exists.
    if (instance || name != IDC_ARROW) return nullptr;
    return FnHandleOf<HCURSOR>(FnWin32State::kStockArrowCursor);
}

BOOL WINAPI SetPropA(HWND window, const char* name, HANDLE value) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec || !name) return FALSE;
    const std::string key = PropName(name);
    for (auto& [k, v] : rec->props)
        if (strcasecmp(k.c_str(), key.c_str()) == 0) {
            v = value;
            return TRUE;
        }
    rec->props.emplace_back(key, value);
    return TRUE;
}

HANDLE WINAPI GetPropA(HWND window, const char* name) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec || !name) return nullptr;
    const std::string key = PropName(name);
    for (auto& [k, v] : rec->props)
        if (strcasecmp(k.c_str(), key.c_str()) == 0) return v;
    return nullptr;
}

HANDLE WINAPI RemovePropA(HWND window, const char* name) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec || !name) return nullptr;
    const std::string key = PropName(name);
    for (auto it = rec->props.begin(); it != rec->props.end(); ++it)
        if (strcasecmp(it->first.c_str(), key.c_str()) == 0) {
            HANDLE value = it->second;
            rec->props.erase(it);
            return value;
        }
    return nullptr;
}

HWND WINAPI GetWindow(HWND window, UINT relation) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return nullptr;
    if (relation == GW_CHILD) return rec->children.empty() ? nullptr : rec->children.front();
    if (relation != GW_HWNDNEXT) return nullptr;
    const std::vector<HWND>* siblings = &s.topLevel;
    if (rec->parent) {
        FnWinWindowRecord* parent = s.Window(rec->parent);
        if (!parent) return nullptr;
        siblings = &parent->children;
    }
    auto it = std::find(siblings->begin(), siblings->end(), window);
    if (it == siblings->end() || ++it == siblings->end()) return nullptr;
    return *it;
}

LONG WINAPI GetWindowLongA(HWND window, int index) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec) return 0;
    if (index == GWL_STYLE) {
        DWORD style = rec->style & ~(WS_VISIBLE | WS_DISABLED);
        if (rec->visible) style |= WS_VISIBLE;
        if (!rec->enabled) style |= WS_DISABLED;
        return static_cast<LONG>(style);
    }
    if (index == GWL_ID) return rec->id;
    return 0;
}

BOOL WINAPI IsWindowEnabled(HWND window) {
    FnWinWindowRecord* rec = S().Window(window);
    return rec && rec->enabled ? TRUE : FALSE;
}

HWND WINAPI SetFocus(HWND window) {
    FnWin32State& s = S();
    if (window && !s.Window(window)) return nullptr;
    const HWND previous = s.focus;
    if (previous == window) return previous;
    s.focus = window;
    if (previous && s.Window(previous)) {
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
        s.ControlChanged(previous);
    }
    // The old focus may have moved it on while it let go.
    if (window && s.focus == window && s.Window(window)) {
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
        s.ControlChanged(window);
    }
    return previous;
}

HWND WINAPI GetFocus() { return S().focus; }

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec) return 0;
    // The class record outlives the window, so the procedure may destroy it.
    return rec->windowClass->wc.lpfnWndProc(window, message, wParam, lParam);
}

LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FnWin32State& s = S();
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_PAINT: ValidateRect(window, nullptr); return 0;
    case WM_SETTEXT: {
        FnWinWindowRecord* rec = s.Window(window);
        if (!rec) return FALSE;
        const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (rec->title != text) {
            rec->title = text;
            s.ControlChanged(window);
        }
        return TRUE;
    }
    case WM_GETTEXT: {
        FnWinWindowRecord* rec = s.Window(window);
        char* buffer = reinterpret_cast<char*>(lParam);
        if (!rec || !buffer || wParam == 0) return 0;
        const size_t n = std::min(rec->title.size(), size_t(wParam) - 1);
        std::copy_n(rec->title.data(), n, buffer);
        buffer[n] = '\0';
        return LRESULT(n);
    }
    case WM_GETTEXTLENGTH: {
        FnWinWindowRecord* rec = s.Window(window);
        return rec ? LRESULT(rec->title.size()) : 0;
    }
    default: return 0;
    }
}

BOOL WINAPI InvalidateRect(HWND window, const RECT*, BOOL) {
    // The update region is all or nothing: widgets repaint the whole window.
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return FALSE;
    rec->dirty = true;
    if (s.system) s.system->WindowInvalidated(window);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT*) {
    FnWinWindowRecord* rec = S().Window(window);
    if (!rec) return FALSE;
    rec->dirty = false;
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND window) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return FALSE;
    if (rec->dirty && s.Showing(*rec)) SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

HWND WINAPI SetCapture(HWND window) {
    FnWin32State& s = S();
    const HWND previous = s.capture;
    if (s.Window(window)) s.capture = window;
    return previous;
}

BOOL WINAPI ReleaseCapture() {
    S().capture = nullptr;
    return TRUE;
}

HWND WINAPI GetCapture() { return S().capture; }

BOOL WINAPI GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = S().cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
    S().cursor = POINT{x, y};
    return TRUE;
}

namespace {
// Moves a point by the window's client origin on the screen, `sign` times.
BOOL OffsetByOrigin(HWND window, POINT* point, int sign) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec || !point) return FALSE;
    const POINT origin = s.Origin(*rec);
    point->x += sign * origin.x;
    point->y += sign * origin.y;
    return TRUE;
}
}  // namespace

BOOL WINAPI ScreenToClient(HWND window, POINT* point) { return OffsetByOrigin(window, point, -1); }

BOOL WINAPI ClientToScreen(HWND window, POINT* point) { return OffsetByOrigin(window, point, 1); }

HWND WINAPI WindowFromPoint(POINT point) {
    FnWin32State& s = S();
    return Deepest(s, s.topLevel, point);
}
