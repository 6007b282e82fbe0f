// CDSImageGraphPuller: asks the host's image graph for a frame and hears of
// the outcome.  At most one pull is outstanding: Execute refuses with
// DS_E_PULL_BUSY while one is.  The host delivers the outcome on the
// user-interface thread through Notify, which ends the pull and calls
// OnImagePulled.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/dssdk/DSImageGraph.h"

class CDSImageGraphPuller {
public:
    CDSImageGraphPuller() = default;
    CDSImageGraphPuller(const CDSImageGraphPuller&) = delete;
    CDSImageGraphPuller& operator=(const CDSImageGraphPuller&) = delete;
    // Interrupts a pull in progress: nothing is delivered after.
    virtual ~CDSImageGraphPuller();
    // The outcome of a pull (the base does nothing with it).
    virtual void OnImagePulled(HRESULT status, IUnknown* result);

    // Starts a pull; DS_E_PULL_BUSY while one is in progress,
    // REGDB_E_CLASSNOTREG when the host has no image graph.
    HRESULT Execute(IUnknown* object, DWORD flags, double time, int32_t mode, int32_t width,
                    int32_t height, REFGUID format);
    // Drops the pull in progress (S_FALSE when there is none).
    HRESULT Interrupt();
    bool IsPulling() const { return pulling_; }
    // The host's delivery: ends the pull, then OnImagePulled.
    HRESULT Notify(HRESULT status, IUnknown* result);

private:
    class Sink;

    ComPtr<IDSImageGraph> graph_;
    Sink* sink_ = nullptr;  // held by the graph while a pull is queued
    DWORD pullId_ = 0;
    bool pulling_ = false;
};
