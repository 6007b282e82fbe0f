// A window of the window layer shown in Qt.
#include "host/editor/LayerWindowView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "platform/window/FnWindowInput.h"

LayerWindowView::LayerWindowView(EditorWindowSystem& system, QWidget* parent)
    : QWidget(parent), system_(system) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LayerWindowView::~LayerWindowView() {
    if (window_) system_.listen(window_, nullptr);
}

void LayerWindowView::attach(HWND window, Size size) {
    if (window_) system_.listen(window_, nullptr);
    window_ = window;
    size_ = size;
    frame_ = {};
    image_ = {};
    if (!window_) return;
    system_.listen(window_, this);
    if (size_ == Size::FromWidget) {
        MoveWindow(window_, 0, 0, std::max(width(), 1), std::max(height(), 1), FALSE);
    } else {
        windowChanged(window_);
    }
    framePresented(window_);
}

void LayerWindowView::framePresented(HWND window) {
    frame_ = system_.frame(window);
    // The window shows its pixels opaque, as a screen would.
    image_ = frame_.Empty() ? QImage()
                            : QImage(frame_.rgba.data(), frame_.width, frame_.height,
                                     frame_.width * 4, QImage::Format_RGBX8888);
    update();
}

void LayerWindowView::windowChanged(HWND window) {
    if (size_ != Size::FromWindow) return;
    RECT r{};
    GetClientRect(window, &r);
    setFixedSize(r.right - r.left, r.bottom - r.top);
    setVisible(IsWindowVisible(window));
}

void LayerWindowView::windowInvalidated(HWND window) {
    // As a message loop would: one paint for any number of invalidations,
    // once the events at hand are done.
    if (updateQueued_) return;
    updateQueued_ = true;
    QTimer::singleShot(0, this, [this, window] {
        updateQueued_ = false;
        if (window == window_) UpdateWindow(window);
    });
}

void LayerWindowView::windowDestroyed(HWND window) {
    if (window != window_) return;
    window_ = nullptr;
    frame_ = {};
    image_ = {};
    update();
}

void LayerWindowView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!image_.isNull()) p.drawImage(QPoint(0, 0), image_);
    paintOver(p);
    p.end();
    if (!image_.isNull()) emit framePainted();
}

void LayerWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window_ && size_ == Size::FromWidget)
        MoveWindow(window_, 0, 0, std::max(width(), 1), std::max(height(), 1), FALSE);
}

bool LayerWindowView::pointAt(const QPointF& p) {
    if (!window_) return false;
    POINT s{int(p.x()), int(p.y())};
    ClientToScreen(window_, &s);
    return FnInputMouseMove(s.x, s.y) != nullptr;
}

namespace {

int layerButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 0;
    case Qt::MiddleButton: return 1;
    case Qt::RightButton: return 2;
    default: return -1;
    }
}

}  // namespace

void LayerWindowView::mousePressEvent(QMouseEvent* event) {
    const int button = layerButton(event->button());
    if (button >= 0 && pointAt(event->position())) FnInputMouseButton(button, true);
}

void LayerWindowView::mouseMoveEvent(QMouseEvent* event) { pointAt(event->position()); }

void LayerWindowView::mouseReleaseEvent(QMouseEvent* event) {
    const int button = layerButton(event->button());
    if (button >= 0 && pointAt(event->position())) FnInputMouseButton(button, false);
}
