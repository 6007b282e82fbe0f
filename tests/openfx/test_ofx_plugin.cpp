// The plug-in bundle as a host sees it, loaded from the build tree by the
// test host: what it says about itself (checked against the parameter and
// string tables), the answers of its instance actions, and a render that
// fails cleanly while the pixel path is not in.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "effect/ColBalanceParams.h"
#include "resources/FnStrings.h"
#include "tests/openfx/OfxTestHost.h"

namespace {

constexpr const char* kId = "com.quorrel.kestro.ColBalance";
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
std::string ofxName(const ColBalanceParamSpec& p) {
    return fnNameAlias(fnLoadString(p.nameId), '_');
}

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

TEST(OfxInstance, RenderFailsCleanlyUntilThePixelPathIsIn) {
    auto effect = host().create(kId, kOfxImageEffectContextFilter);
    ASSERT_NE(effect, nullptr);
    effect->connect("Source", frame(kOfxBitDepthByte, kOfxImageComponentRGBA, {0, 0, 16, 8}));
    ASSERT_TRUE(effect->setValue("master_saturation", 20));
    EXPECT_EQ(effect->render(0, {0, 0, 16, 8}, {5, 3}, 3), kOfxStatFailed);

    const std::vector<OfxTestMessage> messages = effect->messages();
    ASSERT_FALSE(messages.empty());
    for (const OfxTestMessage& m : messages) {
        EXPECT_EQ(m.type, kOfxMessageError);
        EXPECT_NE(m.text.find("not built yet"), std::string::npos) << m.text;
    }
    const std::vector<unsigned char>& out = effect->outputFrame()->bytes();
    ASSERT_EQ(out.size(), 16u * 8u * 4u);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](unsigned char b) { return b == 0xCD; }));
    EXPECT_EQ(effect->clip("Source")->outstandingImages(), 0);
    EXPECT_EQ(effect->clip("Output")->outstandingImages(), 0);
}
