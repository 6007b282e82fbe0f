// One instance of the effect in a host, and the actions a host asks of it.
//
// The instance looks up its clips and parameters when the host creates it
// and keeps them as the instance's data (kOfxPropInstanceData); it holds no
// other state, so the host may run any of its actions, renders included,
// from several threads at once.  Every failure goes back as an error status
// with a message through the host's message suite.
#pragma once

#include <optional>

#include "engine/FnBalanceParams.h"
#include "ofxCore.h"
#include "ofxImageEffect.h"
#include "openfx/ColBalanceOfxParams.h"

class FnOfxProps;

class ColBalanceOfxInstance {
public:
    // kOfxActionCreateInstance / kOfxActionDestroyInstance.
    static OfxStatus create(OfxImageEffectHandle effect);
    static OfxStatus destroy(OfxImageEffectHandle effect);
    // The instance of `effect`, or null after reporting why.
    static ColBalanceOfxInstance* of(OfxImageEffectHandle effect);

    // The output takes the source's components and premultiplication state;
    // the mask is read as alpha.
    OfxStatus clipPreferences(OfxPropertySetHandle outArgs) const;
    // Pointwise: every input is needed over the region asked for.
    OfxStatus regionsOfInterest(OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs) const;

    // The actions below are asked at a time: the one the host names in
    // their in-arguments, or nothing after reporting that it named none.
    std::optional<double> timeOf(OfxPropertySetHandle inArgs) const;
    // The source's region of definition.
    OfxStatus regionOfDefinition(double t, OfxPropertySetHandle outArgs) const;
    // The source, unchanged, when the settings at the time shift nothing.
    OfxStatus isIdentity(double t, OfxPropertySetHandle outArgs) const;
    OfxStatus render(double t, OfxPropertySetHandle inArgs) const;

    // Settings under which the effect leaves every pixel as it is.
    static bool leavesPixelsUnchanged(const FnBalanceParams& v);

private:
    explicit ColBalanceOfxInstance(OfxImageEffectHandle effect) : effect_(effect) {}
    OfxStatus lookUp();
    // Reports `text` through the message suite and returns `status`.
    OfxStatus fail(OfxStatus status, const char* text) const;
    // kOfxStatOK when the host took every value written to `out`; else its
    // refusal, reported as `text`.
    OfxStatus written(const FnOfxProps& out, const char* text) const;

    OfxImageEffectHandle effect_;
    OfxImageClipHandle source_ = nullptr;
    OfxImageClipHandle output_ = nullptr;
    OfxImageClipHandle mask_ = nullptr;  // General context only
    ColBalanceOfxParams params_;
};
