// ViewerWidget: the host's viewer (DsViewer) in the editor's window.  It
// draws, offscreen, on a layer window the size of the widget, and the
// widget shows each presented frame.  The effect's viewer tool is pushed
// onto it as a property page would push it, and the pointer reaches the
// tool through the viewer's pen routing; panning (middle button, or Alt
// with the left) and zooming (wheel, fit, 1:1) are the widget's own.
//
// It shows the rendered frame, the source (before), or both split at a
// column the user drags.
#pragma once

#include <QString>

#include <memory>

#include "effect/ColBalanceApi.h"
#include "host/editor/LayerWindowView.h"
#include "host/editor/RenderWorker.h"
#include "platform/dshost/DsViewer.h"
#include "platform/dshost/DsWindowSurface.h"

class ModuleSession;

class ViewerWidget final : public LayerWindowView {
    Q_OBJECT
public:
    enum class Mode { After, Before, Split };

    explicit ViewerWidget(EditorWindowSystem& system, QWidget* parent = nullptr);
    ~ViewerWidget() override;

    // Empty when the viewer has a surface to draw on, else why not.
    const QString& failure() const { return failure_; }
    DsViewer* viewer() { return viewer_.get(); }

    // The effect whose tool goes onto the viewer once a frame's size is
    // known (null: none; the tool is taken off first).  The session must
    // outlive the tool: set null before it goes.
    void setEffect(ModuleSession* session);

    // A render's result: its frames are shown, or its message when it
    // failed.  Results older than the newest shown are ignored.
    void showResult(const RenderResult& result);
    uint64_t shownSerial() const { return shownSerial_; }
    // The serial of the frame last painted on screen.
    uint64_t paintedSerial() const { return paintedSerial_; }
    // The message shown instead of a frame that failed (empty when none).
    const QString& message() const { return message_; }

    // The help page's Hide Overlay Controls: the tool neither draws nor
    // takes the pen while hidden.
    void setOverlayHidden(bool hidden);

    void setMode(Mode mode);
    Mode mode() const { return mode_; }
    // The split column as a fraction of the frame's width.
    void setSplit(double fraction);
    double split() const { return split_; }

    void fit();
    // One frame pixel to one screen pixel, the frame's pixels on the
    // screen's.
    void actualPixels();
    double zoom() const;

signals:
    // The zoom or the pan changed.
    void viewChanged();
    // A frame of this serial was painted on screen.
    void resultPainted(quint64 serial);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintOver(QPainter& painter) override;
    void windowChanged(HWND window) override;
    void windowInvalidated(HWND window) override;

private:
    void compose();
    void renderSoon();
    void renderNow();
    void placeTool(int width, int height);
    void removeTool();
    double splitScreenX() const;
    bool nearSplit(double x) const;

    std::unique_ptr<DsWindowSurface> surface_;
    std::unique_ptr<DsViewer> viewer_;
    QString failure_;

    ModuleSession* session_ = nullptr;
    ComPtr<IFnDsViewerTool> tools_;
    bool toolPushed_ = false, overlayHidden_ = false;
    int toolWidth_ = 0, toolHeight_ = 0;

    std::shared_ptr<const ViewImage> before_, after_;
    std::vector<uint8_t> composed_;
    QString message_;
    uint64_t shownSerial_ = 0, presentedSerial_ = 0, paintedSerial_ = 0;
    int fittedWidth_ = 0, fittedHeight_ = 0;
    Mode mode_ = Mode::After;
    double split_ = 0.5;

    bool renderQueued_ = false;
    bool panning_ = false, splitting_ = false, pen_ = false;
    QPointF last_;
};
