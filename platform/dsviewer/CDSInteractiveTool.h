// CDSInteractiveTool: the base of a layer that draws over the host's viewer
// and takes pen events.  It keeps the links the host makes (operator and
// viewer) and gives the default answers: pen events it does not use go
// back to the viewer, the interaction handlers take the pen for the layer
// while a drag lasts, and time changes are only remembered.
//
// A concrete tool overrides the handlers it needs and calls the base as the
// host expects.  User-interface thread only.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/dsviewer/DSViewerInterfaces.h"

class CDSInteractiveTool : public ComObject<IViewerLayer, IViewerEventSink, IDSTimeNotifySink> {
public:
    // IUnknown, IViewerLayer, IViewerEventSink and IDSTimeNotifySink.
    HRESULT QueryInterface(REFIID iid, void** out) override;

    // Nothing of its own to draw: S_OK (E_POINTER for a null surface).
    HRESULT OnRender(IViewerSurface* surface) override;
    // Null: E_POINTER, nothing linked.
    HRESULT OnLinkToOperator(IUnknown* op) override;
    HRESULT OnUnlinkFromOperator() override;
    HRESULT OnLinkToViewer(IDSViewer* viewer) override;
    // Ends an interaction in progress and drops the viewer.
    HRESULT OnUnlinkFromViewer() override;

    // Unused pen events: S_FALSE, the viewer handles them.
    HRESULT OnPenDown(const VWPenEvent* event) override;
    HRESULT OnPenMove(const VWPenEvent* event) override;
    HRESULT OnPenUp(const VWPenEvent* event) override;

    HRESULT OnTimeChange(double time) override { return OnOnTimeChange(time); }
    // Remembers the time.
    virtual HRESULT OnOnTimeChange(double time);

    // The viewer draws the layer again; S_FALSE without a viewer.
    HRESULT InvalidateLayer(int32_t layerId, const VWRect* area);
    HWND GetViewerWindow();
    IUnknown* Operator() const { return operator_; }
    IDSViewer* Viewer() const { return viewer_.get(); }
    double Time() const { return time_; }
    bool Interacting() const { return interacting_; }

protected:
    CDSInteractiveTool() = default;
    ~CDSInteractiveTool() override = default;

    // The host's interaction: the pen belongs to this layer from a begin to
    // the terminate.  Do answers S_OK while it does, S_FALSE otherwise.
    HRESULT OnBeginInteraction(const VWPenEvent* event);
    HRESULT OnDoInteraction(const VWPenEvent* event);
    HRESULT TerminateInteraction();

private:
    IUnknown* operator_ = nullptr;
    ComPtr<IDSViewer> viewer_;
    double time_ = 0;
    bool interacting_ = false;
};
