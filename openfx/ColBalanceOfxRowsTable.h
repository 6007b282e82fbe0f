// The loops of ColBalanceOfxRows16 for the instruction set of the
// translation unit that includes this (ColBalanceOfxRows.cpp and
// ColBalanceOfxRowsAvx2.cpp, each with its own -m flags).  Everything here
// has internal linkage, so no vector code leaks across the units.
#pragma once

#include "host/common/PixelConvert.h"
#include "openfx/ColBalanceOfxRows.h"

namespace {
namespace ofxrows {

void toStorage(const uint16_t* s, int16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::fromU16(s[i]);
}

void fromStorage(const int16_t* s, uint16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::toU16(s[i]);
}

void maskToStorage(const uint16_t* s, int16_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = pixconv::maskFromU16(s[i]);
}

constexpr ColBalanceOfxRows16 rows() {
    return {.toStorage = &toStorage, .fromStorage = &fromStorage, .maskToStorage = &maskToStorage};
}

}  // namespace ofxrows
}  // namespace
