// The project's version (one number, set in the top CMakeLists.txt) and
// the commit the programs were built from, for --version and the editor's
// About box.
#pragma once

#include <string>

const char* fnVersion();
const char* fnCommit();

// "colbalance 4.3.3 (commit 1a2b3c4d5e6f)".
inline std::string fnVersionLine(const char* program) {
    return std::string(program) + " " + fnVersion() + " (commit " + fnCommit() + ")";
}
