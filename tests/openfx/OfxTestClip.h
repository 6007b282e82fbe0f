// A clip of the test host: the frame connected to it (none for an
// unconnected optional clip; the host's output frame for the output clip),
// handed to the plug-in as a fresh image per fetch that points into the
// frame's pixels, so that renders on several threads fetch at once.
//
// A test can make a fetch go wrong the ways hosts do: no image, an image
// whose depth or components differ from what the clip says, or one whose
// bounds are cut down to a smaller rectangle.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

// ofxhClip.h needs what ofxhImageEffect.h includes before it.
#include "ofxhImageEffect.h"
#include "tests/openfx/OfxTestFrame.h"

class OfxTestEffect;

struct OfxTestFetchFaults {
    bool noImage = false;
    std::optional<std::string> depth, components;  // what the image claims
    std::optional<OfxRectI> crop;                  // bounds cut to this
};

class OfxTestClip : public OFX::Host::ImageEffect::ClipInstance {
public:
    OfxTestClip(OfxTestEffect* effect, OFX::Host::ImageEffect::ClipDescriptor& desc);

    // The frame fetches read or write; null disconnects an input.
    void setFrame(std::shared_ptr<OfxTestFrame> frame, std::string premultiplication);
    const std::shared_ptr<OfxTestFrame>& frame() const { return frame_; }
    void setFaults(const OfxTestFetchFaults& f) { faults_ = f; }
    // Images fetched and not yet released.
    int outstandingImages() const { return outstanding_.load(); }

    const std::string& getUnmappedBitDepth() const override;
    const std::string& getUnmappedComponents() const override;
    const std::string& getPremult() const override;
    double getAspectRatio() const override { return 1.0; }
    double getFrameRate() const override { return 25.0; }
    void getFrameRange(double& first, double& last) const override;
    const std::string& getFieldOrder() const override;
    bool getConnected() const override;
    double getUnmappedFrameRate() const override { return 25.0; }
    void getUnmappedFrameRange(double& first, double& last) const override;
    bool getContinuousSamples() const override { return false; }
    OFX::Host::ImageEffect::Image* getImage(OfxTime time, const OfxRectD* bounds) override;
    OfxRectD getRegionOfDefinition(OfxTime time) const override;

private:
    class Image;

    OfxTestEffect* effect_;
    std::shared_ptr<OfxTestFrame> frame_;
    std::string premultiplication_;
    OfxTestFetchFaults faults_;
    std::atomic<int> outstanding_{0};
};
