#pragma once
// One presented frame of a window, read back as 8-bit RGBA.

#include <cstdint>
#include <string>
#include <vector>

struct FnFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // rows top to bottom, 4 bytes a pixel

    bool Empty() const { return width <= 0 || height <= 0; }
    // The pixel at column x and row y counted from the top; null outside.
    const std::uint8_t* At(int x, int y) const;
    // The same pixel addressed as GL draws it: y counted from the bottom.
    const std::uint8_t* AtGL(int x, int y) const { return At(x, height - 1 - y); }
    // Writes the frame as an 8-bit PNG, opaque RGB as a window shows it, or
    // RGBA with the alpha the frame holds.  False (with nothing left behind on
    // a failed write) when it cannot.
    bool SavePng(const std::string& path, bool withAlpha = false) const;
};
