// Regions, fields and interruption: the rules both processor families and
// the frame render path share.
#pragma once

#include <atomic>
#include <cstdint>

// A rectangle of map pixels, half-open: columns x0 .. x1 - 1, rows
// y0 .. y1 - 1.  Make one with designated initialisers
// (FnRect{.x0 = a, .y0 = b, .x1 = c, .y1 = d}) so that every place that
// builds a region names its corners; the compiler refuses them out of order.
struct FnRect {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    int32_t width() const { return x1 - x0; }
    int32_t height() const { return y1 - y0; }
    friend bool operator==(const FnRect&, const FnRect&) = default;
};

// The rectangle whose last column and row are xLast and yLast, saturated so
// that a last edge at INT32_MAX stays representable.
FnRect fnRectFromInclusive(int32_t x0, int32_t y0, int32_t xLast, int32_t yLast);

// Clips a region to a map's extent.  The first column is clamped into the
// map and the last column becomes the map's first when it lies left of it,
// so a region wholly outside the map shrinks to its near edge instead of
// vanishing.  An empty extent is treated as one pixel wide and high.
FnRect fnClipRegion(FnRect r, FnRect extent);

// Field modes: 0 every row, 1 even rows, 2 odd rows.  Any other value is
// taken as 0, so a bad mode from a host still processes every row once.
int32_t fnFieldMode(int32_t mode);
int32_t fnAlignToField(int32_t row, int32_t fieldMode);
inline int32_t fnFieldStep(int32_t fieldMode) { return fnFieldMode(fieldMode) == 0 ? 1 : 2; }

// Cooperative interruption, shared by every processor of one render.  Once
// `stopped` is non-zero it stays so for the rest of the render.  The poll
// function is called from every band at once and must tolerate that.
struct FnInterruptState {
    void* context = nullptr;
    int32_t (*poll)(void* context, std::atomic<int32_t>* word) = nullptr;
    std::atomic<int32_t> stopped{0};
    std::atomic<int32_t> word{0};
};

// True when work must stop.  A null record never stops.
bool fnShouldStop(FnInterruptState* s);
