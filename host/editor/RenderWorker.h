// RenderWorker: the editor's render thread.  The interface thread hands it
// jobs (a clone of the effect holding the parameters of that moment, the
// source frame and the time) and never waits: a job still waiting when a
// newer one comes is dropped, so a drag renders only the newest settings.
// Results come back through a callback on the worker thread; the editor
// posts them to its event loop.
//
// The worker keeps the last source frame it read, so edits on one frame
// read the file once.  Shared with the interface thread: the waiting job
// and the stop flag, under one mutex; the render in flight is stopped
// through its execution context, which any thread may ask.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/common/ColourSpaces.h"
#include "host/common/FrameImage.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dssdk/DSEffect.h"

// A frame as the viewer takes it: 8-bit RGBA, rows top-down.
struct ViewImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

// Reads a source frame; false with a message.  Runs on the worker thread.
using SourceLoader = std::function<bool(FrameImage& frame, std::string& error)>;

struct RenderJob {
    uint64_t serial = 0;
    ComPtr<IDSImageEffect> effect;  // the worker's alone from now on
    std::string sourceKey;          // names the source frame (its path)
    SourceLoader load;              // called when the worker does not hold that frame
    bool reload = false;            // read it again even when held
    double time = 0;
    // A float frame renders in the working space: converted into it, and
    // the rendered frame back (identity: none).  Integer frames never are.
    SpaceConversion into, back;
    // What float frames are shown through (identity: their values as they
    // are), named by `viewKey` so that a held source is shown anew when
    // the view changes.
    SpaceConversion view;
    std::string viewKey;
};

struct RenderResult {
    uint64_t serial = 0;
    std::string sourceKey;
    bool ok = false;
    std::string error;
    std::shared_ptr<const ViewImage> before;   // the source as read (null when unread)
    std::shared_ptr<const ViewImage> after;    // the rendered frame (null on failure)
    std::shared_ptr<const FrameImage> output;  // the rendered frame itself, as saved
    double milliseconds = 0;                   // reading, rendering and converting
};

class RenderWorker {
public:
    using Deliver = std::function<void(RenderResult&& result)>;

    // Starts the thread; `deliver` is called on it, one result at a time.
    explicit RenderWorker(Deliver deliver);
    // stop().
    ~RenderWorker();
    RenderWorker(const RenderWorker&) = delete;
    RenderWorker& operator=(const RenderWorker&) = delete;

    // Replaces any job still waiting (which is dropped unrendered).
    void submit(RenderJob job);
    // Stops the render in flight, drops the waiting job and joins the
    // thread; no result is delivered after it returns.
    void stop();
    // Jobs dropped unrendered so far.
    uint64_t dropped() const;

private:
    struct Source {
        std::string key;
        FrameImage image;
        std::shared_ptr<const ViewImage> view;
        std::string viewKey;
    };

    void run();
    RenderResult render(RenderJob& job);

    Deliver deliver_;
    ComPtr<DsExecutionContext> context_;

    mutable std::mutex lock_;
    std::condition_variable wake_;
    std::optional<RenderJob> waiting_;
    bool stopping_ = false;
    uint64_t dropped_ = 0;

    Source source_;  // worker thread only
    std::thread thread_;
};
