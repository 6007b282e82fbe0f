// A property set of the host, written and read through the property suite.
//
// Writes remember the first failure, so that an action sets everything and
// reports once:
//     FnOfxProps props(handle);
//     props.set(kOfxPropLabel, "K_ColBalance").set(kOfxImageEffectPropSupportsTiles, 1);
//     return props.status();
// Reads return false when the host has no such value, and then leave a
// single value alone (an array may be partly written).
#pragma once

#include <initializer_list>

#include "ofxCore.h"
#include "ofxProperty.h"

class FnOfxProps {
public:
    explicit FnOfxProps(OfxPropertySetHandle set);

    FnOfxProps& set(const char* name, const char* value, int index = 0);
    FnOfxProps& set(const char* name, int value, int index = 0);
    FnOfxProps& set(const char* name, double value, int index = 0);
    FnOfxProps& set(const char* name, void* value, int index = 0);
    // Every value of a string property, in order.
    FnOfxProps& set(const char* name, std::initializer_list<const char*> values);
    FnOfxProps& set(const char* name, const double* values, int count);

    bool get(const char* name, const char*& value, int index = 0) const;
    bool get(const char* name, int& value, int index = 0) const;
    bool get(const char* name, double& value, int index = 0) const;
    bool get(const char* name, void*& value, int index = 0) const;
    bool get(const char* name, double* values, int count) const;
    bool get(const char* name, int* values, int count) const;

    // kOfxStatOK, or the first failure of a write.
    OfxStatus status() const { return status_; }

private:
    FnOfxProps& note(OfxStatus s);

    OfxPropertySetHandle set_;
    const OfxPropertySuiteV1* suite_;
    OfxStatus status_ = kOfxStatOK;
};
