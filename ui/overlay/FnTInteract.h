#pragma once
// FnTInteract: the effect's layer over the host's viewer while one of its
// property pages is open.  It is a viewer tool and a widget manager at once:
// it draws its widget tree with OpenGL into the viewer's surface, in overlay
// units tied to the project frame (overlay units times the frame scale are
// viewer units), and turns the viewer's pen events into pointer messages.
//
// Its tree holds two anchors, "Frame Centre" at the centre of the project
// frame and "Src Centre" at the centre of the source as last rendered (axis
// groups with translate handles and their own axis switched off), and an
// empty group "View Zero" at the origin.  Widgets attached to the anchors
// follow the frame and the source; this effect attaches none, so the
// overlay draws nothing visible of its own.
//
// User-interface thread only.

#include "effect/ColBalanceApi.h"
#include "platform/dsviewer/CDSInteractiveTool.h"
#include "ui/overlay/FnT2DAxisGroup.h"
#include "ui/toolkit/FnTGroup.h"
#include "ui/toolkit/FnTManager.h"

#include <atomic>
#include <cstdint>

class FnTInteract final : public CDSInteractiveTool, public FnTManager, public IFnOverlayAnchors {
public:
    // Overlay flags
    static constexpr std::uint32_t kOverlayVisible = 1u << 0;

    // Reads the project frame from the host's content properties.
    FnTInteract();

    // The tool's class id answers the tool object itself.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return CDSInteractiveTool::AddRef(); }
    ULONG Release() override { return CDSInteractiveTool::Release(); }

    HRESULT OnRender(IViewerSurface* surface) override;
    HRESULT OnOnTimeChange(double time) override;
    HRESULT OnPenDown(const VWPenEvent* event) override;
    HRESULT OnPenMove(const VWPenEvent* event) override;
    HRESULT OnPenUp(const VWPenEvent* event) override;
    HRESULT OnLinkToOperator(IUnknown* op) override;
    HRESULT OnLinkToViewer(IDSViewer* viewer) override;
    HRESULT OnUnlinkFromViewer() override;

    // Moves "Src Centre" to the centre of the rectangle, unless every number
    // is within 0.01 of the stored one (or one of them is not finite).
    void UpdateSourceRect(FnPoint position, FnPoint size);

    // IFnOverlayAnchors
    HRESULT GetFrame(int32_t* width, int32_t* height, float* scale) override;
    HRESULT GetAnchor(const char* name, float* x, float* y) override;
    HRESULT IsOverlayShown() override;

    // The help page writes bit 0 and then calls InvalidateLayer(1, null).
    std::uint32_t OverlayFlags() const { return overlayFlags_; }
    void SetOverlayFlags(std::uint32_t flags) { overlayFlags_ = flags; }
    bool OverlayVisible() const { return (overlayFlags_ & kOverlayVisible) != 0; }

    int32_t FrameWidth() const { return frameWidth_; }
    int32_t FrameHeight() const { return frameHeight_; }
    float FrameScale() const { return frameScale_; }
    FnT2DAxisGroup& FrameCentre() { return frameCentre_; }
    FnT2DAxisGroup& SrcCentre() { return srcCentre_; }
    FnTGroup& ViewZero() { return viewZero_; }
    // Position x, y and size w, h.
    const float* SourceRect() const { return sourceRect_; }
    unsigned TextFont() const { return textFont_; }

    // Where the module counts its live objects; tools made while it is set
    // count themselves (a tool outside a module counts nowhere).
    static void SetModuleLockCount(std::atomic<int32_t>* count);

private:
    ~FnTInteract() override;

    void ReadProjectFrame();
    // A pen event as a pointer message in overlay units, and the redraw it
    // asks for.  False for a position that is not finite.
    bool Pointer(int kind, const VWPenEvent& event);
    // Frees the text lists when their context is current; they go with the
    // context otherwise.
    void DropTextFont();

    std::uint32_t overlayFlags_ = kOverlayVisible;
    unsigned textFont_ = 0;
    int32_t frameWidth_ = 0;
    int32_t frameHeight_ = 0;
    float frameScale_ = 1.0f;
    FnT2DAxisGroup frameCentre_;
    FnT2DAxisGroup srcCentre_;
    FnTGroup viewZero_;
    float sourceRect_[4] = {0, 0, 0, 0};
    std::atomic<int32_t>* counted_ = nullptr;
    HGLRC fontContext_ = nullptr;
};
