// The host's viewer in the editor's window.
#include "host/editor/ViewerWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/common/ModuleSession.h"

namespace {

// Free space round the frame when it is fitted, in screen pixels.
constexpr int kFitMargin = 12;
// How near the split line a press grabs it, in screen pixels.
constexpr double kSplitGrab = 5;
constexpr double kMinZoom = 1.0 / 64, kMaxZoom = 64;

int penButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return VW_BUTTON_LEFT;
    case Qt::RightButton: return VW_BUTTON_RIGHT;
    case Qt::MiddleButton: return VW_BUTTON_MIDDLE;
    default: return VW_BUTTON_NONE;
    }
}

}  // namespace

ViewerWidget::ViewerWidget(EditorWindowSystem& system, QWidget* parent)
    : LayerWindowView(system, parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    std::string why;
    surface_ = DsWindowSurface::create(std::max(width(), 1), std::max(height(), 1), &why);
    if (!surface_) {
        failure_ = QString::fromStdString(why);
        return;
    }
    viewer_ = std::make_unique<DsViewer>(*surface_);
    if (!viewer_->registered()) failure_ = "the viewer could not offer its controller";
    attach(surface_->window(), Size::FromWidget);
    connect(this, &LayerWindowView::framePainted, this, [this] {
        paintedSerial_ = presentedSerial_;
        emit resultPainted(presentedSerial_);
    });
}

ViewerWidget::~ViewerWidget() {
    removeTool();
    // The viewer goes before its surface, and stops mirroring with it.
    viewer_.reset();
    attach(nullptr, Size::FromWidget);
    surface_.reset();
}

void ViewerWidget::setEffect(ModuleSession* session) {
    removeTool();
    session_ = session;
    tools_.reset();
    if (after_) placeTool(after_->width, after_->height);
}

void ViewerWidget::placeTool(int width, int height) {
    if (!session_ || !viewer_) return;
    if (toolPushed_ && width == toolWidth_ && height == toolHeight_) return;
    removeTool();
    std::string why;
    if (!tools_) tools_ = session_->viewerTools(why);
    if (!tools_) return;
    // The tool reads the project frame when it is made: the frame's pixels.
    session_->setProjectFrame(width, height);
    viewer_->setProjectFrame(width, height, width, height);
    // What a property page does when it opens and is shown.
    if (FAILED(tools_->PushViewerTool(session_->effect()))) return;
    toolPushed_ = true;
    toolWidth_ = width;
    toolHeight_ = height;
    tools_->PageShown("K_ColBalance");
    if (overlayHidden_) tools_->SetOverlayHidden(TRUE);
    renderSoon();
}

void ViewerWidget::setOverlayHidden(bool hidden) {
    overlayHidden_ = hidden;
    if (toolPushed_) tools_->SetOverlayHidden(hidden ? TRUE : FALSE);
    renderSoon();
}

void ViewerWidget::removeTool() {
    if (!toolPushed_) return;
    toolPushed_ = false;
    if (surface_) surface_->makeCurrent();
    tools_->PopViewerTool();
    renderSoon();
}

void ViewerWidget::showResult(const RenderResult& r) {
    if (r.serial < shownSerial_) return;
    shownSerial_ = r.serial;
    before_ = r.before;
    after_ = r.ok ? r.after : nullptr;
    message_ = r.ok ? QString() : QString::fromStdString(r.error);
    if (after_) {
        // A new picture size (a new input) is fitted once.
        placeTool(after_->width, after_->height);
        if (after_->width != fittedWidth_ || after_->height != fittedHeight_) {
            fittedWidth_ = after_->width;
            fittedHeight_ = after_->height;
            fit();
        }
    }
    if (viewer_) {
        // The clone's placement report reaches the tool here.
        viewer_->runPostedCalls();
        compose();
    }
    renderSoon();
}

void ViewerWidget::compose() {
    static const uint8_t kNone[4] = {0, 0, 0, 0};
    const ViewImage* shown = mode_ == Mode::Before ? before_.get() : after_.get();
    if (!shown) {
        // Nothing to show for this frame (it failed): a blank frame, so
        // that no other frame's picture stands for it.
        const ViewImage* any = before_ ? before_.get() : nullptr;
        if (any) {
            composed_.assign(any->rgba.size(), 0);
            viewer_->showFrame(composed_.data(), any->width, any->height);
        } else {
            viewer_->showFrame(kNone, 1, 1);
        }
        return;
    }
    if (mode_ != Mode::Split || !before_ || before_->width != shown->width ||
        before_->height != shown->height) {
        viewer_->showFrame(shown->rgba.data(), shown->width, shown->height);
        return;
    }
    // Split: the source left of the column, the rendered frame right of it.
    const int w = shown->width, h = shown->height;
    const int column = std::clamp(int(std::lround(split_ * w)), 0, w);
    composed_.resize(shown->rgba.size());
    const size_t row = size_t(w) * 4, left = size_t(column) * 4;
    for (int y = 0; y < h; ++y) {
        const size_t o = size_t(y) * row;
        std::memcpy(&composed_[o], &before_->rgba[o], left);
        std::memcpy(&composed_[o + left], &shown->rgba[o + left], row - left);
    }
    viewer_->showFrame(composed_.data(), w, h);
}

void ViewerWidget::setMode(Mode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    if (viewer_) compose();
    renderSoon();
}

void ViewerWidget::setSplit(double fraction) {
    split_ = std::clamp(fraction, 0.0, 1.0);
    if (mode_ != Mode::Split) return;
    if (viewer_) compose();
    renderSoon();
}

double ViewerWidget::zoom() const { return viewer_ ? viewer_->zoom() : 1.0; }

void ViewerWidget::fit() {
    if (!viewer_) return;
    const DsViewPoint world = viewer_->frameWorldSize();
    if (world.x <= 0 || world.y <= 0) return;
    const double zx = (width() - 2 * kFitMargin) / world.x;
    const double zy = (height() - 2 * kFitMargin) / world.y;
    viewer_->setZoom(std::clamp(std::min(zx, zy), kMinZoom, kMaxZoom));
    viewer_->setPan(world.x / 2, world.y / 2);
    emit viewChanged();
    renderSoon();
}

void ViewerWidget::actualPixels() {
    if (!viewer_ || !after_) return;
    const int w = surface_->width(), h = surface_->height();
    // The frame's corner on a whole surface pixel, the frame centred.
    const int mx = (w - after_->width) / 2, my = (h - after_->height) / 2;
    viewer_->setZoom(1.0);
    const VWRect v = viewer_->visibleRect();
    viewer_->setPan(-mx + v.width / 2, -my + v.height / 2);
    emit viewChanged();
    renderSoon();
}

void ViewerWidget::renderSoon() {
    if (renderQueued_ || !viewer_) return;
    renderQueued_ = true;
    QTimer::singleShot(0, this, [this] { renderNow(); });
}

void ViewerWidget::renderNow() {
    renderQueued_ = false;
    if (!viewer_ || width() < 1 || height() < 1) return;
    const uint64_t serial = shownSerial_;
    if (viewer_->render()) presentedSerial_ = serial;
}

void ViewerWidget::resizeEvent(QResizeEvent* event) {
    LayerWindowView::resizeEvent(event);
    renderSoon();
}

void ViewerWidget::windowChanged(HWND window) {
    LayerWindowView::windowChanged(window);
    renderSoon();
}

void ViewerWidget::windowInvalidated(HWND) { renderSoon(); }

void ViewerWidget::wheelEvent(QWheelEvent* event) {
    if (!viewer_) return;
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) return;
    const QPointF at = event->position();
    // The point under the pointer stays under it.
    const DsViewPoint before = viewer_->toViewer(at.x(), at.y());
    viewer_->setZoom(std::clamp(viewer_->zoom() * std::pow(1.25, steps), kMinZoom, kMaxZoom));
    const DsViewPoint after = viewer_->toViewer(at.x(), at.y());
    const DsViewPoint pan = viewer_->pan();
    viewer_->setPan(pan.x + before.x - after.x, pan.y + before.y - after.y);
    emit viewChanged();
    renderSoon();
}

double ViewerWidget::splitScreenX() const {
    if (!viewer_ || !after_) return -1;
    const DsViewPoint world = viewer_->frameWorldSize();
    const VWRect v = viewer_->visibleRect();
    return (split_ * world.x - v.x) * viewer_->zoom();
}

bool ViewerWidget::nearSplit(double x) const {
    return mode_ == Mode::Split && after_ && std::fabs(x - splitScreenX()) <= kSplitGrab;
}

void ViewerWidget::mousePressEvent(QMouseEvent* event) {
    if (!viewer_) return;
    const QPointF p = event->position();
    last_ = p;
    const bool panButton =
        event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::AltModifier));
    if (panButton) {
        panning_ = true;
        return;
    }
    if (event->button() == Qt::LeftButton && nearSplit(p.x())) {
        splitting_ = true;
        return;
    }
    pen_ = true;
    viewer_->penDown(p.x(), p.y(), penButton(event->button()));
    if (viewer_->needsRender()) renderSoon();
}

void ViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!viewer_) return;
    const QPointF p = event->position();
    if (panning_) {
        // The picture follows the pointer; screen y grows downwards.
        const DsViewPoint pan = viewer_->pan();
        const double z = viewer_->zoom();
        viewer_->setPan(pan.x - (p.x() - last_.x()) / z, pan.y + (p.y() - last_.y()) / z);
        last_ = p;
        emit viewChanged();
        renderSoon();
        return;
    }
    if (splitting_) {
        const DsViewPoint world = viewer_->frameWorldSize();
        if (world.x > 0) setSplit(viewer_->toViewer(p.x(), p.y()).x / world.x);
        return;
    }
    setCursor(nearSplit(p.x()) ? Qt::SplitHCursor : Qt::ArrowCursor);
    int held = VW_BUTTON_NONE;
    if (event->buttons() & Qt::LeftButton)
        held = VW_BUTTON_LEFT;
    else if (event->buttons() & Qt::RightButton)
        held = VW_BUTTON_RIGHT;
    viewer_->penMove(p.x(), p.y(), held);
    if (viewer_->needsRender()) renderSoon();
}

void ViewerWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!viewer_) return;
    if (panning_ || splitting_) {
        panning_ = splitting_ = false;
        return;
    }
    if (!pen_) return;
    pen_ = event->buttons() != Qt::NoButton;
    const QPointF p = event->position();
    viewer_->penUp(p.x(), p.y(), penButton(event->button()));
    if (viewer_->needsRender()) renderSoon();
}

void ViewerWidget::paintOver(QPainter& p) {
    if (!failure_.isEmpty() || !message_.isEmpty()) {
        p.setPen(QColor(255, 210, 120));
        p.drawText(rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap,
                   failure_.isEmpty() ? message_ : "The viewer cannot draw: " + failure_);
        return;
    }
    if (mode_ == Mode::Before) {
        p.setPen(Qt::white);
        p.drawText(QRect(8, 6, 200, 20), Qt::AlignLeft, "Before");
    }
    if (mode_ != Mode::Split || !after_) return;
    const double x = splitScreenX();
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height()));
    p.setPen(Qt::white);
    p.drawText(QRectF(x - 208, 6, 200, 20), Qt::AlignRight, "Before");
    p.drawText(QRectF(x + 8, 6, 200, 20), Qt::AlignLeft, "After");
}
