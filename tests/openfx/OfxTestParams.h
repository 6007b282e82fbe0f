// The test host's parameter storage: a value, or keyframes (time, value),
// per parameter, for the four kinds the plug-in uses.  Doubles interpolate
// linearly between keys; integers, booleans and choices hold the value of
// the last key at or before the time.  Before the first key and after the
// last, the nearest key holds.  A value given without a time replaces the
// keys; one given at a time adds or replaces a key.
//
// Values are set between renders; renders only read them, from any thread.
#pragma once

#include <map>

#include "ofxhParam.h"

template <class T>
class OfxTestCurve {
public:
    explicit OfxTestCurve(T value) : value_(value) {}
    void set(T v) {
        value_ = v;
        keys_.clear();
    }
    void setKey(double time, T v) { keys_[time] = v; }
    T at(double time) const;
    bool animated() const { return !keys_.empty(); }

private:
    T value_;
    std::map<double, T> keys_;
};

namespace fn_ofx_test {
// The time a value read without one is read at: the timeline's.
double now(OFX::Host::Param::SetInstance* set);
// The descriptor's default, as T.
template <class T>
T defaultOf(const OFX::Host::Param::Descriptor& d);
template <>
double defaultOf<double>(const OFX::Host::Param::Descriptor& d);
template <>
int defaultOf<int>(const OFX::Host::Param::Descriptor& d);
template <>
bool defaultOf<bool>(const OFX::Host::Param::Descriptor& d);
}  // namespace fn_ofx_test

// One stored parameter over HostSupport's instance class `Base` (values
// of type T; booleans are bool, choices their index).
template <class Base, class T>
class OfxTestValue : public Base {
public:
    OfxTestValue(OFX::Host::Param::Descriptor& d, OFX::Host::Param::SetInstance* set)
        : Base(d, set), curve_(fn_ofx_test::defaultOf<T>(d)) {}
    OfxStatus get(T& v) override { return get(fn_ofx_test::now(this->_paramSetInstance), v); }
    OfxStatus get(OfxTime time, T& v) override {
        v = curve_.at(time);
        return kOfxStatOK;
    }
    OfxStatus set(T v) override {
        curve_.set(v);
        return kOfxStatOK;
    }
    OfxStatus set(OfxTime time, T v) override {
        curve_.setKey(time, v);
        return kOfxStatOK;
    }

private:
    OfxTestCurve<T> curve_;
};

class OfxTestDouble : public OfxTestValue<OFX::Host::Param::DoubleInstance, double> {
public:
    using OfxTestValue::OfxTestValue;
    // Slopes and integrals of the curves are of no use to this effect.
    OfxStatus derive(OfxTime, double&) override { return kOfxStatErrUnsupported; }
    OfxStatus integrate(OfxTime, OfxTime, double&) override { return kOfxStatErrUnsupported; }
};
using OfxTestInteger = OfxTestValue<OFX::Host::Param::IntegerInstance, int>;
using OfxTestBoolean = OfxTestValue<OFX::Host::Param::BooleanInstance, bool>;
using OfxTestChoice = OfxTestValue<OFX::Host::Param::ChoiceInstance, int>;

// A parameter instance of the kind `d` describes; null for kinds the test
// host does not store (strings, colours, 2D and 3D values, custom).
OFX::Host::Param::Instance* fnOfxTestNewParam(OFX::Host::Param::Descriptor& d,
                                              OFX::Host::Param::SetInstance* set);
