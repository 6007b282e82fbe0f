#include "host/cli/CommandArgs.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

std::optional<DSRect> parseRoi(const std::string& text) {
    long v[4];
    const char* s = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        errno = 0;
        v[i] = std::strtol(s, &end, 10);
        if (end == s || errno || v[i] < INT32_MIN || v[i] > INT32_MAX) return std::nullopt;
        if (*end != (i < 3 ? ',' : '\0')) return std::nullopt;
        s = end + 1;
    }
    if (v[2] < 1 || v[3] < 1) return std::nullopt;
    return DSRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
}

std::optional<DSRect> clipRoi(const DSRect& r, int w, int h) {
    const long x0 = std::max<long>(r.x, 0), y0 = std::max<long>(r.y, 0);
    const long x1 = std::min<long>(long(r.x) + r.width, w),
               y1 = std::min<long>(long(r.y) + r.height, h);
    if (x0 >= x1 || y0 >= y1) return std::nullopt;
    return DSRect{int32_t(x0), int32_t(y0), int32_t(x1 - x0), int32_t(y1 - y0)};
}
