// The root of both processor families and the bookkeeping they share.
//
//   FnInteruptable   polymorphic root: the interruption record a processor
//                    polls once per row
//   FnProcessorCore  region, passes, field mode and the map of one run, and
//                    the split of the region's rows into bands
//
// FnImgProc and Imager differ in how they run a map and which flag marks a
// region as set; everything else about regions, fields and bands lives
// here once.
#pragma once

#include <cstdint>

#include "engine/FnParallel.h"
#include "engine/FnRegion.h"
#include "engine/FnTexIndexer.h"

class FnInteruptable {
public:
    virtual ~FnInteruptable() = default;
    void setInterrupt(FnInterruptState* s) { interrupt_ = s; }
    FnInterruptState* interrupt() const { return interrupt_; }
    bool shouldStop() const { return fnShouldStop(interrupt_); }

protected:
    FnInterruptState* interrupt_ = nullptr;
};

class FnProcessorCore : public FnInteruptable {
public:
    // Far edges inclusive, as hosts give regions; stored exclusive.
    void setRegion(int32_t x0, int32_t y0, int32_t x1Inclusive, int32_t y1Inclusive) {
        setRegion(fnRectFromInclusive(x0, y0, x1Inclusive, y1Inclusive));
    }
    void setRegion(const FnRect& r) {
        region_ = r;
        flags_ |= regionFlag_;
    }
    const FnRect& region() const { return region_; }
    uint32_t flags() const { return flags_; }

    // Modes other than 1 (even rows) and 2 (odd rows) are stored as 0.
    void setFieldMode(int32_t m) { fieldMode_ = fnFieldMode(m); }
    int32_t fieldMode() const { return fieldMode_; }
    int32_t alignToField(int32_t row) const { return fnAlignToField(row, fieldMode_); }
    int32_t fieldStep() const { return fnFieldStep(fieldMode_); }

    void setPassCount(int32_t n) { passCount_ = n; }
    int32_t currentPass() const { return currentPass_; }

    // The map's pixels in map coordinates.
    static FnRect extentOf(const FnTexIndexer& map);

protected:
    explicit FnProcessorCore(uint32_t regionFlag) : regionFlag_(regionFlag) {}

    // Rows of the calling thread's band in map coordinates; the whole region
    // when `split` is false.
    FnBandRange bandRows(bool split) const;

    uint32_t flags_ = 0;
    FnRect region_;
    int32_t passCount_ = 1;
    int32_t currentPass_ = 0;
    int32_t fieldMode_ = 0;
    const FnTexIndexer* map_ = nullptr;
    int32_t mapWidth_ = 0;
    int32_t mapHeight_ = 0;

private:
    uint32_t regionFlag_;
};
