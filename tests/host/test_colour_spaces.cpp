#include "host/common/ColourSpaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

const std::string kShipped = FN_SOURCE_DIR "/resources/ocio/config.ocio";

ColourSpaces shipped() {
    ColourSpaces spaces;
    std::string error;
    EXPECT_TRUE(spaces.load(kShipped, error)) << error;
    return spaces;
}

// Grey RGBA pixels over `stops` stops from `low` up, alpha set apart.
std::vector<float> ramp(float low, int stops, int perStop) {
    std::vector<float> px;
    for (int i = 0; i <= stops * perStop; ++i) {
        const float v = low * std::exp2(float(i) / float(perStop));
        px.insert(px.end(), {v, v * 0.5f, v * 1.5f, 0.25f});
    }
    return px;
}

SpaceConversion convert(const ColourSpaces& c, const std::string& from, const std::string& to) {
    SpaceConversion out;
    std::string error;
    EXPECT_TRUE(c.conversion(from, to, out, error)) << error;
    return out;
}

}  // namespace

TEST(ColourSpaces, ShippedConfigHasItsSpacesRolesAndDisplays) {
    const ColourSpaces c = shipped();
    EXPECT_EQ(c.sceneLinear(), "ACEScg");
    EXPECT_EQ(c.resolve("color_timing"), "ACEScct");
    EXPECT_EQ(c.resolve("acescct"), "ACEScct");  // the config matches names without case
    EXPECT_EQ(c.resolve("ACEScc"), "");
    EXPECT_EQ(c.resolve("raw"), "Raw");
    const auto displays = c.displays();
    EXPECT_NE(std::find(displays.begin(), displays.end(), "sRGB"), displays.end());
    EXPECT_NE(std::find(displays.begin(), displays.end(), "Rec.709"), displays.end());
    for (const std::string& d : displays) EXPECT_FALSE(c.views(d).empty()) << d;
}

// Every space converts to and from the scene-linear space, and a display
// and view of every pair shows it.
TEST(ColourSpaces, EverySpaceHasProcessorsBothWaysAndEveryViewShows) {
    const ColourSpaces c = shipped();
    ASSERT_GE(c.spaces().size(), 5u);
    std::string error;
    for (const std::string& s : c.spaces()) {
        SpaceConversion to, from;
        EXPECT_TRUE(c.conversion(c.sceneLinear(), s, to, error)) << s << ": " << error;
        EXPECT_TRUE(c.conversion(s, c.sceneLinear(), from, error)) << s << ": " << error;
    }
    for (const std::string& d : c.displays())
        for (const std::string& v : c.views(d)) {
            SpaceConversion shown;
            EXPECT_TRUE(c.viewConversion({"", d, v, 1.5, 2.2}, shown, error))
                << d << " / " << v << ": " << error;
        }
}

TEST(ColourSpaces, LogWorkingSpaceIsAcesCct) {
    const ColourSpaces c = shipped();
    // Middle grey, the top of the toe and a value on the toe's straight line.
    std::vector<float> px = {0.18f, 0.0078125f, 0.0f, 1.0f};
    convert(c, "ACEScg", "ACEScct").apply(px);
    EXPECT_NEAR(px[0], (std::log2(0.18) + 9.72) / 17.52, 1e-6);
    EXPECT_NEAR(px[1], (-7.0 + 9.72) / 17.52, 1e-6);
    EXPECT_NEAR(px[2], 0.0729055341958355, 1e-6);
    EXPECT_EQ(px[3], 1.0f);
}

// The round trip's bound: each value comes back within 4e-6 of itself
// relative to its size (a few float roundings through the log and its
// inverse), or 1e-8 absolute near and below zero.  Measured: about 1.5e-6.
TEST(ColourSpaces, RoundTripThroughTheWorkingSpaceComesBack) {
    const ColourSpaces c = shipped();
    std::vector<float> px = ramp(1.0f / 4096, 28, 16);  // 2.4e-4 .. 65536
    px.insert(px.end(), {0.0f, -0.002f, -1e-6f, 0.5f, 1e-30f, 0.0f, 65504.0f, 1.0f});
    const std::vector<float> before = px;
    convert(c, "scene_linear", "ACEScct").apply(px);
    EXPECT_NE(px, before);
    convert(c, "ACEScct", "scene_linear").apply(px);
    for (size_t i = 0; i < px.size(); ++i)
        EXPECT_LE(std::abs(px[i] - before[i]), std::max(4e-6 * std::abs(before[i]), 1e-8))
            << "sample " << i << " was " << before[i];
}

// Non-finite values pass as they were, with their pixel; alpha is never
// converted; a large frame (converted in bands) equals the same pixels
// converted a few at a time.
TEST(ColourSpaces, NonFinitePixelsAndAlphaPassAndBandsAgree) {
    const ColourSpaces c = shipped();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const SpaceConversion toSrgb = convert(c, "ACEScg", "sRGB - Texture");  // mixes channels
    std::vector<float> px = {nan,  0.5f,  0.5f, 0.5f, 0.5f, -inf, 0.5f, nan,  inf,  1.0f,
                             2.0f, -3.0f, 0.5f, 0.5f, 0.5f, inf,  0.5f, 0.5f, 0.5f, -7.0f};
    const std::vector<float> before = px;
    toSrgb.apply(px);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(std::memcmp(&px[i], &before[i], 4), 0) << i;
    EXPECT_NEAR(px[16], 0.73f, 0.01f);  // the finite pixel converted (sRGB curve)
    EXPECT_EQ(px[19], -7.0f);           // its alpha as it was

    FrameImage frame;
    frame.reshape(400, 300, PixelDepth::Float);  // above the single-thread size
    std::vector<float> values = ramp(1.0f / 1024, 20, 6000);
    values.resize(frame.f32().size(), 0.75f);
    std::copy(values.begin(), values.end(), frame.f32().begin());
    toSrgb.apply(frame);
    for (size_t at = 0; at < values.size(); at += 4 * 997) {
        std::vector<float> one(values.begin() + long(at), values.begin() + long(at) + 4);
        toSrgb.apply(one);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(frame.f32()[at + size_t(k)], one[size_t(k)]) << at;
    }

    FrameImage eight;  // not float: left alone
    eight.reshape(2, 2, PixelDepth::Eight);
    eight.bytes.assign(eight.bytes.size(), 7);
    toSrgb.apply(eight);
    EXPECT_EQ(eight.bytes, std::vector<uint8_t>(16, 7));
}

TEST(ColourSpaces, ViewerExposureAndGamma) {
    const ColourSpaces c = shipped();
    auto shown = [&](double exposure, double gamma, float v) {
        SpaceConversion s;
        std::string error;
        EXPECT_TRUE(c.viewConversion({"", "sRGB", "Raw", exposure, gamma}, s, error)) << error;
        std::vector<float> px = {v, v, v, 1.0f};
        s.apply(px);
        return px[0];
    };
    // The raw view shows values as they are: one stop doubles them, a
    // gamma of 2 takes their square root after the exposure.
    EXPECT_FLOAT_EQ(shown(0, 1, 0.2f), 0.2f);
    EXPECT_NEAR(shown(1, 1, 0.2f), 0.4f, 1e-6);
    EXPECT_NEAR(shown(-2, 2, 0.64f), 0.4f, 1e-6);
    // A tone-mapped view brings 8.0 below the display's white.
    SpaceConversion aces;
    std::string error;
    ASSERT_TRUE(c.viewConversion({"", "sRGB", "ACES 1.0 - SDR Video", 0, 1}, aces, error));
    std::vector<float> px = {8, 8, 8, 1, 0.18f, 0.18f, 0.18f, 1};
    aces.apply(px);
    EXPECT_LT(px[0], 1.0f);
    EXPECT_GT(px[0], px[4]);
    EXPECT_FALSE(c.viewConversion({"", "sRGB", "Raw", 0, 0}, aces, error));
    EXPECT_FALSE(c.viewConversion({"", "sRGB", "Raw", NAN, 1}, aces, error));
}

TEST(ColourSpaces, BadConfigsAndNamesAreErrors) {
    ColourSpaces c;
    std::string error;
    EXPECT_FALSE(c.load("/nonexistent/config.ocio", error));
    EXPECT_NE(error.find("/nonexistent/config.ocio"), std::string::npos) << error;
    EXPECT_FALSE(c.loaded());
    SpaceConversion s;
    EXPECT_FALSE(c.conversion("ACEScg", "ACEScct", s, error));

    ::setenv("OCIO", kShipped.c_str(), 1);  // $OCIO when no config is named
    EXPECT_TRUE(c.load("", error)) << error;
    ::unsetenv("OCIO");
    EXPECT_EQ(c.file(), kShipped);
    EXPECT_FALSE(c.conversion("ACEScg", "Log Nope", s, error));
    EXPECT_NE(error.find("Log Nope"), std::string::npos);
    EXPECT_NE(error.find("ACEScct"), std::string::npos) << "lists what there is: " << error;
    EXPECT_TRUE(s.isIdentity());
    EXPECT_TRUE(c.conversion("ACEScg", "ACEScg", s, error));
    EXPECT_TRUE(s.isIdentity());
}
