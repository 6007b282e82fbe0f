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
// Through the site the pages read and write the effect's parameters.  A
// host that keeps the parameters and their undo itself gives a
// DsParamStore: the pages' writes and undo brackets go to it, and it tells
// the pages of every change, its own and theirs, through propertyChanged.
// Without one a page's write goes to the effect (animated writes at the
// current time set a keyframe there when the parameter has keyframes, the
// plain value otherwise), unrecorded, and every open page is told of it.
// The host's current time goes to every page (setTime), and the image
// pulls of the pages wait in a queue until deliverPulls answers them, by
// default with the frame rendered through a clone of the effect, as a host
// renders the frame it shows, handed back on this thread.
//
// While it lives it serves the image graph (CLSID_DSImageGraph) to the
// process and keeps the host's number control registered.  User-interface
// thread only; the renders of deliverPulls run on the worker threads.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"
#include "platform/dshost/DsParamStore.h"
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

    // The pages' writes and undo brackets go to `store` (null: the host
    // writes them to the effect itself).  It must outlive the open pages.
    void setParamStore(DsParamStore* store);
    // A parameter changed (in the store, or anywhere but on a page): every
    // page is told, and reads it back.
    void propertyChanged(REFGUID id);

    // How deliverPulls answers a pull of the frame at `time`: S_OK with the
    // frame, or a failure status and none.
    using PullAnswer = std::function<HRESULT(double time, ComPtr<DsImage>& frame)>;
    // Empty: the default, renderFrame.
    void setPullAnswer(PullAnswer answer);
    // The source rendered at `time` through a clone of the effect (8-bit),
    // or null when there is no effect, no source or the render failed.
    ComPtr<DsImage> renderFrame(double time) const;

    // Pulls waiting for delivery.
    size_t pendingPulls() const;
    // Answers and delivers the pulls waiting now (pulls they cause wait for
    // the next call); returns how many were delivered.
    size_t deliverPulls();
    // Pulls delivered with an image so far.
    size_t framesDelivered() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};
