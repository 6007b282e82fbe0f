// Image files in and out of the effect's storage, through OpenImageIO.
//
// The host keeps 8-bit and float frames top-down and 16-bit frames
// bottom-up in memory, as the effect expects its host's images
// (FrameImage.h).  Reading converts a file straight into that layout (an
// 8-bit or float RGBA file is read in place, without a copy); writing
// converts back into the file's own type and channel count and lands the
// file atomically, alone or with the other outputs of its frame
// (OutputBatch.h).
#pragma once

#include <OpenImageIO/imageio.h>

#include <string>
#include <vector>

#include "host/common/FrameImage.h"

class OutputBatch;

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
// The mask for a frame of `depth`: its first channel, full at the depth's
// full mask value.
bool readMask(const std::string& path, PixelDepth depth, MaskImage& out, std::string& error);
// Read as readFrame reads (grey fills R, G and B; a missing alpha is full,
// 255 or 65535); channels past the fourth are not read.
bool readUnsigned(const std::string& path, UnsignedFrame& out, std::string& error);
// Writes the frame as a file like `like` to land with the batch.
bool stageFrame(OutputBatch& batch, const std::string& path, const FileInfo& like,
                const FrameImage& img, std::string& error);
// The same, landed on its own.
bool writeFrame(const std::string& path, const FileInfo& like, const FrameImage& img,
                std::string& error);
// Whether the image library has a writer for the path's file name
// extension (checked before any work is done).
bool canWriteImage(const std::string& path);

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
