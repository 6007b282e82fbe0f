// DsViewer: the host's viewer.  It shows a rendered frame (8-bit RGBA) at a
// zoom and pan in a GL surface, lets the layers that modules push draw over
// it in viewer units, and routes pen events to the topmost layer (or to the
// layer that holds the interaction); events no layer uses pan the view.
//
// While it lives it is the process's viewer controller: it registers the
// controller service with the COM runtime (CLSID_VWController), through
// which modules push and remove their tools and post calls to the
// user-interface thread (platform/dsviewer/DSViewerInterfaces.h).
//
// The viewer draws into a DsViewerSurface: a window of the Win32 layer
// (DsWindowSurface, which the headless window system serves offscreen), or
// whatever surface an interactive front end provides.
//
// Viewer units: the project frame lies over (0, 0) - (world width, world
// height), y upwards; pixel (x, y) of the frame, rows from the top, covers
// x .. x + 1 times world width / user width, and so on.  Zoom is surface
// pixels per viewer unit.  Like the layers, the viewer draws through the
// viewport (0, 0, width - 1, height - 1), so frame and layers line up to
// the pixel.
//
// Everything but the controller's PostCall belongs to the user-interface
// thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/dsviewer/DSViewerInterfaces.h"

// What the viewer draws into.
class DsViewerSurface {
public:
    DsViewerSurface() = default;
    DsViewerSurface(const DsViewerSurface&) = delete;
    DsViewerSurface& operator=(const DsViewerSurface&) = delete;
    virtual ~DsViewerSurface() = default;

    // Size in pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Makes the surface's GL context current; false when it cannot be drawn
    // into now.
    virtual bool makeCurrent() = 0;
    // Shows what was drawn since makeCurrent (the context is current).
    virtual bool present() = 0;
    // The native window that shows the surface, or null.
    virtual HWND window() const { return nullptr; }
};

struct DsViewPoint {
    double x = 0, y = 0;
};

class DsViewer {
public:
    explicit DsViewer(DsViewerSurface& surface);
    // Removes every layer (unlinking it), drops posted calls that have not
    // run, revokes the controller and frees its GL objects.
    ~DsViewer();
    DsViewer(const DsViewer&) = delete;
    DsViewer& operator=(const DsViewer&) = delete;

    // False when the COM runtime refused the controller's registration.
    bool registered() const;

    // The project frame: user size in pixels, world size in viewer units.
    // Non-positive or non-finite sizes are refused (false).  Until set, the
    // frame shown gives both.
    bool setProjectFrame(double userX, double userY, double worldX, double worldY);
    // Copies a frame: rows top-down, 4 bytes a pixel.  False for a null
    // buffer or a size that is not positive.
    bool showFrame(const uint8_t* rgba, int width, int height);
    // The project frame's world size (0 x 0 before a frame or project).
    DsViewPoint frameWorldSize() const;

    // Surface pixels per viewer unit; refused (false) unless finite and > 0.
    bool setZoom(double zoom);
    // The viewer point at the surface's centre; refused unless finite.
    bool setPan(double x, double y);
    double zoom() const;
    DsViewPoint pan() const;
    // Zoom 1 frame pixel to `pixels` surface pixels and the frame's
    // bottom-left corner `margin` pixels in from the surface's corner.
    void placeFrame(double pixels, int margin);
    // The part of the viewer the surface shows.
    VWRect visibleRect() const;
    // Surface pixel (x right, y down from the top row, as a window counts)
    // to viewer units: the pixel's centre.
    DsViewPoint toViewer(double x, double y) const;

    // Draws the frame, then every layer from the bottom up, and presents.
    // False when the surface cannot be drawn into.
    bool render();
    // A layer asked to be drawn again since the last render.
    bool needsRender() const;
    // How many times layers asked (for hosts that count redraws).
    unsigned invalidations() const;

    // Pen events at surface pixels (as toViewer); button 1 left, 2 right,
    // 3 middle, 0 for a move without a button.
    void penDown(double x, double y, int button);
    void penMove(double x, double y, int button);
    void penUp(double x, double y, int button);

    // Tells every layer of a new current time.
    void setTime(double time);

    // Runs the calls posted from other threads, in order; returns how many.
    size_t runPostedCalls();

    size_t layerCount() const;
    // Layer `index` counted from the bottom, or null.
    ComPtr<IUnknown> layer(size_t index) const;
    // The layer holding the interaction, or null.
    ComPtr<IUnknown> interactionOwner() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};
