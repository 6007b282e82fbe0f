// SequenceExport: renders the input's frames to files in the background,
// as colbalance renders them: each frame read, rendered at its frame time
// by a clone of the effect taken when the export starts, and written
// through a temporary file renamed when complete.  Cancelling stops the
// render in flight; a frame not yet renamed into place is never left
// behind, so every output file is whole.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <string>
#include <thread>

#include "host/common/ColourSpaces.h"
#include "host/common/FramePattern.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dssdk/DSEffect.h"

struct ExportPlan {
    std::string input;   // may hold a frame pattern
    std::string output;  // needs one when several frames are written
    FrameRange frames{0, 0};
    bool sequence = false;  // frame numbers are the render times
    // Float frames render in the working space (RenderJob's), if any.
    SpaceConversion into, back;
};

class SequenceExport final : public QObject {
    Q_OBJECT
public:
    // False with the reason when the plan cannot be written (an output
    // without a pattern for several frames, or one that overwrites input).
    static bool check(const ExportPlan& plan, std::string& error);

    SequenceExport(ComPtr<IDSImageEffect> effect, ExportPlan plan, QObject* parent = nullptr);
    // cancel(), then waits for the thread.
    ~SequenceExport() override;

    void start();
    void cancel();
    bool running() const { return thread_.joinable() && !done_.load(); }

signals:
    // `done` of `total` frames written; `path` the last one.
    void progress(int done, int total, QString path);
    // The end: every frame written (ok), stopped by cancel, or failed with
    // a message; `written` frames are on disk, whole.
    void finished(bool ok, bool cancelled, int written, QString message);

private:
    void run();

    ComPtr<IDSImageEffect> effect_;
    ExportPlan plan_;
    ComPtr<DsExecutionContext> context_;
    std::atomic<bool> cancelled_{false}, done_{false};
    std::thread thread_;
};
