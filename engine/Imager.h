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

class Imager : public FnProcessorCore {
public:
    enum : uint32_t { kWindowed = 1u << 3 };

    Imager() : FnProcessorCore(kWindowed) {}

    // Rows of the calling thread's band (map coordinates), before field
    // alignment.
    FnBandRange bandRows() const { return FnProcessorCore::bandRows(true); }

protected:
    // Fits the region to the map and records it; false when the map has no
    // pixel to work on.
    bool fitToMap(const FnTexIndexer& map, const void* pixels);
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

    // process() in pieces, for callers that walk the rows themselves
    // (FnFrameSteps.h): beginRows fits the region and prepares (false, with
    // nothing to undo, when the map is unusable), endRows finishes.  One
    // pass.
    bool beginRows(Src& src, Map& map) {
        if (map.width() < 1 || map.height() < 1 || !map.pixels()) return false;
        fitToMap(map, map.pixels());
        prepare(src, map);
        return true;
    }
    void endRows(Src& src, Map& map) {
        finish(src, map);
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

    // As Sampler's.
    bool beginRows(Src& src, Mask& mask, Map& map) {
        if (map.width() < 1 || map.height() < 1 || !map.pixels()) return false;
        fitToMap(map, map.pixels());
        prepare(src, mask, map);
        return true;
    }
    void endRows(Src& src, Mask& mask, Map& map) {
        finish(src, mask, map);
        map_ = nullptr;
    }

private:
    static void bandThunk(void* const* a) {
        static_cast<Combiner*>(a[0])->processBand(
            *static_cast<Src*>(a[1]), *static_cast<Mask*>(a[2]), *static_cast<Map*>(a[3]));
    }
};
