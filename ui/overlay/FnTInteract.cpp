// The viewer tool: its frame, its anchors, pen routing and drawing.
#include "ui/overlay/FnTInteract.h"

#include "platform/dssdk/DSServices.h"
#include "platform/dsviewer/DSViewerServices.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnTextFont.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

std::atomic<std::atomic<int32_t>*> gModuleCount{nullptr};

// The layer id the tool asks the viewer to redraw.
constexpr int32_t kLayer = 1;

// A positive finite content property, or nothing.
bool ReadSize(const char* name, double& value) {
    value = 0;
    return SUCCEEDED(DSContentGetProperty(name, &value)) && std::isfinite(value) && value > 0;
}

// Truncated toward zero into 0 .. INT32_MAX (the sizes are positive).
int32_t Truncate(double v) {
    if (!(v > 0)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    return static_cast<int32_t>(v);
}

}  // namespace

void FnTInteract::SetModuleLockCount(std::atomic<int32_t>* count) { gModuleCount.store(count); }

FnTInteract::FnTInteract()
    : frameCentre_("Frame Centre", FnT2DAxis::kTranslateX | FnT2DAxis::kTranslateY),
      srcCentre_("Src Centre", FnT2DAxis::kTranslateX | FnT2DAxis::kTranslateY),
      viewZero_("View Zero") {
    if (std::atomic<int32_t>* count = gModuleCount.load()) {
        ++*count;
        counted_ = count;
    }
    ReadProjectFrame();
    const float cx = static_cast<float>(frameWidth_) * 0.5f;
    const float cy = static_cast<float>(frameHeight_) * 0.5f;
    for (FnT2DAxisGroup* anchor : {&frameCentre_, &srcCentre_}) {
        anchor->SetCentre(cx, cy);
        if (!(anchor->Visibility() & FnTObject::kShown))
            anchor->SetVisibility(anchor->Visibility() | FnTObject::kShown);
        anchor->SetGroupFlags(anchor->GroupFlags() & ~FnT2DAxisGroup::kOwnAxis);
        anchor->UpdateExtent();
        AddWidget(anchor);
    }
    sourceRect_[2] = static_cast<float>(frameWidth_);
    sourceRect_[3] = static_cast<float>(frameHeight_);
    viewZero_.SetGroupFlags(viewZero_.GroupFlags() &
                            ~(FnTGroup::kDrawBackground | FnTGroup::kTakesPress));
    AddWidget(&viewZero_);
}

FnTInteract::~FnTInteract() {
    DropTextFont();
    if (counted_) --*counted_;
}

void FnTInteract::ReadProjectFrame() {
    // A host that gives no usable frame sizes (a failed read, 0, negative or
    // not finite) gets a frame of 0 x 0 at scale 1: the anchors sit at the
    // origin and overlay units are viewer units, so no pen position is ever
    // divided by 0.  A missing world height alone keeps the user sizes.
    double ux = 0, uy = 0, wy = 0;
    const bool haveX = ReadSize("Project Frame User Size (X)", ux);
    const bool haveY = ReadSize("Project Frame User Size (Y)", uy);
    const bool haveWorld = ReadSize("Project Frame World Size (Y)", wy);
    frameScale_ = 1.0f;
    bool scaled = false;
    if (haveY && haveWorld) {
        const float s = static_cast<float>(wy / uy);
        if (std::isfinite(s) && s > 0.0f) {
            frameScale_ = s;
            scaled = true;
        }
    }
    frameHeight_ = haveY ? Truncate(uy) : 0;
    frameWidth_ = haveX ? Truncate(scaled ? uy * ux / wy : ux) : 0;
}

HRESULT FnTInteract::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == CLSID_FnTInteract) return Answer(this, out);
    if (iid == IID_IFnOverlayAnchors) return Answer(static_cast<IFnOverlayAnchors*>(this), out);
    return CDSInteractiveTool::QueryInterface(iid, out);
}

void FnTInteract::DropTextFont() {
    if (textFont_ && fontContext_ && wglGetCurrentContext() == fontContext_)
        FreeTextFont(textFont_);
    if (textFont_ && CurrentTextFont() == textFont_) SetCurrentTextFont(0);
    textFont_ = 0;
    fontContext_ = nullptr;
}

HRESULT FnTInteract::OnRender(IViewerSurface* surface) {
    if (!surface) return E_POINTER;
    VWGLSurface gl{};
    if ((overlayFlags_ & kOverlayVisible) && SUCCEEDED(vwSurfaceBeginRenderOpenGL(surface, &gl))) {
        // A surface under 2 x 2 pixels has no viewport to draw into (its
        // size less one would be 0 or negative): nothing is drawn.
        if (gl.width >= 2 && gl.height >= 2) {
            if (!textFont_) {
                textFont_ = BuildTextFont(wglGetCurrentDC());
                fontContext_ = textFont_ ? wglGetCurrentContext() : nullptr;
            }
            SetCurrentTextFont(textFont_);
            glPushAttrib(0xFFFFF);
            glShadeModel(GL_SMOOTH);
            glClearColor(0.6f, 0.6f, 0.6f, 0.0f);
            glEnable(GL_LINE_STIPPLE);
            glViewport(0, 0, gl.width - 1, gl.height - 1);
            const VWRect& v = gl.visible;
            glLoadIdentity();
            glOrtho(static_cast<float>(v.x), static_cast<float>(v.x + v.width),
                    static_cast<float>(v.y), static_cast<float>(v.y + v.height), -100.0f, 100.0f);
            glScalef(frameScale_, frameScale_, 1.0f);
            SetTolerance({static_cast<float>(v.width * 4.0 / gl.width),
                          static_cast<float>(v.height * 4.0 / gl.height)});
            DrawAll();
            glPopAttrib();
        }
        vwSurfaceEndRenderOpenGL(surface, &gl);
    }
    return CDSInteractiveTool::OnRender(surface);
}

HRESULT FnTInteract::OnOnTimeChange(double time) {
    if (!Operator()) return S_OK;
    const HRESULT hr = CDSInteractiveTool::OnOnTimeChange(time);
    if (FAILED(hr)) return hr;
    InvalidateLayer(kLayer, nullptr);
    return hr;
}

bool FnTInteract::Pointer(int kind, const VWPenEvent& event) {
    const double x = event.x / frameScale_, y = event.y / frameScale_;
    // Beyond the float range a position cannot be a pointer message.
    constexpr double limit = std::numeric_limits<float>::max();
    if (!(std::fabs(x) <= limit && std::fabs(y) <= limit)) return false;
    Dispatch(FnMessage::Pointer(kind, {static_cast<float>(x), static_cast<float>(y)}));
    if (NeedsRedraw()) InvalidateLayer(kLayer, nullptr);
    return true;
}

HRESULT FnTInteract::OnPenDown(const VWPenEvent* event) {
    if (event && (overlayFlags_ & kOverlayVisible) && event->button == VW_BUTTON_LEFT &&
        Pointer(kFnPointerPressed, *event))
        return OnBeginInteraction(event);
    return CDSInteractiveTool::OnPenDown(event);
}

HRESULT FnTInteract::OnPenMove(const VWPenEvent* event) {
    if (event && (overlayFlags_ & kOverlayVisible) && Pointer(kFnPointerMoved, *event))
        return OnDoInteraction(event);
    return CDSInteractiveTool::OnPenMove(event);
}

HRESULT FnTInteract::OnPenUp(const VWPenEvent* event) {
    if (event && (overlayFlags_ & kOverlayVisible) && event->button == VW_BUTTON_LEFT &&
        Pointer(kFnPointerReleased, *event))
        return TerminateInteraction();
    return CDSInteractiveTool::OnPenUp(event);
}

HRESULT FnTInteract::OnLinkToOperator(IUnknown* op) {
    const HRESULT hr = CDSInteractiveTool::OnLinkToOperator(op);
    if (FAILED(hr)) {
        if (Operator()) CDSInteractiveTool::OnUnlinkFromOperator();
        return hr;
    }
    return hr;
}

HRESULT FnTInteract::OnLinkToViewer(IDSViewer* viewer) {
    const HRESULT hr = CDSInteractiveTool::OnLinkToViewer(viewer);
    if (FAILED(hr)) {
        if (Viewer()) CDSInteractiveTool::OnUnlinkFromViewer();
        return hr;
    }
    InvalidateLayer(kLayer, nullptr);
    return hr;
}

HRESULT FnTInteract::OnUnlinkFromViewer() {
    if (HWND window = GetViewerWindow()) InvalidateRect(window, nullptr, FALSE);
    InvalidateLayer(kLayer, nullptr);
    // The lists belong to the viewer's context; the next viewer builds its own.
    DropTextFont();
    return CDSInteractiveTool::OnUnlinkFromViewer();
}

void FnTInteract::UpdateSourceRect(FnPoint position, FnPoint size) {
    const float r[4] = {position.x, position.y, size.x, size.y};
    bool same = true;
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(r[i])) return;
        if (!(std::fabs(r[i] - sourceRect_[i]) <= 0.01f)) same = false;
    }
    if (same) return;
    std::memcpy(sourceRect_, r, sizeof r);
    srcCentre_.SetCentre(r[0] + r[2] * 0.5f, r[1] + r[3] * 0.5f);
    InvalidateLayer(kLayer, nullptr);
}

HRESULT FnTInteract::GetFrame(int32_t* width, int32_t* height, float* scale) {
    if (!width || !height || !scale) return E_POINTER;
    *width = frameWidth_;
    *height = frameHeight_;
    *scale = frameScale_;
    return S_OK;
}

HRESULT FnTInteract::GetAnchor(const char* name, float* x, float* y) {
    if (!name || !x || !y) return E_POINTER;
    FnPoint p;
    if (!std::strcmp(name, "Frame Centre"))
        p = frameCentre_.Centre();
    else if (!std::strcmp(name, "Src Centre"))
        p = srcCentre_.Centre();
    else if (!std::strcmp(name, "View Zero"))
        p = {viewZero_.X(), viewZero_.Y()};
    else
        return E_INVALIDARG;
    *x = p.x;
    *y = p.y;
    return S_OK;
}

HRESULT FnTInteract::IsOverlayShown() { return OverlayVisible() ? S_OK : S_FALSE; }
