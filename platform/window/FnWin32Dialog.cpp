// Dialogs: templates made into windows, dialog items, dialog units and the
// dialog procedure.

#include "platform/window/FnControlState.h"
#include "platform/window/FnWin32State.h"

#include <algorithm>
#include <cmath>

namespace {

FnWin32State& S() { return FnWin32State::Get(); }

// Rounded as MulDiv rounds.
int Scale(int v, int base, int divisor) {
    const long long p = static_cast<long long>(v) * base;
    return int(p >= 0 ? (p + divisor / 2) / divisor : -((-p + divisor / 2) / divisor));
}

}  // namespace

LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(dialog);
    if (!rec) return 0;
    if (message == WM_NCCREATE) {
        FnUpdateControl(dialog, [](FnControlState& c) { c.kind = FnControlKind::Dialog; });
        return TRUE;
    }
    if (rec->dialogProc) {
        const INT_PTR handled = rec->dialogProc(dialog, message, wParam, lParam);
        if (handled) return handled;
    }
    return DefWindowProcW(dialog, message, wParam, lParam);
}

namespace {
FnDialogFont FontOf(const FnDialogTemplate& t) {
    FnDialogFont font;
    font.face = t.faceName ? t.faceName : "";
    font.pointSize = t.pointSize ? t.pointSize : 8;
    // Pixels at 96 dots per inch; the base units follow the em size as an
    // average character's width and a line's height do.
    font.pixelHeight = int(std::lround(font.pointSize * 96.0 / 72.0));
    font.baseX = std::max(1, int(std::lround(font.pixelHeight * 0.47)));
    font.baseY = std::max(1, int(std::lround(font.pixelHeight * 1.15)));
    return font;
}
}  // namespace

bool FnDialogTemplateSize(const FnDialogTemplate* t, int* width, int* height) {
    if (!t) return false;
    const FnDialogFont font = FontOf(*t);
    if (width) *width = Scale(t->cx, font.baseX, 4);
    if (height) *height = Scale(t->cy, font.baseY, 8);
    return true;
}

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, const FnDialogTemplate* t, HWND parent,
                                       DLGPROC proc, LPARAM param) {
    FnWin32State& s = S();
    if (!t || (t->itemCount && !t->items)) return nullptr;
    const FnDialogFont font = FontOf(*t);
    const DWORD style = (t->style & ~WS_VISIBLE) | (parent ? WS_CHILD : 0);
    HWND dialog = CreateWindowExA(0, "#32770", t->title ? t->title : "", style, 0, 0,
                                  Scale(t->cx, font.baseX, 4), Scale(t->cy, font.baseY, 8), parent,
                                  nullptr, instance, nullptr);
    if (!dialog) return nullptr;
    FnWinWindowRecord* rec = s.Window(dialog);
    rec->dialogProc = proc;
    rec->dialogParam = param;
    rec->dialogFont = font;
    HWND first = nullptr;
    for (WORD i = 0; i < t->itemCount; ++i) {
        const FnDialogItem& item = t->items[i];
        // Each edge is mapped on its own, so items that meet in dialog units
        // meet in pixels.
        const int left = Scale(item.x, font.baseX, 4), top = Scale(item.y, font.baseY, 8);
        const int right = Scale(item.x + item.cx, font.baseX, 4);
        const int bottom = Scale(item.y + item.cy, font.baseY, 8);
        const HWND control = CreateWindowExA(
            0, item.className, item.text ? item.text : "", item.style | WS_CHILD, left, top,
            right - left, bottom - top, dialog,
            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(static_cast<WORD>(item.id))),
            instance, nullptr);
        if (!control) {
            DestroyWindow(dialog);
            return nullptr;
        }
        if (!first) first = control;
    }
    if (t->style & WS_VISIBLE) ShowWindow(dialog, SW_SHOW);
    if (proc) proc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    return IsWindow(dialog) ? dialog : nullptr;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(dialog);
    if (!rec) return nullptr;
    for (HWND child : rec->children)
        if (FnWinWindowRecord* c = s.Window(child); c && c->id == id) return child;
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND window) {
    FnWinWindowRecord* rec = S().Window(window);
    return rec ? rec->id : 0;
}

bool FnGetDialogFont(HWND dialog, FnDialogFont* font) {
    FnWinWindowRecord* rec = S().Window(dialog);
    if (!rec || !font || !rec->dialogFont.baseX) return false;
    *font = rec->dialogFont;
    return true;
}
