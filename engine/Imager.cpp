#include "engine/Imager.h"

void Imager::setRegion(int32_t x0, int32_t y0, int32_t x1Inclusive, int32_t y1Inclusive) {
    flags_ |= kWindowed;
    region_ = {x0, y0, int32_t(int64_t(x1Inclusive) + 1 > INT32_MAX ? INT32_MAX : x1Inclusive + 1),
               int32_t(int64_t(y1Inclusive) + 1 > INT32_MAX ? INT32_MAX : y1Inclusive + 1)};
}

bool Imager::fitToMap(const FnTexIndexer& map, const void* pixels) {
    map_ = &map;
    mapWidth_ = map.width();
    mapHeight_ = map.height();
    if (mapWidth_ < 1 || mapHeight_ < 1 || !pixels) return false;
    const int32_t left = map.axis(0).origin, top = map.axis(1).origin;
    if (flags_ & kWindowed)
        region_ = fnClipRegion(region_, left, top, mapWidth_, mapHeight_);
    else
        region_ = {left, top, left + mapWidth_, top + mapHeight_};
    const bool whole =
        region_.x0 == 0 && region_.y0 == 0 && region_.x1 == mapWidth_ && region_.y1 == mapHeight_;
    if (whole)
        flags_ &= ~kWindowed;
    else
        flags_ |= kWindowed;
    return true;
}

FnBandRange Imager::bandRows() const {
    const FnBandRange b = fnBandRows(region_.y1 - region_.y0, threadCount(), threadIndex());
    return {region_.y0 + b.first, region_.y0 + b.end};
}
