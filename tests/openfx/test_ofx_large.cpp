// Frames past the caches: the plug-in writes its 16-bit output with
// streaming stores (RGBA straight from its conversions, RGB and
// premultiplied through a row buffer), where tiles of the same frame are
// written through the caches.  The bytes must be the same either way.
#include <gtest/gtest.h>

#include "tests/openfx/OfxTestHost.h"
#include "tests/openfx/OfxTestRandom.h"

namespace {

OfxTestHost& host() {
    static OfxTestHost h(FN_OFX_PLUGIN_DIR);
    return h;
}

}  // namespace

TEST(OfxLargeFrame, StreamedOutputAsTiles) {
    // 13 to 18 MB of 16-bit output, past the streaming threshold (8 MB);
    // tiles of 512 x 256 stay below it.
    const OfxRectI bounds{0, 0, 2048, 1100};
    for (const char* components : {kOfxImageComponentRGBA, kOfxImageComponentRGB})
        for (const char* premultiplication : {kOfxImageUnPreMultiplied, kOfxImagePreMultiplied}) {
            SCOPED_TRACE(std::string(components) + " " + premultiplication);
            auto effect = ofxRandomEffect(host(), 11,
                                          {.depth = kOfxBitDepthShort,
                                           .bounds = bounds,
                                           .components = components,
                                           .premultiplication = premultiplication});
            ASSERT_NE(effect, nullptr);
            ASSERT_EQ(effect->render(0, bounds), kOfxStatOK);
            const auto whole = effect->outputFrame();
            ASSERT_EQ(effect->render(0, bounds, {512, 256}), kOfxStatOK);
            EXPECT_TRUE(whole->bytes() == effect->outputFrame()->bytes());
        }
}
