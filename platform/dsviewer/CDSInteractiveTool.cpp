// CDSInteractiveTool: the default behaviour of a viewer layer.
#include "platform/dsviewer/CDSInteractiveTool.h"

HRESULT CDSInteractiveTool::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IViewerLayer)
        return Answer(static_cast<IViewerLayer*>(this), out);
    if (iid == IID_IViewerEventSink) return Answer(static_cast<IViewerEventSink*>(this), out);
    if (iid == IID_IDSTimeNotifySink) return Answer(static_cast<IDSTimeNotifySink*>(this), out);
    return E_NOINTERFACE;
}

HRESULT CDSInteractiveTool::OnRender(IViewerSurface* surface) { return surface ? S_OK : E_POINTER; }

HRESULT CDSInteractiveTool::OnLinkToOperator(IUnknown* op) {
    if (!op) return E_POINTER;
    operator_ = op;
    return S_OK;
}

HRESULT CDSInteractiveTool::OnUnlinkFromOperator() {
    operator_ = nullptr;
    return S_OK;
}

HRESULT CDSInteractiveTool::OnLinkToViewer(IDSViewer* viewer) {
    if (!viewer) return E_POINTER;
    if (viewer_.get() != viewer) OnUnlinkFromViewer();
    viewer_ = ComPtr<IDSViewer>(viewer);
    return S_OK;
}

HRESULT CDSInteractiveTool::OnUnlinkFromViewer() {
    TerminateInteraction();
    viewer_.reset();
    return S_OK;
}

HRESULT CDSInteractiveTool::OnPenDown(const VWPenEvent* event) {
    return event ? S_FALSE : E_POINTER;
}
HRESULT CDSInteractiveTool::OnPenMove(const VWPenEvent* event) {
    return event ? S_FALSE : E_POINTER;
}
HRESULT CDSInteractiveTool::OnPenUp(const VWPenEvent* event) { return event ? S_FALSE : E_POINTER; }

HRESULT CDSInteractiveTool::OnOnTimeChange(double time) {
    time_ = time;
    return S_OK;
}

HRESULT CDSInteractiveTool::InvalidateLayer(int32_t layerId, const VWRect* area) {
    return viewer_ ? viewer_->InvalidateLayer(layerId, area) : S_FALSE;
}

HWND CDSInteractiveTool::GetViewerWindow() {
    return viewer_ ? viewer_->GetViewerWindow() : nullptr;
}

HRESULT CDSInteractiveTool::OnBeginInteraction(const VWPenEvent* event) {
    if (!event) return E_POINTER;
    if (!viewer_) return S_FALSE;
    const HRESULT hr = viewer_->BeginInteraction(static_cast<IViewerLayer*>(this));
    interacting_ = SUCCEEDED(hr);
    return hr;
}

HRESULT CDSInteractiveTool::OnDoInteraction(const VWPenEvent* event) {
    if (!event) return E_POINTER;
    return interacting_ ? S_OK : S_FALSE;
}

HRESULT CDSInteractiveTool::TerminateInteraction() {
    if (!interacting_) return S_FALSE;
    interacting_ = false;
    return viewer_ ? viewer_->EndInteraction(static_cast<IViewerLayer*>(this)) : S_OK;
}
