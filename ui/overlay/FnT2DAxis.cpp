// The axis gizmo: its transform, hit test, drags, measuring and drawing, and
// the process-wide transform stack.
#include "ui/overlay/FnT2DAxis.h"

#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnTGroup.h"
#include "ui/toolkit/FnTextFont.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHandle = 37.0f;  // scale box and arrow reach, times the zoom
constexpr float kRing = 32.0f;    // rotation arc radius, times the zoom

constexpr FnColour kBlue{0.0f, 0.0f, 0.9f};
constexpr FnColour kGreen{0.0f, 0.6f, 0.0f};
constexpr FnColour kRed{0.7f, 0.0f, 0.0f};
constexpr FnColour kBlack{0.0f, 0.0f, 0.0f};

FnMatrix3 gStack[kFnTransformStackSize];
int gDepth = 0;

FnPoint Turn(FnPoint p, float c, float s) { return {p.x * c - p.y * s, p.x * s + p.y * c}; }

void Line(FnPoint a, FnPoint b) {
    glBegin(GL_LINES);
    glVertex2f(a.x, a.y);
    glVertex2f(b.x, b.y);
    glEnd();
}

// How a handle is shown: idle, under the pointer, or being dragged.
enum class Look { Idle, Hovered, Pressed };

// A handle's line: solid in its colour, white while dragged, dashed in its
// colour and white while hovered.
void HandleLine(FnPoint a, FnPoint b, FnColour colour, Look look) {
    if (look == Look::Hovered) {
        FnTDraw::DashedLine(a, b, colour, FnTDraw::kWhite);
        return;
    }
    FnTDraw::SetColour(look == Look::Pressed ? FnTDraw::kWhite : colour);
    Line(a, b);
}

}  // namespace

// --- matrices and the transform stack

FnMatrix3 FnMatrix3::Then(const FnMatrix3& b) const {
    FnMatrix3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i * 3 + j] =
                m[i * 3] * b.m[j] + m[i * 3 + 1] * b.m[3 + j] + m[i * 3 + 2] * b.m[6 + j];
    return r;
}

float FnMatrix3::Determinant() const {
    return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
           m[2] * (m[3] * m[7] - m[4] * m[6]);
}

FnMatrix3 FnMatrix3::Inverse() const {
    const float det = Determinant();
    if (!(std::fabs(det) >= 8.881784197001252e-16)) return FnMatrix3{};  // NaN too
    const float k = 1.0f / det;
    FnMatrix3 r;
    r.m[0] = (m[4] * m[8] - m[5] * m[7]) * k;
    r.m[1] = (m[2] * m[7] - m[1] * m[8]) * k;
    r.m[2] = (m[1] * m[5] - m[2] * m[4]) * k;
    r.m[3] = (m[5] * m[6] - m[3] * m[8]) * k;
    r.m[4] = (m[0] * m[8] - m[2] * m[6]) * k;
    r.m[5] = (m[2] * m[3] - m[0] * m[5]) * k;
    r.m[6] = (m[3] * m[7] - m[4] * m[6]) * k;
    r.m[7] = (m[1] * m[6] - m[0] * m[7]) * k;
    r.m[8] = (m[0] * m[4] - m[1] * m[3]) * k;
    return r;
}

void PushTransform() {
    // The last entry has no level above it: the push is refused rather
    // than written past the stack.
    if (gDepth >= kFnTransformStackSize - 1) return;
    gStack[gDepth + 1] = gStack[gDepth];
    ++gDepth;
}

void PopTransform() {
    if (gDepth > 0) --gDepth;
}

void MultiplyTransform(const FnMatrix3& m) {
    // Entry 0 stays the identity every frame starts from.
    if (gDepth == 0) return;
    gStack[gDepth] = m.Then(gStack[gDepth]);
}

void ApplyTransform() {
    const float* t = gStack[gDepth].m;
    const GLfloat g[16] = {t[0], t[1], 0, 0, t[3], t[4], 0, 0, 0, 0, 1, 0, t[6], t[7], 0, 1};
    glMultMatrixf(g);
}

int TransformDepth() { return gDepth; }
const FnMatrix3& TopTransform() { return gStack[gDepth]; }

// --- the axis

FnT2DAxis::FnT2DAxis(const char* name, std::uint32_t handleMask)
    : FnTObject(name), handleMask_(handleMask) {
    flags_ &= ~(kMovable | kResizable);
    // Measured at once, so that a new axis can be picked where it is drawn.
    UpdateExtent();
}

FnT2DAxis::~FnT2DAxis() = default;

float FnT2DAxis::AspectX() const { return aspect_ < 0.0f ? 1.0f - std::min(-aspect_, 1.0f) : 1.0f; }
float FnT2DAxis::AspectY() const { return aspect_ > 0.0f ? 1.0f - std::min(aspect_, 1.0f) : 1.0f; }

FnPoint FnT2DAxis::AspectHandle(std::uint32_t mask) const {
    const float z = scale_;
    if (!(mask & kAnyScale)) return {kHandle * z * AspectX(), kHandle * z * AspectY()};
    const FnPoint c{kHandle * z * LengthX(), kHandle * z * LengthY()};
    const float len = std::hypot(c.x, c.y);
    if (len == 0.0f) return c;
    return {c.x + 10.0f * z * c.x / len, c.y + 10.0f * z * c.y / len};
}

void FnT2DAxis::UpdateMatrix() {
    if (!(axisFlags_ & kMatrixStale)) return;
    const float a = rotation_ * kPi / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    const float lx = LengthX(), ly = LengthY();
    // Scale, then rotate counter-clockwise, then move to the centre.
    matrix_.m[0] = lx * c;
    matrix_.m[1] = lx * s;
    matrix_.m[2] = 0.0f;
    matrix_.m[3] = -ly * s;
    matrix_.m[4] = ly * c;
    matrix_.m[5] = 0.0f;
    matrix_.m[6] = cx_;
    matrix_.m[7] = cy_;
    matrix_.m[8] = 1.0f;
    inverse_ = matrix_.Inverse();
    axisFlags_ &= ~kMatrixStale;
}

FnPoint FnT2DAxis::ToLocal(FnPoint point) {
    UpdateMatrix();
    return inverse_.Map(point);
}

void FnT2DAxis::SetActivePart(std::int32_t part) {
    if (target_ == this && activePart_ == part) return;
    Invalidate();
    target_ = this;
    activePart_ = part;
}

FnTObject* FnT2DAxis::HitTest(FnPoint p, FnPoint t) {
    if (axisFlags_ & kHandlesDisabled) {
        activePart_ = kPartNone;
        return nullptr;
    }
    const std::uint32_t mask = handleMask_;
    const float z = scale_;
    const FnPoint d{p.x - cx_, p.y - cy_};
    const float theta = rotation_ * -kPi / 180.0f;
    const FnPoint r = Turn(d, std::cos(theta), std::sin(theta));

    if (mask & kAspect) {
        const FnPoint h = AspectHandle(mask);
        if (std::fabs(h.x - r.x) < t.x + 3.0f && std::fabs(h.y - r.y) < t.y + 3.0f) {
            SetActivePart(kPartAspect);
            return this;
        }
    }
    if ((mask & (kTranslateX | kTranslateY)) == (kTranslateX | kTranslateY) &&
        std::fabs(d.x) < t.x + 3.0f && std::fabs(d.y) < t.y + 3.0f) {
        SetActivePart(kPartCentre);
        return this;
    }
    if (mask & kRotate) {
        const float angle = std::atan2(r.y, r.x);
        if (std::fabs(std::hypot(r.x, r.y) - kRing * z) < t.x && angle >= -0.7853982f &&
            angle <= 0.7853982f) {
            SetActivePart(kPartRotate);
            return this;
        }
    }
    // The scale box in axis-length units.  An axis of length 0 has its box
    // edges on the centre line and nothing to grab along it (the quotients
    // would divide by 0): its scale tests fail.
    const float lx = LengthX(), ly = LengthY();
    const bool box = lx != 0.0f && ly != 0.0f;
    const float u = box ? r.x / lx : 0.0f, w = box ? r.y / ly : 0.0f;
    const float tu = box ? t.x / std::fabs(lx) : 0.0f, tw = box ? t.y / std::fabs(ly) : 0.0f;
    const float e = kHandle * z;
    if (box && (mask & kUniformScale) && std::fabs(std::fabs(u) - e) < tu &&
        std::fabs(std::fabs(w) - e) < tw) {
        scaleSide_ = (u < 0.0f ? kSideNegativeX : 0u) | (w < 0.0f ? kSideNegativeY : 0u);
        SetActivePart(kPartScale);
        return this;
    }
    if (box && (mask & kScaleX) && std::fabs(std::fabs(u) - e) < tu && -e < w && w < e) {
        scaleSide_ = u < 0.0f ? kSideNegativeX : 0u;
        SetActivePart(kPartScaleX);
        return this;
    }
    if (box && (mask & kScaleY) && std::fabs(std::fabs(w) - e) < tw && -e < u && u < e) {
        scaleSide_ = w < 0.0f ? kSideNegativeY : 0u;
        SetActivePart(kPartScaleY);
        return this;
    }
    // The arrows stay aligned with the screen: unrotated offsets.
    if ((mask & kTranslateY) && std::fabs(d.x) < t.x && std::fabs(d.y) < e + t.y) {
        SetActivePart(kPartTranslateY);
        return this;
    }
    if ((mask & kTranslateX) && std::fabs(d.y) < t.y && std::fabs(d.x) < e + t.x) {
        SetActivePart(kPartTranslateX);
        return this;
    }
    target_ = nullptr;
    activePart_ = kPartNone;
    return nullptr;
}

void FnT2DAxis::Tell(int kind) {
    FnMessage message(kind, kFnEventAxis);
    message.SetPart(activePart_);
    Send(message);
}

int FnT2DAxis::OnPress(FnPoint point) {
    if (activePart_ == kPartNone) return 0;
    Tell(kFnDragStarted);
    last_ = point;
    if (activePart_ == kPartRotate) pressAngle_ = std::atan2(point.y - cy_, point.x - cx_);
    if (activePart_ == kPartScale || activePart_ == kPartScaleX || activePart_ == kPartScaleY ||
        activePart_ == kPartAspect) {
        const float theta = rotation_ * -kPi / 180.0f;
        dragSin_ = std::sin(theta);
        dragCos_ = std::cos(theta);
    }
    return FnTObject::OnPress(point);
}

int FnT2DAxis::OnDrag(FnPoint point) {
    const std::int32_t part = activePart_;
    if (part == kPartNone) return 0;
    const float s = dragSin_, c = dragCos_;
    const FnPoint d{point.x - cx_, point.y - cy_};
    const float e = kHandle * scale_;
    // Pointer distance along the unrotated axes in units of each axis's
    // scale; a scale of 0 measures 0 instead of dividing by it.
    const auto alongY = [&] { return sy_ != 0.0f ? (c * d.y + s * d.x) / sy_ : 0.0f; };
    const auto alongX = [&] { return sx_ != 0.0f ? (c * d.x - s * d.y) / sx_ : 0.0f; };
    switch (part) {
    case kPartTranslateX:
    case kPartTranslateY:
    case kPartCentre: {
        const FnPoint delta = point - last_;
        last_ = point;
        if (part & kPartTranslateX) {
            cx_ += delta.x;
            x_ += delta.x;
        }
        if (part & kPartTranslateY) {
            cy_ += delta.y;
            y_ += delta.y;
        }
        break;
    }
    case kPartRotate: {
        const float phi = std::atan2(d.y, d.x);
        float delta = static_cast<float>((phi - pressAngle_) * 180.0 / 3.1415927410125732);
        pressAngle_ = phi;
        if (delta > 180.0f) delta -= 360.0f;
        if (delta < -180.0f) delta += 360.0f;
        rotation_ += delta;
        break;
    }
    case kPartScale: {
        // With zoom 0 the handles sit on the centre: the scale stays.
        if (e == 0.0f) break;
        const float v = alongY(), q = alongX();
        if (std::fabs(q) > std::fabs(v))
            overall_ = (scaleSide_ & kSideNegativeX) ? -q / e : q / e;
        else
            overall_ = (scaleSide_ & kSideNegativeY) ? -v / e : v / e;
        break;
    }
    case kPartScaleX: {
        // With an overall scale or zoom of 0 there is no length to divide
        // by: the x scale stays.
        if (overall_ == 0.0f || e == 0.0f) break;
        const float v = (d.x * c - d.y * s) / overall_ / e;
        sx_ = (scaleSide_ & kSideNegativeX) ? -v : v;
        break;
    }
    case kPartScaleY: {
        if (overall_ == 0.0f || e == 0.0f) break;
        const float v = (d.y * c + d.x * s) / overall_ / e;
        sy_ = (scaleSide_ & kSideNegativeY) ? -v : v;
        break;
    }
    case kPartAspect: {
        const float v = alongY(), q = alongX();
        if (q < 0.0f || v < 0.0f)
            aspect_ = aspect_ < 0.0f ? -1.0f : (aspect_ > 0.0f ? 1.0f : 0.0f);
        else if (v > q)
            aspect_ = q / v - 1.0f;
        else if (q > 0.0f)
            aspect_ = 1.0f - v / q;
        else
            aspect_ = 0.0f;  // the pointer on the centre: equal lengths
        break;
    }
    default: return 0;
    }
    // Stale before measuring: a group's box maps its children through it.
    axisFlags_ |= kMatrixStale;
    UpdateExtent();
    Tell(kFnValueChanged);
    return 1;
}

int FnT2DAxis::OnRelease() {
    Tell(kFnDragEnded);
    activePart_ = kPartNone;
    return FnTObject::OnRelease();
}

int FnT2DAxis::OnEnter(FnPoint point) { return FnTObject::OnEnter(point); }

int FnT2DAxis::OnLeave() {
    activePart_ = kPartNone;
    return FnTObject::OnLeave();
}

void FnT2DAxis::SetScale(float scale) {
    scale_ = scale;
    UpdateExtent();
}

FnAxisBox FnT2DAxis::ComputeAxisBox() {
    const std::uint32_t m = ShownMask();
    const float z = scale_;
    if (m == 0) return {z * cx_, z * cx_, z * cy_, z * cy_};
    constexpr float big = std::numeric_limits<float>::max();
    FnAxisBox b{big, -big, big, -big};
    const auto grow = [&b](FnPoint p) {
        b.minX = std::min(b.minX, p.x);
        b.maxX = std::max(b.maxX, p.x);
        b.minY = std::min(b.minY, p.y);
        b.maxY = std::max(b.maxY, p.y);
    };
    const float e = kHandle * z;
    if (m & kTranslateX) {
        grow({e, 3.0f});
        grow({-e, -3.0f});
    }
    if (m & kTranslateY) {
        grow({3.0f, e});
        grow({-3.0f, -e});
    }
    if (m & kRotate) {
        grow({kRing * z, kRing * z});
        grow({-kRing * z, -kRing * z});
    }
    const float a = rotation_ * kPi / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    if (m & kAnyScale) {
        const float hx = e * overall_ * sx_, hy = e * overall_ * sy_;
        grow(Turn({hx, hy}, c, s));
        grow(Turn({-hx, hy}, c, s));
        grow(Turn({hx, -hy}, c, s));
        grow(Turn({-hx, -hy}, c, s));
    }
    if (m & kAspect) grow(Turn(AspectHandle(m), c, s) + FnPoint{3.0f, 3.0f});
    b.minX += cx_;
    b.maxX += cx_;
    b.minY += cy_;
    b.maxY += cy_;
    return b;
}

void FnT2DAxis::UpdateExtent() {
    const FnAxisBox b = ComputeAxisBox();
    SetRect(b.minX, b.minY, b.maxX - b.minX, b.maxY - b.minY);
    if (parent_) parent_->OnChildChanged(this);
}

int FnT2DAxis::SetCentre(float x, float y) {
    if ((handleMask_ & (kTranslateX | kTranslateY)) != (kTranslateX | kTranslateY)) return 0;
    if (x == cx_ && y == cy_) return 0;
    cx_ = x;
    cy_ = y;
    axisFlags_ |= kMatrixStale;
    UpdateExtent();
    Invalidate();
    return 1;
}

void FnT2DAxis::SetRotation(float degrees) {
    rotation_ = degrees;
    axisFlags_ |= kMatrixStale;
    UpdateExtent();
}

void FnT2DAxis::SetScales(float overall, float x, float y) {
    overall_ = overall;
    sx_ = x;
    sy_ = y;
    axisFlags_ |= kMatrixStale;
    UpdateExtent();
}

void FnT2DAxis::SetAspect(float aspect) {
    aspect_ = std::clamp(aspect, -1.0f, 1.0f);
    axisFlags_ |= kMatrixStale;
    UpdateExtent();
}

void FnT2DAxis::SetHandleMask(std::uint32_t mask) {
    handleMask_ = mask;
    UpdateExtent();
}

void FnT2DAxis::SetAxisFlags(std::uint32_t flags) {
    axisFlags_ = flags | kMatrixStale;
    UpdateExtent();
}

void FnT2DAxis::DrawTip(FnPoint point) {
    if (!tip_ || Pressed()) return;
    const char* format = nullptr;
    switch (activePart_) {
    case kPartTranslateX:
    case kPartTranslateY:
    case kPartCentre: format = "Translates the %s."; break;
    case kPartScale:
    case kPartScaleX:
    case kPartScaleY:
    case kPartScaleX | kPartScaleY: format = "Scales the %s."; break;
    case kPartRotate: format = "Rotates the %s."; break;
    case kPartAspect: format = "Aspects the %s."; break;
    default: return;
    }
    char text[256];
    std::snprintf(text, sizeof text, format, tip_->c_str());
    ShadowText(text, point.x, point.y);
}

void FnT2DAxis::DrawRotatedHandles(std::uint32_t m, float z) {
    const std::int32_t part = activePart_;
    const auto look = [&](bool active) {
        return !active ? Look::Idle : (Pressed() ? Look::Pressed : Look::Hovered);
    };
    const FnPoint o{0.0f, 0.0f};
    if ((m & kAspect) && part == kPartAspect) {
        DashedLine(o, {17.0f * z, 0.0f}, kBlue, kWhite);
        DashedLine(o, {0.0f, 17.0f * z}, kBlue, kWhite);
    }
    if (m & kAnyScale) {
        const float hx = kHandle * z * LengthX(), hy = kHandle * z * LengthY();
        const Look xs = look(part == kPartScale || part == kPartScaleX);
        const Look ys = look(part == kPartScale || part == kPartScaleY);
        HandleLine({-hx, -hy}, {-hx, hy}, kBlue, xs);
        HandleLine({hx, -hy}, {hx, hy}, kBlue, xs);
        HandleLine({-hx, -hy}, {hx, -hy}, kBlue, ys);
        HandleLine({-hx, hy}, {hx, hy}, kBlue, ys);
    }
    if (m & kAspect) {
        const FnPoint h = AspectHandle(m);
        HandleLine(o, h, kBlue, look(part == kPartAspect));
        TwoColourCircle(h, 2.0f, part == kPartAspect ? kWhite : kDark, kBlue);
    }
    if (m & kRotate) {
        const FnColour second = part == kPartRotate ? kWhite : kGreen;
        const float k = 22.627417f * z;
        DashedLine(o, {kRing * z, 0.0f}, kGreen, second);
        DashedArc(o, kRing * z, -45.0f, 45.0f, kGreen, second);
        ArrowHeadAt({k, -k}, {-1.0f, -1.4142135f}, {10.0f * z, 2.0f * z}, kGreen, second);
        ArrowHeadAt({k, k}, {-1.0f, 1.4142135f}, {10.0f * z, 2.0f * z}, kGreen, second);
    }
    if (!(m & (kTranslateX | kTranslateY)) && !(axisFlags_ & kAllHandlesShown)) {
        const FnColour fill = (m & (kAnyScale | kAspect)) ? kBlue : kGreen;
        TwoColourCircle(o, 2.0f, fill, part == kPartAspect ? kWhite : kDark);
    }
}

void FnT2DAxis::DrawTranslateArrows(std::uint32_t m, float z) {
    const std::int32_t part = activePart_;
    for (int axis = 0; axis < 2; ++axis) {
        const std::uint32_t bit = axis == 0 ? kTranslateX : kTranslateY;
        if (!(m & bit)) continue;
        // The centre part (3) moves both ways: both arrows light up.
        const bool active = part >= kPartTranslateX && part <= kPartCentre && (part & bit);
        const Look look = !active ? Look::Idle : (Pressed() ? Look::Pressed : Look::Hovered);
        const auto at = [axis](float v) { return axis == 0 ? FnPoint{v, 0.0f} : FnPoint{0.0f, v}; };
        HandleLine(at(-34.0f * z), at(-3.0f * z), kRed, look);
        HandleLine(at(3.0f * z), at(34.0f * z), kRed, look);
        const FnColour fill = look == Look::Pressed ? kWhite : kRed;
        const FnColour outline = look == Look::Idle ? kRed : kWhite;
        ArrowHeadAt(at(-kHandle * z), at(-1.0f), {10.0f * z, 1.5f * z}, fill, outline);
        ArrowHeadAt(at(kHandle * z), at(1.0f), {10.0f * z, 1.5f * z}, fill, outline);
    }
}

void FnT2DAxis::Draw() {
    const GLboolean blend = glIsEnabled(GL_BLEND), points = glIsEnabled(GL_POINT_SMOOTH),
                    lines = glIsEnabled(GL_LINE_SMOOTH), polygons = glIsEnabled(GL_POLYGON_SMOOTH);
    GLint blendSrc = GL_ONE, blendDst = GL_ZERO;
    glGetIntegerv(GL_BLEND_SRC, &blendSrc);
    glGetIntegerv(GL_BLEND_DST, &blendDst);
    glEnable(GL_BLEND);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const bool throughStack = transform_ != 0;
    if (throughStack) {
        glPushMatrix();
        ApplyTransform();
    }
    const std::uint32_t m = ShownMask();
    const float z = scale_;
    glPushMatrix();
    glTranslatef((m & kTranslateX) ? cx_ : 0.0f, (m & kTranslateY) ? cy_ : 0.0f, 0.0f);
    glPushMatrix();
    if (m & kRotate) glRotatef(rotation_, 0.0f, 0.0f, 1.0f);
    DrawRotatedHandles(m, z);
    glPopMatrix();
    if (!(axisFlags_ & kHandlesDisabled)) DrawTranslateArrows(m, z);
    if ((axisFlags_ & kDrawLabel) && name_) {
        const int length = static_cast<int>(name_->size());
        FnTDraw::SetColour(kBlack);
        DrawText(name_->c_str(), length, 3.0f, 3.0f);
        FnTDraw::SetColour(kWhite);
        DrawText(name_->c_str(), length, 5.0f, 5.0f);
    }
    glPopMatrix();
    if (throughStack) glPopMatrix();

    glBlendFunc(static_cast<GLenum>(blendSrc), static_cast<GLenum>(blendDst));
    const auto restore = [](GLenum cap, GLboolean on) { on ? glEnable(cap) : glDisable(cap); };
    restore(GL_BLEND, blend);
    restore(GL_POINT_SMOOTH, points);
    restore(GL_LINE_SMOOTH, lines);
    restore(GL_POLYGON_SMOOTH, polygons);
}
