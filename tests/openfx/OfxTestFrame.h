// A frame of pixels as an OpenFX host holds one: a depth (byte, short or
// float), components (RGBA, RGB or Alpha), pixel bounds with y growing
// upward, and rows in memory either bottom row first (positive row bytes,
// the usual layout) or top row first (negative row bytes, as some hosts
// hand over images).  Files are read and written with OpenImageIO, whose
// rows run top down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ofxCore.h"

class OfxTestFrame {
public:
    enum class Rows { BottomUp, TopDown };

    OfxTestFrame() = default;
    // A frame of zero bytes.
    OfxTestFrame(std::string depth, std::string components, OfxRectI bounds,
                 Rows rows = Rows::BottomUp);
    // The image file at `path` converted to `depth`, with its origin at 0,0;
    // RGBA, RGB or Alpha (a single channel) as the file has; an empty frame
    // with `error` set when the file cannot be read.
    static OfxTestFrame read(const std::string& path, const std::string& depth, std::string& error);
    // Writes the frame (TIFF, EXR, PNG... by the name's ending); false with
    // `error` set when it cannot.
    bool write(const std::string& path, std::string& error) const;

    const std::string& depth() const { return depth_; }
    const std::string& components() const { return components_; }
    const OfxRectI& bounds() const { return bounds_; }
    int width() const { return bounds_.x2 - bounds_.x1; }
    int height() const { return bounds_.y2 - bounds_.y1; }
    bool empty() const { return width() <= 0 || height() <= 0; }
    int channels() const { return channels_; }
    int bytesPerChannel() const { return elemBytes_; }
    int bytesPerPixel() const { return channels() * bytesPerChannel(); }
    // Distance in bytes from a row to the one above it.
    int rowBytes() const;

    // The pixel at (x, y) in pixel coordinates; null outside the bounds.
    void* pixel(int x, int y);
    const void* pixel(int x, int y) const;
    // The first byte of the bottom row: what an OpenFX image's data points at.
    void* data() { return empty() ? nullptr : pixel(bounds_.x1, bounds_.y1); }

    // Channel c of (x, y) as a number (byte and short as stored, float as
    // is), and its store; both expect a pixel inside the bounds.
    double channel(int x, int y, int c) const;
    void setChannel(int x, int y, int c, double v);
    // Every byte of the frame.
    void fill(uint8_t byte);

    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    std::string depth_, components_;
    // Of depth_ and components_, read once: the tests address every
    // channel of frames of millions of pixels.
    int channels_ = 0, elemBytes_ = 0;
    OfxRectI bounds_{0, 0, 0, 0};
    Rows rows_ = Rows::BottomUp;
    std::vector<unsigned char> bytes_;
};
