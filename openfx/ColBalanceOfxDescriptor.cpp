#include "openfx/ColBalanceOfxDescriptor.h"

#include <string>
#include <string_view>

#include "openfx/ColBalanceOfxParams.h"
#include "openfx/FnOfxProps.h"
#include "openfx/FnOfxSuites.h"
#include "resources/FnStrings.h"

namespace {

constexpr uint32_t kEffectName = 1;            // "K_ColBalance"
constexpr uint32_t kEffectDescription = 1100;  // the help page's text
constexpr const char* kGrouping = "Kestro";

const char* text(uint32_t id) {
    const char* s = fnLoadString(id);
    return s ? s : "";
}

OfxStatus defineClip(OfxImageEffectHandle effect, const char* name,
                     std::initializer_list<const char*> components, bool mask) {
    OfxPropertySetHandle h = nullptr;
    const OfxStatus st = fnOfxSuites().effect->clipDefine(effect, name, &h);
    if (st != kOfxStatOK) return st;
    FnOfxProps props(h);
    props.set(kOfxImageEffectPropSupportedComponents, components)
        .set(kOfxImageEffectPropSupportsTiles, 1)
        .set(kOfxImageEffectPropTemporalClipAccess, 0);
    // Pointwise: fielded material is processed as the whole interlaced frame.
    if (std::string_view(name) != kOfxImageEffectOutputClipName)
        props.set(kOfxImageClipPropFieldExtraction, kOfxImageFieldBoth);
    if (mask) props.set(kOfxImageClipPropOptional, 1).set(kOfxImageClipPropIsMask, 1);
    return props.status();
}

}  // namespace

OfxStatus ColBalanceOfxDescriptor::describe(OfxImageEffectHandle effect) {
    OfxPropertySetHandle h = nullptr;
    if (const OfxStatus st = fnOfxSuites().effect->getPropertySet(effect, &h); st != kOfxStatOK)
        return st;
    // The help page's text ends in a line break a host's tooltip need not show.
    std::string description = text(kEffectDescription);
    while (!description.empty() && (description.back() == '\n' || description.back() == ' '))
        description.pop_back();

    FnOfxProps props(h);
    props.set(kOfxPropLabel, text(kEffectName))
        .set(kOfxPropPluginDescription, description.c_str())
        .set(kOfxImageEffectPluginPropGrouping, kGrouping)
        .set(kOfxImageEffectPropSupportedContexts,
             {kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral})
        .set(kOfxImageEffectPropSupportedPixelDepths,
             {kOfxBitDepthByte, kOfxBitDepthShort, kOfxBitDepthFloat})
        .set(kOfxImageEffectPluginPropSingleInstance, 0)
        // Renders keep nothing between calls and the engine's band runs are
        // safe from any thread; the engine splits each render into bands of
        // its own, so the host need not.
        .set(kOfxImageEffectPluginRenderThreadSafety, kOfxImageEffectRenderFullySafe)
        .set(kOfxImageEffectPluginPropHostFrameThreading, 0)
        .set(kOfxImageEffectPropSupportsMultiResolution, 1)
        .set(kOfxImageEffectPropSupportsTiles, 1)
        .set(kOfxImageEffectPropTemporalClipAccess, 0)
        .set(kOfxImageEffectPluginPropFieldRenderTwiceAlways, 0)
        .set(kOfxImageEffectPropSupportsMultipleClipDepths, 0)
        .set(kOfxImageEffectPropSupportsMultipleClipPARs, 0);
    return props.status();
}

OfxStatus ColBalanceOfxDescriptor::describeInContext(OfxImageEffectHandle effect,
                                                     OfxPropertySetHandle inArgs) {
    const char* context = nullptr;
    if (!FnOfxProps(inArgs).get(kOfxImageEffectPropContext, context)) return kOfxStatErrValue;
    const bool general = std::string_view(context) == kOfxImageEffectContextGeneral;
    if (!general && std::string_view(context) != kOfxImageEffectContextFilter)
        return kOfxStatErrMissingHostFeature;

    const auto colour = {kOfxImageComponentRGBA, kOfxImageComponentRGB};
    OfxStatus st = defineClip(effect, kOfxImageEffectSimpleSourceClipName, colour, false);
    if (st == kOfxStatOK && general)
        st = defineClip(effect, kColBalanceOfxMaskClip, {kOfxImageComponentAlpha}, true);
    if (st == kOfxStatOK) st = defineClip(effect, kOfxImageEffectOutputClipName, colour, false);
    if (st != kOfxStatOK) return st;

    OfxParamSetHandle params = nullptr;
    if ((st = fnOfxSuites().effect->getParamSet(effect, &params)) != kOfxStatOK) return st;
    return ColBalanceOfxParams::define(params);
}
