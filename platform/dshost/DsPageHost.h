// DsPageHost: shows a module's property pages as the host's effect editor
// does.
//
// It creates each page through the module's class factory, gives it the
// host's site and the inspected object, and activates it in a frame window
// of its own (a top-level window of the window layer, placed side by side
// with the others).  The inspected object is the host's node for the
// effect: it answers the host's graph interface (IDSGraphObject) and hands
// every other query to the effect, so a page reaches the effect, its
// parameters and its viewer tool through it.
//
// Through the site the pages read and write the effect's parameters; every
// write is recorded on the undo stack (one event per undo bracket, or per
// write outside one) and every open page is told of it.  Animated writes at
// the current time set a keyframe there when the parameter has keyframes,
// the plain value otherwise.  The host's current time goes to every page
// (setTime), and the image pulls of the pages wait in a queue until
// deliverPulls renders each frame through a clone of the effect, as a
// host renders the frame it shows, and hands it back on this thread.
//
// While it lives it serves the image graph (CLSID_DSImageGraph) to the
// process and keeps the host's number control registered.  User-interface
// thread only; the renders of deliverPulls run on the worker threads.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"
#include "platform/dshost/DsUndoStack.h"
#include "platform/dssdk/DSPropertyPage.h"

class DsPageHost {
public:
    DsPageHost();
    // Closes every page, then revokes the image graph.
    ~DsPageHost();
    DsPageHost(const DsPageHost&) = delete;
    DsPageHost& operator=(const DsPageHost&) = delete;

    // False when the image graph or the number control could not be
    // registered.
    bool registered() const;

    // The effect the pages inspect, through the host's node for it (null:
    // the pages inspect nothing).  Set before opening pages.
    void setEffect(IUnknown* effect);
    // The pages inspect `object` itself, not a node (for hosts that hand
    // pages something else).
    void setRawObject(IUnknown* object);
    // What the pages are given to inspect (null when nothing).
    IUnknown* inspected() const;
    // The frame pulls render from: an 8-bit RGBA image (copied).
    void setSource(const DsImage* source);

    // Creates page `clsid` through `module`, activates it in a new frame and
    // shows it (SW_SHOW unless `show` is false).  Its index in `index`.
    HRESULT openPage(DsModuleLoader& module, REFCLSID clsid, size_t* index, bool show = true);
    // The same for a page made elsewhere (a reference is taken).
    HRESULT openPage(IPropertyPage* page, size_t* index, bool show = true);
    size_t pageCount() const;
    IPropertyPage* page(size_t index) const;
    HWND frame(size_t index) const;
    // The page's dialog (the frame's child), or null.
    HWND dialog(size_t index) const;
    HRESULT showPage(size_t index, int command);
    // Deactivates and releases the page and destroys its frame.
    void closePage(size_t index);
    void closeAll();

    // The host's current time, told to every page.
    void setTime(double time);
    double time() const;

    // A parameter changed elsewhere than on a page (a script, the viewer):
    // written, recorded and told to every page.  E_UNEXPECTED without an
    // effect.
    HRESULT setProperty(REFGUID id, double value);
    HRESULT setKeyframe(REFGUID id, double time, double value);
    // The current value, and the value at a time.
    HRESULT value(REFGUID id, double* value) const;
    HRESULT valueAt(REFGUID id, double time, double* value) const;
    // Writes that reached the effect since the host was made.
    size_t propertyWrites() const;

    // Undo and redo, with every page told of each parameter put back.
    bool undo();
    bool redo();
    const DsUndoStack& undoStack() const;

    // Pulls waiting for delivery.
    size_t pendingPulls() const;
    // Renders and delivers the pulls waiting now (pulls they cause wait
    // for the next call); returns how many were delivered.
    size_t deliverPulls();
    // The next `count` pulls are answered with `status` and no image.
    void failNextPulls(HRESULT status, int count);
    // Deliver frames as this kind (Rgba8, the default, or Rgba64).
    void setDeliveredKind(DsImageKind kind);
    // Pulls delivered with an image so far, and the time of the last one.
    size_t framesDelivered() const;
    double lastPullTime() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};
