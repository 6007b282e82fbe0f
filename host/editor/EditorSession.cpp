// The editor's module, parameters, input and render worker.
#include "host/editor/EditorSession.h"

#include "host/common/ImageFile.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <cstdio>

EditorSession::EditorSession(QObject* parent) : QObject(parent) {}

EditorSession::~EditorSession() {
    // No render may hold a clone of the effect when the module goes.
    worker_.reset();
    document_.reset();
}

bool EditorSession::open(const std::string& modulePath, std::string& error) {
    if (!module_.open(modulePath, false, error)) return false;
    document_ = std::make_unique<ParamDocument>(module_, this);
    connect(document_.get(), &ParamDocument::changed, this, [this] {
        // Several parameters change at once on a load or an undo: one render.
        if (renderQueued_) return;
        renderQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            renderQueued_ = false;
            requestRender();
        });
    });
    connect(document_.get(), &ParamDocument::gradingSpaceChanged, this,
            [this] { useDocumentSpace(); });
    worker_ = std::make_unique<RenderWorker>([this](RenderResult&& r) {
        auto shared = std::make_shared<const RenderResult>(std::move(r));
        QMetaObject::invokeMethod(
            this, [this, shared] { emit rendered(shared); }, Qt::QueuedConnection);
    });
    return true;
}

bool EditorSession::setInput(const std::string& in, std::optional<FrameRange> frames,
                             std::string& error) {
    if (in.empty()) {
        error = "no image given";
        return false;
    }
    const bool sequence = hasFramePattern(in);
    FrameRange range{0, 0};
    if (sequence) {
        const auto found = frames ? frames : findFramesOnDisk(in);
        if (!found) {
            error = "no frames of \"" + in + "\" were found; give --frames A-B";
            return false;
        }
        range = *found;
    } else if (frames && frames->first != frames->last) {
        error = "\"" + in + "\" holds no frame pattern (%04d or ####) for --frames";
        return false;
    }
    input_ = in;
    sequence_ = sequence;
    frames_ = range;
    frame_ = range.first;
    emit inputChanged();
    emit frameChanged(frame_);
    requestRender(true);
    return true;
}

std::string EditorSession::framePath(long frame) const {
    return sequence_ ? expandFramePattern(input_, frame) : input_;
}

void EditorSession::setFrame(long frame) {
    frame = std::clamp(frame, frames_.first, frames_.last);
    if (frame == frame_) return;
    frame_ = frame;
    emit frameChanged(frame_);
    requestRender();
}

void EditorSession::setMatte(int range) {
    range = std::clamp(range, 0, 3);
    if (range == matte_) return;
    matte_ = range;
    requestRender();
}

bool EditorSession::loadColourConfig(const std::string& path, std::string& error) {
    ColourSpaces spaces;
    if (!spaces.load(path, error)) return false;
    // The displays and views are the new config's: its defaults.
    ViewSettings view;
    view.exposure = view_.exposure;
    view.gamma = view_.gamma;
    SpaceConversion through;
    if (!spaces.viewConversion(view, through, error)) return false;
    spaces_ = std::move(spaces);
    setView(view, error);
    useDocumentSpace();
    return true;
}

void EditorSession::useDocumentSpace() {
    const GradingSpace space = document_ ? document_->gradingSpace() : GradingSpace{};
    std::string why;
    if (!spaces_.gradingConversions(space, into_, back_, why)) {
        into_ = back_ = {};
        emit colourProblem(QString::fromStdString("The look's working space is not used: " + why));
    }
    requestRender();
}

bool EditorSession::setGradingSpace(const GradingSpace& space, std::string& error) {
    SpaceConversion into, back;
    if (!spaces_.gradingConversions(space, into, back, error)) return false;
    if (document_) document_->setGradingSpace(space);
    return true;
}

bool EditorSession::setView(const ViewSettings& view, std::string& error) {
    SpaceConversion through;
    if (spaces_.loaded() && !spaces_.viewConversion(view, through, error)) return false;
    shownThrough_ = std::move(through);
    view_ = view;
    char key[96];
    std::snprintf(key, sizeof key, "%a/%a/", view.exposure, view.gamma);
    viewKey_ = key + view.inputSpace + "/" + view.display + "/" + view.view;
    requestRender();
    return true;
}

uint64_t EditorSession::requestRender(bool reload) {
    if (!worker_ || input_.empty()) return serial_;
    std::string why;
    RenderJob job;
    job.serial = ++serial_;
    job.effect = module_.cloneEffect(why);
    if (job.effect && matte_ != 0) {
        // The matte is shown by the clone alone.
        ComPtr<IDSPropertyContainer> props;
        if (job.effect.as(IID_IDSPropertyContainer, props) == S_OK)
            props->SetValue(ColBalanceParam::RenderTone, matte_);
    }
    const std::string path = framePath(frame_);
    job.sourceKey = path;
    job.reload = reload;
    job.time = time();
    job.into = into_;
    job.back = back_;
    job.view = shownThrough_;
    job.viewKey = viewKey_;
    job.load = [path](FrameImage& frame, std::string& error) {
        FileInfo info;
        return readFrame(path, PixelDepth::Auto, frame, info, error);
    };
    worker_->submit(std::move(job));
    return serial_;
}
