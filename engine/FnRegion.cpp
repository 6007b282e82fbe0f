#include "engine/FnRegion.h"

#include <algorithm>

namespace {
// Clips [a, b) on one axis to [lo, lo + n).
void clipAxis(int32_t& a, int32_t& b, int32_t lo, int32_t n) {
    const int64_t hi = int64_t(lo) + std::max(n, 1) - 1;
    int64_t first = std::clamp<int64_t>(a, lo, hi);
    int64_t lastCol = int64_t(b) - 1;
    lastCol = lastCol < lo ? lo : std::min<int64_t>(lastCol, hi);
    a = int32_t(first);
    b = int32_t(lastCol + 1);
}
}  // namespace

FnRect fnClipRegion(FnRect r, int32_t left, int32_t top, int32_t width, int32_t height) {
    clipAxis(r.x0, r.x1, left, width);
    clipAxis(r.y0, r.y1, top, height);
    return r;
}

int32_t fnAlignToField(int32_t row, int32_t fieldMode) {
    if (fieldMode == 1) return int32_t(((int64_t(row) + 1) / 2) * 2);
    if (fieldMode == 2) return int32_t((int64_t(row) / 2) * 2 + 1);
    return row;
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
