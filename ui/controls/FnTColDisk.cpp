// FnTColDisk: the colour circle's image, layout, marker and pointer handling.

#include "ui/controls/FnTColDisk.h"

#include "ui/toolkit/FnMessage.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Clamp that sends NaN to the lower bound, so no NaN leaves the widget.
float Clamp(float v, float lo, float hi) { return !(v >= lo) ? lo : (v > hi ? hi : v); }

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(Clamp(v * 255.0f, 0.0f, 255.0f)); }

// atan2 as a fraction of a turn in [0, 1); 0 where the angle is undefined.
float TurnFraction(float dy, float dx) {
    float hue = std::atan2(dy, dx) / 6.2831855f;
    if (hue < 0.0f) hue += 1.0f;
    // A tiny negative angle rounds up to a whole turn, which is hue 0.
    return hue >= 0.0f && hue < 1.0f ? hue : 0.0f;
}

}  // namespace

FnTColDisk::FnTColDisk(const char* name) : FnTObject(name) {
    colour_ = {0.0f, 0.0f, 0.0f};
    FnTColDisk::SetSize(kMinimumSide, kMinimumSide);
}

FnTColDisk::~FnTColDisk() = default;

void FnTColDisk::SetSize(float width, float height) {
    FnTObject::SetSize(width, height);
    image_.reset();
    imageSide_ = 0;
    // From the stored size, so that a widget that is not resizable keeps a
    // circle that fits the rectangle it really has.
    const float side = std::min(width_, height_) - 2.0f * margin_;
    radius_ = side / 2.0f;
    originX_ = (width_ - side) / 2.0f;
    originY_ = (height_ - side) / 2.0f;
    marker_ = MarkerPoint(hue_, saturation_);
}

FnPoint FnTColDisk::MinimumSize() { return {kMinimumSide, kMinimumSide}; }

void FnTColDisk::SetValue(float value) {
    if (value == value_) return;
    value_ = value;
    image_.reset();
    imageSide_ = 0;
}

int FnTColDisk::BuildImage() {
    if (image_) return 1;
    const float r = radius_;
    const float side = std::floor(2.0f * r + 0.5f);
    // NaN and sizes that no screen shows build nothing.
    if (!(side >= 1.0f) || side > static_cast<float>(kLargestImageSide)) return 0;
    const int n = static_cast<int>(side);
    std::unique_ptr<std::uint8_t[]> image(new (std::nothrow)
                                              std::uint8_t[static_cast<std::size_t>(n) * n * 4]);
    if (!image) return 0;

    constexpr float kRim = 1.414f;  // width of the anti-aliased edge
    const float rimStart = r - kRim;
    std::uint8_t* px = image.get();
    for (int j = 0; j < n; ++j) {
        const float dy = static_cast<float>(j) + 0.5f - r;
        for (int i = 0; i < n; ++i, px += 4) {
            const float dx = static_cast<float>(i) + 0.5f - r;
            const float d = std::hypot(dx, dy);
            if (d > r) {
                px[0] = px[1] = px[2] = px[3] = 0;
                continue;
            }
            const float alpha = d > rimStart ? 1.0f - (d - rimStart) / kRim : 1.0f;
            float hue = std::atan2(dy, dx) / 6.2831855f;
            if (hue < 0.0f) hue += 1.0f;
            const FnColour c = HsvToRgb(hue, d / r, value_);
            px[0] = ToByte(c.r);
            px[1] = ToByte(c.g);
            px[2] = ToByte(c.b);
            px[3] = ToByte(alpha);
        }
    }
    image_ = std::move(image);
    imageSide_ = n;
    return 1;
}

FnPoint FnTColDisk::MarkerPoint(float hue, float saturation) const {
    float a = hue * 3.1415927f * 2.0f;
    if (!std::isfinite(a)) a = 0.0f;  // no direction: the marker goes to hue 0
    // No saturation at all is the centre.
    const float d = std::isnan(saturation) ? 0.0f : radius_ * Clamp(saturation, -1.0f, 1.0f);
    return {radius_ + originX_ + std::cos(a) * d, radius_ + originY_ + std::sin(a) * d};
}

FnHueSaturation FnTColDisk::PointToHueSaturation(FnPoint local) const {
    const float dx = local.x - (radius_ + originX_);
    const float dy = local.y - (radius_ + originY_);
    return {TurnFraction(dy, dx), Clamp(std::hypot(dx, dy) / radius_, 0.0f, 1.0f)};
}

FnTObject* FnTColDisk::HitTest(FnPoint point, FnPoint tolerance) {
    target_ = this;
    const FnPoint local = point - FnPoint{x_, y_};
    const bool grabbed = std::fabs(local.x - marker_.x) < tolerance.x &&
                         std::fabs(local.y - marker_.y) < tolerance.y;
    if (grabbed != MarkerGrabbed()) {
        diskFlags_ ^= kMarkerGrabbed;
        Invalidate();
    }
    return this;
}

void FnTColDisk::MoveMarkerTo(FnPoint local) {
    const FnHueSaturation hs = PointToHueSaturation(local);
    hue_ = hs.hue;
    saturation_ = hs.saturation;
    marker_ = MarkerPoint(hue_, saturation_);
    Send(FnMessage(kFnValueChanged));
}

int FnTColDisk::OnPress(FnPoint point) {
    FnTObject::OnPress(point);
    if (MarkerOnly() && !MarkerGrabbed()) return 1;
    Send(FnMessage(kFnDragStarted));
    if (!MarkerOnly()) MoveMarkerTo(point - FnPoint{x_, y_});
    return 1;
}

int FnTColDisk::OnDrag(FnPoint point) {
    if (MarkerOnly() && !MarkerGrabbed()) return 0;
    MoveMarkerTo(point - FnPoint{x_, y_});
    return 1;
}

int FnTColDisk::OnRelease() {
    FnTObject::OnRelease();
    if (MarkerOnly() && !MarkerGrabbed()) return 1;
    Send(FnMessage(kFnDragEnded));
    diskFlags_ &= ~kMarkerGrabbed;
    return 1;
}

void FnTColDisk::Draw() {
    glPushMatrix();
    glTranslatef(x_, y_, 0.0f);
    FnTDraw::SetColour(kGrey);
    FillRect(0.0f, 0.0f, width_, height_);

    if (BuildImage()) {
        // Scaling the colours on their way to the frame dims the circle
        // without a second image.
        const bool dim = !(visibility_ & kSensitive);
        if (dim) {
            glPixelTransferf(GL_RED_SCALE, 0.5f);
            glPixelTransferf(GL_GREEN_SCALE, 0.5f);
            glPixelTransferf(GL_BLUE_SCALE, 0.5f);
        }
        // An integer origin lies on a pixel centre, which is half way
        // between two window positions; drivers round that either way.  A
        // quarter pixel down-left lands every driver on the same pixel, so
        // the circle keeps its margin on all sides.
        glRasterPos2f(originX_ - 0.25f, originY_ - 0.25f);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDrawPixels(imageSide_, imageSide_, GL_RGBA, GL_UNSIGNED_BYTE, image_.get());
        glBlendFunc(GL_ONE, GL_ZERO);
        glDisable(GL_BLEND);
        if (dim) {
            glPixelTransferf(GL_RED_SCALE, 1.0f);
            glPixelTransferf(GL_GREEN_SCALE, 1.0f);
            glPixelTransferf(GL_BLUE_SCALE, 1.0f);
        }
    }

    DrawMarker();
    if (diskFlags_ & kFrame) DrawStateFrame();
    glPopMatrix();
}

void FnTColDisk::DrawMarker() {
    // In marker-only mode only a grabbed marker is being dragged.
    const bool active = MarkerOnly() ? MarkerGrabbed() : Pressed();
    FnTDraw::SetColour(active ? kWhite : colour_);
    const bool thick = Pressed() && (MarkerGrabbed() || !MarkerOnly());
    if (thick) glLineWidth(2.0f);
    const float mx = marker_.x, my = marker_.y;
    // A diagonal cross with the centre pixel left open, so the colour under
    // the marker stays visible.
    const float arms[4][4] = {{mx - 8.0f, my - 8.0f, mx - 1.0f, my - 1.0f},
                              {mx + 8.0f, my + 8.0f, mx + 1.0f, my + 1.0f},
                              {mx - 8.0f, my + 8.0f, mx - 1.0f, my + 1.0f},
                              {mx + 8.0f, my - 8.0f, mx + 1.0f, my - 1.0f}};
    for (const auto& arm : arms) {
        glBegin(GL_LINE_STRIP);
        glVertex2f(arm[0], arm[1]);
        glVertex2f(arm[2], arm[3]);
        glEnd();
    }
    if (thick) glLineWidth(1.0f);
}

