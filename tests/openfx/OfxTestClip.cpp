#include "tests/openfx/OfxTestClip.h"

#include <algorithm>

#include "ofxhImageEffect.h"
#include "tests/openfx/OfxTestEffect.h"

// One fetch: the clip's frame (or part of it) as an OpenFX image.  Counts
// itself among the clip's outstanding images until the plug-in releases it.
class OfxTestClip::Image : public OFX::Host::ImageEffect::Image {
public:
    Image(OfxTestClip& clip, OfxTestFrame& frame, const OfxRectI& bounds)
        : OFX::Host::ImageEffect::Image(clip, 1.0, 1.0, frame.pixel(bounds.x1, bounds.y1), bounds,
                                        frame.bounds(), frame.rowBytes(), kOfxImageFieldNone,
                                        "OfxTestImage"),
          clip_(clip) {
        ++clip_.outstanding_;
    }
    ~Image() override { --clip_.outstanding_; }

private:
    OfxTestClip& clip_;
};

OfxTestClip::OfxTestClip(OfxTestEffect* effect, OFX::Host::ImageEffect::ClipDescriptor& desc)
    : ClipInstance(effect, desc), effect_(effect) {}

void OfxTestClip::setFrame(std::shared_ptr<OfxTestFrame> frame, std::string premultiplication) {
    frame_ = std::move(frame);
    premultiplication_ = std::move(premultiplication);
}

// The output clip asks for what the host works in; clip preferences map it.
const std::string& OfxTestClip::getUnmappedBitDepth() const {
    static const std::string none = kOfxBitDepthNone, floats = kOfxBitDepthFloat;
    if (isOutput()) return floats;
    return frame_ ? frame_->depth() : none;
}

const std::string& OfxTestClip::getUnmappedComponents() const {
    static const std::string none = kOfxImageComponentNone, rgba = kOfxImageComponentRGBA;
    if (isOutput()) return rgba;
    return frame_ ? frame_->components() : none;
}

const std::string& OfxTestClip::getPremult() const {
    if (isOutput()) return effect_->getOutputPreMultiplication();
    static const std::string opaque = kOfxImageOpaque;
    return frame_ ? premultiplication_ : opaque;
}

void OfxTestClip::getFrameRange(double& first, double& last) const {
    first = 0;
    last = effect_->getEffectDuration();
}

void OfxTestClip::getUnmappedFrameRange(double& first, double& last) const {
    getFrameRange(first, last);
}

const std::string& OfxTestClip::getFieldOrder() const {
    static const std::string none = kOfxImageFieldNone;
    return none;
}

bool OfxTestClip::getConnected() const { return isOutput() || frame_ != nullptr; }

OfxRectD OfxTestClip::getRegionOfDefinition(OfxTime) const {
    const std::shared_ptr<OfxTestFrame>& f = isOutput() ? effect_->sourceFrame() : frame_;
    if (!f) return {0, 0, 0, 0};
    const OfxRectI& b = f->bounds();
    return {double(b.x1), double(b.y1), double(b.x2), double(b.y2)};
}

OFX::Host::ImageEffect::Image* OfxTestClip::getImage(OfxTime, const OfxRectD*) {
    if (!frame_ || frame_->empty() || faults_.noImage) return nullptr;
    OfxRectI bounds = frame_->bounds();
    if (faults_.crop) {
        bounds.x1 = std::max(bounds.x1, faults_.crop->x1);
        bounds.y1 = std::max(bounds.y1, faults_.crop->y1);
        bounds.x2 = std::max(bounds.x1, std::min(bounds.x2, faults_.crop->x2));
        bounds.y2 = std::max(bounds.y1, std::min(bounds.y2, faults_.crop->y2));
        if (bounds.x1 >= bounds.x2 || bounds.y1 >= bounds.y2) return nullptr;
    }
    auto* image = new Image(*this, *frame_, bounds);
    if (faults_.depth) image->setStringProperty(kOfxImageEffectPropPixelDepth, *faults_.depth);
    if (faults_.components)
        image->setStringProperty(kOfxImageEffectPropComponents, *faults_.components);
    return image;
}
