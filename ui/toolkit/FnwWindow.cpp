#include "ui/toolkit/FnwWindow.h"

#include <algorithm>

namespace {

HINSTANCE gInstance = nullptr;
ATOM gAtom = 0;
WNDCLASSA gClass{};

constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_OWNDC | CS_NOCLOSE;

}  // namespace

void FnwWindow::SetModuleInstance(HINSTANCE instance) { gInstance = instance; }
HINSTANCE FnwWindow::ModuleInstance() { return gInstance; }

void FnwWindow::FillClass(WNDCLASSA& wc) {
    wc = WNDCLASSA{};
    wc.style = kClassStyle;
    wc.lpfnWndProc = &FnwWindow::WindowProc;
    wc.hInstance = gInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "FnwPigFucker";
}

ATOM FnwWindow::RegisterWindowClass() {
    if (gAtom) return gAtom;
    if (!gInstance) return 0;
    FillClass(gClass);
    gAtom = RegisterClassA(&gClass);
    return gAtom;
}

void FnwWindow::UnregisterWindowClass() {
    if (gAtom && UnregisterClassA(gClass.lpszClassName, gClass.hInstance)) gAtom = 0;
}

ATOM FnwWindow::ClassAtom() const { return gAtom; }
const char* FnwWindow::ClassName() const { return "FnwPigFucker"; }

void FnwWindow::OnDestroy() {}
void FnwWindow::OnSize() {}
void FnwWindow::OnPaint() {}
void FnwWindow::OnMouseButton(int, int) {}
void FnwWindow::OnMouseMove(int, int) {}

FnwWindow::~FnwWindow() {
    if (window_) RemovePropA(window_, kPropertyName);
}

HWND FnwWindow::Create(HWND parent, const char* title, const int rect[4]) {
    if (window_ || !rect) return nullptr;
    if (!RegisterWindowClass() || !gInstance) return nullptr;
    const int width = std::max(rect[2] - rect[0] + 1, 0);
    const int height = std::max(rect[3] - rect[1] + 1, 0);
    HWND window = CreateWindowExA(0, ClassName(), title, WS_CHILD | WS_VISIBLE, rect[0], rect[1],
                                  width, height, parent, nullptr, gInstance, nullptr);
    if (!window) return nullptr;
    window_ = window;
    parent_ = parent;
    width_ = width;
    height_ = height;
    SetPropA(window, kPropertyName, this);
    return window;
}

LRESULT CALLBACK FnwWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<FnwWindow*>(GetPropA(window, kPropertyName));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        // The cursor, not lParam, is the position: it is right even for
        // messages that were queued a while.
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(self->window_, &p);
        self->mouseX_ = p.x;
        self->mouseY_ = p.y;
        self->OnMouseMove(p.x, p.y);
        return 0;
    }
    case WM_DESTROY:
        self->OnDestroy();
        self->window_ = nullptr;
        self->parent_ = nullptr;
        return 0;
    case WM_SIZE:
        self->width_ = LOWORD(lParam);
        self->height_ = HIWORD(lParam);
        self->OnSize();
        return 0;
    case WM_PAINT: self->OnPaint(); return 0;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetCapture(window);
        self->OnMouseButton(1, message == WM_LBUTTONDOWN ? 0 : message == WM_MBUTTONDOWN ? 1 : 2);
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
        ReleaseCapture();
        self->OnMouseButton(0, message == WM_LBUTTONUP ? 0 : message == WM_MBUTTONUP ? 1 : 2);
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
