// Text that reaches a user's error line: what the user gave, quoted so
// that it cannot break the line, and what a library said, folded onto one.
#pragma once

#include <string>
#include <string_view>

// Text a user gave (a name, a value, a path), in double quotes for an error
// message: control characters escaped, so that a message stays one line
// whatever the text holds, and long text cut.
std::string quotedText(std::string_view text, size_t most = 100);

// A message that may span lines (a library's, a parser's) on one: line
// breaks become "; ", trailing blanks and breaks go.
std::string oneLine(std::string_view text);
