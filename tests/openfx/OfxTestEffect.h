// One instance of a plug-in in the test host: its clips and parameters,
// the frames connected to them, the messages the plug-in sent, an abort
// flag, and the calls a host makes to render.
//
// Typical use (see OfxTestHost for making one):
//     effect->connect("Source", frame);
//     effect->setValue("master_saturation", 20);
//     OfxStatus st = effect->render(0.0, window);       // whole window
//     st = effect->render(0.0, window, {64, 48}, 4);    // tiles on 4 threads
//     const OfxTestFrame& out = *effect->outputFrame();
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ofxhImageEffect.h"
#include "tests/openfx/OfxTestClip.h"
#include "tests/openfx/OfxTestFrame.h"

struct OfxTestMessage {
    std::string type, id, text;
};

// The size of the tiles a render window is cut into; 0 for the whole window.
struct OfxTestTiles {
    int width = 0, height = 0;
};

class OfxTestEffect : public OFX::Host::ImageEffect::Instance {
public:
    OfxTestEffect(OFX::Host::ImageEffect::ImageEffectPlugin* plugin,
                  OFX::Host::ImageEffect::Descriptor& desc, const std::string& context);

    // Connects a frame to an input clip (null disconnects it); the clip
    // preferences are run again before the next render.
    void connect(const std::string& clip, std::shared_ptr<OfxTestFrame> frame,
                 const std::string& premultiplication = kOfxImageUnPreMultiplied);
    OfxTestClip* clip(const std::string& name) const;
    const std::shared_ptr<OfxTestFrame>& sourceFrame() const;

    // A parameter's value (numbers, booleans as 0/1, choices by index),
    // constant or as a key at `time`; false when there is no such parameter.
    bool setValue(const std::string& name, double value);
    bool setKey(const std::string& name, double time, double value);

    // Renders `window` at `time` into a fresh output frame over the source's
    // region of definition, its bytes first set to `fill` so that what the
    // plug-in did not write shows.  With a tile size, the window is cut into
    // tiles rendered on `threads` threads at once.  A negative `fill`
    // renders into the previous output frame as it is when it fits (as a
    // host reuses its buffers; the benchmark).  Returns the first failure of
    // any render call, or kOfxStatOK.
    OfxStatus render(double time, const OfxRectI& window, OfxTestTiles tiles = {}, int threads = 1,
                     int fill = 0xCD);
    const std::shared_ptr<OfxTestFrame>& outputFrame() const { return output_; }

    // The identity answer at `time` over `window`: kOfxStatOK with the clip
    // and time to copy, kOfxStatReplyDefault when the plug-in must render.
    OfxStatus identity(double time, const OfxRectI& window, std::string& clip, double& clipTime);

    std::vector<OfxTestMessage> messages() const;
    void clearMessages();
    // Set, every abort() the plug-in makes answers yes.
    void setAbort(bool abort) { abort_ = abort; }

    // HostSupport's instance interface.
    OFX::Host::ImageEffect::ClipInstance* newClipInstance(
        OFX::Host::ImageEffect::Instance* plugin, OFX::Host::ImageEffect::ClipDescriptor* desc,
        int index) override;
    OFX::Host::Param::Instance* newParam(const std::string& name,
                                         OFX::Host::Param::Descriptor& desc) override;
    OfxStatus editBegin(const std::string&) override { return kOfxStatOK; }
    OfxStatus editEnd() override { return kOfxStatOK; }
    void paramChangedByPlugin(OFX::Host::Param::Instance*) override {}
    const std::string& getDefaultOutputFielding() const override;
    OfxStatus vmessage(const char* type, const char* id, const char* format, va_list args) override;
    OfxStatus setPersistentMessage(const char* type, const char* id, const char* format,
                                   va_list args) override;
    OfxStatus clearPersistentMessage() override { return kOfxStatOK; }
    int abort() override { return abort_ ? 1 : 0; }
    void getProjectSize(double& x, double& y) const override;
    void getProjectOffset(double& x, double& y) const override;
    void getProjectExtent(double& x, double& y) const override;
    double getProjectPixelAspectRatio() const override { return 1.0; }
    double getEffectDuration() const override { return 100.0; }
    double getFrameRate() const override { return 25.0; }
    double getFrameRecursive() const override { return time_; }
    void getRenderScaleRecursive(double& x, double& y) const override;
    void progressStart(const std::string&, const std::string&) override {}
    void progressEnd() override {}
    bool progressUpdate(double) override { return !abort_; }
    double timeLineGetTime() override { return time_; }
    void timeLineGotoTime(double t) override { time_ = t; }
    void timeLineGetBounds(double& first, double& last) override;

private:
    OfxStatus renderTiles(double time, const std::vector<OfxRectI>& tiles, int threads);

    std::shared_ptr<OfxTestFrame> output_;
    std::atomic<bool> abort_{false};
    double time_ = 0;
    mutable std::mutex messagesLock_;
    std::vector<OfxTestMessage> messages_;
};
