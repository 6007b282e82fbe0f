// An image a host hands over for one render: fetched from a clip, released
// when it goes, and read into a layout the pixel path can trust.
//
// A host's image is a pointer to the pixel at (bounds.x1, bounds.y1) with
// rows rowBytes apart going up (negative: the rows lie top row first in
// memory).  fetch() refuses, with a reason, what cannot be read safely: no
// image, a depth or components other than the ones listed, row bytes that
// do not hold a row or do not keep the elements aligned, bounds the wrong
// way round, no pixels for non-empty bounds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ofxCore.h"
#include "ofxImageEffect.h"

class ColBalanceOfxImage {
public:
    enum class Depth { Byte, Short, Float };
    // The depth a kOfxBitDepth* string names; false for others.
    static bool depthOf(const char* name, Depth& depth);

    ColBalanceOfxImage() = default;
    ~ColBalanceOfxImage() { release(); }
    ColBalanceOfxImage(const ColBalanceOfxImage&) = delete;
    ColBalanceOfxImage& operator=(const ColBalanceOfxImage&) = delete;

    // Fetches `clip`'s image at `time` (over `region`, null for all of it).
    // Null with `why` set when there is none or it cannot be read.
    const char* fetch(OfxImageClipHandle clip, double time, const OfxRectD* region);

    Depth depth() const { return depth_; }
    int channels() const { return channels_; }  // 4 RGBA, 3 RGB, 1 Alpha
    bool premultiplied() const { return premultiplied_; }
    const OfxRectI& bounds() const { return bounds_; }
    int width() const { return bounds_.x2 - bounds_.x1; }
    int height() const { return bounds_.y2 - bounds_.y1; }
    ptrdiff_t rowBytes() const { return rowBytes_; }
    void* data() const { return data_; }
    size_t elementSize() const;
    bool contains(int x, int y) const {
        return x >= bounds_.x1 && x < bounds_.x2 && y >= bounds_.y1 && y < bounds_.y2;
    }
    // The first element of pixel (x, y), which must lie inside the bounds.
    template <class T>
    T* at(int x, int y) const {
        return reinterpret_cast<T*>(static_cast<char*>(data_) +
                                    ptrdiff_t(y - bounds_.y1) * rowBytes_) +
               ptrdiff_t(x - bounds_.x1) * channels_;
    }

private:
    void release();

    OfxPropertySetHandle handle_ = nullptr;
    Depth depth_ = Depth::Byte;
    int channels_ = 0;
    bool premultiplied_ = false;
    OfxRectI bounds_{0, 0, 0, 0};
    ptrdiff_t rowBytes_ = 0;
    void* data_ = nullptr;
};
