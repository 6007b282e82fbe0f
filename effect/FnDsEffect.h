// FnDsEffect: the module's own effect base, ahead of the SDK part in every
// effect object.  It keeps what the render path works out per frame (mask
// mode, field, region, image placement, interruption) and the placement
// report that a clone sends back to the object it was cloned from.  Pages
// reach the effect through this part (the effect answers a query for its
// class id with it).
#pragma once

#include <cstdint>
#include <mutex>

#include "effect/ColBalanceApi.h"
#include "engine/FnFrameContext.h"
#include "platform/dssdk/DSHostInterfaces.h"

class FnDsEffect : public IFnDsPlacement {
public:
    FnDsEffect();
    FnDsEffect(const FnDsEffect&) = delete;
    FnDsEffect& operator=(const FnDsEffect&) = delete;
    virtual ~FnDsEffect();

    // The latest placement: this object's own render, or a clone's report.
    HRESULT GetPlacement(FnDsPlacement* placement) override;

    // Called by a clone on its render thread.
    void ReportPlacement(const FnDsPlacement& placement);

    int32_t MaskMode() const { return maskMode; }

protected:
    // Fills the interruption for one render: ask `context` between rows; a
    // "stop" answer records code 10000.  No context never stops.
    void InstallInterrupt(IDSExecutionContext* context);
    // Copies the effect state a clone inherits.
    void CopyEffectState(const FnDsEffect& from);
    // Makes this object a clone of `original` (holds a reference to it).
    void SetClonedFrom(FnDsEffect* original);
    // Overlay refresh after a placement report (the viewer tool's job).
    virtual void RefreshViewerTool() {}
    void StorePlacement(const FnDsPlacement& placement);

    int32_t maskMode = 0;
    // What the last render worked out; the render path hands the same
    // values to its processors as one FnFrameContext.
    int32_t fieldMode = 0;             // 0 whole frame, 1 even rows, 2 odd rows
    FnInterruptState interrupt;        // callback, context, interrupted, code
    int32_t region[4] = {0, 0, 0, 0};  // x first, x last, y first, y last
    int32_t sourceOffset[2] = {0, 0};
    int32_t outputOffset[2] = {0, 0};
    int32_t input2Offset[2] = {0, 0};
    int32_t alphaRestore = 0;
    int32_t alphaWeighted = 0;
    FnDsEffect* clonedFrom = nullptr;
    bool pagesAnnounced = false;

private:
    bool countedInModule_ = false;
    mutable std::mutex placementLock_;
    FnDsPlacement placement_{0, 0, 0, 0, 0, 0};
};
