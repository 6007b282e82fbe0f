#include "host/FramePattern.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The first frame pattern of a name: printf-style %d or %0Nd, or a run of
// '#' whose length is the width.
struct Pattern {
    size_t pos = 0, length = 0;
    int width = 0;
    bool zero = true;
};

constexpr int kMaxWidth = 32;

std::optional<Pattern> findPattern(const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '#') {
            size_t j = i;
            while (j < s.size() && s[j] == '#') ++j;
            return Pattern{i, j - i, int(std::min<size_t>(j - i, kMaxWidth)), true};
        }
        if (s[i] != '%') continue;
        size_t j = i + 1;
        const bool zero = j < s.size() && s[j] == '0';
        if (zero) ++j;
        int width = 0;
        for (; j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])); ++j)
            width = std::min(width * 10 + (s[j] - '0'), kMaxWidth);
        if (j < s.size() && s[j] == 'd') return Pattern{i, j + 1 - i, width, zero};
    }
    return std::nullopt;
}

}  // namespace

bool hasFramePattern(const std::string& name) { return findPattern(name).has_value(); }

std::string expandFramePattern(const std::string& name, long frame) {
    const auto p = findPattern(name);
    if (!p) return name;
    char buf[64];
    std::snprintf(buf, sizeof buf, p->zero ? "%0*ld" : "%*ld", p->width, frame);
    return name.substr(0, p->pos) + buf + name.substr(p->pos + p->length);
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
