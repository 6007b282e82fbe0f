#include "openfx/ColBalanceOfxInstance.h"

#include <cmath>
#include <new>
#include <string>
#include <string_view>

#include "openfx/ColBalanceOfxDescriptor.h"
#include "openfx/ColBalanceOfxImage.h"
#include "openfx/ColBalanceOfxRender.h"
#include "openfx/FnOfxProps.h"
#include "openfx/FnOfxSuites.h"

namespace {

// The per-clip names of the region-of-interest and clip-preference values.
constexpr const char* kSourceRoI = "OfxImageClipPropRoI_" kOfxImageEffectSimpleSourceClipName;
constexpr const char* kMaskRoI = "OfxImageClipPropRoI_Mask";
constexpr const char* kOutputComponents =
    "OfxImageClipPropComponents_" kOfxImageEffectOutputClipName;
constexpr const char* kMaskComponents = "OfxImageClipPropComponents_Mask";
static_assert(std::string_view(kColBalanceOfxMaskClip) == "Mask");

OfxPropertySetHandle propsOf(OfxImageEffectHandle effect) {
    OfxPropertySetHandle h = nullptr;
    return fnOfxSuites().effect->getPropertySet(effect, &h) == kOfxStatOK ? h : nullptr;
}

OfxPropertySetHandle propsOf(OfxImageClipHandle clip) {
    OfxPropertySetHandle h = nullptr;
    return clip && fnOfxSuites().effect->clipGetPropertySet(clip, &h) == kOfxStatOK ? h : nullptr;
}

}  // namespace

OfxStatus ColBalanceOfxInstance::create(OfxImageEffectHandle effect) {
    auto* instance = new (std::nothrow) ColBalanceOfxInstance(effect);
    if (!instance) return kOfxStatErrMemory;
    OfxStatus st = instance->lookUp();
    if (st == kOfxStatOK) {
        st = FnOfxProps(propsOf(effect))
                 .set(kOfxPropInstanceData, static_cast<void*>(instance))
                 .status();
        if (st != kOfxStatOK) instance->fail(st, "K_ColBalance: the host keeps no instance data");
    }
    if (st != kOfxStatOK) delete instance;
    return st;
}

OfxStatus ColBalanceOfxInstance::destroy(OfxImageEffectHandle effect) {
    FnOfxProps props(propsOf(effect));
    void* data = nullptr;
    if (!props.get(kOfxPropInstanceData, data) || !data) return kOfxStatOK;
    delete static_cast<ColBalanceOfxInstance*>(data);
    props.set(kOfxPropInstanceData, static_cast<void*>(nullptr));
    return kOfxStatOK;
}

ColBalanceOfxInstance* ColBalanceOfxInstance::of(OfxImageEffectHandle effect) {
    void* data = nullptr;
    if (FnOfxProps(propsOf(effect)).get(kOfxPropInstanceData, data) && data)
        return static_cast<ColBalanceOfxInstance*>(data);
    fnOfxSuites().error(effect, "K_ColBalance: the instance was never created");
    return nullptr;
}

OfxStatus ColBalanceOfxInstance::lookUp() {
    const OfxImageEffectSuiteV1& suite = *fnOfxSuites().effect;
    const char* context = nullptr;
    if (!FnOfxProps(propsOf(effect_)).get(kOfxImageEffectPropContext, context))
        return fail(kOfxStatErrBadHandle, "K_ColBalance: the instance has no context");
    OfxStatus st =
        suite.clipGetHandle(effect_, kOfxImageEffectSimpleSourceClipName, &source_, nullptr);
    if (st == kOfxStatOK)
        st = suite.clipGetHandle(effect_, kOfxImageEffectOutputClipName, &output_, nullptr);
    if (st == kOfxStatOK && std::string_view(context) == kOfxImageEffectContextGeneral)
        st = suite.clipGetHandle(effect_, kColBalanceOfxMaskClip, &mask_, nullptr);
    if (st != kOfxStatOK) return fail(st, "K_ColBalance: the instance is missing a clip");

    OfxParamSetHandle params = nullptr;
    if ((st = suite.getParamSet(effect_, &params)) == kOfxStatOK) st = params_.find(params);
    if (st != kOfxStatOK) return fail(st, "K_ColBalance: the instance is missing a parameter");
    return kOfxStatOK;
}

OfxStatus ColBalanceOfxInstance::fail(OfxStatus status, const char* text) const {
    fnOfxSuites().error(effect_, text);
    return status;
}

OfxStatus ColBalanceOfxInstance::written(const FnOfxProps& out, const char* text) const {
    return out.status() == kOfxStatOK ? kOfxStatOK : fail(out.status(), text);
}

OfxStatus ColBalanceOfxInstance::clipPreferences(OfxPropertySetHandle outArgs) const {
    const FnOfxProps source(propsOf(source_));
    FnOfxProps out(outArgs);
    const char* components = nullptr;
    if (source.get(kOfxImageEffectPropComponents, components) &&
        (std::string_view(components) == kOfxImageComponentRGBA ||
         std::string_view(components) == kOfxImageComponentRGB))
        out.set(kOutputComponents, components);
    const char* premultiplication = nullptr;
    if (source.get(kOfxImageEffectPropPreMultiplication, premultiplication))
        out.set(kOfxImageEffectPropPreMultiplication, premultiplication);
    if (mask_) out.set(kMaskComponents, kOfxImageComponentAlpha);
    return written(out, "K_ColBalance: the host refused the clip preferences");
}

std::optional<double> ColBalanceOfxInstance::timeOf(OfxPropertySetHandle inArgs) const {
    double t = 0;
    if (FnOfxProps(inArgs).get(kOfxPropTime, t)) return t;
    fail(kOfxStatErrValue, "K_ColBalance: the host named no time for the action");
    return std::nullopt;
}

OfxStatus ColBalanceOfxInstance::regionOfDefinition(double t, OfxPropertySetHandle outArgs) const {
    OfxRectD rod{};
    if (const OfxStatus st = fnOfxSuites().effect->clipGetRegionOfDefinition(source_, t, &rod);
        st != kOfxStatOK)
        return fail(st, "K_ColBalance: the source has no region of definition");
    const double r[4] = {rod.x1, rod.y1, rod.x2, rod.y2};
    FnOfxProps out(outArgs);
    out.set(kOfxImageEffectPropRegionOfDefinition, r, 4);
    return written(out, "K_ColBalance: the host refused the region of definition");
}

OfxStatus ColBalanceOfxInstance::regionsOfInterest(OfxPropertySetHandle inArgs,
                                                   OfxPropertySetHandle outArgs) const {
    double roi[4] = {};
    if (!FnOfxProps(inArgs).get(kOfxImageEffectPropRegionOfInterest, roi, 4))
        return fail(kOfxStatErrValue, "K_ColBalance: no region of interest asked for");
    FnOfxProps out(outArgs);
    out.set(kSourceRoI, roi, 4);
    if (mask_) out.set(kMaskRoI, roi, 4);
    return written(out, "K_ColBalance: the host refused the regions of interest");
}

OfxStatus ColBalanceOfxInstance::isIdentity(double t, OfxPropertySetHandle outArgs) const {
    FnBalanceParams values;
    if (const OfxStatus st = params_.valuesAt(t, values); st != kOfxStatOK)
        return fail(st, "K_ColBalance: the parameters cannot be read");
    if (!leavesPixelsUnchanged(values)) return kOfxStatReplyDefault;
    FnOfxProps out(outArgs);
    out.set(kOfxPropName, kOfxImageEffectSimpleSourceClipName).set(kOfxPropTime, t);
    return written(out, "K_ColBalance: the host refused the identity answer");
}

namespace {

// The host's abort flag, polled by the engine's bands.
int32_t pollAbort(void* effect, std::atomic<int32_t>*) {
    return fnOfxSuites().effect->abort(static_cast<OfxImageEffectHandle>(effect)) ? 1 : 0;
}

bool connected(OfxImageClipHandle clip) {
    int on = 0;
    return clip && FnOfxProps(propsOf(clip)).get(kOfxImageClipPropConnected, on) && on;
}

bool inside(const OfxRectI& w, const OfxRectI& b) {
    return w.x1 >= b.x1 && w.y1 >= b.y1 && w.x2 <= b.x2 && w.y2 <= b.y2;
}

}  // namespace

OfxStatus ColBalanceOfxInstance::render(double t, OfxPropertySetHandle inArgs) const {
    const FnOfxProps in(inArgs);
    int window[4] = {};
    if (!in.get(kOfxImageEffectPropRenderWindow, window, 4))
        return fail(kOfxStatErrValue, "K_ColBalance: no render window to render");
    ColBalanceOfxRenderArgs args;
    args.window = {window[0], window[1], window[2], window[3]};
    if (const OfxStatus st = params_.valuesAt(t, args.params); st != kOfxStatOK)
        return fail(st, "K_ColBalance: the parameters cannot be read");

    const OfxRectD region{double(window[0]), double(window[1]), double(window[2]),
                          double(window[3])};
    ColBalanceOfxImage output, source, mask;
    const auto refuse = [&](const char* what, const char* why) {
        return fail(kOfxStatFailed, (std::string("K_ColBalance: ") + what + ": " + why).c_str());
    };
    if (const char* why = output.fetch(output_, t, nullptr)) return refuse("output", why);
    if (const char* why = source.fetch(source_, t, &region)) return refuse("source", why);
    const bool masked = connected(mask_);
    if (masked)
        if (const char* why = mask.fetch(mask_, t, &region)) return refuse("mask", why);

    // What the clips say the images are.
    const char* clipDepth = nullptr;
    ColBalanceOfxImage::Depth declared{};
    if (!FnOfxProps(propsOf(output_)).get(kOfxImageEffectPropPixelDepth, clipDepth) ||
        !ColBalanceOfxImage::depthOf(clipDepth, declared) || output.depth() != declared)
        return refuse("output", "the image's depth is not the clip's");
    if (source.depth() != output.depth() || (masked && mask.depth() != output.depth()))
        return refuse("source", "the images' depths differ");
    if (output.channels() == 1 || source.channels() != output.channels())
        return refuse("output", "the image's components are not the source's RGBA or RGB");
    if (masked && mask.channels() != 1) return refuse("mask", "the image is not Alpha");
    if (args.window.x2 > args.window.x1 && args.window.y2 > args.window.y1 &&
        !inside(args.window, output.bounds()))
        return refuse("output", "the render window is outside the image");

    FnInterruptState interrupt;
    interrupt.context = effect_;
    interrupt.poll = pollAbort;
    args.output = &output;
    args.source = &source;
    args.mask = masked ? &mask : nullptr;
    args.interrupt = &interrupt;
    std::string why;
    if (const OfxStatus st = ColBalanceOfxRender::run(args, why); st != kOfxStatOK)
        return fail(st, ("K_ColBalance: " + why).c_str());
    return kOfxStatOK;
}

// No colour shift (saturations at or below 0 shift nothing whatever the
// hue; NaN counts as the default 0), no luminance offset and no tone matte:
// the balancer then copies every pixel, so the tone levels, eases and
// Preserve Luminance have nothing to act on, and the channel switches
// restore what is unchanged anyway.
bool ColBalanceOfxInstance::leavesPixelsUnchanged(const FnBalanceParams& v) {
    const auto noShift = [](double saturation) { return !(saturation > 0); };
    const auto noOffset = [](double luminance) { return std::isnan(luminance) || luminance == 0; };
    return v.renderTone == 0 && noShift(v.masterSaturation) && noShift(v.lowSaturation) &&
           noShift(v.midSaturation) && noShift(v.highSaturation) && noOffset(v.masterLum) &&
           noOffset(v.lowLum) && noOffset(v.midLum) && noOffset(v.highLum);
}
