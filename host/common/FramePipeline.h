// FramePipeline: the frames of a sequence in three stages, each on a thread
// of its own: frame n + 1 decodes and frame n - 1 encodes while frame n
// renders.
//
// The stages hand frames to each other through queues of one, and the
// frames' buffers go round a fixed set of slots (two decoded frames, two
// rendered ones), so a sequence of any length holds at most four frames at
// once and, after its first frames, asks the system for no new memory.
// Frames reach the encoder in frame order.  The first frame that fails, in
// frame order, ends the sequence: the frames before it are all written,
// none after it, and its error is the one reported.
#pragma once

#include <functional>
#include <string>

#include "host/common/ImageFile.h"

// A frame as read: its pixels in host layout, what the file was, its mask.
struct DecodedFrame {
    FrameImage source;
    FileInfo info;
    MaskImage mask;
};

// A frame as rendered, with what the output file is to be like.
struct RenderedFrame {
    FrameImage image;
    FileInfo info;
};

struct FrameStages {
    // Decodes frame f into `in`; on the decoding thread.
    std::function<bool(long f, DecodedFrame& in, std::string& error)> decode;
    // Renders `in` into `out` (whose buffers hold an earlier frame or
    // nothing) and moves the file description across; on the calling
    // thread.
    std::function<bool(long f, DecodedFrame& in, RenderedFrame& out, std::string& error)> render;
    // Encodes `out`; on the encoding thread.
    std::function<bool(long f, const RenderedFrame& out, std::string& error)> encode;
};

// Runs frames first..last through the stages.  False with the error of the
// first frame that failed.
bool runFramePipeline(long first, long last, const FrameStages& stages, std::string& error);
