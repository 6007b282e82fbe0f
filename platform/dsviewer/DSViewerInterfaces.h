// The viewer's side of the host SDK: the interfaces through which a host
// viewer and a layer placed in it (an interactive tool) talk, and the
// viewer controller that modules reach as a host service.
//
// Coordinates: the viewer shows the project frame in viewer units, x to the
// right and y upwards, the frame's bottom-left corner at (0, 0) and its
// top-right corner at (world width, world height).  Pen events and the
// visible rectangle of a surface are given in these units.
//
// A host registers its controller as a class object under
// CLSID_VWController (CoRegisterClassObject); modules reach it with
// CoGetClassObject through the calls of DSViewerServices.h, so that no
// module links host code.  Everything but IVWController::PostCall runs on
// the host's user-interface thread.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"
#include "platform/window/FnWin32.h"

inline constexpr IID IID_IViewerLayer = "{F442BC0C-44BA-4197-A934-74D882F06E6A}"_guid;
inline constexpr IID IID_IViewerEventSink = "{FDC6C7A8-763D-48C7-9973-273089FD7A66}"_guid;
inline constexpr IID IID_IDSTimeNotifySink = "{2C55CECF-1501-4D0E-8B9F-30A5CBB32E24}"_guid;
inline constexpr IID IID_IViewerSurface = "{D7F9D99A-25E0-4646-9203-B30EE5778AC6}"_guid;
inline constexpr IID IID_IDSViewer = "{5D75A549-6683-4767-8210-A5D1D80274EA}"_guid;
inline constexpr IID IID_IVWController = "{A4DD17AB-13FA-40E8-9C59-4FA9367D693B}"_guid;
inline constexpr CLSID CLSID_VWController = "{1AEF71BB-65E3-4B7A-8147-FB8BBD3687B0}"_guid;
inline constexpr IID IID_IVWCall = "{37E5FC1F-2740-4D09-9058-72885E064AF2}"_guid;

// Pen buttons of VWPenEvent.
constexpr int32_t VW_BUTTON_NONE = 0;
constexpr int32_t VW_BUTTON_LEFT = 1;
constexpr int32_t VW_BUTTON_RIGHT = 2;
constexpr int32_t VW_BUTTON_MIDDLE = 3;

// One pen event: the pen's position in viewer units and the button that
// went down or up (moves carry the button held, or VW_BUTTON_NONE).
struct VWPenEvent {
    double x;
    double y;
    int32_t button;
};

// A rectangle in viewer units.
struct VWRect {
    double x, y, width, height;
};

// What a layer learns when it starts drawing with OpenGL: the surface's
// size in pixels and the part of the viewer it shows, in viewer units.
struct VWGLSurface {
    int32_t width;
    int32_t height;
    VWRect visible;
};

// The surface a viewer hands to its layers while it renders.  The GL
// context is current between BeginRenderOpenGL and EndRenderOpenGL.
class IViewerSurface : public IUnknown {
public:
    // E_FAIL outside the viewer's render.
    virtual HRESULT BeginRenderOpenGL(VWGLSurface* gl) = 0;
    virtual HRESULT EndRenderOpenGL(VWGLSurface* gl) = 0;

protected:
    ~IViewerSurface() = default;
};

class IViewerLayer;

// The viewer as its layers see it.
class IDSViewer : public IUnknown {
public:
    // Asks for the layer to be drawn again (null area: all of it).
    virtual HRESULT InvalidateLayer(int32_t layerId, const VWRect* area) = 0;
    // The native window the viewer shows in, or null.
    virtual HWND GetViewerWindow() = 0;
    // A layer takes the pen: until EndInteraction every pen event goes to
    // it, whichever layer lies on top.
    virtual HRESULT BeginInteraction(IViewerLayer* layer) = 0;
    virtual HRESULT EndInteraction(IViewerLayer* layer) = 0;

protected:
    ~IDSViewer() = default;
};

// A layer over the viewer's picture.
class IViewerLayer : public IUnknown {
public:
    // Draws the layer over what lies below it.
    virtual HRESULT OnRender(IViewerSurface* surface) = 0;
    // The object the layer works on (not held: valid until the unlink).
    virtual HRESULT OnLinkToOperator(IUnknown* op) = 0;
    virtual HRESULT OnUnlinkFromOperator() = 0;
    // The viewer the layer lies in (held until the unlink).
    virtual HRESULT OnLinkToViewer(IDSViewer* viewer) = 0;
    virtual HRESULT OnUnlinkFromViewer() = 0;

protected:
    ~IViewerLayer() = default;
};

// Pen events.  S_OK: the layer used the event; S_FALSE: the viewer handles
// it itself (a drag with the left button pans the view).
class IViewerEventSink : public IUnknown {
public:
    virtual HRESULT OnPenDown(const VWPenEvent* event) = 0;
    virtual HRESULT OnPenMove(const VWPenEvent* event) = 0;
    virtual HRESULT OnPenUp(const VWPenEvent* event) = 0;

protected:
    ~IViewerEventSink() = default;
};

// The host's current time changed.
class IDSTimeNotifySink : public IUnknown {
public:
    virtual HRESULT OnTimeChange(double time) = 0;

protected:
    ~IDSTimeNotifySink() = default;
};

// A call to be run on the user-interface thread.
class IVWCall : public IUnknown {
public:
    virtual HRESULT Run() = 0;

protected:
    ~IVWCall() = default;
};

// The host's viewer controller.
class IVWController : public IUnknown {
public:
    // Places `object` (an IViewerLayer) as the topmost layer for the
    // inspected object: links it to the operator and to the viewer.  The
    // context id names the placement for RemoveContext; ids are never 0.
    virtual HRESULT PushContext(int32_t kind, IUnknown* object, IUnknown* inspected,
                                IUnknown* reserved, void* reservedData, double reservedValue,
                                DWORD* contextId) = 0;
    // Unlinks and drops the layer; E_INVALIDARG for an unknown id.
    virtual HRESULT RemoveContext(DWORD contextId) = 0;
    // Any thread: queues the call (a reference is taken) to be run on the
    // user-interface thread.  E_FAIL once the viewer is closing.
    virtual HRESULT PostCall(IVWCall* call) = 0;

protected:
    ~IVWController() = default;
};
