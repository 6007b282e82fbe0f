// FnTexture: an image buffer over one storage colour, sampled into a
// working colour.
//
// A buffer either owns pixels it allocated (scratch images) or wraps memory
// that somebody else owns (host images), which it never frees.  Rows are
// `stride` bytes apart; a negative stride with the pointer on the last row
// in memory walks an image bottom-up.  Geometry, region, placement and edge
// behaviour come from FnTexIndexer.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/FnPixel.h"
#include "engine/FnStoreMode.h"
#include "engine/FnTexIndexer.h"

template <class Storage, class Working>
class FnTexture : public FnTexIndexer {
public:
    using StorageColour = Storage;
    using WorkingColour = Working;
    static constexpr int kPixelSize = int(sizeof(Storage));

    FnTexture() {
        reinitAxes(0, 0);
        setRegion(0, 0, 0, 0);
    }
    FnTexture(int32_t width, int32_t height) {
        reinitAxes(width, height);
        allocate();
    }
    FnTexture(const FnTexture&) = delete;
    FnTexture& operator=(const FnTexture&) = delete;
    ~FnTexture() override { release(); }

    // Allocates width x height pixels for the current axis sizes.
    void allocate() {
        release(/*keepGeometry=*/true);
        owns_ = true;
        allocFailed_ = false;
        const size_t w = size_t(axes_[0].size), h = size_t(axes_[1].size);
        if (w == 0 || h == 0) return;
        if (w > PTRDIFF_MAX / kPixelSize / h) {
            allocFailed_ = true;
            return;
        }
        block_ = std::calloc(w * h, kPixelSize);
        pixels_ = static_cast<Storage*>(block_);
        if (!pixels_) {
            allocFailed_ = true;
            return;
        }
        stride_ = ptrdiff_t(w) * kPixelSize;
    }

    // Wraps foreign memory without taking ownership; rows top-down.
    void wrap(int32_t width, int32_t height, void* pointer) {
        release();
        reinitAxes(width, height);
        setRegion(0, width, 0, height);
        stride_ = ptrdiff_t(axes_[0].size) * kPixelSize;
        pixels_ = static_cast<Storage*>(pointer);
    }

    // Wraps foreign memory whose rows lie `rowBytes` apart: `pointer` is
    // texture row 0, row j lies j x rowBytes bytes from it.  Rows may be
    // padded (rowBytes above a row's bytes) and may run upwards in memory
    // (rowBytes negative, pointer on the last row in memory), as hosts
    // hand images over.  Refused, leaving the texture empty (no pixels,
    // size 0), when a size is negative, |rowBytes| is smaller than a row,
    // pointer or rowBytes is not aligned for the pixel, or the rows' span
    // does not fit in the address arithmetic.
    bool wrap(int32_t width, int32_t height, void* pointer, ptrdiff_t rowBytes) {
        release();
        if (width < 0 || height < 0 || rowBytes == PTRDIFF_MIN) return false;
        const ptrdiff_t span = rowBytes < 0 ? -rowBytes : rowBytes;
        constexpr ptrdiff_t kAlign = ptrdiff_t(alignof(Storage));
        if (span < ptrdiff_t(width) * kPixelSize || span % kAlign != 0 ||
            reinterpret_cast<uintptr_t>(pointer) % uintptr_t(kAlign) != 0 ||
            (height > 1 && span > PTRDIFF_MAX / (height - 1)))
            return false;
        reinitAxes(width, height);
        setRegion(0, width, 0, height);
        stride_ = rowBytes;
        pixels_ = static_cast<Storage*>(pointer);
        return true;
    }

    // Walk the wrapped rows in the other direction: row 0 becomes the last
    // row in memory.
    void flipRows() {
        if (!pixels_ || axes_[1].size == 0) return;
        pixels_ = rowAddress(axes_[1].size - 1);
        stride_ = -stride_;
    }

    // Frees owned pixels and resets the geometry to empty.
    void release() { release(false); }

    virtual void share(const FnTexture& other) {
        if (&other == this) return;
        release();
        axes_[0] = other.axes_[0];
        axes_[1] = other.axes_[1];
        pixels_ = other.pixels_;
        owns_ = false;
        setFillValue(other.fill_);
        stride_ = other.stride_;
    }

    virtual void setFillValue(const Storage& v) { fill_ = v; }
    const Storage& fillValue() const { return fill_; }

    // Bilinear sample of the area's centre, in storage units.
    virtual void sampleArea(Working& out, float x0, float y0, float x1, float y1) const {
        sampleAt(out, (x0 + x1) / 2.0f, (y0 + y1) / 2.0f);
    }
    virtual void sampleAround(Working& out, float cx, float cy, float hw, float hh) const {
        sampleArea(out, cx - hw, cy - hh, cx + hw, cy + hh);
    }

    Storage* pixels() const { return pixels_; }
    ptrdiff_t stride() const { return stride_; }
    // The bytes the stored rows span, whichever way the rows run; empty
    // without pixels.
    FnByteRange byteRange() const {
        const int32_t w = axes_[0].size, h = axes_[1].size;
        if (!pixels_ || w <= 0 || h <= 0) return {};
        const auto* first = reinterpret_cast<const unsigned char*>(pixels_);
        const auto* last = reinterpret_cast<const unsigned char*>(rowAddress(h - 1));
        const unsigned char* lo = first < last ? first : last;
        const unsigned char* hi = first < last ? last : first;
        return {lo, hi + size_t(w) * kPixelSize};
    }
    bool ownsPixels() const { return owns_; }
    bool allocationFailed() const { return allocFailed_; }

    // Stored pixel (i, j), indices from the first stored pixel.
    Storage* rowAddress(int32_t j) const {
        return reinterpret_cast<Storage*>(reinterpret_cast<char*>(pixels_) +
                                          ptrdiff_t(j) * stride_);
    }
    Storage* stored(int32_t i, int32_t j) const { return rowAddress(j) + i; }
    // Map pixel (x, y) in map coordinates, which start at the data origin.
    Storage* at(int32_t x, int32_t y) const {
        return stored(x - axes_[0].origin, y - axes_[1].origin);
    }

    // The stored row that position y reads, or -1 when the row is fill (or
    // there are no pixels at all).
    int32_t storedRow(int32_t y) const { return pixels_ ? row(y) : -1; }

    // One run of a row walk from position x, cut at xEnd: `n` pixels read
    // from `in` moving by `step`, or from the fill value when `in` is null.
    struct Run {
        const Storage* in;
        int32_t step;
        int32_t n;
    };
    Run runAt(int32_t x, int32_t storedRow, int32_t xEnd) const {
        const FnSpan s = span(x);
        const int32_t n = s.run < xEnd - x ? s.run : xEnd - x;
        if (s.index < 0 || storedRow < 0) return {nullptr, 0, n};
        return {stored(s.index, storedRow), s.step, n};
    }

    // Walks row y from position x0 to x1 run by run, so that edge modes are
    // resolved once per run: fill(n) where the fill value stands in,
    // stored(in, step, n) where stored pixels are read.
    template <class Fill, class Stored>
    void forEachRun(int32_t y, int32_t x0, int32_t x1, Fill&& fill, Stored&& stored) const {
        const int32_t row = storedRow(y);
        for (int32_t x = x0; x < x1;) {
            const Run r = runAt(x, row, x1);
            if (r.in)
                stored(r.in, r.step, r.n);
            else
                fill(r.n);
            x += r.n;
        }
    }

private:
    void release(bool keepGeometry) {
        // The block, not pixels_: flipRows may have moved that to the last row.
        if (owns_) std::free(block_);
        block_ = nullptr;
        owns_ = false;
        pixels_ = nullptr;
        stride_ = 0;
        if (keepGeometry) return;
        reinitAxes(0, 0);
        setRegion(0, 0, 0, 0);
    }

    // Interior samples are the exact bilinear blend; at the border the fill
    // value stands in for the missing neighbours.
    void sampleAt(Working& out, float x, float y) const {
        const float u = x - 0.5f - axes_[0].floatOffset;
        const float v = y - 0.5f - axes_[1].floatOffset;
        const float fu = std::floor(u), fv = std::floor(v);
        const float fx = u - fu, fy = v - fv;
        const int32_t i = clampToInt(fu), j = clampToInt(fv);
        const Storage* p00 = lookup(i, j);
        const Storage* p10 = lookup(i + 1, j);
        const Storage* p01 = lookup(i, j + 1);
        const Storage* p11 = lookup(i + 1, j + 1);
        for (int c = 0; c < Storage::kChannels; ++c) {
            const float a = float(fnChannel(*p00, c)), b = float(fnChannel(*p10, c));
            const float d = float(fnChannel(*p01, c)), e = float(fnChannel(*p11, c));
            const float top = a + (b - a) * fx;
            const float bottom = d + (e - d) * fx;
            fnChannel(out, c) = top + (bottom - top) * fy;
        }
    }

    // Stored pixel under the edge rules for a position relative to the float
    // placement, or the fill value.
    const Storage* lookup(int32_t i, int32_t j) const {
        if (!pixels_) return &fill_;
        FnTexAxis h = axes_[0], v = axes_[1];
        h.intOffset = 0;
        v.intOffset = 0;
        const int32_t si = h.lookup(i), sj = v.lookup(j);
        if (si < 0 || sj < 0) return &fill_;
        return stored(si, sj);
    }

    static int32_t clampToInt(float f) {
        if (!(f == f)) return INT32_MIN / 2;
        if (f < float(INT32_MIN / 2)) return INT32_MIN / 2;
        if (f > float(INT32_MAX / 2)) return INT32_MAX / 2;
        return int32_t(f);
    }

    bool owns_ = false;
    Storage* pixels_ = nullptr;
    void* block_ = nullptr;  // what allocate() got, the only thing ever freed
    bool allocFailed_ = false;
    Storage fill_{};
    ptrdiff_t stride_ = 0;
};

using FnImage8 = FnTexture<FnRGBA8, FnRGBAf>;
using FnImage16 = FnTexture<FnRGBA16, FnRGBAf>;
// Unsigned 16-bit images: the input of the 16-bit histogram analyser.
using FnImage16U = FnTexture<FnRGBA16U, FnRGBAf>;
using FnMaskImage8 = FnTexture<FnChan8, FnChanf>;
using FnMaskImage16 = FnTexture<FnChan16, FnChanf>;
using FnImageF32 = FnTexture<FnRGBAF32, FnRGBAf>;
using FnMaskImageF32 = FnTexture<FnChanF32, FnChanf>;
