#include "tests/support/DsUndoStore.h"

#include <cmath>
#include <vector>

DsUndoStore::DsUndoStore(DsPageHost& host) : host_(host) { host_.setParamStore(this); }

DsUndoStore::~DsUndoStore() { host_.setParamStore(nullptr); }

IDSPropertyContainer* DsUndoStore::Target() {
    target_.reset();
    if (IUnknown* inspected = host_.inspected())
        inspected->QueryInterface(IID_IDSPropertyContainer, target_.putVoid());
    stack_.setTarget(target_.get());
    return target_.get();
}

HRESULT DsUndoStore::Record(REFGUID id, bool key, bool animated, double time, double value) {
    IDSPropertyContainer* c = Target();
    if (!c) return E_UNEXPECTED;
    if (!std::isfinite(value) || !std::isfinite(time)) return E_INVALIDARG;
    uint32_t index = 0, keys = 0;
    if (FAILED(c->FindProperty(id, &index))) return E_INVALIDARG;
    const bool grouped = stack_.open();
    stack_.beforeWrite(id, grouped);
    HRESULT hr;
    if (key || (animated && SUCCEEDED(c->GetKeyframeCount(id, &keys)) && keys > 0))
        hr = c->SetKeyframe(id, time, value);
    else
        hr = c->SetValue(id, value);
    stack_.afterWrite(id, grouped, SUCCEEDED(hr));
    if (SUCCEEDED(hr)) host_.propertyChanged(id);
    return hr;
}

HRESULT DsUndoStore::write(REFGUID id, double value, bool animated, double time) {
    const HRESULT hr = Record(id, false, animated, time, value);
    if (SUCCEEDED(hr)) ++pageWrites_;
    return hr;
}

void DsUndoStore::beginUndo(DWORD command) { stack_.begin(command); }

void DsUndoStore::endUndo() { stack_.end(); }

HRESULT DsUndoStore::setProperty(REFGUID id, double value) {
    return Record(id, false, false, host_.time(), value);
}

HRESULT DsUndoStore::setKeyframe(REFGUID id, double time, double value) {
    return Record(id, true, true, time, value);
}

bool DsUndoStore::undo() { return Restore(&DsUndoStack::undo); }

bool DsUndoStore::redo() { return Restore(&DsUndoStack::redo); }

bool DsUndoStore::Restore(bool (DsUndoStack::*step)(std::vector<GUID>*)) {
    Target();
    std::vector<GUID> restored;
    if (!(stack_.*step)(&restored)) return false;
    for (const GUID& id : restored) host_.propertyChanged(id);
    return true;
}
