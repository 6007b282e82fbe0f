#include "engine/Imager.h"

bool Imager::fitToMap(const FnTexIndexer& map, const void* pixels) {
    map_ = &map;
    mapWidth_ = map.width();
    mapHeight_ = map.height();
    if (mapWidth_ < 1 || mapHeight_ < 1 || !pixels) return false;
    const FnRect extent = extentOf(map);
    region_ = (flags_ & kWindowed) ? fnClipRegion(region_, extent) : extent;
    const bool whole = region_ == FnRect{.x0 = 0, .y0 = 0, .x1 = mapWidth_, .y1 = mapHeight_};
    if (whole)
        flags_ &= ~kWindowed;
    else
        flags_ |= kWindowed;
    return true;
}
