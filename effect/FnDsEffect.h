// FnDsEffect: the module's own effect base, ahead of the SDK part in every
// effect object.  It keeps what the render path works out per frame (mask
// mode, field, region, image placement, interruption), the placement
// report that a clone sends back to the object it was cloned from, and the
// viewer tool that the property pages ask for.  Pages reach the effect
// through this part (the effect answers a query for its class id with it).
//
// Threads: the viewer tool lives on the user-interface thread.  A clone
// reports on the render thread; the report is stored under a short lock and
// the tool's refresh is handed to the user-interface thread as a queued
// call through the host's viewer controller, never run on the render
// thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "effect/ColBalanceApi.h"
#include "engine/FnFrameContext.h"
#include "platform/dssdk/DSHostInterfaces.h"
#include "ui/toolkit/FnPoint.h"

class FnTInteract;

class FnDsEffect : public IFnDsPlacement, public IFnDsViewerTool {
public:
    FnDsEffect();
    FnDsEffect(const FnDsEffect&) = delete;
    FnDsEffect& operator=(const FnDsEffect&) = delete;
    // Pops the viewer tool until it is gone.
    virtual ~FnDsEffect();

    // One identity: the concrete effect answers for both interfaces.
    HRESULT QueryInterface(REFIID iid, void** out) override = 0;
    ULONG AddRef() override = 0;
    ULONG Release() override = 0;

    // The latest placement: this object's own render, or a clone's report.
    HRESULT GetPlacement(FnDsPlacement* placement) override;

    // Called by a clone on its render thread: stores the placement and
    // queues the viewer tool's refresh for the user-interface thread.
    void ReportPlacement(const FnDsPlacement& placement);

    // IFnDsViewerTool: the pages' operations (user-interface thread).
    HRESULT PushViewerTool(IUnknown* inspected) override;
    HRESULT PopViewerTool() override;
    HRESULT PageShown(const char* pageName) override;
    HRESULT SetOverlayHidden(BOOL hidden) override;
    HRESULT GetViewerTool(IUnknown** tool) override;
    // The tool without a reference (null when there is none).
    FnTInteract* ViewerTool() const { return viewerTool; }
    int32_t ViewerPushCount() const { return viewerPushCount; }

    // Overlay refresh after a placement report: the tool follows the
    // source.  User-interface thread (the queued call runs it there).
    void RefreshViewerTool();

    int32_t MaskMode() const { return maskMode; }

protected:
    // Fills the interruption for one render: ask `context` between rows; a
    // "stop" answer records code 10000.  No context never stops.
    void InstallInterrupt(IDSExecutionContext* context);
    // Copies the effect state a clone inherits.
    void CopyEffectState(const FnDsEffect& from);
    // Makes this object a clone of `original` (holds a reference to it).
    void SetClonedFrom(FnDsEffect* original);
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
    // What the last frame's colour step left (FnFrameResult): 1 when the
    // channel-mask step could restore alpha (the matte ran), 1 when the
    // balancer mixed by alpha.  A record of the frame, copied to clones;
    // the render path does not read it back.
    int32_t alphaRestore = 0;
    int32_t alphaWeighted = 0;
    FnDsEffect* clonedFrom = nullptr;
    bool pagesAnnounced = false;

    // The viewer tool: created by the first push, removed by the pop that
    // brings the count back to 0.
    FnTInteract* viewerTool = nullptr;
    DWORD viewerContext = 0;
    int32_t viewerPushCount = 0;
    bool viewerToolAttached = false;

private:
    friend class FnDsRefreshCall;
    // The source as last placed, in the tool's overlay units (y upwards from
    // the frame's bottom edge).  False when no source has been placed.
    bool SourceRectFor(const FnTInteract& tool, FnPoint& position, FnPoint& size);
    // Runs on the user-interface thread for a queued refresh.
    void RunQueuedRefresh();

    // Mirrors of the tool's existence and of a refresh in the queue, for the
    // render thread, which never touches the tool itself.
    std::atomic<bool> toolLive_{false};
    std::atomic<bool> refreshQueued_{false};
    bool countedInModule_ = false;
    mutable std::mutex placementLock_;
    FnDsPlacement placement_{0, 0, 0, 0, 0, 0};
};
