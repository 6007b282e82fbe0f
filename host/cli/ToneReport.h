// The tone report (colbalance --tone-report): what the settings of one frame
// select, drawn headless with the module's own widgets.  The tone curves of
// the settings lie over the grey histogram of the input image, so the
// Lowlights and Highlights levels can be read against the picture's tones;
// beside them the colour circle carries the markers of the master shift and
// of the three ranges' shifts.
#pragma once

#include <string>

#include "host/cli/WorkingSpace.h"

struct ToneReportSettings {
    // Degrees and percent, as the parameters hold them: Overall (master),
    // Lowlights, Midtones, Highlights.
    double hue[4] = {};
    double saturation[4] = {};
    // Percent.
    double lowlights = 0, highlights = 100, lowlightsEase = 30, highlightsEase = 30;
};

// Reads `inPath`, counts its grey histogram (in the working space when it
// is active) and writes the report to `outPath` (PNG or any format the
// image library writes, atomically).
bool writeToneReport(const std::string& inPath, const WorkingSpace& working,
                     const ToneReportSettings& settings, const std::string& outPath,
                     std::string& error);
