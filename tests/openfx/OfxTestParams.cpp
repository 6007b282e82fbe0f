#include "tests/openfx/OfxTestParams.h"

#include <iterator>
#include <type_traits>

#include "ofxhImageEffect.h"

using OFX::Host::Param::Descriptor;
using OFX::Host::Param::SetInstance;

namespace fn_ofx_test {

double now(SetInstance* set) {
    auto* timeline = dynamic_cast<OFX::Host::TimeLine::TimeLineI*>(set);
    return timeline ? timeline->timeLineGetTime() : 0.0;
}

template <>
double defaultOf<double>(const Descriptor& d) {
    return d.getProperties().getDoubleProperty(kOfxParamPropDefault);
}
template <>
int defaultOf<int>(const Descriptor& d) {
    return d.getProperties().getIntProperty(kOfxParamPropDefault);
}
template <>
bool defaultOf<bool>(const Descriptor& d) {
    return d.getProperties().getIntProperty(kOfxParamPropDefault) != 0;
}

}  // namespace fn_ofx_test

template <class T>
T OfxTestCurve<T>::at(double time) const {
    if (keys_.empty()) return value_;
    auto after = keys_.lower_bound(time);
    if (after == keys_.end()) return std::prev(after)->second;
    if (after->first == time || after == keys_.begin()) return after->second;
    const auto before = std::prev(after);
    if constexpr (std::is_same_v<T, double>) {
        const double f = (time - before->first) / (after->first - before->first);
        return before->second + (after->second - before->second) * f;
    } else {
        return before->second;
    }
}

template class OfxTestCurve<double>;
template class OfxTestCurve<int>;
template class OfxTestCurve<bool>;

OFX::Host::Param::Instance* fnOfxTestNewParam(Descriptor& d, SetInstance* set) {
    const std::string& type = d.getType();
    if (type == kOfxParamTypeDouble) return new OfxTestDouble(d, set);
    if (type == kOfxParamTypeInteger) return new OfxTestInteger(d, set);
    if (type == kOfxParamTypeBoolean) return new OfxTestBoolean(d, set);
    if (type == kOfxParamTypeChoice) return new OfxTestChoice(d, set);
    if (type == kOfxParamTypeGroup) return new OFX::Host::Param::GroupInstance(d, set);
    if (type == kOfxParamTypePage) return new OFX::Host::Param::PageInstance(d, set);
    if (type == kOfxParamTypePushButton) return new OFX::Host::Param::PushbuttonInstance(d, set);
    return nullptr;
}
