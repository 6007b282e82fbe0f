#include "host/common/FramePattern.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

std::optional<FrameRange> findFramesOnDisk(const std::string& pattern) {
    namespace fs = std::filesystem;
    const fs::path path(pattern);
    const std::string name = path.filename().string();
    const auto p = findPattern(name);
    if (!p || hasFramePattern(path.parent_path().string())) return std::nullopt;
    const std::string prefix = name.substr(0, p->pos), suffix = name.substr(p->pos + p->length);
    std::error_code ec;
    const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    std::optional<FrameRange> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= prefix.size() + suffix.size() ||
            file.compare(0, prefix.size(), prefix) ||
            file.compare(file.size() - suffix.size(), suffix.size(), suffix))
            continue;
        const std::string digits =
            file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
        char* stop = nullptr;
        errno = 0;
        const long frame = std::strtol(digits.c_str(), &stop, 10);
        // Only the name the pattern gives that frame: "shot.12.exr" is not
        // frame 12 of "shot.%04d.exr".
        if (errno || *stop || expandFramePattern(name, frame) != file) continue;
        if (!found)
            found = FrameRange{frame, frame};
        else
            found = FrameRange{std::min(found->first, frame), std::max(found->last, frame)};
    }
    return found;
}

std::optional<FoundSequence> sequenceAround(const std::string& path) {
    const std::filesystem::path p(path);
    const std::string name = p.filename().string();
    if (name.find_first_of("%#") != std::string::npos) return std::nullopt;
    const size_t dot = name.rfind('.');
    size_t end = dot == std::string::npos || dot == 0 ? name.size() : dot;
    size_t begin = end;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(name[begin - 1]))) --begin;
    if (begin == end) return std::nullopt;
    const std::string pattern =
        name.substr(0, begin) + "%0" + std::to_string(end - begin) + "d" + name.substr(end);
    const std::string full = (p.parent_path() / pattern).string();
    const auto frames = findFramesOnDisk(full);
    if (!frames || frames->first == frames->last) return std::nullopt;
    return FoundSequence{full, *frames};
}
