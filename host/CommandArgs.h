// Argument values the command-line programs share: regions of interest
// and paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/dssdk/DSEffect.h"

// "X,Y,W,H" in pixels from the top-left corner, W and H at least 1; nothing
// for anything else.
std::optional<DSRect> parseRoi(const std::string& text);
// The region clipped to a w x h image; nothing when none of it is inside.
std::optional<DSRect> clipRoi(const DSRect& r, int w, int h);
// True when both name the same file (or would, once written).
bool samePath(const std::string& a, const std::string& b);

// Text a user gave (a name, a value, a path), in double quotes for an error
// message: control characters escaped, so that a message stays one line
// whatever the text holds, and long text cut.
std::string quotedText(std::string_view text, size_t most = 100);
