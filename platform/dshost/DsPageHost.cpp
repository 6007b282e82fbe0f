// The host's property-page editor: frames, the page site, the effect's
// node, parameter writes, time, and the image graph.
#include "platform/dshost/DsPageHost.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <new>

#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/dshost/DsNumberControl.h"
#include "platform/dssdk/DSEffect.h"
#include "platform/dssdk/DSImageGraph.h"

namespace {
int gFrameInstance = 0;  // the frames' instance: its address
constexpr int kFrameGap = 16;
}  // namespace

struct DsPageHost::State {
    struct Page {
        ComPtr<IPropertyPage> page;
        HWND frame = nullptr;
        int slot = 0;
    };
    struct Pull {
        DWORD id = 0;
        double time = 0;
        ComPtr<IDSImagePullSink> sink;
    };

    ComPtr<IUnknown> inspected;
    ComPtr<IDSPropertyContainer> props;
    ComPtr<IDSImageEffect> effect;
    std::vector<uint8_t> source;
    int sourceWidth = 0, sourceHeight = 0;
    std::vector<Page> pages;
    ComPtr<IDSPropertyPageSite> site;
    double time = 0;
    std::deque<Pull> pulls, inFlight;
    DWORD nextPull = 1;
    PullAnswer answer;
    size_t frames = 0;
    DWORD graphCookie = 0;
    bool ok = true;
    DsParamStore* store = nullptr;

    // Every open page hears of a change (`value` null: read it from the host).
    void broadcast(const GUID& id, const DSVARIANT* value) {
        std::vector<ComPtr<IDSPropertyNotifySink>> sinks;
        for (const Page& p : pages) {
            ComPtr<IDSPropertyNotifySink> sink;
            if (p.page && SUCCEEDED(p.page.as(IID_IDSPropertyNotifySink, sink)))
                sinks.push_back(sink);
        }
        for (auto& sink : sinks) sink->PropertyChanged(id, value, inspected.get(), nullptr, 0);
    }

    // A page's write without a store: a key at `at` when the parameter has
    // keys and the write is animated, the value otherwise.
    static HRESULT write(IDSPropertyContainer* c, const GUID& id, double v, bool animated,
                         double at) {
        if (!std::isfinite(v) || !std::isfinite(at)) return E_INVALIDARG;
        uint32_t index = 0, keys = 0;
        if (FAILED(c->FindProperty(id, &index))) return E_INVALIDARG;
        if (animated && SUCCEEDED(c->GetKeyframeCount(id, &keys)) && keys > 0)
            return c->SetKeyframe(id, at, v);
        return c->SetValue(id, v);
    }

    // The frame at `at` rendered through a clone of the effect.
    ComPtr<DsImage> render(double at) const {
        if (!effect || source.empty()) return {};
        ComPtr<IDSImageEffect> clone;
        if (FAILED(effect->Clone(IID_IDSImageEffect, clone.putVoid())) || !clone) return {};
        ComPtr<DsImage> src = DsImage::create(DsImageKind::Rgba8, sourceWidth, sourceHeight);
        ComPtr<DsImage> out = DsImage::create(DsImageKind::Rgba8, sourceWidth, sourceHeight);
        if (!src || !out) return {};
        std::memcpy(src->data(), source.data(), source.size());
        std::memcpy(out->data(), source.data(), source.size());
        clone->SetImage(DS_IMAGE_SOURCE, src.get());
        clone->SetImage(DS_IMAGE_OUTPUT, out.get());
        const HRESULT hr = clone->Render(nullptr, at);
        clone->SetImage(DS_IMAGE_SOURCE, nullptr);
        clone->SetImage(DS_IMAGE_OUTPUT, nullptr);
        return SUCCEEDED(hr) ? out : ComPtr<DsImage>();
    }
};

namespace {

using State = DsPageHost::State;

// The host's node for the effect: the graph interface of its own, every
// other query the effect's.
class Node final : public ComObject<IDSGraphObject> {
public:
    explicit Node(IUnknown* effect) : effect_(effect) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDSGraphObject)
            return Answer(static_cast<IDSGraphObject*>(this), out);
        return effect_ ? effect_->QueryInterface(iid, out) : E_NOINTERFACE;
    }
    HRESULT GetGraphName(char* buffer, uint32_t size) override {
        if (!buffer || size == 0) return E_POINTER;
        std::strncpy(buffer, "effect", size - 1);
        buffer[size - 1] = '\0';
        return S_OK;
    }
    HRESULT GetGraphObject(REFIID iid, void** out) override { return QueryInterface(iid, out); }

private:
    ComPtr<IUnknown> effect_;
};

// The parameters of an inspected object, or null.
ComPtr<IDSPropertyContainer> ContainerOf(IUnknown* object) {
    ComPtr<IDSPropertyContainer> c;
    if (object) object->QueryInterface(IID_IDSPropertyContainer, c.putVoid());
    return c;
}

class Site final : public ComObject<IDSPropertyPageSite> {
public:
    explicit Site(std::weak_ptr<State> state) : state_(std::move(state)) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IPropertyPageSite || iid == IID_IDSPropertyPageSite)
            return Answer(static_cast<IDSPropertyPageSite*>(this), out);
        return E_NOINTERFACE;
    }
    HRESULT OnStatusChange(DWORD) override { return S_OK; }
    HRESULT GetCurrentTime(double* time) override {
        if (!time) return E_POINTER;
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        *time = s->time;
        return S_OK;
    }
    HRESULT GetProperty(IUnknown* object, REFGUID id, DSVARIANT* value, BOOL animated,
                        double time) override {
        if (!object || !value) return E_POINTER;
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        const ComPtr<IDSPropertyContainer> c = ContainerOf(object);
        if (!c) return E_NOINTERFACE;
        uint32_t index = 0;
        DSPropertyInfo info{};
        if (FAILED(c->FindProperty(id, &index)) || FAILED(c->GetPropertyInfo(index, &info)))
            return E_INVALIDARG;
        double v = 0;
        const double at = time == DS_CURRENT_TIME ? s->time : time;
        const HRESULT hr = animated ? c->GetValueAt(id, at, &v) : c->GetValue(id, &v);
        if (FAILED(hr)) return hr;
        *value = info.type == VT_R8 ? DSVariantDouble(v) : DSVARIANT{info.type, int32_t(v), 0};
        return S_OK;
    }
    HRESULT SetProperty(IUnknown* object, REFGUID id, const DSVARIANT* value, DWORD, BOOL animated,
                        double time, IUnknown*) override {
        if (!object || !value) return E_POINTER;
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        const ComPtr<IDSPropertyContainer> c = ContainerOf(object);
        if (!c) return E_NOINTERFACE;
        const double at = time == DS_CURRENT_TIME ? s->time : time;
        if (s->store && c.get() == s->props.get()) {
            // The store tells the pages of what it changed.
            if (!std::isfinite(at)) return E_INVALIDARG;
            return s->store->write(id, DSVariantNumber(*value), animated != FALSE, at);
        }
        const HRESULT hr =
            State::write(c.get(), id, DSVariantNumber(*value), animated != FALSE, at);
        if (SUCCEEDED(hr)) s->broadcast(id, value);
        return hr;
    }
    // Undo belongs to the store; without one a bracket records nothing.
    HRESULT BeginUndo(DWORD command, DWORD* undoStyle) override {
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        if (s->store) s->store->beginUndo(command);
        if (undoStyle) *undoStyle = DS_UNDO_GROUPED;
        return S_OK;
    }
    HRESULT EndUndo() override {
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        if (s->store) s->store->endUndo();
        return S_OK;
    }

private:
    std::weak_ptr<State> state_;
};

class Graph final : public ComObject<IDSImageGraph> {
public:
    explicit Graph(std::weak_ptr<State> state) : state_(std::move(state)) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDSImageGraph)
            return Answer(static_cast<IDSImageGraph*>(this), out);
        return E_NOINTERFACE;
    }
    HRESULT Pull(IUnknown* object, DWORD, double time, int32_t, int32_t, int32_t, REFGUID,
                 IDSImagePullSink* sink, DWORD* pullId) override {
        if (!object || !sink || !pullId) return E_POINTER;
        if (!std::isfinite(time)) return E_INVALIDARG;
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        *pullId = s->nextPull++;
        s->pulls.push_back(State::Pull{*pullId, time, ComPtr<IDSImagePullSink>(sink)});
        return S_OK;
    }
    HRESULT Cancel(DWORD pullId) override {
        auto s = state_.lock();
        if (!s) return E_UNEXPECTED;
        for (auto* queue : {&s->pulls, &s->inFlight})
            for (auto it = queue->begin(); it != queue->end(); ++it)
                if (it->id == pullId) {
                    // Released outside the queue: a sink's release may run a
                    // destructor that touches it.
                    ComPtr<IDSImagePullSink> sink = std::move(it->sink);
                    queue->erase(it);
                    return S_OK;
                }
        return S_FALSE;
    }

private:
    std::weak_ptr<State> state_;
};

}  // namespace

DsPageHost::DsPageHost() : state_(std::make_shared<State>()) {
    state_->ok = DsRegisterNumberControl();
    auto* site = new (std::nothrow) Site(state_);
    if (site) {
        state_->site = ComPtr<IDSPropertyPageSite>::adopt(site);
    } else {
        state_->ok = false;
    }
    auto* graph = new (std::nothrow) Graph(state_);
    if (!graph || FAILED(CoRegisterClassObject(CLSID_DSImageGraph, graph, CLSCTX_INPROC_SERVER,
                                               REGCLS_MULTIPLEUSE, &state_->graphCookie)))
        state_->ok = false;
    if (graph) graph->Release();
}

DsPageHost::~DsPageHost() {
    closeAll();
    if (state_->graphCookie) CoRevokeClassObject(state_->graphCookie);
    state_->pulls.clear();
    state_->inFlight.clear();
}

bool DsPageHost::registered() const { return state_->ok; }

void DsPageHost::setEffect(IUnknown* effect) {
    State& s = *state_;
    s.inspected.reset();
    s.props.reset();
    s.effect.reset();
    if (effect) {
        auto* node = new (std::nothrow) Node(effect);
        if (node) s.inspected = ComPtr<IUnknown>::adopt(static_cast<IDSGraphObject*>(node));
        effect->QueryInterface(IID_IDSPropertyContainer, s.props.putVoid());
        effect->QueryInterface(IID_IDSImageEffect, s.effect.putVoid());
    }
}

IUnknown* DsPageHost::inspected() const { return state_->inspected.get(); }

void DsPageHost::setSource(const DsImage* source) {
    State& s = *state_;
    s.source.clear();
    s.sourceWidth = s.sourceHeight = 0;
    if (!source || source->kind() != DsImageKind::Rgba8 || source->byteSize() == 0) return;
    const auto* p = static_cast<const uint8_t*>(source->data());
    s.source.assign(p, p + source->byteSize());
    s.sourceWidth = source->width();
    s.sourceHeight = source->height();
}

HRESULT DsPageHost::openPage(DsModuleLoader& module, REFCLSID clsid, size_t* index, bool show) {
    ComPtr<IPropertyPage> page;
    const HRESULT hr = module.createInstance(clsid, IID_IPropertyPage, page);
    if (FAILED(hr)) return hr;
    return openPage(page.get(), index, show);
}

HRESULT DsPageHost::openPage(IPropertyPage* page, size_t* index, bool show) {
    if (!page) return E_POINTER;
    State& s = *state_;
    page->SetPageSite(s.site.get());
    IUnknown* object = s.inspected.get();
    page->SetObjects(object ? 1 : 0, object ? &object : nullptr);
    PROPPAGEINFO info{};
    HRESULT hr = page->GetPageInfo(&info);
    if (FAILED(hr)) {
        page->SetPageSite(nullptr);
        return hr;
    }
    int slot = 0;
    while (std::any_of(s.pages.begin(), s.pages.end(),
                       [slot](const State::Page& p) { return p.slot == slot; }))
        ++slot;
    const int width = std::max(info.width, 1), height = std::max(info.height, 1);
    const HWND frame =
        CreateWindowExA(0, "STATIC", info.title, WS_VISIBLE, kFrameGap + slot * (width + kFrameGap),
                        kFrameGap, width, height, nullptr, nullptr, &gFrameInstance, nullptr);
    if (!frame) {
        page->SetPageSite(nullptr);
        return E_FAIL;
    }
    const RECT rect{0, 0, width, height};
    hr = page->Activate(frame, &rect, FALSE);
    if (FAILED(hr)) {
        page->SetPageSite(nullptr);
        DestroyWindow(frame);
        return hr;
    }
    s.pages.push_back(State::Page{ComPtr<IPropertyPage>(page), frame, slot});
    if (index) *index = s.pages.size() - 1;
    if (show) page->Show(SW_SHOW);
    return S_OK;
}

size_t DsPageHost::pageCount() const { return state_->pages.size(); }

IPropertyPage* DsPageHost::page(size_t index) const {
    return index < state_->pages.size() ? state_->pages[index].page.get() : nullptr;
}

HWND DsPageHost::frame(size_t index) const {
    return index < state_->pages.size() ? state_->pages[index].frame : nullptr;
}

HWND DsPageHost::dialog(size_t index) const { return GetWindow(frame(index), GW_CHILD); }

HRESULT DsPageHost::showPage(size_t index, int command) {
    IPropertyPage* p = page(index);
    return p ? p->Show(UINT(command)) : E_INVALIDARG;
}

void DsPageHost::closePage(size_t index) {
    State& s = *state_;
    if (index >= s.pages.size()) return;
    State::Page entry = std::move(s.pages[index]);
    s.pages.erase(s.pages.begin() + std::ptrdiff_t(index));
    entry.page->Deactivate();
    entry.page->SetPageSite(nullptr);
    entry.page.reset();
    DestroyWindow(entry.frame);
}

void DsPageHost::closeAll() {
    while (!state_->pages.empty()) closePage(state_->pages.size() - 1);
}

void DsPageHost::setTime(double time) {
    State& s = *state_;
    if (!std::isfinite(time)) return;
    s.time = time;
    std::vector<ComPtr<IDSTransportNotifySink>> sinks;
    for (const State::Page& p : s.pages) {
        ComPtr<IDSTransportNotifySink> sink;
        if (SUCCEEDED(p.page.as(IID_IDSTransportNotifySink, sink))) sinks.push_back(sink);
    }
    for (auto& sink : sinks) sink->TimeChanged(time);
}

double DsPageHost::time() const { return state_->time; }

void DsPageHost::setParamStore(DsParamStore* store) { state_->store = store; }

void DsPageHost::propertyChanged(REFGUID id) { state_->broadcast(id, nullptr); }

void DsPageHost::setPullAnswer(PullAnswer answer) { state_->answer = std::move(answer); }

ComPtr<DsImage> DsPageHost::renderFrame(double time) const { return state_->render(time); }

size_t DsPageHost::pendingPulls() const { return state_->pulls.size(); }

size_t DsPageHost::deliverPulls() {
    State& s = *state_;
    s.inFlight = std::move(s.pulls);
    s.pulls.clear();
    size_t delivered = 0;
    while (!s.inFlight.empty()) {
        State::Pull pull = std::move(s.inFlight.front());
        s.inFlight.pop_front();
        if (!pull.sink) continue;
        ++delivered;
        ComPtr<DsImage> frame;
        HRESULT status = E_FAIL;
        if (s.answer) {
            status = s.answer(pull.time, frame);
        } else if ((frame = s.render(pull.time))) {
            status = S_OK;
        }
        if (SUCCEEDED(status) && !frame) status = E_FAIL;
        if (FAILED(status)) {
            pull.sink->Notify(status, nullptr);
            continue;
        }
        ++s.frames;
        pull.sink->Notify(S_OK, static_cast<IDSImage*>(frame.get()));
    }
    return delivered;
}

size_t DsPageHost::framesDelivered() const { return state_->frames; }
