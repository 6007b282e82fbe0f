// The editor's render thread.
#include "host/editor/RenderWorker.h"

#include <chrono>

#include "host/common/FrameConvert.h"
#include "host/common/ModuleSession.h"

RenderWorker::RenderWorker(Deliver deliver)
    : deliver_(std::move(deliver)), context_(DsExecutionContext::create()) {
    thread_ = std::thread([this] { run(); });
}

RenderWorker::~RenderWorker() { stop(); }

void RenderWorker::submit(RenderJob job) {
    std::optional<RenderJob> replaced;
    {
        std::lock_guard<std::mutex> g(lock_);
        if (stopping_) return;
        if (waiting_) {
            ++dropped_;
            replaced = std::move(waiting_);
        }
        waiting_ = std::move(job);
    }
    wake_.notify_one();
    // The dropped clone is released here, outside the lock.
}

void RenderWorker::stop() {
    std::optional<RenderJob> dropped;
    {
        std::lock_guard<std::mutex> g(lock_);
        stopping_ = true;
        dropped = std::move(waiting_);
        waiting_.reset();
    }
    if (context_) context_->requestStop();
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

uint64_t RenderWorker::dropped() const {
    std::lock_guard<std::mutex> g(lock_);
    return dropped_;
}

void RenderWorker::run() {
    for (;;) {
        RenderJob job;
        {
            std::unique_lock<std::mutex> g(lock_);
            wake_.wait(g, [this] { return stopping_ || waiting_.has_value(); });
            if (stopping_) break;
            job = std::move(*waiting_);
            waiting_.reset();
        }
        RenderResult result = render(job);
        job.effect.reset();
        {
            // A render stopped for the end delivers nothing.
            std::lock_guard<std::mutex> g(lock_);
            if (stopping_) break;
        }
        deliver_(std::move(result));
    }
    source_ = {};
}

namespace {

// A frame as the viewer shows it: float frames through the view, any other
// as it is.
std::shared_ptr<const ViewImage> shown(const FrameImage& f, const SpaceConversion& view) {
    auto out = std::make_shared<ViewImage>();
    out->width = f.width;
    out->height = f.height;
    if (f.depth == PixelDepth::Float && !view.isIdentity()) {
        FrameImage viewed = f;
        view.apply(viewed);
        out->rgba = displayPixels(viewed);
    } else {
        out->rgba = f.depth == PixelDepth::Eight ? f.bytes : displayPixels(f);
    }
    return out;
}

}  // namespace

RenderResult RenderWorker::render(RenderJob& job) {
    const auto start = std::chrono::steady_clock::now();
    RenderResult r;
    r.serial = job.serial;
    r.sourceKey = job.sourceKey;
    if (job.reload || source_.key != job.sourceKey || !source_.view) {
        source_ = {};
        Source s;
        s.key = job.sourceKey;
        if (!job.load || !job.load(s.image, r.error)) {
            if (r.error.empty()) r.error = "nothing to read for \"" + job.sourceKey + "\"";
            return r;
        }
        s.view = shown(s.image, job.view);
        s.viewKey = job.viewKey;
        source_ = std::move(s);
    } else if (source_.viewKey != job.viewKey) {
        source_.view = shown(source_.image, job.view);
        source_.viewKey = job.viewKey;
    }
    r.before = source_.view;
    if (!job.effect) {
        r.error = "no effect to render with";
        return r;
    }
    const bool grading = source_.image.depth == PixelDepth::Float && !job.into.isIdentity();
    FrameImage working;
    if (grading) {
        working = source_.image;
        job.into.apply(working);
    }
    FrameImage& input = grading ? working : source_.image;
    // Pixels the effect does not write keep the source.
    FrameImage output = input;
    RenderRequest request;
    request.time = job.time;
    if (!ModuleSession::renderWith(*job.effect.get(), *context_.get(), input, output, nullptr,
                                   request, r.error))
        return r;
    if (grading) job.back.apply(output);
    r.after = shown(output, job.view);
    r.output = std::make_shared<const FrameImage>(std::move(output));
    r.ok = true;
    r.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return r;
}
