// EditorSession: what the editor edits and shows, apart from its widgets:
// the module and its effect (loaded as colbalance loads it), the parameters
// (ParamDocument), the input (an image or a numbered sequence), the current
// frame, and the render worker that turns all of it into the frame to
// show.  Any change that alters the picture asks for a render; the newest
// request wins, and results arrive on the interface thread as rendered().
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "host/common/ColourSpaces.h"
#include "host/common/FramePattern.h"
#include "host/common/ModuleSession.h"
#include "host/editor/ParamDocument.h"
#include "host/editor/RenderWorker.h"

class EditorSession final : public QObject {
    Q_OBJECT
public:
    explicit EditorSession(QObject* parent = nullptr);
    // Stops the worker before the module goes.
    ~EditorSession() override;

    // Loads the module and creates the effect; false with the reason.
    bool open(const std::string& modulePath, std::string& error);
    ModuleSession& module() { return module_; }
    ParamDocument& document() { return *document_; }

    // An image, or a sequence ("shot.%04d.exr", "shot.####.exr") over
    // `frames` or, without them, over the frames found on disk.  Checks the
    // name only; a frame that cannot be read says so when it is shown.
    bool setInput(const std::string& in, std::optional<FrameRange> frames, std::string& error);
    bool hasInput() const { return !input_.empty(); }
    const std::string& input() const { return input_; }
    bool isSequence() const { return sequence_; }
    FrameRange frames() const { return frames_; }
    std::string framePath(long frame) const;

    // The current frame (clamped to the range) and the time it renders at:
    // the frame number for a sequence, 0 for an image.
    void setFrame(long frame);
    long frame() const { return frame_; }
    double time() const { return sequence_ ? double(frame_) : 0.0; }

    // Shows a tonal range's matte (1 lowlights, 2 midtones, 3 highlights)
    // whatever Render Tone holds, or (0) the picture the parameters give.
    // A way of looking: the parameters do not change.
    void setMatte(int range);
    int matte() const { return matte_; }

    // The colour config (ColourSpaces::load: `path`, else $OCIO, else the
    // shipped one).  Without one, float frames are shown and rendered with
    // their values as they are.  A config that does not load changes
    // nothing.  The view goes back to the new config's default display and
    // view (exposure and gamma stay); a look's working space the config
    // lacks is said by colourProblem().
    bool loadColourConfig(const std::string& path, std::string& error);
    const ColourSpaces& colourSpaces() const { return spaces_; }
    // The working space float frames render in (none when empty), from
    // their input space (the config's scene_linear role when empty); kept
    // in the document (an undo step), saved with the look.  A space the
    // config cannot convert is refused, and nothing changes.
    bool setGradingSpace(const GradingSpace& space, std::string& error);
    // How float frames are shown; the rendered frames do not change.
    bool setView(const ViewSettings& view, std::string& error);
    const ViewSettings& view() const { return view_; }
    // Into the working space and back (identity without one).
    const SpaceConversion& intoWorking() const { return into_; }
    const SpaceConversion& backFromWorking() const { return back_; }

    // Asks for the current frame with the current parameters; the serial
    // of the request.  `reload` reads the source file again.
    uint64_t requestRender(bool reload = false);
    uint64_t lastRequest() const { return serial_; }

signals:
    void rendered(std::shared_ptr<const RenderResult> result);
    void frameChanged(long frame);
    void inputChanged();
    // The document's grading space cannot be used with the config (the
    // frames render with their own values until it can), worded for the
    // status bar.
    void colourProblem(const QString& message);

private:
    // Makes the document's grading space the one frames render in, or
    // none with colourProblem() when the config cannot convert it.
    void useDocumentSpace();

    ModuleSession module_;
    std::unique_ptr<ParamDocument> document_;
    std::unique_ptr<RenderWorker> worker_;
    std::string input_;
    bool sequence_ = false;
    FrameRange frames_{0, 0};
    long frame_ = 0;
    int matte_ = 0;
    ColourSpaces spaces_;
    SpaceConversion into_, back_, shownThrough_;
    ViewSettings view_;
    std::string viewKey_;
    uint64_t serial_ = 0;
    bool renderQueued_ = false;
};
