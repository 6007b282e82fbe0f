// One instance of the frei0r filter: a frame size, the parameter values and
// the render of an 8-bit RGBA frame through the engine.
//
// Instances share no mutable state: a host may run several at once, one
// per thread (the engine's parallel runs guard themselves).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/FnBalanceParams.h"
#include "frei0r/Frei0rParams.h"

class Frei0rFilter {
public:
    // Null for a size the engine cannot address (0, or a row or frame too
    // large for 32-bit coordinates and the address arithmetic).
    static std::unique_ptr<Frei0rFilter> create(unsigned width, unsigned height);

    // Out-of-range indices are ignored; NaN changes nothing; other values
    // are clamped to 0..1 (Frei0rParams.h).
    void setParam(int index, double hostValue);
    // The fraction last set (or the default's); none for an unknown index.
    std::optional<double> param(int index) const;

    const FnBalanceParams& values() const { return values_; }

    // Renders `in` into `out`, both width x height RGBA pixels, rows top-down
    // and packed; they may be the same buffer.  When the engine cannot run
    // (no memory) the frame passes through unchanged.
    void update(const uint32_t* in, uint32_t* out) const;

private:
    Frei0rFilter(int32_t width, int32_t height);

    int32_t width_, height_;
    FnBalanceParams values_;
    std::array<double, kFrei0rParamCount> fractions_{};
};
