// The plug-in bundle as a host sees it, loaded from the build tree by the
// test host: what it says about itself (checked against the parameter and
// string tables), the answers of its instance actions, and renders on
// several threads, in tiles, aborted and with bad images (the pixels
// against colbalance's are test_ofx_render's).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "effect/ColBalanceParams.h"
#include "resources/FnStrings.h"
#include "tests/openfx/OfxTestHost.h"
#include "tests/openfx/OfxTestRandom.h"

namespace {

constexpr const char* kId = kOfxTestPluginId;
namespace P = ColBalanceParam;
using OFX::Host::Property::Set;

OfxTestHost& host() {
    static OfxTestHost h(FN_OFX_PLUGIN_DIR);
    return h;
}

std::vector<std::string> strings(const Set& props, const char* name) {
    std::vector<std::string> out;
    for (int i = 0; i < props.getDimension(name); ++i)
        out.push_back(props.getStringProperty(name, i));
    return out;
}

// The command line's alias, with '_' for '-'.
std::string ofxName(const ColBalanceParamSpec& p) { return fnParamAlias(p, '_'); }

std::shared_ptr<OfxTestFrame> frame(const char* depth, const char* components, OfxRectI bounds) {
    return std::make_shared<OfxTestFrame>(depth, components, bounds);
}

const char* const kContexts[] = {kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral};

}  // namespace

TEST(OfxPlugin, DescribesOneEffectOfTheKestroFamily) {
    OFX::Host::ImageEffect::ImageEffectPlugin* plugin = host().plugin(kId);
    ASSERT_NE(plugin, nullptr) << "no bundle in " << FN_OFX_PLUGIN_DIR;
    EXPECT_EQ(plugin->getVersionMajor(), 1);
    EXPECT_EQ(plugin->getVersionMinor(), 0);
    const Set& props = plugin->getDescriptor().getProps();
    EXPECT_EQ(props.getStringProperty(kOfxPropLabel), "K_ColBalance");
    EXPECT_EQ(props.getStringProperty(kOfxImageEffectPluginPropGrouping), "Kestro");
    std::string description = fnLoadString(1100);
    description.pop_back();  // the help page's closing line break
    EXPECT_EQ(props.getStringProperty(kOfxPropPluginDescription), description);

    EXPECT_EQ(
        strings(props, kOfxImageEffectPropSupportedContexts),
        (std::vector<std::string>{kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral}));
    EXPECT_EQ(strings(props, kOfxImageEffectPropSupportedPixelDepths),
              (std::vector<std::string>{kOfxBitDepthByte, kOfxBitDepthShort, kOfxBitDepthFloat}));
    EXPECT_EQ(props.getStringProperty(kOfxImageEffectPluginRenderThreadSafety),
              kOfxImageEffectRenderFullySafe);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPluginPropHostFrameThreading), 0);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPropSupportsTiles), 1);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPropSupportsMultiResolution), 1);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPropTemporalClipAccess), 0);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPluginPropFieldRenderTwiceAlways), 0);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPropSupportsMultipleClipDepths), 0);
    EXPECT_EQ(props.getIntProperty(kOfxImageEffectPluginPropSingleInstance), 0);

    EXPECT_EQ(host().describe(kId, kOfxImageEffectContextGenerator), nullptr);
}

TEST(OfxPlugin, EachContextDefinesItsClips) {
    for (const char* context : kContexts) {
        SCOPED_TRACE(context);
        OFX::Host::ImageEffect::Descriptor* desc = host().describe(kId, context);
        ASSERT_NE(desc, nullptr);
        const bool general = std::string(context) == kOfxImageEffectContextGeneral;
        std::vector<std::string> names;
        for (const auto* clip : desc->getClipsByOrder()) names.push_back(clip->getName());
        const std::vector<std::string> expected =
            general ? std::vector<std::string>{"Source", "Mask", "Output"}
                    : std::vector<std::string>{"Source", "Output"};
        EXPECT_EQ(names, expected);

        const std::vector<std::string> colour{kOfxImageComponentRGBA, kOfxImageComponentRGB};
        for (const auto& [name, clip] : desc->getClips()) {
            SCOPED_TRACE(name);
            const bool mask = name == "Mask";
            EXPECT_EQ(clip->getSupportedComponents(),
                      mask ? std::vector<std::string>{kOfxImageComponentAlpha} : colour);
            EXPECT_EQ(clip->isOptional(), mask);
            EXPECT_EQ(clip->isMask(), mask);
            EXPECT_TRUE(clip->supportsTiles());
            if (name != "Output") {
                EXPECT_EQ(clip->getFieldExtraction(), kOfxImageFieldBoth);
            }
        }
    }
}

TEST(OfxPlugin, ParametersFollowTheTable) {
    // The pages' grouping; rows in no group stand at the top level.
    const std::map<std::string, std::pair<std::string, std::set<const ColBalanceParamSpec*>>>
        groups = {
            {"overall_group",
             {"Overall",
              {&P::MasterHue, &P::MasterSaturation, &P::MasterLuminance, &P::PreserveLuminance}}},
            {"lowlights_group",
             {"Lowlights", {&P::LowlightHue, &P::LowlightSaturation, &P::LowlightLuminance}}},
            {"midtones_group",
             {"Midtones", {&P::MidtonesHue, &P::MidtonesSaturation, &P::MidtonesLuminance}}},
            {"highlights_group",
             {"Highlights", {&P::HighlightHue, &P::HighlightSaturation, &P::HighlightLuminance}}},
            {"tone_curves_group",
             {"Tone Curves",
              {&P::Lowlights, &P::Highlights, &P::LowlightsEase, &P::HighlightsEase,
               &P::RenderTone}}},
        };
    const std::set<const ColBalanceParamSpec*> angles = {&P::MasterHue, &P::LowlightHue,
                                                         &P::MidtonesHue, &P::HighlightHue};
    const std::set<const ColBalanceParamSpec*> pageOnly = {&P::Which, &P::HideOverlayControls};

    for (const char* context : kContexts) {
        SCOPED_TRACE(context);
        OFX::Host::ImageEffect::Descriptor* desc = host().describe(kId, context);
        ASSERT_NE(desc, nullptr);
        const auto& params = desc->getParams();
        EXPECT_EQ(params.size(), kColBalanceParams.size() - pageOnly.size() + groups.size());

        for (const auto& [name, group] : groups) {
            ASSERT_TRUE(params.count(name)) << name;
            EXPECT_EQ(params.at(name)->getType(), kOfxParamTypeGroup);
            EXPECT_EQ(params.at(name)->getLabel(), group.first);
        }
        for (const ColBalanceParamSpec* p : kColBalanceParams) {
            const std::string name = ofxName(*p);
            SCOPED_TRACE(name);
            if (pageOnly.count(p)) {
                EXPECT_EQ(params.count(name), 0u);
                continue;
            }
            ASSERT_EQ(params.count(name), 1u);
            const OFX::Host::Param::Descriptor& d = *params.at(name);
            const Set& props = d.getProperties();
            EXPECT_EQ(d.getLabel(), fnLoadString(p->nameId));
            EXPECT_EQ(d.getHint(), fnLoadString(p->descriptionId));
            EXPECT_EQ(d.getCanAnimate(), p->animated());
            std::string parent;
            for (const auto& [groupName, group] : groups)
                if (group.second.count(p)) parent = groupName;
            EXPECT_EQ(d.getParentName(), parent);

            if (p->type == VT_R8) {
                EXPECT_EQ(d.getType(), kOfxParamTypeDouble);
                EXPECT_EQ(props.getDoubleProperty(kOfxParamPropDefault), p->defaultValue);
                EXPECT_EQ(d.getDoubleType(),
                          angles.count(p) ? kOfxParamDoubleTypeAngle : kOfxParamDoubleTypePlain);
                ASSERT_TRUE(p->hasRange);
                for (const char* lo : {kOfxParamPropMin, kOfxParamPropDisplayMin})
                    EXPECT_EQ(props.getDoubleProperty(lo), p->pageMin) << lo;
                for (const char* hi : {kOfxParamPropMax, kOfxParamPropDisplayMax})
                    EXPECT_EQ(props.getDoubleProperty(hi), p->pageMax) << hi;
            } else if (p->listCount > 0) {
                EXPECT_EQ(d.getType(), kOfxParamTypeChoice);
                EXPECT_EQ(props.getIntProperty(kOfxParamPropDefault), int(p->defaultValue));
                std::vector<std::string> options;
                for (uint32_t i = 0; i < p->listCount; ++i)
                    options.push_back(fnLoadString(p->listItems[i]));
                EXPECT_EQ(strings(props, kOfxParamPropChoiceOption), options);
            } else {
                EXPECT_EQ(d.getType(), kOfxParamTypeBoolean);
                EXPECT_EQ(props.getIntProperty(kOfxParamPropDefault), p->defaultValue != 0 ? 1 : 0);
            }
        }
    }
}

TEST(OfxInstance, IsIdentityExactlyWhenNothingShifts) {
    struct Case {
        const char* name;
        double value;
        bool identity;
    };
    const Case cases[] = {
        {"", 0, true},  // defaults
        {"master_hue", 30, true},
        {"highlight_hue", -90, true},
        {"lowlights", 40, true},
        {"highlights_ease", 5, true},
        {"preserve_luminance", 0, true},
        {"mask_green_channel", 0, true},
        {"midtones_saturation", -5, true},  // counts as 0
        {"master_saturation", 10, false},
        {"lowlight_saturation", 0.001, false},
        {"highlight_luminance", -3, false},
        {"master_luminance", 1, false},
        {"render_tone", 2, false},
    };
    for (const char* context : kContexts) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(context) + " " + c.name);
            auto effect = host().create(kId, context);
            ASSERT_NE(effect, nullptr);
            effect->connect("Source",
                            frame(kOfxBitDepthByte, kOfxImageComponentRGBA, {0, 0, 8, 6}));
            if (*c.name) {
                ASSERT_TRUE(effect->setValue(c.name, c.value));
            }
            std::string clip;
            double time = 0;
            const OfxStatus st = effect->identity(4, {0, 0, 8, 6}, clip, time);
            if (c.identity) {
                EXPECT_EQ(st, kOfxStatOK);
                EXPECT_EQ(clip, "Source");
                EXPECT_EQ(time, 4);
            } else {
                EXPECT_EQ(st, kOfxStatReplyDefault);
            }
            EXPECT_TRUE(effect->messages().empty());
        }
    }
}

TEST(OfxInstance, ReadsAnimatedValuesAtTheTimeAsked) {
    auto effect = host().create(kId, kOfxImageEffectContextFilter);
    ASSERT_NE(effect, nullptr);
    effect->connect("Source", frame(kOfxBitDepthFloat, kOfxImageComponentRGBA, {0, 0, 4, 4}));
    ASSERT_TRUE(effect->setKey("midtones_luminance", 0, 0));
    ASSERT_TRUE(effect->setKey("midtones_luminance", 10, 0));
    ASSERT_TRUE(effect->setKey("midtones_luminance", 20, 30));
    ASSERT_TRUE(effect->setKey("render_tone", 0, 0));
    ASSERT_TRUE(effect->setKey("render_tone", 30, 1));
    std::string clip;
    double time = 0;
    EXPECT_EQ(effect->identity(5, {0, 0, 4, 4}, clip, time), kOfxStatOK);
    EXPECT_EQ(effect->identity(15, {0, 0, 4, 4}, clip, time), kOfxStatReplyDefault);
    ASSERT_TRUE(effect->setValue("midtones_luminance", 0));
    EXPECT_EQ(effect->identity(29, {0, 0, 4, 4}, clip, time), kOfxStatOK);
    EXPECT_EQ(effect->identity(30, {0, 0, 4, 4}, clip, time), kOfxStatReplyDefault);
}

TEST(OfxInstance, RegionsAreTheSourcesAndPointwise) {
    auto effect = host().create(kId, kOfxImageEffectContextGeneral);
    ASSERT_NE(effect, nullptr);
    effect->connect("Source", frame(kOfxBitDepthShort, kOfxImageComponentRGBA, {0, 0, 40, 30}));
    effect->connect("Mask", frame(kOfxBitDepthShort, kOfxImageComponentAlpha, {0, 0, 20, 10}));
    ASSERT_TRUE(effect->getClipPreferences());

    OfxRectD rod{};
    ASSERT_EQ(effect->getRegionOfDefinitionAction(0, {1, 1}, rod), kOfxStatOK);
    EXPECT_EQ(std::vector<double>({rod.x1, rod.y1, rod.x2, rod.y2}),
              std::vector<double>({0, 0, 40, 30}));

    const OfxRectD roi{5, 6, 17, 19};
    std::map<OFX::Host::ImageEffect::ClipInstance*, OfxRectD> rois;
    ASSERT_EQ(effect->getRegionOfInterestAction(0, {1, 1}, roi, rois), kOfxStatOK);
    ASSERT_EQ(rois.size(), 2u);
    for (const auto& [clip, r] : rois) {
        SCOPED_TRACE(clip->getName());
        EXPECT_EQ(std::vector<double>({r.x1, r.y1, r.x2, r.y2}),
                  std::vector<double>({5, 6, 17, 19}));
    }
}

TEST(OfxInstance, OutputTakesTheSourcesComponentsAndPremultiplication) {
    for (const char* components : {kOfxImageComponentRGB, kOfxImageComponentRGBA}) {
        SCOPED_TRACE(components);
        auto effect = host().create(kId, kOfxImageEffectContextGeneral);
        ASSERT_NE(effect, nullptr);
        effect->connect("Source", frame(kOfxBitDepthShort, components, {0, 0, 8, 8}),
                        kOfxImagePreMultiplied);
        effect->connect("Mask", frame(kOfxBitDepthShort, kOfxImageComponentAlpha, {0, 0, 8, 8}),
                        kOfxImageOpaque);
        ASSERT_TRUE(effect->getClipPreferences());
        const OfxTestClip* output = effect->clip("Output");
        EXPECT_EQ(output->getComponents(), components);
        EXPECT_EQ(output->getPixelDepth(), kOfxBitDepthShort);
        EXPECT_EQ(effect->getOutputPreMultiplication(), kOfxImagePreMultiplied);
        EXPECT_EQ(effect->clip("Mask")->getComponents(), kOfxImageComponentAlpha);
        EXPECT_EQ(effect->clip("Mask")->getPixelDepth(), kOfxBitDepthShort);
    }
}

namespace {

// What a render wrote over `w`, byte for byte.
std::vector<unsigned char> bytesIn(const OfxTestFrame& f, const OfxRectI& w) {
    std::vector<unsigned char> out;
    for (int y = w.y1; y < w.y2; ++y) {
        const auto* p = static_cast<const unsigned char*>(f.pixel(w.x1, y));
        out.insert(out.end(), p, p + (w.x2 - w.x1) * f.bytesPerPixel());
    }
    return out;
}

// An RGBA source and a mask of random pixels under random settings; the same
// seed makes the same effect.
std::unique_ptr<OfxTestEffect> randomEffect(
    unsigned seed, const char* depth, OfxRectI bounds,
    OfxTestFrame::Rows rows = OfxTestFrame::Rows::BottomUp) {
    return ofxRandomEffect(host(), seed, {.depth = depth, .bounds = bounds, .rows = rows});
}

// Every byte still the test host's fill.
bool untouched(const OfxTestFrame& f) {
    return std::all_of(f.bytes().begin(), f.bytes().end(),
                       [](unsigned char b) { return b == 0xCD; });
}

const char* const kDepths[] = {kOfxBitDepthByte, kOfxBitDepthShort, kOfxBitDepthFloat};

}  // namespace

// Two instances at once, each cut into tiles rendered on four threads, give
// what each gives alone in one piece.
TEST(OfxInstance, ConcurrentAndTiledRendersEqualOneWholeRender) {
    const OfxRectI bounds{0, 0, 61, 37};
    for (const char* depth : kDepths) {
        SCOPED_TRACE(depth);
        auto a = randomEffect(7, depth, bounds);
        auto b = randomEffect(8, depth, bounds);
        ASSERT_TRUE(a && b);
        ASSERT_EQ(a->render(0, bounds), kOfxStatOK);
        ASSERT_EQ(b->render(0, bounds), kOfxStatOK);
        const auto wantA = bytesIn(*a->outputFrame(), bounds);
        const auto wantB = bytesIn(*b->outputFrame(), bounds);
        OfxStatus stA = kOfxStatFailed, stB = kOfxStatFailed;
        std::thread other([&] { stB = b->render(0, bounds, {13, 9}, 4); });
        stA = a->render(0, bounds, {11, 7}, 4);
        other.join();
        ASSERT_EQ(stA, kOfxStatOK);
        ASSERT_EQ(stB, kOfxStatOK);
        EXPECT_EQ(bytesIn(*a->outputFrame(), bounds), wantA);
        EXPECT_EQ(bytesIn(*b->outputFrame(), bounds), wantB);
    }
}

// Images whose rows lie top row first (negative row bytes), and RGB images,
// render the same colours as bottom-up RGBA ones.
TEST(OfxInstance, RowOrderAndComponentsChangeNoColour) {
    const OfxRectI bounds{-5, 3, 20, 17};
    for (const char* depth : kDepths) {
        SCOPED_TRACE(depth);
        auto up = randomEffect(11, depth, bounds);
        auto down = randomEffect(11, depth, bounds, OfxTestFrame::Rows::TopDown);
        ASSERT_TRUE(up && down);
        ASSERT_EQ(up->render(0, bounds), kOfxStatOK);
        ASSERT_EQ(down->render(0, bounds, {6, 5}, 2), kOfxStatOK);
        const OfxTestFrame& a = *up->outputFrame();
        const OfxTestFrame& b = *down->outputFrame();
        int wrong = 0;
        for (int y = bounds.y1; y < bounds.y2; ++y)
            for (int x = bounds.x1; x < bounds.x2; ++x)
                if (std::memcmp(a.pixel(x, y), b.pixel(x, y), size_t(a.bytesPerPixel())) != 0)
                    ++wrong;
        EXPECT_EQ(wrong, 0);

        // RGB: the RGBA source's colours with full alpha.
        auto opaque = std::make_shared<OfxTestFrame>(*up->sourceFrame());
        auto rgb = std::make_shared<OfxTestFrame>(depth, kOfxImageComponentRGB, bounds);
        const double full = std::string(depth) == kOfxBitDepthFloat   ? 1.0
                            : std::string(depth) == kOfxBitDepthShort ? 65535
                                                                      : 255;
        for (int y = bounds.y1; y < bounds.y2; ++y)
            for (int x = bounds.x1; x < bounds.x2; ++x) {
                opaque->setChannel(x, y, 3, full);
                for (int c = 0; c < 3; ++c) rgb->setChannel(x, y, c, opaque->channel(x, y, c));
            }
        up->connect("Source", opaque);
        ASSERT_EQ(up->render(0, bounds), kOfxStatOK);
        const OfxTestFrame want = *up->outputFrame();
        up->connect("Source", rgb);
        ASSERT_EQ(up->render(0, bounds, {7, 4}, 3), kOfxStatOK);
        ASSERT_EQ(up->outputFrame()->components(), kOfxImageComponentRGB);
        wrong = 0;
        for (int y = bounds.y1; y < bounds.y2; ++y)
            for (int x = bounds.x1; x < bounds.x2; ++x)
                for (int c = 0; c < 3; ++c)
                    if (up->outputFrame()->channel(x, y, c) != want.channel(x, y, c)) ++wrong;
        EXPECT_EQ(wrong, 0);
    }
}

// A source and a mask that cover only part of the window read as
// transparent black and as no mask where they have no pixels: the same
// output as full frames holding zeros there.  Wide enough that the rows go
// through several pieces per band.
TEST(OfxInstance, ImagesSmallerThanTheWindowReadAsZeroOutside) {
    const OfxRectI bounds{0, 0, 4099, 9};
    const OfxRectI sourceCrop{5, 2, 4000, 7}, maskCrop{0, 1, 2100, 9};
    const auto zeroOutside = [](OfxTestFrame& f, const OfxRectI& keep) {
        const OfxRectI& b = f.bounds();
        for (int y = b.y1; y < b.y2; ++y)
            for (int x = b.x1; x < b.x2; ++x)
                if (x < keep.x1 || x >= keep.x2 || y < keep.y1 || y >= keep.y2)
                    for (int c = 0; c < f.channels(); ++c) f.setChannel(x, y, c, 0);
    };
    for (const char* depth : kDepths)
        for (const char* premultiplication : {kOfxImageUnPreMultiplied, kOfxImagePreMultiplied}) {
            SCOPED_TRACE(std::string(depth) + " " + premultiplication);
            auto cropped = randomEffect(5, depth, bounds);
            auto zeroed = randomEffect(5, depth, bounds);
            ASSERT_TRUE(cropped && zeroed);
            cropped->connect("Source", cropped->sourceFrame(), premultiplication);
            OfxTestFetchFaults sourceFaults, maskFaults;
            sourceFaults.crop = sourceCrop;
            maskFaults.crop = maskCrop;
            cropped->clip("Source")->setFaults(sourceFaults);
            cropped->clip("Mask")->setFaults(maskFaults);
            zeroOutside(*zeroed->sourceFrame(), sourceCrop);
            zeroOutside(*zeroed->clip("Mask")->frame(), maskCrop);
            zeroed->connect("Source", zeroed->sourceFrame(), premultiplication);
            ASSERT_EQ(cropped->render(0, bounds), kOfxStatOK);
            ASSERT_EQ(zeroed->render(0, bounds), kOfxStatOK);
            EXPECT_EQ(bytesIn(*cropped->outputFrame(), bounds),
                      bytesIn(*zeroed->outputFrame(), bounds));
        }
}

// A premultiplied source: where alpha is 0 the output is transparent black
// even under a lift that brightens black; elsewhere the colour is the
// unpremultiplied render's times alpha.
TEST(OfxInstance, PremultipliedAlphaZeroStaysTransparentBlack) {
    const OfxRectI bounds{0, 0, 4, 1};
    for (const char* depth : kDepths) {
        SCOPED_TRACE(depth);
        const bool fl = std::string(depth) == kOfxBitDepthFloat;
        const double half = fl ? 0.5 : std::string(depth) == kOfxBitDepthShort ? 32768 : 128;
        auto src = std::make_shared<OfxTestFrame>(depth, kOfxImageComponentRGBA, bounds);
        // Transparent black, transparent "colour" (not premultiplied data
        // a compositor makes, but seen), half-transparent grey, opaque black.
        const double px[4][4] = {{0, 0, 0, 0},
                                 {half, half, half, 0},
                                 {half / 2, half / 2, half / 2, half},
                                 {0, 0, 0, 2 * half - (fl ? 0 : 1)}};
        for (int x = 0; x < 4; ++x)
            for (int c = 0; c < 4; ++c) src->setChannel(x, 0, c, px[x][c]);
        auto effect = host().create(kId, kOfxImageEffectContextFilter);
        ASSERT_NE(effect, nullptr);
        effect->connect("Source", src, kOfxImagePreMultiplied);
        ASSERT_TRUE(effect->setValue("master_luminance", 40));
        ASSERT_EQ(effect->render(0, bounds), kOfxStatOK);
        const OfxTestFrame& out = *effect->outputFrame();
        for (int x = 0; x < 2; ++x)
            for (int c = 0; c < 4; ++c) EXPECT_EQ(out.channel(x, 0, c), 0) << x << " " << c;
        EXPECT_GT(out.channel(3, 0, 0), 0);  // the lift shows where alpha is full
        EXPECT_GT(out.channel(2, 0, 0), 0);
        EXPECT_LE(out.channel(2, 0, 0), out.channel(2, 0, 3));  // still premultiplied
    }
}

// The host's abort flag stops the bands before they write: the output is
// left as it was, and the render is not an error.
TEST(OfxInstance, AbortStopsTheRender) {
    const OfxRectI bounds{0, 0, 64, 48};
    for (const char* depth : kDepths) {
        SCOPED_TRACE(depth);
        auto effect = randomEffect(3, depth, bounds);
        ASSERT_NE(effect, nullptr);
        effect->setAbort(true);
        EXPECT_EQ(effect->render(0, bounds, {32, 24}, 2), kOfxStatOK);
        EXPECT_TRUE(untouched(*effect->outputFrame()));
        effect->setAbort(false);
        EXPECT_EQ(effect->render(0, bounds), kOfxStatOK);
        EXPECT_NE(effect->outputFrame()->bytes()[0] | effect->outputFrame()->bytes()[1], 0xCD);
    }
}

// A missing image, an image whose depth or components are not the clip's,
// one that does not cover the render window, and a mask that is not alpha:
// an error status with a message, the output untouched, every image
// released.
TEST(OfxInstance, BadImagesAreRefusedWithAMessage) {
    const OfxRectI bounds{0, 0, 16, 8};
    struct Fault {
        const char* clip;
        OfxTestFetchFaults faults;
        const char* says;
    };
    std::vector<Fault> faults(8);
    faults[0] = {"Source", {}, "source: the host gave no image"};
    faults[0].faults.noImage = true;
    faults[1] = {"Output", {}, "output: the host gave no image"};
    faults[1].faults.noImage = true;
    faults[2] = {"Source", {}, "depths differ"};
    faults[2].faults.depth = kOfxBitDepthByte;
    faults[3] = {"Output", {}, "not the clip's"};
    faults[3].faults.depth = kOfxBitDepthByte;
    faults[4] = {"Source", {}, "depth other than"};
    faults[4].faults.depth = "OfxBitDepthHalf";
    faults[5] = {"Source", {}, "components"};
    faults[5].faults.components = kOfxImageComponentRGB;
    // Four channels do not fit an alpha image's rows.
    faults[6] = {"Mask", {}, "mask: the image's row bytes"};
    faults[6].faults.components = kOfxImageComponentRGBA;
    faults[7] = {"Output", {}, "render window is outside"};
    faults[7].faults.crop = OfxRectI{2, 1, 9, 7};
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.says);
        auto effect = randomEffect(1, kOfxBitDepthShort, bounds);
        ASSERT_NE(effect, nullptr);
        effect->clip(f.clip)->setFaults(f.faults);
        EXPECT_EQ(effect->render(0, bounds), kOfxStatFailed);
        const std::vector<OfxTestMessage> messages = effect->messages();
        ASSERT_FALSE(messages.empty());
        for (const OfxTestMessage& m : messages) {
            EXPECT_EQ(m.type, kOfxMessageError);
            EXPECT_NE(m.text.find(f.says), std::string::npos) << m.text;
        }
        EXPECT_TRUE(untouched(*effect->outputFrame()));
        for (const char* clip : {"Source", "Mask", "Output"})
            EXPECT_EQ(effect->clip(clip)->outstandingImages(), 0) << clip;
    }
}
