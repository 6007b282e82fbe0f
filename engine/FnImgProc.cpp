#include "engine/FnImgProc.h"

namespace {
void bandThunk(void* const* args) { static_cast<FnImgProc*>(args[0])->processBand(); }
}  // namespace

void FnImgProc::process(FnTexIndexer* map) {
    if (!map) return;
    const FnRect extent = extentOf(*map);
    if (!(flags_ & kRegionSet)) setRegion(extent);
    map_ = map;
    mapWidth_ = map->width();
    mapHeight_ = map->height();
    // The region is clipped for this run only, so a processor reused on
    // another map clips the region it was given, not this run's.
    const FnRect kept = region_;
    region_ = fnClipRegion(region_, extent);
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
