// CDSUndoStyleMgr: groups a page's property writes into one host undo
// event.  Begin opens the event through the page's site and gives the undo
// style that writes into it carry; End closes it.  Brackets nest; only the
// outermost End closes the host's event.
#pragma once

#include <cstdint>

#include "platform/com/ComBase.h"

class CDSBasePropertyPage;

class CDSUndoStyleMgr {
public:
    explicit CDSUndoStyleMgr(CDSBasePropertyPage* owner) : owner_(owner) {}
    CDSUndoStyleMgr(const CDSUndoStyleMgr&) = delete;
    CDSUndoStyleMgr& operator=(const CDSUndoStyleMgr&) = delete;
    // Closes what is still open.
    ~CDSUndoStyleMgr();

    // `command` names the control being worked; `style` receives the style
    // of writes inside the bracket (DS_UNDO_SINGLE when the host has no
    // undo, so that each write still stands alone); `flag` is passed
    // through (1 for the pages).
    HRESULT Begin(DWORD command, DWORD* style, int flag);
    HRESULT End();
    int Depth() const { return depth_; }

private:
    CDSBasePropertyPage* owner_;
    int depth_ = 0;
    bool hostOpened_ = false;
};
