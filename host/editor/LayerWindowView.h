// LayerWindowView: a Qt widget showing a window of the window layer.  The
// window draws with OpenGL offscreen (EditorWindowSystem); each frame it
// presents is painted here as an image, and the pointer goes back into the
// layer as a user's would (FnWindowInput), so the window's own procedure
// handles it.  The widget's size drives the window's, or the window's the
// widget's, whichever owns the layout.
//
// The viewer derives from it and routes the pointer through the host's
// viewer instead; a GL control of a property page is shown by a plain one.
#pragma once

#include <QImage>
#include <QWidget>

#include "host/editor/EditorWindowSystem.h"

class LayerWindowView : public QWidget, protected LayerWindowListener {
    Q_OBJECT
public:
    enum class Size { FromWidget, FromWindow };

    LayerWindowView(EditorWindowSystem& system, QWidget* parent = nullptr);
    ~LayerWindowView() override;

    // Shows `window` (null: nothing).  With Size::FromWidget the window is
    // moved to the widget's size whenever it changes.
    void attach(HWND window, Size size);
    HWND window() const { return window_; }
    // The frame last presented, as painted.
    const QImage& image() const { return image_; }

signals:
    // A presented frame was painted on screen.
    void framePainted();

protected:
    EditorWindowSystem& system() { return system_; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // What a derived view draws over the frame.
    virtual void paintOver(QPainter&) {}

    void framePresented(HWND window) override;
    void windowChanged(HWND window) override;
    void windowInvalidated(HWND window) override;
    void windowDestroyed(HWND window) override;

private:
    // Moves the layer's cursor over the window at a widget point.
    bool pointAt(const QPointF& p);

    EditorWindowSystem& system_;
    HWND window_ = nullptr;
    Size size_ = Size::FromWidget;
    FnFrame frame_;
    QImage image_;
    bool updateQueued_ = false;
};
