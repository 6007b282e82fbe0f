#include "engine/FnProcessorCore.h"

FnRect FnProcessorCore::extentOf(const FnTexIndexer& map) {
    const int32_t left = map.axis(0).origin, top = map.axis(1).origin;
    return FnRect{.x0 = left, .y0 = top, .x1 = left + map.width(), .y1 = top + map.height()};
}

FnBandRange FnProcessorCore::bandRows(bool split) const {
    const int n = threadCount(), i = threadIndex();
    const bool bands = split && i >= 0 && n > 0;
    const FnBandRange b = fnBandRows(region_.y1 - region_.y0, bands ? n : 1, bands ? i : 0);
    return {region_.y0 + b.first, region_.y0 + b.end};
}
