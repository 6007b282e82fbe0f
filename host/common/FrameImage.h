// Frames and pixel masks as the host keeps them for the effect: a depth,
// a size and one buffer of bytes, read and written through typed views.
//
// What a depth means to the host (the image kinds and pixel formats it
// hands the effect, the size of a sample, the order of rows in memory)
// stands in one table, depthFacts(); whatever turns on a frame's depth
// reads it there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/dshost/DsImage.h"

enum class PixelDepth { Auto = 0, Eight = 8, Sixteen = 16, Float = 32 };

// One storage depth as the host sees it.
struct DepthFacts {
    PixelDepth depth;
    DsImageKind frameKind, maskKind;  // what the host wraps its buffers as
    GUID frameFormat, maskFormat;     // the pixel formats the effect is told
    size_t sampleBytes;               // one channel of one pixel
    bool bottomUp;                    // rows in memory from the bottom one up
};

// The facts of a depth; Auto reads as Eight.
const DepthFacts& depthFacts(PixelDepth depth);

// Pixels of one depth, `Channels` samples a pixel, rows in the depth's
// order.  The typed views are empty unless their type is the depth's.
template <int Channels>
struct DepthImage {
    int width = 0, height = 0;
    PixelDepth depth = PixelDepth::Eight;
    std::vector<uint8_t> bytes;

    const DepthFacts& facts() const { return depthFacts(depth); }
    size_t sampleCount() const { return size_t(width) * size_t(height) * Channels; }
    // The size and depth, with the buffer sized to match; what it held
    // stays where the size does (a sequence reads into the same frames).
    void reshape(int w, int h, PixelDepth d) {
        width = w;
        height = h;
        depth = d;
        bytes.resize(sampleCount() * facts().sampleBytes);
    }
    void* data() { return bytes.data(); }
    const void* data() const { return bytes.data(); }

    std::span<uint8_t> u8() { return view<uint8_t>(PixelDepth::Eight); }
    std::span<const uint8_t> u8() const { return view<const uint8_t>(PixelDepth::Eight); }
    std::span<int16_t> s16() { return view<int16_t>(PixelDepth::Sixteen); }
    std::span<const int16_t> s16() const { return view<const int16_t>(PixelDepth::Sixteen); }
    std::span<float> f32() { return view<float>(PixelDepth::Float); }
    std::span<const float> f32() const { return view<const float>(PixelDepth::Float); }

private:
    template <class T>
    std::span<T> view(PixelDepth d) const {
        if (depth != d) return {};
        auto* first = reinterpret_cast<T*>(const_cast<uint8_t*>(bytes.data()));
        return {first, bytes.size() / sizeof(T)};
    }
};

// One RGBA frame (4 samples a pixel): 8-bit top-down, 16-bit signed 2.14
// bottom-up, float top-down.
struct FrameImage : DepthImage<4> {};

// A single-channel pixel mask: full at 255, 32767 (16-bit) or 1.0.
struct MaskImage : DepthImage<1> {};

// A frame as the file's own unsigned values, RGBA with rows top-down: 8-bit
// files as 8-bit, every other file as 16-bit (OpenImageIO's conversion to
// UINT16).  What counts a file rather than renders it reads this.
struct UnsignedFrame {
    int width = 0, height = 0;
    bool eightBit = true;
    std::vector<uint8_t> rgba8;
    std::vector<uint16_t> rgba16;
};
