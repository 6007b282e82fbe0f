// The FnImgProc processor family.
//
// A processor is configured once (region, field mode, interruption), then
// run over a map (the output image).  The framework owns the region
// bookkeeping and clipping, the passes, and the split of the region's rows
// into one band per processor run at once; a concrete processor supplies
// processBand and, where needed, the hooks around it.
//
//   FnImgProc        region, passes, bands over a map
//   FnImgProc2       adds a source and a destination image; run(src, dst)
//   FnGeneralPass2   per-pixel driver for two-image processors
#pragma once

#include <cstdint>

#include "engine/FnBalanceKernel.h"
#include "engine/FnProcessorCore.h"
#include "engine/FnStoreMode.h"
#include "engine/FnTexture.h"

class FnImgProc : public FnProcessorCore {
public:
    enum : uint32_t { kInParallel = 1u << 0, kRegionSet = 1u << 1 };

    FnImgProc() : FnProcessorCore(kRegionSet) {}

    virtual void prepare() {}
    virtual void processBand() {}
    virtual void finish() {}
    virtual void preparePass() {}
    virtual void finishPass() {}
    virtual void runPasses();
    virtual void process(FnTexIndexer* map);

    // process() in pieces, for callers that walk the rows themselves
    // (FnFrameSteps.h): beginRun sets the region up for the map and calls
    // prepare (false when the map has no pixel, and nothing may run);
    // endRun calls finish and restores the region.  One pass.
    bool beginRun(FnTexIndexer* map);
    void endRun();

    void getColumns(int32_t& x0, int32_t& x1) const {
        x0 = region_.x0;
        x1 = region_.x1;
    }
    // Rows of the calling thread's band, in map coordinates.
    void getBandRows(int32_t& first, int32_t& end) const {
        const FnBandRange b = bandRows((flags_ & kInParallel) != 0);
        first = b.first;
        end = b.end;
    }

private:
    FnRect keptRegion_;
    bool running_ = false;
};

template <class Src, class Dst>
class FnImgProc2 : public FnImgProc {
public:
    // A missing source reads as fill everywhere; a destination without pixel
    // storage is left alone.
    virtual void run(Src* src, Dst* dst) {
        if (dst && !dst->pixels()) return;
        Src none;
        dst_ = dst;
        src_ = src ? src : &none;
        process(dst);
        dst_ = nullptr;
        src_ = nullptr;
    }

    // run() in pieces (FnImgProc::beginRun): the images stay set until
    // endRows.
    bool beginRows(Src& src, Dst& dst) {
        if (!dst.pixels()) return false;
        dst_ = &dst;
        src_ = &src;
        if (beginRun(&dst)) return true;
        endRows();
        return false;
    }
    void endRows() {
        if (map_) endRun();
        dst_ = nullptr;
        src_ = nullptr;
    }

protected:
    Dst* dst_ = nullptr;
    Src* src_ = nullptr;
};

// One row of a two-image processor whose rows go run by run: columns x0
// to x1 of row y, walked through the source's edge modes, written
// contiguously from `out`.  `one(in, out)` processes one pixel, `row(in,
// out, n)` a contiguous run.  Fill runs all read one colour: `fill` keeps
// it processed (fillDone) across the rows of a band.
template <class Pixel, class Working, class DstPixel, class One, class Row>
void fnRunRow(const FnTexture<Pixel, Working>& src, int32_t y, int32_t x0, int32_t x1,
              DstPixel* out, DstPixel& fillOut, bool& fillDone, One&& one, Row&& row) {
    src.forEachRun(
        y, x0, x1,
        [&](int32_t n) {
            if (!fillDone) {
                one(src.fillValue(), fillOut);
                fillDone = true;
            }
            for (int32_t i = 0; i < n; ++i) out[i] = fillOut;
            out += n;
        },
        [&](const Pixel* in, int32_t step, int32_t n) {
            if (step == 1) {
                row(in, out, n);
            } else if (step == 0) {
                DstPixel single;
                one(*in, single);
                for (int32_t i = 0; i < n; ++i) out[i] = single;
            } else {
                for (int32_t i = 0; i < n; ++i, in += step) one(*in, out[i]);
            }
            out += n;
        });
}

// The two operations of such a row walk, as a processor hands them to
// fnRunBand and fnRunRegionRow: one pixel, and a contiguous run.
template <class One, class Row>
struct FnRowOps {
    One one;
    Row row;
};
template <class One, class Row>
FnRowOps(One, Row) -> FnRowOps<One, Row>;

// A processor's row loop: the path asked for and how vector rows store
// (set by the owner), and the vector row its run takes (null: the scalar
// loop) with whether that row streams its stores (FnStoreMode.h).
template <class RowFn>
struct FnRowChoice {
    FnBalancePath path = FnBalancePath::kAuto;
    FnStoreMode store = FnStoreMode::kAuto;
    RowFn row = nullptr;
    int32_t stream = 0;

    // The run writes `bytes` into `dst` while reading `src`.
    void choose(RowFn fn, size_t bytes, const FnByteRange& src, const FnByteRange& dst) {
        row = fn;
        stream = row && fnStreamStores(store, bytes, src, dst);
    }
};

// One band of such a processor: the band's rows (only those of the field
// when `fields`), each by fnRunRow into the destination from the region's
// first column.
template <class Proc, class Pixel, class Working, class DstPixel, class DstWorking, class One,
          class Row>
void fnRunBand(const Proc& proc, const FnTexture<Pixel, Working>& src,
               FnTexture<DstPixel, DstWorking>& dst, bool fields, One&& one, Row&& row) {
    int32_t first, end, x0, x1;
    proc.getBandRows(first, end);
    proc.getColumns(x0, x1);
    DstPixel fillOut{};
    bool fillDone = false;
    const int32_t rowStep = fields ? proc.fieldStep() : 1;
    for (int64_t y = fields ? proc.alignToField(first) : first; y < end; y += rowStep) {
        if (proc.shouldStop()) return;
        fnRunRow(src, int32_t(y), x0, x1, dst.at(x0, int32_t(y)), fillOut, fillDone, one, row);
    }
}

// One row of the processor's region into `out` (the pixel at the region's
// first column), as fnRunBand runs each of its rows: for callers that walk
// the rows themselves (FnFrameSteps.h).
template <class Proc, class Pixel, class Working, class DstPixel, class One, class Row>
void fnRunRegionRow(const Proc& proc, const FnTexture<Pixel, Working>& src, int32_t y,
                    DstPixel* out, One&& one, Row&& row) {
    int32_t x0, x1;
    proc.getColumns(x0, x1);
    DstPixel fillOut{};
    bool fillDone = false;
    fnRunRow(src, y, x0, x1, out, fillOut, fillDone, one, row);
}

// Per-pixel driver: walks the band row by row and each row run by run
// through the source's span lookup, so edge modes are resolved once per run.
template <class SrcStorage, class SrcWorking, class DstStorage, class DstWorking>
class FnGeneralPass2 {
public:
    using Source = FnTexture<SrcStorage, SrcWorking>;
    using Dest = FnTexture<DstStorage, DstWorking>;

    virtual ~FnGeneralPass2() = default;
    virtual void processPixel(const SrcStorage& src, DstStorage& dst, int thread) = 0;

protected:
    // Band work.  `Self` is the concrete processor, called without virtual
    // dispatch so the per-pixel work inlines into the run loops.
    template <class Self>
    void generalPassBand(const FnImgProc& proc, const Source& src, Dest& dst) {
        Self& self = static_cast<Self&>(*this);
        int32_t first, end, x0, x1;
        proc.getBandRows(first, end);
        proc.getColumns(x0, x1);
        const int t = threadIndex();
        const SrcStorage fill = src.fillValue();
        for (int32_t y = first; y < end; ++y) {
            if (proc.shouldStop()) return;
            DstStorage* out = dst.at(x0, y);
            src.forEachRun(
                y, x0, x1,
                [&](int32_t n) {
                    for (int32_t k = 0; k < n; ++k) self.Self::processPixel(fill, *out++, t);
                },
                [&](const SrcStorage* in, int32_t step, int32_t n) {
                    for (int32_t k = 0; k < n; ++k, in += step)
                        self.Self::processPixel(*in, *out++, t);
                });
        }
    }
};
