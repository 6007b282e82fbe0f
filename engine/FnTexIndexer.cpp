#include "engine/FnTexIndexer.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int32_t kEndless = 0x7fffffff;

// floor(v + 0.5) as an integer, saturated so that no float can make the
// conversion undefined (NaN places at 0).
int32_t roundHalfUp(float v) {
    double r = std::floor(static_cast<double>(v) + 0.5);
    if (!(r == r)) return 0;
    if (r <= INT32_MIN) return INT32_MIN;
    if (r >= INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(r);
}
}  // namespace

void FnTexAxis::reinit(int32_t n) {
    size = std::max(n, 0);
    first = 0;
    last = std::max(size - 1, 0);
    count = last - first + 1;
}

void FnTexAxis::setRange(int32_t a, int32_t b) {
    if (a > b) std::swap(a, b);
    const int32_t hi = std::max(size - 1, 0);
    first = std::clamp(a, 0, hi);
    last = std::clamp(b, 0, hi);
    count = last - first + 1;
}

int32_t FnTexAxis::lookup(int32_t p) const {
    const FnSpan s = span(p);
    return s.index;
}

FnSpan FnTexAxis::span(int32_t p) const {
    const int64_t d = int64_t(p) - intOffset - first;
    const int64_t n = count;
    auto runOf = [](int64_t r) { return int32_t(std::min<int64_t>(r, kEndless)); };
    if (size <= 0) return {-1, 0, kEndless};
    if (d >= 0 && d < n) {
        const int32_t index = int32_t(first + d);
        return {index, 1, last - index + 1};
    }
    if (d < 0) {
        switch (edgeMode) {
        case kFnEdgeFill: return {-1, 0, runOf(-d)};
        case kFnEdgeClamp: return {first, 0, runOf(-d)};
        case kFnEdgeMirror: {
            const int64_t k = -d - 1, q = k / n, r = k % n;
            if (q % 2 == 0) return {int32_t(first + r), -1, int32_t(r + 1)};
            return {int32_t(first + (n - 1 - r)), 1, int32_t(r + 1)};
        }
        case kFnEdgeRepeat: {
            const int64_t r = ((d % n) + n) % n;
            return {int32_t(first + r), 1, int32_t(n - r)};
        }
        default: {
            // Any other mode reads the position unchanged, but never beyond
            // the stored pixels: past them it reads the fill value.
            const int64_t idx = int64_t(p) - intOffset;
            if (idx < 0) return {-1, 0, runOf(-idx)};
            return {int32_t(idx), 1, runOf(first - idx)};
        }
        }
    }
    switch (edgeMode) {
    case kFnEdgeFill: return {-1, 0, kEndless};
    case kFnEdgeClamp: return {last, 0, kEndless};
    case kFnEdgeMirror: {
        const int64_t q = d / n, r = d % n;
        if (q % 2 == 0) return {int32_t(first + r), 1, int32_t(n - r)};
        return {int32_t(first + (n - 1 - r)), -1, int32_t(n - r)};
    }
    case kFnEdgeRepeat: {
        const int64_t r = d % n;
        return {int32_t(first + r), 1, int32_t(n - r)};
    }
    default: {
        const int64_t idx = int64_t(p) - intOffset;
        if (idx >= size) return {-1, 0, kEndless};
        return {int32_t(idx), 1, int32_t(size - idx)};
    }
    }
}

void FnTexIndexer::setRegion(int32_t xFirst, int32_t xLast, int32_t yFirst, int32_t yLast) {
    axes_[0].setRange(xFirst, xLast);
    axes_[1].setRange(yFirst, yLast);
}

void FnTexIndexer::setEdgeModes(int32_t h, int32_t v) {
    axes_[0].edgeMode = h;
    axes_[1].edgeMode = v;
}

void FnTexIndexer::setOffset(int32_t x, int32_t y) {
    axes_[0].intOffset = x;
    axes_[1].intOffset = y;
    axes_[0].floatOffset = float(x);
    axes_[1].floatOffset = float(y);
}

void FnTexIndexer::setOffset(float x, float y) {
    axes_[0].floatOffset = x;
    axes_[1].floatOffset = y;
    axes_[0].intOffset = roundHalfUp(x);
    axes_[1].intOffset = roundHalfUp(y);
}
