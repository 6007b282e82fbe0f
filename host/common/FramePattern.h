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

// The frames of a pattern that exist on disk: the lowest and highest frame
// number of the files in its folder whose names fit it (digits of the
// pattern's width or more where it stands).  Nothing when none does.
std::optional<FrameRange> findFramesOnDisk(const std::string& pattern);

// A numbered file and the files numbered like it beside it ("shot.0012.exr"
// and "shot.0013.exr"): the pattern that names them all ("shot.%04d.exr")
// and the frames found.  Nothing when the name has no number before its
// extension or no other file of the pattern is there.
struct FoundSequence {
    std::string pattern;
    FrameRange frames;
};
std::optional<FoundSequence> sequenceAround(const std::string& path);
