#include "engine/FnImgProc.h"

namespace {
void bandThunk(void* const* args) { static_cast<FnImgProc*>(args[0])->processBand(); }
}  // namespace

void FnImgProc::process(FnTexIndexer* map) {
    if (!map) return;
    if (beginRun(map)) runPasses();
    endRun();
}

bool FnImgProc::beginRun(FnTexIndexer* map) {
    const FnRect extent = extentOf(*map);
    if (!(flags_ & kRegionSet)) setRegion(extent);
    map_ = map;
    mapWidth_ = map->width();
    mapHeight_ = map->height();
    // The region is clipped for this run only, so a processor reused on
    // another map clips the region it was given, not this run's.
    keptRegion_ = region_;
    region_ = fnClipRegion(region_, extent);
    // An empty map has no pixel to clip to: nothing runs.
    running_ = mapWidth_ > 0 && mapHeight_ > 0;
    if (running_) prepare();
    return running_;
}

void FnImgProc::endRun() {
    if (running_) finish();
    running_ = false;
    region_ = keptRegion_;
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
