#include "platform/dshost/DsExecutionContext.h"

#include <new>

ComPtr<DsExecutionContext> DsExecutionContext::create() {
    return ComPtr<DsExecutionContext>::adopt(new (std::nothrow) DsExecutionContext);
}

void DsExecutionContext::reset() {
    stop_.store(false);
    limit_.store(UINT64_MAX);
    polls_.store(0);
}

HRESULT DsExecutionContext::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDSExecutionContext)
        return Answer(static_cast<IDSExecutionContext*>(this), out);
    return E_NOINTERFACE;
}

BOOL DsExecutionContext::ContinueExecution() {
    if (stop_.load()) return FALSE;
    const uint64_t n = polls_.fetch_add(1);
    if (n >= limit_.load()) {
        stop_.store(true);
        return FALSE;
    }
    return TRUE;
}
