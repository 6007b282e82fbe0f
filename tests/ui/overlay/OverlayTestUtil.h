#pragma once
// Colour checks on frames drawn by the overlay: the handles are drawn
// smoothed and blended over the toolkit grey, so pixels are classed by the
// colour that dominates rather than compared exactly.

#include "platform/window/FnFrame.h"

#include <algorithm>
#include <cstdint>

enum class Hue { Red, Green, Blue, Dark, White, Yellow };

inline bool IsHue(const std::uint8_t* p, Hue hue) {
    if (!p) return false;
    const int r = p[0], g = p[1], b = p[2];
    switch (hue) {
    case Hue::Red: return r - std::max(g, b) > 50;
    case Hue::Green: return g - std::max(r, b) > 40;
    case Hue::Blue: return b - std::max(r, g) > 60;
    case Hue::Dark: return std::max(r, std::max(g, b)) < 70;
    case Hue::White: return std::min(r, std::min(g, b)) > 230;
    case Hue::Yellow: return r > 200 && g > 200 && b < 80;
    }
    return false;
}

// The pixel at (x, y), y counted upwards as GL draws.
inline bool HueAt(const FnFrame& f, int x, int y, Hue hue) { return IsHue(f.AtGL(x, y), hue); }

// The pixel or one of its neighbours within `radius`.
inline bool HueNear(const FnFrame& f, int x, int y, Hue hue, int radius = 1) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (HueAt(f, x + dx, y + dy, hue)) return true;
    return false;
}

// Pixels of the hue in [x0, x1) x [y0, y1).
inline int CountHue(const FnFrame& f, int x0, int y0, int x1, int y1, Hue hue) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += HueAt(f, x, y, hue);
    return n;
}
