// Random frames and settings for the plug-in's render tests, and the
// premultiplication rule a compositor's images follow, written out on the
// frames (colour over alpha, nearest level, alpha 0 black).
#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/openfx/OfxTestEffect.h"
#include "tests/openfx/OfxTestFrame.h"
#include "tests/openfx/OfxTestHost.h"

// The plug-in's identifier, as hosts name it.
inline constexpr const char* kOfxTestPluginId = "com.quorrel.kestro.ColBalance";

struct OfxTestSetting {
    std::string name;  // the OpenFX parameter name (master_hue)
    double value;
};

// A value for every parameter a frame reads, within its range; Render Tone
// off three times in four, channel switches mostly on.
std::vector<OfxTestSetting> ofxRandomSettings(std::mt19937& rng);

// Random pixels: byte and short over their whole range, float over
// -0.25 .. 1.5 (alpha 0 .. 1); alpha 0 at about one pixel in six.
std::shared_ptr<OfxTestFrame> ofxRandomFrame(
    const std::string& depth, const std::string& components, OfxRectI bounds, std::mt19937& rng,
    OfxTestFrame::Rows rows = OfxTestFrame::Rows::BottomUp);

// The frame's colour divided by (multiplied by) its alpha.
OfxTestFrame ofxUnpremultiplied(const OfxTestFrame& f);
OfxTestFrame ofxPremultiplied(const OfxTestFrame& f);

// The frames and settings of one random render in the General context.
struct OfxRandomEffectSpec {
    const char* depth;
    OfxRectI bounds;
    const char* components = kOfxImageComponentRGBA;
    const char* premultiplication = kOfxImageUnPreMultiplied;
    OfxTestFrame::Rows rows = OfxTestFrame::Rows::BottomUp;
};

// An instance with random source and mask frames and random settings from
// `seed` (never the identity), or null when the host cannot create one.
std::unique_ptr<OfxTestEffect> ofxRandomEffect(OfxTestHost& host, unsigned seed,
                                               const OfxRandomEffectSpec& spec);
