// DsExecutionContext: the host's answer to "go on?" during a render.  Any
// thread may ask it to stop; renders poll it from every band.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/dssdk/DSHostInterfaces.h"

class DsExecutionContext final : public ComObject<IDSExecutionContext> {
public:
    static ComPtr<DsExecutionContext> create();

    // Every later poll answers stop.
    void requestStop() { stop_.store(true); }
    // Polls answer "go on" this many times, then stop.
    void stopAfter(uint64_t polls) { limit_.store(polls); }
    // Go on again, counters cleared.
    void reset();
    uint64_t pollCount() const { return polls_.load(); }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    BOOL ContinueExecution() override;

private:
    DsExecutionContext() = default;
    ~DsExecutionContext() override = default;

    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> limit_{UINT64_MAX};
    std::atomic<uint64_t> polls_{0};
};
