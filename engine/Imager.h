// The Imager processor family.
//
//   Imager    region, field mode, passes and bands over a map
//   Sampler   one source and the map: process(source, map)
//   Combiner  a source, a single-channel mask and the map
//
// Sampler and Combiner derive from Imager as a virtual base.  Their band
// work (processBand) runs on every thread at once for the same object; each
// band writes only its own rows.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/FnImgProc.h"
#include "engine/FnParallel.h"
#include "engine/FnRegion.h"
#include "engine/FnTexture.h"

class Imager : public FnInteruptable {
public:
    enum : uint32_t { kWindowed = 1u << 3 };

    void setRegion(int32_t x0, int32_t y0, int32_t x1Inclusive, int32_t y1Inclusive);
    void setFieldMode(int32_t m) { fieldMode_ = m; }
    int32_t fieldMode() const { return fieldMode_; }
    int32_t alignToField(int32_t row) const { return fnAlignToField(row, fieldMode_); }
    int32_t fieldStep() const { return fnFieldStep(fieldMode_); }
    void setPassCount(int32_t n) { passCount_ = n; }
    const FnRect& region() const { return region_; }
    uint32_t flags() const { return flags_; }

    // Rows of the calling thread's band (map coordinates), before field
    // alignment.
    FnBandRange bandRows() const;

protected:
    // Fits the region to the map and records it; false when the map has no
    // pixel to work on.
    bool fitToMap(const FnTexIndexer& map, const void* pixels);

    uint32_t flags_ = 0;
    FnRect region_;
    int32_t passCount_ = 1;
    int32_t currentPass_ = 0;
    int32_t fieldMode_ = 0;
    const FnTexIndexer* map_ = nullptr;
    int32_t mapWidth_ = 0;
    int32_t mapHeight_ = 0;
};

template <class Src, class Map>
class Sampler : public virtual Imager {
public:
    virtual void prepare(Src&, Map&) {}
    virtual void processBand(Src&, Map&) {}
    virtual void finish(Src&, Map&) {}
    virtual void preparePass(Src&, Map&) {}

    void process(Src& src, Map* map) {
        if (!map) return;
        if (map->width() < 1 || map->height() < 1 || !map->pixels()) {
            std::fputs("Map passed into Sampler::process is bogus\n", stderr);
            return;
        }
        fitToMap(*map, map->pixels());
        prepare(src, *map);
        for (currentPass_ = 0; currentPass_ < passCount_; ++currentPass_) {
            if (shouldStop()) break;
            preparePass(src, *map);
            runParallel(&Sampler::bandThunk, 3, this, &src, map);
        }
        finish(src, *map);
        map_ = nullptr;
    }

private:
    static void bandThunk(void* const* a) {
        static_cast<Sampler*>(a[0])->processBand(*static_cast<Src*>(a[1]),
                                                 *static_cast<Map*>(a[2]));
    }
};

template <class Src, class Mask, class Map>
class Combiner : public virtual Imager {
public:
    virtual void prepare(Src&, Mask&, Map&) {}
    virtual void processBand(Src&, Mask&, Map&) {}
    virtual void finish(Src&, Mask&, Map&) {}

    void process(Src& src, Mask& mask, Map* map) {
        if (!map) {
            std::fputs("Map passed into Combiner::process is NULL\n", stderr);
            return;
        }
        if (map->width() < 1 || map->height() < 1 || !map->pixels()) return;
        fitToMap(*map, map->pixels());
        prepare(src, mask, *map);
        for (currentPass_ = 0; currentPass_ < passCount_; ++currentPass_) {
            if (shouldStop()) break;
            runParallel(&Combiner::bandThunk, 4, this, &src, &mask, map);
        }
        finish(src, mask, *map);
        map_ = nullptr;
    }

private:
    static void bandThunk(void* const* a) {
        static_cast<Combiner*>(a[0])->processBand(
            *static_cast<Src*>(a[1]), *static_cast<Mask*>(a[2]), *static_cast<Map*>(a[3]));
    }
};
