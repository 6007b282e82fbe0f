#pragma once
// DsUndoStore: the parameters and their undo as a host with an undo stack
// of its own keeps them, for the page tests.  Installed as the page host's
// DsParamStore while it lives: the pages' writes go to the effect the host
// inspects (a key at the write's time when the parameter has keys and the
// write is animated, the plain value otherwise), every write is recorded on
// a DsUndoStack (one event per page bracket, or per write outside one) and
// every open page is told of it.  Changes made elsewhere than on a page
// (setProperty, setKeyframe, undo, redo) are written, recorded and told the
// same way.  User-interface thread only.

#include <cstddef>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/dshost/DsPageHost.h"
#include "platform/dshost/DsParamStore.h"
#include "tests/support/DsUndoStack.h"

class DsUndoStore final : public DsParamStore {
public:
    explicit DsUndoStore(DsPageHost& host);
    ~DsUndoStore();
    DsUndoStore(const DsUndoStore&) = delete;
    DsUndoStore& operator=(const DsUndoStore&) = delete;

    // DsParamStore: the pages' side.
    HRESULT write(REFGUID id, double value, bool animated, double time) override;
    void beginUndo(DWORD command) override;
    void endUndo() override;

    // A change made elsewhere: the value, or a key at `time`.  E_UNEXPECTED
    // when the host inspects no effect.
    HRESULT setProperty(REFGUID id, double value);
    HRESULT setKeyframe(REFGUID id, double time, double value);
    // Undo and redo, every page told of each parameter put back.
    bool undo();
    bool redo();

    const DsUndoStack& stack() const { return stack_; }
    // Writes of the pages that reached the effect.
    size_t pageWrites() const { return pageWrites_; }

private:
    // The parameters of what the host inspects now (the undo stack's
    // target too), or null.
    IDSPropertyContainer* Target();
    HRESULT Record(REFGUID id, bool key, bool animated, double time, double value);
    // Undo or redo, every page told of what it put back.
    bool Restore(bool (DsUndoStack::*step)(std::vector<GUID>*));

    DsPageHost& host_;
    ComPtr<IDSPropertyContainer> target_;
    DsUndoStack stack_;
    size_t pageWrites_ = 0;
};
