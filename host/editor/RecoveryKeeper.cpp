// The editor's unsaved work, kept in its recovery file.
#include "host/editor/RecoveryKeeper.h"

#include <QUndoStack>

#include "host/editor/ParamDocument.h"

namespace {

// From the first change to its write: under a second, with room for a busy
// event loop.
constexpr int kWriteDelayMs = 750;

}  // namespace

RecoveryKeeper::RecoveryKeeper(ParamDocument& document, std::string folder, QObject* parent)
    : QObject(parent), doc_(document), folder_(std::move(folder)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWriteDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { write(); });
    connect(&doc_, &ParamDocument::changed, this, [this] { changed(); });
    connect(&doc_, &ParamDocument::gradingSpaceChanged, this, [this] { changed(); });
    QUndoStack* undo = doc_.undoStack();
    connect(undo, &QUndoStack::indexChanged, this, [this] { changed(); });
    connect(undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Saved, opened or undone back to the saved state: nothing to keep.
        if (clean && keeping_) {
            timer_.stop();
            if (file_) file_->remove();
            written_ = false;
        } else {
            changed();
        }
    });
}

RecoveryKeeper::~RecoveryKeeper() = default;

const std::string& RecoveryKeeper::path() const {
    static const std::string none;
    return file_ ? file_->path() : none;
}

RecoveryKeeper::Left RecoveryKeeper::follow(const std::string& input, RecoveryState& left,
                                            std::string& message) {
    timer_.stop();
    keeping_ = false;
    if (file_ && written_) file_->remove();
    written_ = false;
    file_ = std::make_unique<RecoveryFile>(folder_, input);
    std::string why;
    if (!file_->lock(why)) {
        message = why + "; these are not kept for recovery";
        file_.reset();
        return Left::Elsewhere;
    }
    if (!file_->exists()) return Left::Nothing;
    if (file_->read(doc_.params(), left, why)) return Left::Work;
    message = setAside(why);
    return Left::Unreadable;
}

std::string RecoveryKeeper::setAside(const std::string& why) {
    if (!file_) return {};
    std::string error;
    const std::string aside = file_->setAside(error);
    return "the recovery file " + file_->path() + " cannot be used (" + why + "); " +
           (aside.empty() ? error : "it was set aside as " + aside);
}

void RecoveryKeeper::keep() {
    keeping_ = file_ != nullptr;
    if (keeping_ && doc_.modified()) write();
}

void RecoveryKeeper::setParamsFile(const std::string& path) {
    if (path == paramsFile_) return;
    paramsFile_ = path;
    changed();
}

void RecoveryKeeper::drop() {
    timer_.stop();
    if (file_) file_->remove();
    written_ = false;
}

void RecoveryKeeper::changed() {
    if (keeping_ && !timer_.isActive()) timer_.start();
}

void RecoveryKeeper::write() {
    if (!keeping_ || !file_) return;
    if (!doc_.modified()) {
        if (written_) file_->remove();
        written_ = false;
        return;
    }
    RecoveryState state;
    state.input = file_->input();
    state.paramsFile = paramsFile_;
    state.settings = doc_.settings();
    state.grading = doc_.gradingSpace();
    state.history = doc_.history();
    std::string error;
    if (!file_->write(doc_.params(), state, error)) {
        if (!failing_)
            emit failed(
                QString::fromStdString("unsaved parameters cannot be kept for "
                                       "recovery: " +
                                       error));
        failing_ = true;
        return;
    }
    failing_ = false;
    written_ = true;
}
