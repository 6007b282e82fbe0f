// The histogram a file counts as the tone-curves page counts a frame, and
// its CSV form (colbalance --histogram).
#pragma once

#include <optional>
#include <string>

#include "analysis/FnDynamicHistogram.h"
#include "host/cli/WorkingSpace.h"
#include "platform/dssdk/DSEffect.h"

// Counts the file's own unsigned values (8-bit files into 256 bins, others
// into 65536) over the region when one is given; `roiText` names the region
// in the error when it lies wholly outside the image.  With an active
// working space a float file is counted in it (its converted values, as a
// float file's are counted) and an integer file is refused.
bool countFile(const std::string& path, const std::optional<DSRect>& roi,
               const std::string& roiText, const WorkingSpace& working, FnDynamicHistogram& counts,
               std::string& error);

// "bin,red,green,blue,alpha,grey", then one line per bin.
std::string countsCsv(const FnDynamicHistogram& counts);
