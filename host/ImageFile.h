// Image files in and out of the effect's storage, through OpenImageIO.
//
// The host keeps 8-bit and float frames top-down and 16-bit frames
// bottom-up in memory, as the effect expects its host's images.  Reading
// converts a file straight into that layout (an 8-bit or float RGBA file is
// read in place, without a copy); writing converts back into the file's own
// type and channel count and lands the file atomically: a temporary file
// beside the target, renamed only when complete.
#pragma once

#include <OpenImageIO/imageio.h>

#include <cstdint>
#include <string>
#include <vector>

enum class PixelDepth { Auto = 0, Eight = 8, Sixteen = 16, Float = 32 };

// One RGBA frame in host layout (4 elements per pixel).
struct FrameImage {
    int width = 0, height = 0;
    PixelDepth depth = PixelDepth::Eight;
    std::vector<uint8_t> rgba8;   // 8-bit path, rows top-down
    std::vector<int16_t> rgba16;  // 16-bit path, rows bottom-up
    std::vector<float> rgbaF;     // float path, rows top-down
    void* data() {
        switch (depth) {
        case PixelDepth::Sixteen: return rgba16.data();
        case PixelDepth::Float: return rgbaF.data();
        default: return rgba8.data();
        }
    }
    size_t bytes() const { return rgba8.size() + rgba16.size() * 2 + rgbaF.size() * 4; }
};

// A single-channel mask in host layout.
struct MaskImage {
    int width = 0, height = 0;
    std::vector<uint8_t> v8;   // 8-bit path, rows top-down
    std::vector<int16_t> v16;  // 16-bit path, rows bottom-up, full mask 32767
    std::vector<float> vF;     // float path, rows top-down, full mask 1.0
};

// A frame as the file's own unsigned values, RGBA with rows top-down: 8-bit
// files as 8-bit, every other file as 16-bit (OpenImageIO's conversion to
// UINT16).  What counts a file rather than renders it reads this.
struct UnsignedFrame {
    int width = 0, height = 0;
    bool eightBit = true;
    std::vector<uint8_t> rgba8;
    std::vector<uint16_t> rgba16;
};

// What the input file was, so the output can be written like it.
struct FileInfo {
    OIIO::ImageSpec spec;
    // Channels past the fourth, kept to be written back unchanged.
    std::vector<float> extra;
};

// The path a file runs on when none is forced: 8-bit files on the 8-bit
// path, half, float and double files on the float path, everything else on
// the 16-bit path.
PixelDepth naturalDepth(const OIIO::ImageSpec& spec);

// True when a file of this description can be read (sizes and channel
// counts within what fits in memory); false with the error naming `path`.
bool acceptSpec(const OIIO::ImageSpec& spec, const std::string& path, std::string& error);

bool readFrame(const std::string& path, PixelDepth depth, FrameImage& out, FileInfo& info,
               std::string& error);
bool readMask(const std::string& path, PixelDepth depth, MaskImage& out, std::string& error);
// Read as readFrame reads (grey fills R, G and B; a missing alpha is full,
// 255 or 65535); channels past the fourth are not read.
bool readUnsigned(const std::string& path, UnsignedFrame& out, std::string& error);
bool writeFrame(const std::string& path, const FileInfo& like, const FrameImage& img,
                std::string& error);
// Whether the image library has a writer for the path's file name
// extension (checked before any work is done).
bool canWriteImage(const std::string& path);

// A frame as a viewer shows it: 8-bit RGBA, rows top-down (16-bit storage
// through its file value, as an 8-bit file would be written).
std::vector<uint8_t> displayPixels(const FrameImage& f);

// The temporary file being written, removed if the process is interrupted.
void installInterruptCleanup();

// Gives the image library at least two worker threads.  It keeps one
// fewer than there are processors, and its TIFF reader and writer only
// (de)compress strips side by side with two or more, which a two-processor
// machine would never get; a lone file's reading and writing gains from
// them.
void startImageLibraryThreads();

// Stops the image library's worker threads (the TIFF and EXR writers
// compress on them), so that none is still winding down while the program
// ends and its exit handlers run.
void stopImageLibraryThreads();
