// Undo grouping through the page's site.
#include "platform/dssdk/CDSUndoStyleMgr.h"

#include "platform/dssdk/CDSBasePropertyPage.h"

CDSUndoStyleMgr::~CDSUndoStyleMgr() {
    while (depth_ > 0) End();
}

HRESULT CDSUndoStyleMgr::Begin(DWORD command, DWORD* style, int) {
    if (style) *style = DS_UNDO_SINGLE;
    IDSPropertyPageSite* site = owner_ ? owner_->Site() : nullptr;
    ++depth_;
    if (depth_ > 1) {
        if (style) *style = hostOpened_ ? DWORD(DS_UNDO_GROUPED) : DWORD(DS_UNDO_SINGLE);
        return S_OK;
    }
    if (!site) return S_FALSE;
    DWORD hostStyle = DS_UNDO_SINGLE;
    const HRESULT hr = site->BeginUndo(command, &hostStyle);
    hostOpened_ = SUCCEEDED(hr);
    if (style && hostOpened_) *style = hostStyle;
    return hr;
}

HRESULT CDSUndoStyleMgr::End() {
    if (depth_ == 0) return S_FALSE;
    if (--depth_ > 0) return S_OK;
    if (!hostOpened_) return S_OK;
    hostOpened_ = false;
    IDSPropertyPageSite* site = owner_ ? owner_->Site() : nullptr;
    return site ? site->EndUndo() : S_FALSE;
}
