// Exact conversions between file pixel values and the effect's storage.
//
// 16-bit storage is signed 2.14 fixed point: white 16384, super-white up to
// 32767, sub-black below 0.  Every file type meets it through a 16-bit file
// value or a float, with these integer formulas, so a file rendered with
// default settings comes back as its own round trip.
//
// Float storage (white 1.0) takes half and float file values as they are;
// 8- and 16-bit file values meet it as v / 255 and v / 65535, and go back
// rounded to the nearest level, so each of them survives the float path.
#pragma once

#include <cstdint>

namespace pixconv {

// Unsigned 16-bit file value <-> signed 2.14 storage:
//   fromU16(v) = (v x 32768 + 65535) / 131070, the nearest level to
//                v x 16384 / 65535;
//   toU16(s)   = (s x 131070 + 16384) / 32768 clamped to 0..65535.
// Both are written as the shifts and tests that give the same value for
// every input (tests/host check all of them), in 16-bit steps, so that
// loops over rows vectorise eight or sixteen values at a time.
inline int16_t fromU16(uint16_t v) { return int16_t(((v >> 1) + 1) >> 1); }
inline uint16_t toU16(int16_t s) {
    if (s < 0) return 0;
    if (s >= 16384) return 65535;
    return uint16_t(4 * s - (s > 8192 ? 1 : 0));
}

// 8-bit <-> 16-bit file values.
inline uint16_t u8ToU16(uint8_t v) { return uint16_t(v * 257); }
inline uint8_t u16ToU8(uint16_t v) { return uint8_t((uint32_t(v) + 128) / 257); }

// Float <-> storage: the nearest integer to f x 16384, ties away from zero,
// clamped to the storage range; NaN becomes 0.
int16_t fromFloat(float f);
inline float toFloat(int16_t s) { return float(s) / 16384.0f; }

// 8- and 16-bit file values <-> float storage.  Back: the nearest level,
// ties away from zero, clamped to the file's range; NaN becomes 0.
inline float u8ToFloat(uint8_t v) { return float(v) / 255.0f; }
inline float u16ToFloat(uint16_t v) { return float(v) / 65535.0f; }
uint8_t floatToU8(float f);
uint16_t floatToU16(float f);

// Masks go to the 16-bit path at full range, because only 32767 is a full
// mask there: white 65535 becomes 32767.  (v x 32767 + 32767) / 65535,
// which is v / 2 for every v.
inline int16_t maskFromU16(uint16_t v) { return int16_t(v >> 1); }

}  // namespace pixconv
