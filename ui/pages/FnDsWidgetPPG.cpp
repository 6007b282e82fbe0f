// Pages with widgets: the host window over the placeholder and the
// widgets following the records.
#include "ui/pages/FnDsWidgetPPG.h"

#include <algorithm>

HRESULT FnDsWidgetPPG::Show(UINT command) {
    const HRESULT hr = FnDsPPG::Show(command);
    Refresh();
    return hr;
}

HRESULT FnDsWidgetPPG::UpdateAnimatedControls(double time) {
    const HRESULT hr = FnDsPPG::UpdateAnimatedControls(time);
    Refresh();
    return hr;
}

void FnDsWidgetPPG::ResetPage() {
    ResetRecords();
    Refresh();
}

void FnDsWidgetPPG::CreateWidgetHost(int placeholderId, const char* title, bool square) {
    FnwWindow::SetModuleInstance(GetInstanceHandle());
    const HWND placeholder = GetDlgItem(Dialog(), placeholderId);
    if (!placeholder || host_.Window()) return;
    ShowWindow(placeholder, SW_HIDE);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(placeholder, &wp)) return;
    const RECT& r = wp.rcNormalPosition;
    LONG width = r.right - r.left, height = r.bottom - r.top;
    if (square) width = height = std::min(width, height);
    const int rect[4] = {r.left, r.top, r.left + width - 1, r.top + height - 1};
    host_.Create(Dialog(), title, rect);
}

void FnDsWidgetPPG::Repaint() {
    if (!host_.Window()) return;
    InvalidateRect(host_.Window(), nullptr, FALSE);
    UpdateWindow(host_.Window());
}
