// Region, field and interruption rules shared by both processor families.
#pragma once

#include <atomic>
#include <cstdint>

// A rectangle of map pixels, far edges exclusive.
struct FnRect {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Clips a region to the map whose pixels are [left, left + width) x
// [top, top + height).  The first column is clamped into the map and the
// last column becomes the map's first when it lies left of it, so a region
// wholly outside the map shrinks to its near edge instead of vanishing.
FnRect fnClipRegion(FnRect r, int32_t left, int32_t top, int32_t width, int32_t height);

// Field modes: 0 every row, 1 even rows, 2 odd rows.
int32_t fnAlignToField(int32_t row, int32_t fieldMode);
inline int32_t fnFieldStep(int32_t fieldMode) { return fieldMode == 0 ? 1 : 2; }

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
