#include "host/FramePattern.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {
// printf-style %d / %0Nd, or a run of '#' (its length is the width).
const std::regex kPattern(R"(%(0?)(\d*)d|#+)");
}  // namespace

bool hasFramePattern(const std::string& name) { return std::regex_search(name, kPattern); }

std::string expandFramePattern(const std::string& name, long frame) {
    std::smatch m;
    if (!std::regex_search(name, m, kPattern)) return name;
    int width = 0;
    bool zero = true;
    if (m.str(0)[0] == '#') {
        width = int(m.length(0));
    } else {
        zero = m.length(1) > 0;
        width = m.length(2) ? std::atoi(m.str(2).c_str()) : 0;
        if (width > 32) width = 32;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, zero ? "%0*ld" : "%*ld", width, frame);
    return m.prefix().str() + buf + m.suffix().str();
}

std::optional<FrameRange> parseFrameRange(const std::string& text) {
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long a = std::strtol(s, &end, 10);
    if (end == s || errno) return std::nullopt;
    if (*end == '\0') return FrameRange{a, a};
    if (*end != '-') return std::nullopt;
    const char* t = end + 1;
    const long b = std::strtol(t, &end, 10);
    if (end == t || *end != '\0' || errno || b < a) return std::nullopt;
    return FrameRange{a, b};
}
