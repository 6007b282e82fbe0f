// The effect base: placement records, interruption, and the viewer tool.
#include "effect/FnDsEffect.h"

#include <new>

#include "effect/FnDsModule.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/dsviewer/DSViewerServices.h"
#include "ui/overlay/FnTInteract.h"

// The refresh handed from a clone's render thread to the user-interface
// thread.  It holds the effect until it has run or been dropped; a call
// dropped unrun (its viewer went away) lets the next report queue another.
class FnDsRefreshCall final : public ComObject<IVWCall> {
public:
    explicit FnDsRefreshCall(FnDsEffect* effect) : effect_(effect) { effect_->AddRef(); }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IVWCall)
            return Answer(static_cast<IVWCall*>(this), out);
        return E_NOINTERFACE;
    }
    HRESULT Run() override {
        ran_ = true;
        effect_->RunQueuedRefresh();
        return S_OK;
    }

private:
    ~FnDsRefreshCall() override {
        if (!ran_) effect_->refreshQueued_.store(false, std::memory_order_release);
        effect_->Release();
    }

    FnDsEffect* effect_;
    bool ran_ = false;
};

namespace {

// The host viewer's context kind for a tool placed for an inspected object.
constexpr int32_t kToolContextKind = 19;
// The poll the processors call between rows, from every band at once.
int32_t pollHost(void* context, std::atomic<int32_t>*) {
    auto* host = static_cast<IDSExecutionContext*>(context);
    if (!host) return 0;
    return host->ContinueExecution() ? 0 : 10000;
}
}  // namespace

FnDsEffect::FnDsEffect() {
    ++fnModuleLockCount();
    countedInModule_ = true;
}

FnDsEffect::~FnDsEffect() {
    while (viewerPushCount > 0) PopViewerTool();
    if (clonedFrom) clonedFrom->Release();
    if (countedInModule_) --fnModuleLockCount();
}

HRESULT FnDsEffect::GetPlacement(FnDsPlacement* placement) {
    if (!placement) return E_POINTER;
    std::lock_guard<std::mutex> g(placementLock_);
    *placement = placement_;
    return S_OK;
}

void FnDsEffect::StorePlacement(const FnDsPlacement& placement) {
    std::lock_guard<std::mutex> g(placementLock_);
    placement_ = placement;
}

void FnDsEffect::ReportPlacement(const FnDsPlacement& placement) {
    StorePlacement(placement);
    // Render thread: the tool is the user-interface thread's.  One queued
    // refresh at a time is enough, since it reads the latest placement when
    // it runs; the flag is cleared there before the read.
    if (!toolLive_.load(std::memory_order_acquire)) return;
    if (refreshQueued_.exchange(true, std::memory_order_acq_rel)) return;
    auto* call = new (std::nothrow) FnDsRefreshCall(this);
    // Without a viewer to run it the refresh waits for the next page shown;
    // a call that is not queued clears the flag as it goes.
    if (!call) {
        refreshQueued_.store(false, std::memory_order_release);
        return;
    }
    VWControllerPostCall(call);
    call->Release();
}

void FnDsEffect::RunQueuedRefresh() {
    refreshQueued_.store(false, std::memory_order_release);
    RefreshViewerTool();
}

bool FnDsEffect::SourceRectFor(const FnTInteract& tool, FnPoint& position, FnPoint& size) {
    FnDsPlacement p{};
    GetPlacement(&p);
    // No source placed yet (nothing rendered, or no source image): the
    // overlay stays where it is.
    if (p.sourceWidth <= 0 && p.sourceHeight <= 0) return false;
    // Pixels, rows from the frame's top, to overlay units: one unit a row
    // upwards from the bottom edge, and 1 / frame scale units a column.
    const double scale = tool.FrameScale();
    position = {static_cast<float>(p.sourceX / scale),
                static_cast<float>(double(tool.FrameHeight()) - p.sourceY - p.sourceHeight)};
    size = {static_cast<float>(p.sourceWidth / scale), static_cast<float>(p.sourceHeight)};
    return true;
}

void FnDsEffect::RefreshViewerTool() {
    if (!viewerTool) return;
    FnPoint position, size;
    if (SourceRectFor(*viewerTool, position, size)) viewerTool->UpdateSourceRect(position, size);
}

HRESULT FnDsEffect::PushViewerTool(IUnknown* inspected) {
    if (!inspected) return E_POINTER;
    if (maskMode == 4) return S_OK;
    ++viewerPushCount;
    if (viewerTool) return S_OK;
    IUnknown* created = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FnTInteract, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&created));
    if (FAILED(hr)) return hr;
    // Without a viewer the tool still exists; it is simply not shown.
    DWORD context = 0;
    if (SUCCEEDED(VWControllerPushContext(kToolContextKind, created, inspected, nullptr, nullptr,
                                          0.0, &context)))
        viewerContext = context;
    hr = created->QueryInterface(CLSID_FnTInteract, reinterpret_cast<void**>(&viewerTool));
    if (viewerTool) {
        viewerToolAttached = true;
        toolLive_.store(true, std::memory_order_release);
    }
    created->Release();
    return hr;
}

HRESULT FnDsEffect::PopViewerTool() {
    if (viewerPushCount > 0) --viewerPushCount;
    if (viewerPushCount > 0) return S_OK;
    toolLive_.store(false, std::memory_order_release);
    if (viewerContext) {
        VWControllerRemoveContext(viewerContext);
        viewerContext = 0;
    }
    if (viewerTool) {
        viewerTool->Release();
        viewerTool = nullptr;
    }
    viewerToolAttached = false;
    return S_OK;
}

HRESULT FnDsEffect::PageShown(const char*) {
    if (!viewerTool) return S_OK;
    FnPoint position, size;
    if (SourceRectFor(*viewerTool, position, size)) viewerTool->UpdateSourceRect(position, size);
    viewerTool->InvalidateLayer(1, nullptr);
    return S_OK;
}

HRESULT FnDsEffect::SetOverlayHidden(BOOL hidden) {
    if (!viewerTool) return S_FALSE;
    const std::uint32_t flags = viewerTool->OverlayFlags();
    viewerTool->SetOverlayFlags(hidden ? flags & ~FnTInteract::kOverlayVisible
                                       : flags | FnTInteract::kOverlayVisible);
    viewerTool->InvalidateLayer(1, nullptr);
    return S_OK;
}

HRESULT FnDsEffect::GetViewerTool(IUnknown** tool) {
    if (!tool) return E_POINTER;
    *tool = nullptr;
    if (!viewerTool) return S_FALSE;
    return viewerTool->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(tool));
}

void FnDsEffect::InstallInterrupt(IDSExecutionContext* context) {
    interrupt.poll = &pollHost;
    interrupt.context = context;
    interrupt.stopped.store(0);
    interrupt.word.store(0);
}

void FnDsEffect::CopyEffectState(const FnDsEffect& from) {
    maskMode = from.maskMode;
    fieldMode = from.fieldMode;
    pagesAnnounced = from.pagesAnnounced;
    for (int i = 0; i < 4; ++i) region[i] = from.region[i];
    for (int i = 0; i < 2; ++i) {
        sourceOffset[i] = from.sourceOffset[i];
        outputOffset[i] = from.outputOffset[i];
        input2Offset[i] = from.input2Offset[i];
    }
    alphaRestore = from.alphaRestore;
    alphaWeighted = from.alphaWeighted;
}

void FnDsEffect::SetClonedFrom(FnDsEffect* original) {
    if (original) original->AddRef();
    if (clonedFrom) clonedFrom->Release();
    clonedFrom = original;
}
