// The host's viewer: frame display, layers, pen routing, the controller
// service and the queue of calls posted from other threads.
#include "platform/dshost/DsViewer.h"

#include <GL/gl.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"

namespace {

// Context ids are unique in the process, so that an id kept from one viewer
// never names a layer of the next.
std::atomic<DWORD> gNextContext{1};

// The grey round the frame.
constexpr float kBackground = 0.22f;

struct Layer {
    DWORD id = 0;
    ComPtr<IViewerLayer> layer;
    ComPtr<IViewerEventSink> events;  // may be null
    ComPtr<IDSTimeNotifySink> time;   // may be null
};

int PowerOfTwo(int n) {
    int p = 1;
    while (p < n && p < (1 << 30)) p <<= 1;
    return p;
}

}  // namespace

struct DsViewer::State {
    // Any thread.
    std::mutex queueLock;
    std::deque<IVWCall*> queue;
    bool closed = false;

    // User-interface thread.
    DsViewerSurface* surface = nullptr;
    std::vector<Layer> layers;  // bottom first
    IViewerLayer* capture = nullptr;
    std::vector<uint8_t> pixels;
    int frameWidth = 0, frameHeight = 0;
    unsigned frameVersion = 0;
    bool projectSet = false;
    double userX = 0, userY = 0, worldX = 0, worldY = 0;
    double zoom = 1, panX = 0, panY = 0;
    bool dirty = true;
    unsigned invalidations = 0;
    bool rendering = false;
    VWGLSurface gl{};
    GLuint texture = 0;
    unsigned textureVersion = 0;
    int textureWidth = 0, textureHeight = 0;
    bool panning = false;
    double lastX = 0, lastY = 0;
    ComPtr<IDSViewer> face;
    ComPtr<IViewerSurface> surfaceFace;
    DWORD cookie = 0;
    bool registered = false;

    VWRect Visible() const {
        const int w = surface->width(), h = surface->height();
        const double vw = w > 1 ? (w - 1) / zoom : 0.0, vh = h > 1 ? (h - 1) / zoom : 0.0;
        return {panX - vw / 2, panY - vh / 2, vw, vh};
    }
    DsViewPoint World() const {
        if (projectSet) return {worldX, worldY};
        return {double(frameWidth), double(frameHeight)};
    }
    Layer* Find(IViewerLayer* l) {
        for (Layer& x : layers)
            if (x.layer.get() == l) return &x;
        return nullptr;
    }
};

namespace {

using State = DsViewer::State;

HRESULT PushLayer(State& s, IUnknown* object, IUnknown* inspected, DWORD* contextId) {
    if (!object || !contextId) return E_POINTER;
    *contextId = 0;
    Layer l;
    HRESULT hr = object->QueryInterface(IID_IViewerLayer, l.layer.putVoid());
    if (FAILED(hr)) return hr;
    object->QueryInterface(IID_IViewerEventSink, l.events.putVoid());
    object->QueryInterface(IID_IDSTimeNotifySink, l.time.putVoid());
    if (inspected && FAILED(hr = l.layer->OnLinkToOperator(inspected))) return hr;
    if (FAILED(hr = l.layer->OnLinkToViewer(s.face.get()))) {
        l.layer->OnUnlinkFromOperator();
        return hr;
    }
    l.id = gNextContext.fetch_add(1);
    *contextId = l.id;
    s.layers.push_back(std::move(l));
    s.dirty = true;
    return S_OK;
}

void RemoveAt(State& s, size_t index) {
    Layer l = std::move(s.layers[index]);
    s.layers.erase(s.layers.begin() + static_cast<std::ptrdiff_t>(index));
    if (s.capture == l.layer.get()) s.capture = nullptr;
    // The layer may free GL objects of the surface's context as it goes.
    s.surface->makeCurrent();
    l.layer->OnUnlinkFromViewer();
    l.layer->OnUnlinkFromOperator();
    s.dirty = true;
}

HRESULT RemoveLayer(State& s, DWORD id) {
    for (size_t i = 0; i < s.layers.size(); ++i) {
        if (s.layers[i].id != id) continue;
        RemoveAt(s, i);
        return S_OK;
    }
    return E_INVALIDARG;
}

// Faces of the viewer handed to modules.  Each holds the viewer's state
// weakly: a face a module keeps after the viewer is gone answers E_FAIL.
template <class Interface>
class Face : public ComSingleObject<Interface> {
public:
    Face(std::weak_ptr<State> s, REFIID iid)
        : ComSingleObject<Interface>(iid), state_(std::move(s)) {}

protected:
    std::weak_ptr<State> state_;
};

class Controller final : public Face<IVWController> {
public:
    explicit Controller(std::weak_ptr<State> s) : Face(std::move(s), IID_IVWController) {}

    HRESULT PushContext(int32_t, IUnknown* object, IUnknown* inspected, IUnknown*, void*, double,
                        DWORD* contextId) override {
        auto s = state_.lock();
        if (!s) return E_FAIL;
        return PushLayer(*s, object, inspected, contextId);
    }
    HRESULT RemoveContext(DWORD contextId) override {
        auto s = state_.lock();
        if (!s) return E_FAIL;
        return RemoveLayer(*s, contextId);
    }
    HRESULT PostCall(IVWCall* call) override {
        if (!call) return E_POINTER;
        auto s = state_.lock();
        if (!s) return E_FAIL;
        std::lock_guard<std::mutex> g(s->queueLock);
        if (s->closed) return E_FAIL;
        call->AddRef();
        s->queue.push_back(call);
        return S_OK;
    }
};

class ViewerFace final : public Face<IDSViewer> {
public:
    explicit ViewerFace(std::weak_ptr<State> s) : Face(std::move(s), IID_IDSViewer) {}

    HRESULT InvalidateLayer(int32_t, const VWRect*) override {
        auto s = state_.lock();
        if (!s) return E_FAIL;
        ++s->invalidations;
        s->dirty = true;
        return S_OK;
    }
    HWND GetViewerWindow() override {
        auto s = state_.lock();
        return s ? s->surface->window() : nullptr;
    }
    HRESULT BeginInteraction(IViewerLayer* layer) override {
        auto s = state_.lock();
        if (!s) return E_FAIL;
        if (!layer || !s->Find(layer)) return E_INVALIDARG;
        s->capture = layer;
        return S_OK;
    }
    HRESULT EndInteraction(IViewerLayer* layer) override {
        auto s = state_.lock();
        if (!s) return E_FAIL;
        if (!layer || s->capture != layer) return S_FALSE;
        s->capture = nullptr;
        return S_OK;
    }
};

class SurfaceFace final : public Face<IViewerSurface> {
public:
    explicit SurfaceFace(std::weak_ptr<State> s) : Face(std::move(s), IID_IViewerSurface) {}

    HRESULT BeginRenderOpenGL(VWGLSurface* gl) override {
        if (!gl) return E_POINTER;
        auto s = state_.lock();
        if (!s || !s->rendering) return E_FAIL;
        *gl = s->gl;
        return S_OK;
    }
    HRESULT EndRenderOpenGL(VWGLSurface* gl) override {
        if (!gl) return E_POINTER;
        auto s = state_.lock();
        return s && s->rendering ? S_OK : E_FAIL;
    }
};

// A new face seen as its interface (null when out of memory).
template <class T, class Interface>
ComPtr<Interface> Make(std::weak_ptr<State> s) {
    return ComPtr<Interface>::adopt(new (std::nothrow) T(std::move(s)));
}

// Uploads the frame into a power-of-two texture (what OpenGL 1.1 can
// hold), repeating its last column and row into the padding so that
// filtering at the edges sees no black.
bool UploadFrame(State& s) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    const int tw = PowerOfTwo(s.frameWidth), th = PowerOfTwo(s.frameHeight);
    if (tw > maxSize || th > maxSize) return false;
    if (!s.texture) glGenTextures(1, &s.texture);
    if (!s.texture) return false;
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (tw != s.textureWidth || th != s.textureHeight) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tw, th, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        s.textureWidth = tw;
        s.textureHeight = th;
    }
    const int w = s.frameWidth, h = s.frameHeight;
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, s.pixels.data());
    if (tw > w) {
        std::vector<uint8_t> column(size_t(h) * 4);
        for (int y = 0; y < h; ++y)
            std::memcpy(&column[size_t(y) * 4], &s.pixels[(size_t(y) * w + w - 1) * 4], 4);
        glTexSubImage2D(GL_TEXTURE_2D, 0, w, 0, 1, h, GL_RGBA, GL_UNSIGNED_BYTE, column.data());
    }
    if (th > h)
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, h, w, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                        &s.pixels[size_t(h - 1) * w * 4]);
    s.textureVersion = s.frameVersion;
    return true;
}

void DrawFrame(State& s) {
    if (s.pixels.empty()) return;
    if ((!s.texture || s.textureVersion != s.frameVersion) && !UploadFrame(s)) return;
    const DsViewPoint world = s.World();
    // Texture row 0 is the frame's top row: it goes to the top edge.
    const float u = float(s.frameWidth) / float(s.textureWidth);
    const float v = float(s.frameHeight) / float(s.textureHeight);
    const float x1 = float(world.x), y1 = float(world.y);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, v);
    glVertex2f(0, 0);
    glTexCoord2f(u, v);
    glVertex2f(x1, 0);
    glTexCoord2f(u, 0);
    glVertex2f(x1, y1);
    glTexCoord2f(0, 0);
    glVertex2f(0, y1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// What every layer starts from: identity matrices, the viewer's viewport.
void ResetForLayer(int w, int h) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, w - 1, h - 1);
}

}  // namespace

DsViewer::DsViewer(DsViewerSurface& surface) : state_(std::make_shared<State>()) {
    State& s = *state_;
    s.surface = &surface;
    s.face = Make<ViewerFace, IDSViewer>(state_);
    s.surfaceFace = Make<SurfaceFace, IViewerSurface>(state_);
    ComPtr<IVWController> controller = Make<Controller, IVWController>(state_);
    s.registered =
        s.face && s.surfaceFace && controller &&
        SUCCEEDED(CoRegisterClassObject(CLSID_VWController, controller.get(), CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &s.cookie));
}

DsViewer::~DsViewer() {
    State& s = *state_;
    std::deque<IVWCall*> dropped;
    {
        std::lock_guard<std::mutex> g(s.queueLock);
        s.closed = true;
        dropped.swap(s.queue);
    }
    for (IVWCall* call : dropped) call->Release();
    while (!s.layers.empty()) RemoveAt(s, s.layers.size() - 1);
    if (s.cookie) CoRevokeClassObject(s.cookie);
    if (s.texture && s.surface->makeCurrent()) glDeleteTextures(1, &s.texture);
    s.texture = 0;
}

bool DsViewer::registered() const { return state_->registered; }

bool DsViewer::setProjectFrame(double userX, double userY, double worldX, double worldY) {
    for (double v : {userX, userY, worldX, worldY})
        if (!(std::isfinite(v) && v > 0)) return false;
    State& s = *state_;
    s.projectSet = true;
    s.userX = userX;
    s.userY = userY;
    s.worldX = worldX;
    s.worldY = worldY;
    s.dirty = true;
    return true;
}

bool DsViewer::showFrame(const uint8_t* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0) return false;
    State& s = *state_;
    const size_t bytes = size_t(width) * size_t(height) * 4;
    s.pixels.assign(rgba, rgba + bytes);
    s.frameWidth = width;
    s.frameHeight = height;
    ++s.frameVersion;
    s.dirty = true;
    return true;
}

DsViewPoint DsViewer::frameWorldSize() const { return state_->World(); }

bool DsViewer::setZoom(double zoom) {
    if (!(std::isfinite(zoom) && zoom > 0)) return false;
    state_->zoom = zoom;
    state_->dirty = true;
    return true;
}

bool DsViewer::setPan(double x, double y) {
    if (!(std::isfinite(x) && std::isfinite(y))) return false;
    state_->panX = x;
    state_->panY = y;
    state_->dirty = true;
    return true;
}

double DsViewer::zoom() const { return state_->zoom; }
DsViewPoint DsViewer::pan() const { return {state_->panX, state_->panY}; }

void DsViewer::placeFrame(double pixels, int margin) {
    State& s = *state_;
    const DsViewPoint world = s.World();
    const double user = s.projectSet ? s.userX : double(s.frameWidth);
    // Surface pixels per viewer unit that make one frame pixel `pixels` wide.
    if (world.x > 0 && user > 0) setZoom(pixels * user / world.x);
    const VWRect v = s.Visible();
    setPan(-margin / s.zoom + v.width / 2, -margin / s.zoom + v.height / 2);
}

VWRect DsViewer::visibleRect() const { return state_->Visible(); }

DsViewPoint DsViewer::toViewer(double x, double y) const {
    const State& s = *state_;
    const VWRect v = s.Visible();
    const double fromBottom = (s.surface->height() - 1) - y;
    return {v.x + (x + 0.5) / s.zoom, v.y + (fromBottom + 0.5) / s.zoom};
}

bool DsViewer::render() {
    State& s = *state_;
    if (!s.surface->makeCurrent()) return false;
    const int w = s.surface->width(), h = s.surface->height();
    glClearColor(kBackground, kBackground, kBackground, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // Under 2 x 2 pixels there is no viewport to draw through.
    if (w >= 2 && h >= 2) {
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        ResetForLayer(w, h);
        const VWRect v = s.Visible();
        glOrtho(v.x, v.x + v.width, v.y, v.y + v.height, -1.0, 1.0);
        DrawFrame(s);
        s.gl = {w, h, v};
        s.rendering = true;
        // A layer may remove layers while it draws: walk a copy.
        std::vector<ComPtr<IViewerLayer>> layers;
        for (const Layer& l : s.layers) layers.push_back(l.layer);
        for (const auto& l : layers) {
            ResetForLayer(w, h);
            l->OnRender(s.surfaceFace.get());
        }
        s.rendering = false;
    }
    const bool shown = s.surface->present();
    s.dirty = false;
    return shown;
}

bool DsViewer::needsRender() const { return state_->dirty; }
unsigned DsViewer::invalidations() const { return state_->invalidations; }

namespace {

enum class Pen { Down, Move, Up };

// The layer holding the interaction gets the event, else the topmost layer
// that takes pen events; S_FALSE when none used it.
HRESULT Deliver(State& s, Pen kind, const VWPenEvent& e) {
    ComPtr<IViewerEventSink> sink;
    if (s.capture) {
        if (Layer* l = s.Find(s.capture)) sink = l->events;
    } else {
        for (auto it = s.layers.rbegin(); it != s.layers.rend() && !sink; ++it) sink = it->events;
    }
    if (!sink) return S_FALSE;
    switch (kind) {
    case Pen::Down: return sink->OnPenDown(&e);
    case Pen::Move: return sink->OnPenMove(&e);
    default: return sink->OnPenUp(&e);
    }
}

}  // namespace

void DsViewer::penDown(double x, double y, int button) {
    State& s = *state_;
    const DsViewPoint p = toViewer(x, y);
    const HRESULT hr = Deliver(s, Pen::Down, {p.x, p.y, button});
    if (hr != S_OK && button == VW_BUTTON_LEFT) {
        s.panning = true;
        s.lastX = x;
        s.lastY = y;
    }
}

void DsViewer::penMove(double x, double y, int button) {
    State& s = *state_;
    const DsViewPoint p = toViewer(x, y);
    const HRESULT hr = Deliver(s, Pen::Move, {p.x, p.y, button});
    if (s.panning && hr != S_OK && std::isfinite(x) && std::isfinite(y)) {
        // The picture follows the pen; surface y grows downwards.
        setPan(s.panX - (x - s.lastX) / s.zoom, s.panY + (y - s.lastY) / s.zoom);
        s.lastX = x;
        s.lastY = y;
    }
}

void DsViewer::penUp(double x, double y, int button) {
    State& s = *state_;
    const DsViewPoint p = toViewer(x, y);
    Deliver(s, Pen::Up, {p.x, p.y, button});
    if (button == VW_BUTTON_LEFT) {
        s.panning = false;
        // An interaction ends with the pen, whatever the layer did with it.
        s.capture = nullptr;
    }
}

void DsViewer::setTime(double time) {
    std::vector<ComPtr<IDSTimeNotifySink>> sinks;
    for (const Layer& l : state_->layers)
        if (l.time) sinks.push_back(l.time);
    for (const auto& t : sinks) t->OnTimeChange(time);
}

size_t DsViewer::runPostedCalls() {
    State& s = *state_;
    std::deque<IVWCall*> calls;
    {
        std::lock_guard<std::mutex> g(s.queueLock);
        calls.swap(s.queue);
    }
    for (IVWCall* call : calls) {
        call->Run();
        call->Release();
    }
    return calls.size();
}

size_t DsViewer::layerCount() const { return state_->layers.size(); }

ComPtr<IUnknown> DsViewer::layer(size_t index) const {
    const State& s = *state_;
    if (index >= s.layers.size()) return {};
    ComPtr<IUnknown> u;
    s.layers[index].layer->QueryInterface(IID_IUnknown, u.putVoid());
    return u;
}

ComPtr<IUnknown> DsViewer::interactionOwner() const {
    ComPtr<IUnknown> u;
    if (state_->capture) state_->capture->QueryInterface(IID_IUnknown, u.putVoid());
    return u;
}
