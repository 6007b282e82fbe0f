#include "tests/openfx/OfxTestEffect.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <thread>

#include "tests/openfx/OfxTestParams.h"

OfxTestEffect::OfxTestEffect(OFX::Host::ImageEffect::ImageEffectPlugin* plugin,
                             OFX::Host::ImageEffect::Descriptor& desc, const std::string& context)
    : Instance(plugin, desc, context, false) {}

OFX::Host::ImageEffect::ClipInstance* OfxTestEffect::newClipInstance(
    OFX::Host::ImageEffect::Instance*, OFX::Host::ImageEffect::ClipDescriptor* desc, int) {
    return new OfxTestClip(this, *desc);
}

OFX::Host::Param::Instance* OfxTestEffect::newParam(const std::string&,
                                                    OFX::Host::Param::Descriptor& desc) {
    return fnOfxTestNewParam(desc, this);
}

OfxTestClip* OfxTestEffect::clip(const std::string& name) const {
    return dynamic_cast<OfxTestClip*>(getClip(name));
}

const std::shared_ptr<OfxTestFrame>& OfxTestEffect::sourceFrame() const {
    static const std::shared_ptr<OfxTestFrame> none;
    const OfxTestClip* source = clip(kOfxImageEffectSimpleSourceClipName);
    return source ? source->frame() : none;
}

void OfxTestEffect::connect(const std::string& name, std::shared_ptr<OfxTestFrame> frame,
                            const std::string& premultiplication) {
    OfxTestClip* c = clip(name);
    if (!c || c->isOutput()) return;
    c->setFrame(std::move(frame), premultiplication);
    const OfxPointD scale{1, 1};
    beginInstanceChangedAction(kOfxChangeUserEdited);
    clipInstanceChangedAction(name, kOfxChangeUserEdited, time_, scale);
    endInstanceChangedAction(kOfxChangeUserEdited);
}

bool OfxTestEffect::setValue(const std::string& name, double value) {
    OFX::Host::Param::Instance* p = getParam(name);
    if (auto* d = dynamic_cast<OfxTestDouble*>(p)) return d->set(value) == kOfxStatOK;
    if (auto* i = dynamic_cast<OfxTestInteger*>(p)) return i->set(int(value)) == kOfxStatOK;
    if (auto* b = dynamic_cast<OfxTestBoolean*>(p)) return b->set(value != 0) == kOfxStatOK;
    if (auto* c = dynamic_cast<OfxTestChoice*>(p)) return c->set(int(value)) == kOfxStatOK;
    return false;
}

bool OfxTestEffect::setKey(const std::string& name, double time, double value) {
    OFX::Host::Param::Instance* p = getParam(name);
    if (auto* d = dynamic_cast<OfxTestDouble*>(p)) return d->set(time, value) == kOfxStatOK;
    if (auto* i = dynamic_cast<OfxTestInteger*>(p)) return i->set(time, int(value)) == kOfxStatOK;
    if (auto* b = dynamic_cast<OfxTestBoolean*>(p)) return b->set(time, value != 0) == kOfxStatOK;
    if (auto* c = dynamic_cast<OfxTestChoice*>(p)) return c->set(time, int(value)) == kOfxStatOK;
    return false;
}

OfxStatus OfxTestEffect::render(double time, const OfxRectI& window, OfxTestTiles tiles,
                                int threads, int fill) {
    if (areClipPrefsDirty() && !getClipPreferences()) return kOfxStatFailed;
    const OfxPointD scale{1, 1};
    OfxRectD rod{};
    if (const OfxStatus st = getRegionOfDefinitionAction(time, scale, rod);
        st != kOfxStatOK && st != kOfxStatReplyDefault)
        return st;

    OfxTestClip* out = clip(kOfxImageEffectOutputClipName);
    const OfxRectI bounds{int(rod.x1), int(rod.y1), int(rod.x2), int(rod.y2)};
    const bool reuse = fill < 0 && output_ && output_->depth() == out->getPixelDepth() &&
                       output_->components() == out->getComponents() &&
                       std::memcmp(&output_->bounds(), &bounds, sizeof bounds) == 0;
    if (!reuse) {
        output_ =
            std::make_shared<OfxTestFrame>(out->getPixelDepth(), out->getComponents(), bounds);
        output_->fill(uint8_t(fill < 0 ? 0 : fill));
    }
    out->setFrame(output_, getOutputPreMultiplication());

    std::vector<OfxRectI> cut;
    const int tw = tiles.width > 0 ? tiles.width : window.x2 - window.x1;
    const int th = tiles.height > 0 ? tiles.height : window.y2 - window.y1;
    for (int y = window.y1; y < window.y2; y += th)
        for (int x = window.x1; x < window.x2; x += tw)
            cut.push_back({x, y, std::min(x + tw, window.x2), std::min(y + th, window.y2)});

    OfxStatus st = beginRenderAction(time, time, 1, false, scale, true, false);
    if (st != kOfxStatOK && st != kOfxStatReplyDefault) return st;
    st = renderTiles(time, cut, threads);
    const OfxStatus end = endRenderAction(time, time, 1, false, scale, true, false);
    if (st == kOfxStatOK && end != kOfxStatOK && end != kOfxStatReplyDefault) st = end;
    return st;
}

OfxStatus OfxTestEffect::renderTiles(double time, const std::vector<OfxRectI>& tiles, int threads) {
    std::atomic<size_t> next{0};
    std::atomic<OfxStatus> failure{kOfxStatOK};
    const auto worker = [&] {
        for (size_t i = next++; i < tiles.size(); i = next++) {
            const OfxStatus st =
                renderAction(time, kOfxImageFieldNone, tiles[i], {1, 1}, true, false, false);
            OfxStatus ok = kOfxStatOK;
            if (st != kOfxStatOK) failure.compare_exchange_strong(ok, st);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    return failure.load();
}

OfxStatus OfxTestEffect::identity(double time, const OfxRectI& window, std::string& clipName,
                                  double& clipTime) {
    if (areClipPrefsDirty() && !getClipPreferences()) return kOfxStatFailed;
    clipTime = time;
    return isIdentityAction(clipTime, kOfxImageFieldNone, window, {1, 1}, clipName);
}

const std::string& OfxTestEffect::getDefaultOutputFielding() const {
    static const std::string none = kOfxImageFieldNone;
    return none;
}

OfxStatus OfxTestEffect::vmessage(const char* type, const char* id, const char* format,
                                  va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format ? format : "", copy);
    va_end(copy);
    std::string text(n > 0 ? size_t(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    std::lock_guard<std::mutex> g(messagesLock_);
    messages_.push_back({type ? type : "", id ? id : "", text});
    return kOfxStatOK;
}

OfxStatus OfxTestEffect::setPersistentMessage(const char* type, const char* id, const char* format,
                                              va_list args) {
    return vmessage(type, id, format, args);
}

std::vector<OfxTestMessage> OfxTestEffect::messages() const {
    std::lock_guard<std::mutex> g(messagesLock_);
    return messages_;
}

void OfxTestEffect::clearMessages() {
    std::lock_guard<std::mutex> g(messagesLock_);
    messages_.clear();
}

void OfxTestEffect::getProjectSize(double& x, double& y) const { getProjectExtent(x, y); }

void OfxTestEffect::getProjectOffset(double& x, double& y) const { x = y = 0; }

// The project is the source frame, or HD without one.
void OfxTestEffect::getProjectExtent(double& x, double& y) const {
    const std::shared_ptr<OfxTestFrame>& f = sourceFrame();
    x = f ? f->bounds().x2 : 1920;
    y = f ? f->bounds().y2 : 1080;
}

void OfxTestEffect::getRenderScaleRecursive(double& x, double& y) const { x = y = 1; }

void OfxTestEffect::timeLineGetBounds(double& first, double& last) {
    first = 0;
    last = getEffectDuration();
}
