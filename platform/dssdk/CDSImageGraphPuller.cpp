// The image graph puller and the sink through which the host answers it.
#include "platform/dssdk/CDSImageGraphPuller.h"

#include <new>

#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"

// Forwards the host's delivery to its puller until the puller lets go.
class CDSImageGraphPuller::Sink final : public ComObject<IDSImagePullSink> {
public:
    explicit Sink(CDSImageGraphPuller* puller) : puller_(puller) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDSImagePullSink)
            return Answer(static_cast<IDSImagePullSink*>(this), out);
        return E_NOINTERFACE;
    }
    HRESULT Notify(HRESULT status, IUnknown* result) override {
        return puller_ ? puller_->Notify(status, result) : S_FALSE;
    }
    void Detach() { puller_ = nullptr; }

private:
    CDSImageGraphPuller* puller_;
};

CDSImageGraphPuller::~CDSImageGraphPuller() {
    Interrupt();
    if (sink_) {
        sink_->Detach();
        sink_->Release();
    }
}

void CDSImageGraphPuller::OnImagePulled(HRESULT, IUnknown*) {}

HRESULT CDSImageGraphPuller::Execute(IUnknown* object, DWORD flags, double time, int32_t mode,
                                     int32_t width, int32_t height, REFGUID format) {
    if (pulling_) return DS_E_PULL_BUSY;
    if (!object) return E_POINTER;
    if (!graph_) {
        const HRESULT hr = CoGetClassObject(CLSID_DSImageGraph, CLSCTX_INPROC_SERVER, nullptr,
                                            IID_IDSImageGraph, graph_.putVoid());
        if (FAILED(hr)) return hr;
    }
    if (!sink_) {
        sink_ = new (std::nothrow) Sink(this);
        if (!sink_) return E_OUTOFMEMORY;
    }
    DWORD id = 0;
    const HRESULT hr = graph_->Pull(object, flags, time, mode, width, height, format, sink_, &id);
    if (SUCCEEDED(hr)) {
        pulling_ = true;
        pullId_ = id;
    }
    return hr;
}

HRESULT CDSImageGraphPuller::Interrupt() {
    if (!pulling_) return S_FALSE;
    pulling_ = false;
    return graph_ ? graph_->Cancel(pullId_) : S_FALSE;
}

HRESULT CDSImageGraphPuller::Notify(HRESULT status, IUnknown* result) {
    pulling_ = false;
    OnImagePulled(status, result);
    return S_OK;
}
