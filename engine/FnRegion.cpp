#include "engine/FnRegion.h"

#include <algorithm>

namespace {
// Clips [a, b) on one axis to [lo, lo + n).
void clipAxis(int32_t& a, int32_t& b, int32_t lo, int32_t n) {
    const int64_t hi = int64_t(lo) + std::max(n, 1) - 1;
    int64_t first = std::clamp<int64_t>(a, lo, hi);
    int64_t last = int64_t(b) - 1;
    last = last < lo ? lo : std::min<int64_t>(last, hi);
    a = int32_t(first);
    b = int32_t(last + 1);
}

int32_t afterLast(int32_t last) { return last == INT32_MAX ? INT32_MAX : last + 1; }
}  // namespace

FnRect fnRectFromInclusive(int32_t x0, int32_t y0, int32_t xLast, int32_t yLast) {
    return FnRect{.x0 = x0, .y0 = y0, .x1 = afterLast(xLast), .y1 = afterLast(yLast)};
}

FnRect fnClipRegion(FnRect r, FnRect extent) {
    clipAxis(r.x0, r.x1, extent.x0, extent.width());
    clipAxis(r.y0, r.y1, extent.y0, extent.height());
    return r;
}

int32_t fnFieldMode(int32_t mode) { return mode == 1 || mode == 2 ? mode : 0; }

// Field rows are the even or odd rows of the map's coordinates, negative
// rows (a placement above the frame) included: the division floors, so that
// -3 is odd like 3.  Division truncating toward zero would move a negative
// band start to the wrong parity, and a frame split into bands would then
// process other rows than the same frame in one band.
int32_t fnAlignToField(int32_t row, int32_t fieldMode) {
    const auto floorHalf = [](int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
    switch (fnFieldMode(fieldMode)) {
    case 1: return int32_t(floorHalf(int64_t(row) + 1) * 2);
    case 2: return int32_t(floorHalf(int64_t(row)) * 2 + 1);
    default: return row;
    }
}

bool fnShouldStop(FnInterruptState* s) {
    if (!s) return false;
    if (s->stopped.load(std::memory_order_relaxed) != 0) return true;
    if (s->poll) {
        // Only a stop is stored: a band answered "go on" must not clear the
        // stop another band has just recorded.
        const int32_t r = s->poll(s->context, &s->word);
        if (r != 0) {
            s->stopped.store(r, std::memory_order_relaxed);
            return true;
        }
    }
    return false;
}
