// FnFrameSteps: the steps of one frame run together, row by row, in one
// parallel run.
//
// Each step of a frame (the colour step, the channel-mask step, the paint
// combiner) works pixel by pixel: it reads the source (and the mask) and
// the map pixel the steps before it left at the same position.  So a row
// can go through every step before the next row starts, and the frame
// passes through memory once instead of once per step, with one parallel
// run instead of one per step.  A row goes through the steps in the
// frame's order in a scratch row of its band (in the cache), and is then
// written to the map once, with streaming stores for frames past the
// caches.  The bytes are those of the steps run one after the other, as
// long as no step reads the map anywhere but at the pixel it writes: the
// caller runs the steps one after the other when the map shares memory
// with an input.
//
// Interruption is polled before every row.  A band told to stop leaves its
// remaining rows as they were, so an interrupted frame has every step done
// on the rows finished before the stop, and none on the others.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <span>

#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "engine/FnFrameContext.h"
#include "engine/FnParallel.h"
#include "engine/FnRegion.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnStoreMode.h"
#include "engine/FnTexture.h"

template <class Storage>
struct FnRowStep {
    FnRect region;          // the map pixels the step covers, fitted to the map
    int32_t fieldMode = 0;  // its rows: 0 every row of the region, 1 even, 2 odd
    // Writes every pixel of its columns without reading the map.
    bool writesAll = false;
    // Processes the step's columns of row y in `out` (the pixel at
    // region.x0).
    std::function<void(int32_t y, Storage* out)> row;

    bool covers(int32_t y) const {
        return y >= region.y0 && y < region.y1 && fnAlignToField(y, fieldMode) == y;
    }
};

// Runs the steps over the map.  False, with nothing done, when the scratch
// rows cannot be had: the caller then runs the steps one after the other.
template <class Storage, class Working>
bool fnRunRowSteps(std::span<const FnRowStep<Storage>> steps, FnTexture<Storage, Working>& map,
                   FnInterruptState* interrupt, FnStoreMode store = FnStoreMode::kAuto) {
    if (steps.empty()) return true;
    FnRect all = steps[0].region;
    for (const FnRowStep<Storage>& s : steps) {
        all.x0 = s.region.x0 < all.x0 ? s.region.x0 : all.x0;
        all.y0 = s.region.y0 < all.y0 ? s.region.y0 : all.y0;
        all.x1 = s.region.x1 > all.x1 ? s.region.x1 : all.x1;
        all.y1 = s.region.y1 > all.y1 ? s.region.y1 : all.y1;
    }
    if (all.width() <= 0 || all.height() <= 0) return true;
    const int bands = threadCount();
    const size_t width = size_t(all.width()), rowBytes = width * sizeof(Storage);
    std::unique_ptr<Storage[]> scratch(new (std::nothrow) Storage[width * size_t(bands)]);
    if (!scratch) return false;
    const FnCopyBytesFn stream =
        fnStreamStores(store, rowBytes * size_t(all.height()), {}, map.byteRange())
            ? fnStreamCopyFunction(FnBalancePath::kAuto)
            : nullptr;
    runParallel([&] {
        const int band = threadIndex();
        const FnBandRange b = fnBandRows(all.height(), bands, band);
        Storage* row = scratch.get() + width * size_t(band);
        for (int64_t y64 = int64_t(all.y0) + b.first; y64 < int64_t(all.y0) + b.end; ++y64) {
            if (fnShouldStop(interrupt)) return;
            const int32_t y = int32_t(y64);
            bool used = false;
            for (const FnRowStep<Storage>& s : steps) {
                if (!s.covers(y)) continue;
                // The row starts as the map has it unless the first step
                // writes all of it.
                if (!used && !(s.writesAll && s.region.x0 == all.x0 && s.region.x1 == all.x1))
                    std::memcpy(row, map.at(all.x0, y), rowBytes);
                used = true;
                s.row(y, row + (s.region.x0 - all.x0));
            }
            if (!used) continue;
            if (stream)
                stream(row, map.at(all.x0, y), rowBytes);
            else
                std::memcpy(map.at(all.x0, y), row, rowBytes);
        }
    });
    return true;
}

// Whether the texture's region is every stored pixel, as a wrapped host
// image has it.
inline bool fnWholeRegion(const FnTexIndexer& t) {
    return t.axis(0).first == 0 && t.axis(0).last == t.width() - 1 && t.axis(1).first == 0 &&
           t.axis(1).last == t.height() - 1;
}

// A frame's steps as the render path sets them up: the colour step
// (balancer or matte, set up and given its region, field and interruption
// by the caller; `colourFieldMode` is its field, 0 for the matte), the
// channel-mask step (when `bits`) and the paint combiner (when `paint`)
// over the frame's region, together, row by row: the bytes of the steps
// one after the other, in one pass over the frame.  False, with nothing
// written, where that cannot be promised or the scratch rows cannot be
// had; the caller then runs the steps one after the other.
template <class Image, class MaskImage, class Colour>
bool fnRunStepsTogether(const FnFrameContext& frame, Colour& colour, int32_t colourFieldMode,
                        Image& output, Image& source, MaskImage& mask, uint32_t bits, bool paint) {
    using Storage = typename Image::StorageColour;
    using MaskStorage = typename MaskImage::StorageColour;
    // A step that reads what another writes, other than at its own pixel,
    // would see the other order: the map may share no memory with an input.
    // The mask fixer would set the source's region to every pixel after
    // the colour step; that must be where it is already.
    const FnByteRange out = output.byteRange();
    if (out.overlaps(source.byteRange()) || (paint && out.overlaps(mask.byteRange())) ||
        (bits && !fnWholeRegion(source)))
        return false;

    FnRowStep<Storage> steps[3];
    size_t count = 0;
    colour.setStoreMode(FnStoreMode::kCached);  // rows go to scratch rows first
    if (!colour.beginRows(source, output)) {
        colour.setStoreMode(FnStoreMode::kAuto);
        return false;
    }
    steps[count++] = {.region = colour.region(),
                      .fieldMode = colourFieldMode,
                      .writesAll = true,
                      .row = [&](int32_t y, Storage* o) { colour.processRow(y, o); }};

    FnDsMaskFixer<Storage, FnRGBAf> fixer;
    bool fixing = false;
    if (bits) {
        fixer.setComponentMask(bits);
        fixer.setRegion(frame.region);
        fixer.setFieldMode(frame.fieldMode);
        fixer.setInterrupt(frame.interrupt);
        fixer.setStoreMode(FnStoreMode::kCached);
        fixing = fixer.beginRows(source, output);
        if (fixing)
            steps[count++] = {
                .region = fixer.region(),
                .fieldMode = fixer.rowFieldMode(),
                .row = [&](int32_t y, Storage* o) { fixer.processRow(source, y, o); }};
    }

    Image view;
    FnDsPaintCombiner<Storage, FnRGBAf, MaskStorage, FnChanf> combiner;
    bool combining = false;
    if (paint) {
        view.share(source);
        view.resetRegion();
        view.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        combiner.setRegion(frame.region);
        combiner.setFieldMode(frame.fieldMode);
        combiner.setInterrupt(frame.interrupt);
        combining = combiner.beginRows(view, mask, output);
        if (combining)
            steps[count++] = {
                .region = combiner.region(),
                .fieldMode = combiner.fieldMode(),
                .row = [&](int32_t y, Storage* o) { combiner.processRow(view, mask, y, o); }};
    }

    const bool ran =
        fnRunRowSteps(std::span<const FnRowStep<Storage>>(steps, count), output, frame.interrupt);
    if (combining) combiner.endRows(view, mask, output);
    if (fixing) fixer.endRows(source, output);
    colour.endRows();
    if (!ran) colour.setStoreMode(FnStoreMode::kAuto);
    return ran;
}
