#include "openfx/FnOfxSuites.h"

namespace {

template <class Suite>
const Suite* fetchSuite(OfxHost* h, const char* name, int version) {
    if (!h || !h->fetchSuite) return nullptr;
    return static_cast<const Suite*>(h->fetchSuite(h->host, name, version));
}

}  // namespace

void FnOfxSuites::fetch(OfxHost* h) {
    host = h;
    property = fetchSuite<OfxPropertySuiteV1>(h, kOfxPropertySuite, 1);
    effect = fetchSuite<OfxImageEffectSuiteV1>(h, kOfxImageEffectSuite, 1);
    param = fetchSuite<OfxParameterSuiteV1>(h, kOfxParameterSuite, 1);
    message = fetchSuite<OfxMessageSuiteV1>(h, kOfxMessageSuite, 1);
}

void FnOfxSuites::error(OfxImageEffectHandle instance, const char* text) const {
    if (message && message->message && instance)
        message->message(instance, kOfxMessageError, "ColBalance", "%s", text);
}

FnOfxSuites& fnOfxSuites() {
    static FnOfxSuites suites;
    return suites;
}
