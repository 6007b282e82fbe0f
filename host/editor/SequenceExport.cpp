// Frames rendered to files in the background.
#include "host/editor/SequenceExport.h"

#include <QMetaObject>

#include "host/common/ImageFile.h"
#include "host/common/ModuleSession.h"
#include "host/common/OutputBatch.h"
#include "host/common/UserText.h"

bool SequenceExport::check(const ExportPlan& plan, std::string& error) {
    if (plan.output.empty()) {
        error = "no output file named";
        return false;
    }
    if (plan.frames.last > plan.frames.first && !hasFramePattern(plan.output)) {
        error = "the output needs a frame pattern (%04d or ####) to hold several frames";
        return false;
    }
    const std::string first = expandFramePattern(plan.output, plan.frames.first);
    if (!checkOutputTarget(first, "the output " + quotedText(first), error)) return false;
    if (!canWriteImage(first)) {
        error = "no image format has the file name ending of " + quotedText(first);
        return false;
    }
    for (long f = plan.frames.first; f <= plan.frames.last; ++f)
        if (samePath(expandFramePattern(plan.output, f), expandFramePattern(plan.input, f))) {
            error = "the output would overwrite the input";
            return false;
        }
    return true;
}

SequenceExport::SequenceExport(ComPtr<IDSImageEffect> effect, ExportPlan plan, QObject* parent)
    : QObject(parent),
      effect_(std::move(effect)),
      plan_(std::move(plan)),
      context_(DsExecutionContext::create()) {}

SequenceExport::~SequenceExport() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

void SequenceExport::start() {
    if (thread_.joinable()) return;
    thread_ = std::thread([this] { run(); });
}

void SequenceExport::cancel() {
    cancelled_.store(true);
    if (context_) context_->requestStop();
}

void SequenceExport::run() {
    const int total = int(plan_.frames.last - plan_.frames.first + 1);
    int written = 0;
    std::string error;
    bool ok = effect_.get() != nullptr;
    if (!ok) error = "no effect to render with";
    for (long f = plan_.frames.first; ok && f <= plan_.frames.last; ++f) {
        if (cancelled_.load()) break;
        const std::string in = expandFramePattern(plan_.input, f);
        const std::string out = expandFramePattern(plan_.output, f);
        FrameImage source;
        FileInfo info;
        if (!readFrame(in, PixelDepth::Auto, source, info, error)) {
            ok = false;
            break;
        }
        const bool grading = source.depth == PixelDepth::Float;
        if (grading) plan_.into.apply(source);
        FrameImage output = source;
        RenderRequest request;
        request.time = plan_.sequence ? double(f) : 0.0;
        // The context answers "stop" once cancelled, whenever that came.
        const bool stop = cancelled_.load();
        if (stop) break;
        if (!ModuleSession::renderWith(*effect_.get(), *context_.get(), source, output, nullptr,
                                       request, error)) {
            if (cancelled_.load()) break;
            error = in + ": " + error;
            ok = false;
            break;
        }
        if (cancelled_.load()) break;
        if (grading) plan_.back.apply(output);
        if (!writeFrame(out, info, output, error)) {
            ok = false;
            break;
        }
        ++written;
        QMetaObject::invokeMethod(
            this,
            [this, written, total, out] {
                emit progress(written, total, QString::fromStdString(out));
            },
            Qt::QueuedConnection);
    }
    const bool cancelled = cancelled_.load() && ok;
    effect_.reset();
    done_.store(true);
    const QString message = QString::fromStdString(error);
    QMetaObject::invokeMethod(
        this,
        [this, ok, cancelled, written, message] {
            emit finished(ok && !cancelled, cancelled, written, message);
        },
        Qt::QueuedConnection);
}
