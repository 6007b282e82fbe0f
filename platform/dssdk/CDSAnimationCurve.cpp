#include "platform/dssdk/CDSAnimationCurve.h"

#include <algorithm>
#include <cmath>

void CDSAnimationCurve::SetKey(double time, double value) {
    auto it =
        std::lower_bound(keys_.begin(), keys_.end(), time,
                         [](const std::pair<double, double>& k, double t) { return k.first < t; });
    if (it != keys_.end() && it->first == time)
        it->second = value;
    else
        keys_.insert(it, {time, value});
}

double CDSAnimationCurve::ValueAt(double time) const {
    if (!std::isfinite(time) || time <= keys_.front().first) return keys_.front().second;
    if (time >= keys_.back().first) return keys_.back().second;
    auto hi =
        std::upper_bound(keys_.begin(), keys_.end(), time,
                         [](double t, const std::pair<double, double>& k) { return t < k.first; });
    auto lo = hi - 1;
    const double f = (time - lo->first) / (hi->first - lo->first);
    double v = lo->second + (hi->second - lo->second) * f;
    // Keys near the limits of double can overflow the difference.
    const double a = std::min(lo->second, hi->second), b = std::max(lo->second, hi->second);
    if (!(v >= a)) v = std::isnan(v) ? lo->second : a;
    if (v > b) v = b;
    return v;
}
