// The host's suites the plug-in calls, fetched once when the host hands
// itself over (OfxPlugin::setHost), and the one way an error reaches the
// user: the message suite.
#pragma once

#include "ofxCore.h"
#include "ofxImageEffect.h"
#include "ofxMessage.h"
#include "ofxParam.h"
#include "ofxProperty.h"

struct FnOfxSuites {
    OfxHost* host = nullptr;
    const OfxPropertySuiteV1* property = nullptr;
    const OfxImageEffectSuiteV1* effect = nullptr;
    const OfxParameterSuiteV1* param = nullptr;
    const OfxMessageSuiteV1* message = nullptr;  // optional: errors then go unseen

    // Fetches every suite from `h` (null clears them all).
    void fetch(OfxHost* h);
    // The suites no action can do without are there.
    bool complete() const { return property && effect && param; }

    // Shows `text` as an error of `instance`.  Only instance handles: hosts
    // read the handle as their instance object.
    void error(OfxImageEffectHandle instance, const char* text) const;
};

// The suites of the host that loaded the plug-in.
FnOfxSuites& fnOfxSuites();
