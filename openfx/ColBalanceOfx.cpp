// The plug-in binary's two exported functions and the action dispatch.
//
// A host finds the plug-in through OfxGetNumberOfPlugins and OfxGetPlugin,
// hands it its suites through setHost, and then calls mainEntry with each
// action.  Nothing here throws into the host: an allocation failure becomes
// kOfxStatErrMemory.
#include <cstring>
#include <new>

#include "ofxCore.h"
#include "ofxImageEffect.h"
#include "openfx/ColBalanceOfxDescriptor.h"
#include "openfx/ColBalanceOfxInstance.h"
#include "openfx/FnOfxSuites.h"

#define FN_OFX_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

bool is(const char* action, const char* name) { return std::strcmp(action, name) == 0; }

OfxStatus instanceAction(const char* action, OfxImageEffectHandle effect,
                         OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs) {
    const ColBalanceOfxInstance* instance = ColBalanceOfxInstance::of(effect);
    if (!instance) return kOfxStatErrBadHandle;
    if (is(action, kOfxImageEffectActionGetClipPreferences))
        return instance->clipPreferences(outArgs);
    if (is(action, kOfxImageEffectActionGetRegionsOfInterest))
        return instance->regionsOfInterest(inArgs, outArgs);
    const std::optional<double> t = instance->timeOf(inArgs);
    if (!t) return kOfxStatErrValue;
    if (is(action, kOfxImageEffectActionRender)) return instance->render(*t, inArgs);
    if (is(action, kOfxImageEffectActionIsIdentity)) return instance->isIdentity(*t, outArgs);
    return instance->regionOfDefinition(*t, outArgs);
}

OfxStatus dispatch(const char* action, const void* handle, OfxPropertySetHandle inArgs,
                   OfxPropertySetHandle outArgs) {
    if (!action) return kOfxStatErrBadHandle;
    if (!fnOfxSuites().complete()) return kOfxStatErrMissingHostFeature;
    if (is(action, kOfxActionLoad) || is(action, kOfxActionUnload)) return kOfxStatOK;

    // Every other action names the effect it is for.
    const auto effect = static_cast<OfxImageEffectHandle>(const_cast<void*>(handle));
    if (!effect) return kOfxStatErrBadHandle;
    if (is(action, kOfxActionDescribe)) return ColBalanceOfxDescriptor::describe(effect);
    if (is(action, kOfxImageEffectActionDescribeInContext))
        return ColBalanceOfxDescriptor::describeInContext(effect, inArgs);
    if (is(action, kOfxActionCreateInstance)) return ColBalanceOfxInstance::create(effect);
    if (is(action, kOfxActionDestroyInstance)) return ColBalanceOfxInstance::destroy(effect);
    if (is(action, kOfxImageEffectActionRender) || is(action, kOfxImageEffectActionIsIdentity) ||
        is(action, kOfxImageEffectActionGetRegionsOfInterest) ||
        is(action, kOfxImageEffectActionGetRegionOfDefinition) ||
        is(action, kOfxImageEffectActionGetClipPreferences))
        return instanceAction(action, effect, inArgs, outArgs);
    return kOfxStatReplyDefault;
}

void setHost(OfxHost* host) { fnOfxSuites().fetch(host); }

OfxStatus mainEntry(const char* action, const void* handle, OfxPropertySetHandle inArgs,
                    OfxPropertySetHandle outArgs) {
    try {
        return dispatch(action, handle, inArgs, outArgs);
    } catch (const std::bad_alloc&) {
        return kOfxStatErrMemory;
    } catch (...) {
        return kOfxStatFailed;
    }
}

OfxPlugin kPlugin = {
    kOfxImageEffectPluginApi,   1,       kColBalanceOfxId, kColBalanceOfxVersionMajor,
    kColBalanceOfxVersionMinor, setHost, mainEntry};

}  // namespace

FN_OFX_EXPORT int OfxGetNumberOfPlugins(void) { return 1; }

FN_OFX_EXPORT OfxPlugin* OfxGetPlugin(int nth) { return nth == 0 ? &kPlugin : nullptr; }
