#include "host/PixelConvert.h"

#include <cmath>

namespace pixconv {

int16_t fromFloat(float f) {
    if (std::isnan(f)) return 0;
    const double v = std::round(double(f) * 16384.0);  // ties away from zero
    if (v <= -32768.0) return -32768;
    if (v >= 32767.0) return 32767;
    return int16_t(v);
}

}  // namespace pixconv
