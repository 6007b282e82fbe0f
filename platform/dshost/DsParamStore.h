// DsParamStore: where a page host's parameter writes go when the
// application keeps the parameters and their undo itself (an editor with an
// undo stack of its own).  Without one the page host writes to the effect
// and records on its own undo stack.
//
// The store writes through to the effect (pages read back from it) and
// tells the page host of every change it makes, the pages' own included,
// with DsPageHost::propertyChanged.  User-interface thread only.
#pragma once

#include "platform/FnWinTypes.h"
#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"

class DsParamStore {
public:
    // A page writes `value`; `animated` writes go to the time `time` (a key
    // there when the parameter is animated).  A failure is the page's.
    virtual HRESULT write(REFGUID id, double value, bool animated, double time) = 0;
    // A page's undo bracket; `command` is the control the user worked (0
    // for none).  Brackets nest.
    virtual void beginUndo(DWORD command) = 0;
    virtual void endUndo() = 0;

protected:
    ~DsParamStore() = default;
};
