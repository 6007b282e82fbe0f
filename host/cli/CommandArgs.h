// Regions of interest as colbalance takes them: "X,Y,W,H" on the command
// line, clipped to each frame.
#pragma once

#include <optional>
#include <string>

#include "platform/dssdk/DSEffect.h"

// "X,Y,W,H" in pixels from the top-left corner, W and H at least 1; nothing
// for anything else.
std::optional<DSRect> parseRoi(const std::string& text);
// The region clipped to a w x h image; nothing when none of it is inside.
std::optional<DSRect> clipRoi(const DSRect& r, int w, int h);
