// Frame-numbered file names: "shot.%04d.tif" or "shot.####.tif".
#pragma once

#include <optional>
#include <string>

struct FrameRange {
    long first = 0, last = 0;
};

// True when the name holds a frame number pattern.
bool hasFramePattern(const std::string& name);
// The name with its pattern replaced by the frame number; unchanged when it
// has none.
std::string expandFramePattern(const std::string& name, long frame);
// "A-B" or "A" (A <= B, both may be negative with a leading sign on A only:
// "-5-10").  Nothing on malformed text.
std::optional<FrameRange> parseFrameRange(const std::string& text);
