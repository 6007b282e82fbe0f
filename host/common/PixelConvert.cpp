#include "host/common/PixelConvert.h"

#include <cmath>

namespace pixconv {

int16_t fromFloat(float f) {
    if (std::isnan(f)) return 0;
    const double v = std::round(double(f) * 16384.0);  // ties away from zero
    if (v <= -32768.0) return -32768;
    if (v >= 32767.0) return 32767;
    return int16_t(v);
}

namespace {
// The nearest of 0..top to f x top; NaN gives 0.
long nearestLevel(float f, double top) {
    if (!(f > 0.0f)) return 0;
    if (f >= 1.0f) return long(top);
    return long(std::round(double(f) * top));
}
}  // namespace

uint8_t floatToU8(float f) { return uint8_t(nearestLevel(f, 255.0)); }
uint16_t floatToU16(float f) { return uint16_t(nearestLevel(f, 65535.0)); }

}  // namespace pixconv
