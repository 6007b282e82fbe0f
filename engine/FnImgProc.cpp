#include "engine/FnImgProc.h"

namespace {
void bandThunk(void* const* args) { static_cast<FnImgProc*>(args[0])->processBand(); }
}  // namespace

void FnImgProc::setRegion(int32_t x0, int32_t y0, int32_t x1Inclusive, int32_t y1Inclusive) {
    flags_ |= kRegionSet;
    region_ = {x0, y0, int32_t(int64_t(x1Inclusive) + 1 > INT32_MAX ? INT32_MAX : x1Inclusive + 1),
               int32_t(int64_t(y1Inclusive) + 1 > INT32_MAX ? INT32_MAX : y1Inclusive + 1)};
}

void FnImgProc::getBandRows(int32_t& first, int32_t& end) const {
    const int n = threadCount(), i = threadIndex();
    const bool split = (flags_ & kInParallel) && i >= 0 && n > 0;
    const FnBandRange b = fnBandRows(region_.y1 - region_.y0, split ? n : 1, split ? i : 0);
    first = region_.y0 + b.first;
    end = region_.y0 + b.end;
}

void FnImgProc::process(FnTexIndexer* map) {
    if (!map) return;
    const int32_t left = map->axis(0).origin, top = map->axis(1).origin;
    if (!(flags_ & kRegionSet)) {
        region_ = {left, top, left + map->width(), top + map->height()};
        flags_ |= kRegionSet;
    }
    map_ = map;
    mapWidth_ = map->width();
    mapHeight_ = map->height();
    const FnRect kept = region_;
    region_ = fnClipRegion(region_, left, top, mapWidth_, mapHeight_);
    // An empty map has no pixel to clip to: nothing runs.
    if (mapWidth_ > 0 && mapHeight_ > 0) {
        prepare();
        runPasses();
        finish();
    }
    region_ = kept;
    map_ = nullptr;
}

void FnImgProc::runPasses() {
    for (currentPass_ = 0; currentPass_ < passCount_; ++currentPass_) {
        if (shouldStop()) continue;
        preparePass();
        if (shouldStop()) continue;
        flags_ |= kInParallel;
        runParallel(bandThunk, 1, this);
        flags_ &= ~kInParallel;
        finishPass();
    }
}
