// FnTToneCurves: handle layout, picking, the four drag rules and the curves.

#include "ui/controls/FnTToneCurves.h"

#include "ui/toolkit/FnMessage.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kPiBelow = 3.141561325085163;  // the engine's ease constant, just below pi
constexpr double kQuarterTurn = 1.5707806625425815;
constexpr FnColour kCurveDark{0.3f, 0.3f, 0.3f};
constexpr FnColour kCurveLight{0.7f, 0.7f, 0.7f};

// An ease value as the engine reads it: NaN is its default 0.3, the rest
// clamps to 0..1.
float EaseFraction(float e) {
    if (std::isnan(e)) return 0.3f;
    return e < 0.0f ? 0.0f : (e > 1.0f ? 1.0f : e);
}

// A dragged value clamped to 0..1; a NaN (a vanished curve area) keeps the
// old one.
float DraggedValue(float v, float old) {
    if (std::isnan(v)) return old;
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

// Unit vector; a zero or non-finite vector gives zero.
FnPoint Normalised(float x, float y) {
    const float length = std::hypot(x, y);
    if (!(length > 0.0f) || !std::isfinite(length)) return {0.0f, 0.0f};
    return {x / length, y / length};
}

// A size that NaN, infinity or a negative value would make meaningless
// counts as 0.
float AreaSide(float v) { return std::isfinite(v) && v > 0.0f ? v : 0.0f; }

bool Near(FnPoint a, FnPoint b, FnPoint box) {
    return std::fabs(a.x - b.x) < box.x && std::fabs(a.y - b.y) < box.y;
}

void Square(FnPoint c) { FnTDraw::FillRect(c.x - 3.0f, c.y - 3.0f, c.x + 3.0f, c.y + 3.0f); }

void Line(FnPoint a, FnPoint b) {
    glBegin(GL_LINE_STRIP);
    glVertex2f(a.x, a.y);
    glVertex2f(b.x, b.y);
    glEnd();
}

}  // namespace

FnTToneCurves::FnTToneCurves(const char* name) : FnTObject(name) {
    FnTToneCurves::SetSize(kMinimumWidth, kMinimumHeight);
    UpdateHandles();
}

FnTToneCurves::~FnTToneCurves() = default;

void FnTToneCurves::SetSize(float width, float height) {
    FnTObject::SetSize(width, height);
    UpdateHandles();
}

FnPoint FnTToneCurves::MinimumSize() { return {kMinimumWidth, kMinimumHeight}; }

float FnTToneCurves::AreaWidth() const { return AreaSide(width_ - 2.0f * kInset); }
float FnTToneCurves::AreaHeight() const { return AreaSide(height_ - 2.0f * kInset); }

float FnTToneCurves::Value(int index) const {
    return index >= 0 && index < 4 ? values_[index] : 0.0f;
}

void FnTToneCurves::SetValue(int index, float v) {
    if (index >= 0 && index < 4) values_[index] = v;
}

FnToneTransfer FnTToneCurves::Tone() const {
    FnToneTransfer tone;
    tone.setThresholds(values_[kLowlights], values_[kHighlights]);
    tone.setLowlightsEase(values_[kLowlightsEase]);
    tone.setHighlightsEase(values_[kHighlightsEase]);
    return tone;
}

void FnTToneCurves::UpdateHandles() {
    const float w = AreaWidth(), h = AreaHeight();
    // The shoulders sit where the curves bend, so they take the thresholds
    // as the engine holds them (clamped, NaN replaced).
    const FnToneTransfer tone = Tone();

    lowShoulder_ = {w * tone.lowlights, h};
    float a = static_cast<float>(EaseFraction(values_[kLowlightsEase]) * kPiBelow * 0.5);
    FnPoint d = Normalised(std::sin(a) * w, -std::cos(a) * h);
    lowEaseHandle_ = {lowShoulder_.x + kHandleReach * d.x, lowShoulder_.y + kHandleReach * d.y};

    highShoulder_ = {w * tone.highlights, h};
    a = static_cast<float>(EaseFraction(values_[kHighlightsEase]) * kPiBelow * 0.5);
    d = Normalised(-std::sin(a) * w, -std::cos(a) * h);
    highEaseHandle_ = {highShoulder_.x + kHandleReach * d.x, highShoulder_.y + kHandleReach * d.y};
}

FnTObject* FnTToneCurves::HitTest(FnPoint point, FnPoint tolerance) {
    activePart_ = kNoPart;
    ClearTarget();
    const FnPoint local = point - FnPoint{x_ + kInset, y_ + kInset};
    const FnPoint box = tolerance + FnPoint{3.0f, 3.0f};
    // Shoulders before their ease handles: when the two lie on top of each
    // other the threshold is what the user can no longer reach otherwise.
    const struct {
        FnPoint at;
        std::int32_t part;
    } handles[] = {{lowShoulder_, kLowlightsShoulder},
                   {lowEaseHandle_, kLowlightsEaseHandle},
                   {highShoulder_, kHighlightsShoulder},
                   {highEaseHandle_, kHighlightsEaseHandle}};
    for (const auto& handle : handles) {
        if (Near(local, handle.at, box)) {
            activePart_ = handle.part;
            target_ = this;
            return this;
        }
    }
    return nullptr;
}

int FnTToneCurves::OnPress(FnPoint point) {
    FnTObject::OnPress(point);
    Send(FnMessage(kFnDragStarted));
    return 1;
}

int FnTToneCurves::OnDrag(FnPoint point) {
    const FnPoint local = point - FnPoint{x_ + kInset, y_ + kInset};
    const float w = AreaWidth(), h = AreaHeight();
    // A curve area of no size has no values to drag across.
    if (!(w > 0.0f) || !(h > 0.0f)) return 0;
    float& lo = values_[kLowlights];
    float& hi = values_[kHighlights];
    switch (activePart_) {
    case kHighlightsEaseHandle: {
        const FnPoint d = local - highShoulder_;
        const float a = std::atan2(d.x * (-1.0f / w), d.y * (-1.0f / h));
        values_[kHighlightsEase] =
            DraggedValue(static_cast<float>(a / kQuarterTurn), values_[kHighlightsEase]);
        break;
    }
    case kHighlightsShoulder: {
        float v = local.x / w;
        if (lo > v) v = lo + kShoulderGap;
        hi = DraggedValue(v, hi);
        break;
    }
    case kLowlightsEaseHandle: {
        const FnPoint d = local - lowShoulder_;
        const float a = std::atan2(d.x * (1.0f / w), d.y * (-1.0f / h));
        values_[kLowlightsEase] =
            DraggedValue(static_cast<float>(a / kQuarterTurn), values_[kLowlightsEase]);
        break;
    }
    case kLowlightsShoulder: {
        float v = local.x / w;
        if (v > hi) v = hi - kShoulderGap;
        lo = DraggedValue(v, lo);
        break;
    }
    default: return 1;
    }
    UpdateHandles();
    Send(FnMessage(kFnValueChanged));
    return 1;
}

int FnTToneCurves::OnRelease() {
    FnTObject::OnRelease();
    // Listeners read the active part on 202 to know which value to commit.
    Send(FnMessage(kFnDragEnded));
    activePart_ = kNoPart;
    return 1;
}

void FnTToneCurves::DrawCurve(const FnToneTransfer& tone,
                              float (FnToneTransfer::*weight)(float) const) const {
    const float w = AreaWidth();
    const float segments = w / static_cast<float>(pixelsPerSegment_);
    // Narrower than one segment: the two end points only.
    const int n =
        segments >= 1.0f ? (segments < float(kMostSegments) ? int(segments) : kMostSegments) : 0;
    glPushMatrix();
    glScalef(w, AreaHeight(), 1.0f);
    glBegin(GL_LINE_STRIP);
    glVertex2f(0.0f, (tone.*weight)(0.0f));
    if (n > 0) {
        const float step = 1.0f / static_cast<float>(n);
        for (int k = 0; k < n; ++k) {
            const float x = static_cast<float>(k) * step;
            glVertex2f(x, (tone.*weight)(x));
        }
        glVertex2f(1.0f, (tone.*weight)(static_cast<float>(n) * step));
    } else {
        glVertex2f(1.0f, (tone.*weight)(1.0f));
    }
    glEnd();
    glPopMatrix();
}

void FnTToneCurves::DrawRange(const FnToneTransfer& tone,
                              float (FnToneTransfer::*weight)(float) const, FnColour colour,
                              FnPoint shoulder, FnPoint handle, std::int32_t shoulderPart,
                              std::int32_t handlePart) const {
    FnTDraw::SetColour(colour);
    DrawCurve(tone, weight);
    Line(shoulder, handle);
    FnTDraw::SetColour(Hovered() && activePart_ == shoulderPart ? kWhite : colour);
    Square(shoulder);
    FnTDraw::SetColour(Hovered() && activePart_ == handlePart ? kWhite : colour);
    Square(handle);
}

void FnTToneCurves::Draw() {
    glPushMatrix();
    glTranslatef(x_, y_, 0.0f);
    glPushMatrix();
    glTranslatef(kInset, kInset, 0.0f);
    const FnToneTransfer tone = Tone();

    const bool lowDragged =
        Pressed() && (activePart_ == kLowlightsEaseHandle || activePart_ == kLowlightsShoulder);
    DrawRange(tone, &FnToneTransfer::lowlightWeight, lowDragged ? kWhite : kCurveDark, lowShoulder_,
              lowEaseHandle_, kLowlightsShoulder, kLowlightsEaseHandle);

    // Midtones dashed in both greys, so the curve shows on dark and light
    // histograms alike.
    GLint pattern = 0xFFFF, repeat = 1;
    glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
    glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
    glLineStipple(1, kStipple);
    FnTDraw::SetColour(kCurveDark);
    DrawCurve(tone, &FnToneTransfer::midtoneWeight);
    glLineStipple(1, kStippleInverse);
    FnTDraw::SetColour(kCurveLight);
    DrawCurve(tone, &FnToneTransfer::midtoneWeight);
    glLineStipple(repeat, static_cast<GLushort>(pattern));

    const bool highDragged =
        Pressed() && (activePart_ == kHighlightsEaseHandle || activePart_ == kHighlightsShoulder);
    DrawRange(tone, &FnToneTransfer::highlightWeight, highDragged ? kWhite : kCurveLight,
              highShoulder_, highEaseHandle_, kHighlightsShoulder, kHighlightsEaseHandle);
    glPopMatrix();

    if (frameFlags_ & kFrame) DrawStateFrame();
    glPopMatrix();
}

