#include "effect/FnDsEffect.h"

#include "effect/FnDsModule.h"

namespace {
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
    RefreshViewerTool();
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
