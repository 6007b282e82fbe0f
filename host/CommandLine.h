// What colbalance is asked to do: its command line parsed into values and
// checked as a whole before any file is read or written.  The program, its
// tests and the command-line fuzz target all go through these two calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/FramePattern.h"
#include "host/ImageFile.h"
#include "platform/dssdk/DSEffect.h"

struct CommandLine {
    // As given.
    std::string in, out, params, mask, roi, frames, histogram, overlaySnapshot, toneReport;
    std::string depth, page, pageSnapshot;
    std::vector<std::string> sets;
    double frame = 0, zoom = 1;
    int field = 0;
    bool listParams = false;
    std::vector<std::string> given;  // the options that appeared ("--set", "-o", ...)

    // Worked out by checkCommandLine.
    bool rendering = false;  // -o or --overlay-snapshot: the effect renders
    bool counting = false;   // --histogram
    bool reporting = false;  // --tone-report
    bool paging = false;     // --page with --snapshot
    bool sequence = false;   // --frames
    FrameRange range{0, 0};
    std::optional<DSRect> region;
    PixelDepth forcedDepth = PixelDepth::Auto;

    bool has(const std::string& option) const;
};

// Parses the arguments.  False with a one-line error; with --help the help
// text goes to `help` (and the result is false with an empty error).
bool parseCommandLine(int argc, const char* const* argv, CommandLine& cl, std::string& error,
                      std::string& help);

// Checks how the options go together and fills the worked-out values;
// touches no file.  False with a one-line error.
bool checkCommandLine(CommandLine& cl, std::string& error);

// Refuses, before any work, outputs that cannot be written as asked: a
// folder, a file that may not be written, the input itself, or one output
// named twice.  Checks the first frame's names of a sequence.
bool checkOutputPaths(const CommandLine& cl, std::string& error);
