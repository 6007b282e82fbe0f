// Frames past the caches: the plug-in writes its 16-bit output with
// streaming stores (RGBA straight from its conversions, RGB and
// premultiplied through a row buffer), where tiles of the same frame are
// written through the caches.  The bytes must be the same either way.
#include <gtest/gtest.h>

#include <random>

#include "tests/openfx/OfxTestHost.h"
#include "tests/openfx/OfxTestRandom.h"

namespace {

OfxTestHost& host() {
    static OfxTestHost h(FN_OFX_PLUGIN_DIR);
    return h;
}

}  // namespace

TEST(OfxLargeFrame, StreamedOutputAsTiles) {
    // 13 to 18 MB of output, past the streaming threshold (8 MB); tiles of
    // 512 x 256 stay below it.
    const OfxRectI bounds{0, 0, 2048, 1100};
    for (const char* depth : {kOfxBitDepthShort})
        for (const char* components : {kOfxImageComponentRGBA, kOfxImageComponentRGB})
            for (const char* premultiplication :
                 {kOfxImageUnPreMultiplied, kOfxImagePreMultiplied}) {
                SCOPED_TRACE(std::string(depth) + " " + components + " " + premultiplication);
                std::mt19937 rng(11);
                auto effect =
                    host().create("com.quorrel.kestro.ColBalance", kOfxImageEffectContextGeneral);
                ASSERT_NE(effect, nullptr);
                effect->connect("Source", ofxRandomFrame(depth, components, bounds, rng),
                                premultiplication);
                effect->connect("Mask",
                                ofxRandomFrame(depth, kOfxImageComponentAlpha, bounds, rng));
                for (const OfxTestSetting& s : ofxRandomSettings(rng))
                    effect->setValue(s.name, s.value);
                effect->setValue("master_saturation", 40);
                ASSERT_EQ(effect->render(0, bounds), kOfxStatOK);
                const auto whole = effect->outputFrame();
                ASSERT_EQ(effect->render(0, bounds, {512, 256}), kOfxStatOK);
                EXPECT_TRUE(whole->bytes() == effect->outputFrame()->bytes());
            }
}
