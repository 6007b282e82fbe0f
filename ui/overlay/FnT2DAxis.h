#pragma once
// An on-screen 2D transform gizmo: a centre with translate arrows, a
// rotation arc, a scale box and an aspect handle, each of which the user
// can drag.  It holds a 2D transform (centre, rotation, overall scale, x and
// y scale, aspect) and tells its listeners of every change: 200 on press,
// 201 after each drag step, 202 on release, with the active part as the
// payload.  Listeners read the new transform from the widget.
//
// The widget's scale is the gizmo's zoom: every handle size is multiplied by
// it.  A nonzero transform word draws the gizmo through the process-wide
// transform stack (below), for axes inside an axis group's frame.

#include "ui/toolkit/FnMessageSender.h"
#include "ui/toolkit/FnTObject.h"

#include <cstdint>

// A 2D affine matrix of 9 floats: (x, y) maps to (x·m0 + y·m3 + m6,
// x·m1 + y·m4 + m7); applying M and then B is the product M · B.
struct FnMatrix3 {
    float m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    FnPoint Map(FnPoint p) const {
        return {p.x * m[0] + p.y * m[3] + m[6], p.x * m[1] + p.y * m[4] + m[7]};
    }
    // This matrix applied first, then b.
    FnMatrix3 Then(const FnMatrix3& b) const;
    float Determinant() const;
    // Adjugate over determinant; the identity when |determinant| is below
    // 8.881784197001252e-16 (a singular matrix has no inverse to give).
    FnMatrix3 Inverse() const;
};

// The process-wide transform stack: 32 entries, entry 0 the identity.
// User-interface thread only, unlocked.
inline constexpr int kFnTransformStackSize = 32;
// Copies the top one level up; at the last level nothing happens, so the
// stack never grows past its 32 entries.
void PushTransform();
// Back one level; at the first level nothing happens.
void PopTransform();
// top = m · top.
void MultiplyTransform(const FnMatrix3& m);
// glMultMatrixf with the top entry.
void ApplyTransform();
int TransformDepth();
const FnMatrix3& TopTransform();

// The box ComputeAxisBox gives, in the parent's coordinates.
struct FnAxisBox {
    float minX, maxX, minY, maxY;
};

class FnT2DAxis : public FnTObject, public FnMessageSender {
public:
    // Handle mask
    static constexpr std::uint32_t kTranslateX = 1u << 0;
    static constexpr std::uint32_t kTranslateY = 1u << 1;
    static constexpr std::uint32_t kUniformScale = 1u << 2;
    static constexpr std::uint32_t kScaleX = 1u << 3;
    static constexpr std::uint32_t kScaleY = 1u << 4;
    static constexpr std::uint32_t kRotate = 1u << 5;
    static constexpr std::uint32_t kAspect = 1u << 6;
    static constexpr std::uint32_t kAllHandles = 0x7F;
    static constexpr std::uint32_t kAnyScale = kUniformScale | kScaleX | kScaleY;
    // Active parts (the handle under the pointer or being dragged)
    static constexpr std::int32_t kPartNone = 0;
    static constexpr std::int32_t kPartTranslateX = 1;
    static constexpr std::int32_t kPartTranslateY = 2;
    static constexpr std::int32_t kPartCentre = 3;
    static constexpr std::int32_t kPartScale = 4;
    static constexpr std::int32_t kPartScaleX = 8;
    static constexpr std::int32_t kPartScaleY = 16;
    static constexpr std::int32_t kPartRotate = 32;
    static constexpr std::int32_t kPartAspect = 64;
    // Axis flags
    static constexpr std::uint32_t kMatrixStale = 1u << 0;
    static constexpr std::uint32_t kDrawLabel = 1u << 1;
    static constexpr std::uint32_t kHandlesDisabled = 1u << 4;
    static constexpr std::uint32_t kAllHandlesShown = 1u << 5;  // draw and measure all seven
    // Scale-side word: the grabbed scale handle lies on the negative side.
    static constexpr std::uint32_t kSideNegativeX = 1u << 3;
    static constexpr std::uint32_t kSideNegativeY = 1u << 4;

    FnT2DAxis(const char* name, std::uint32_t handleMask);
    ~FnT2DAxis() override;

    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    void Draw() override;
    int OnDrag(FnPoint point) override;
    int OnPress(FnPoint point) override;
    int OnRelease() override;
    int OnEnter(FnPoint point) override;
    int OnLeave() override;
    void DrawTip(FnPoint point) override;
    // From the parent's coordinates into the axis frame.
    FnPoint ToLocal(FnPoint point) override;
    // Stores the zoom and measures the gizmo again.
    void SetScale(float scale) override;
    virtual FnAxisBox ComputeAxisBox();

    // Brings the matrix and its inverse up to date when marked stale.
    void UpdateMatrix();
    // Position and size from ComputeAxisBox, then tells the parent.
    void UpdateExtent();
    void SetActivePart(std::int32_t part);

    // Moves the centre; only an axis that may translate both ways moves, and
    // only when the centre changes.  1 when it moved.
    int SetCentre(float x, float y);
    // Setters for programs; each marks the matrix stale and measures again.
    void SetRotation(float degrees);
    void SetScales(float overall, float x, float y);
    void SetAspect(float aspect);
    void SetHandleMask(std::uint32_t mask);
    void SetAxisFlags(std::uint32_t flags);

    FnPoint Centre() const { return {cx_, cy_}; }
    float Rotation() const { return rotation_; }
    float OverallScale() const { return overall_; }
    float ScaleX() const { return sx_; }
    float ScaleY() const { return sy_; }
    float Aspect() const { return aspect_; }
    std::uint32_t HandleMask() const { return handleMask_; }
    std::uint32_t AxisFlags() const { return axisFlags_; }
    std::int32_t ActivePart() const { return activePart_; }
    std::uint32_t ScaleSide() const { return scaleSide_; }
    const FnMatrix3& Matrix() {
        UpdateMatrix();
        return matrix_;
    }
    const FnMatrix3& InverseMatrix() {
        UpdateMatrix();
        return inverse_;
    }

    // Derived factors: the aspect's squeeze along x and y, and the axis
    // lengths per unit (lx = S · sx · ax, ly = S · sy · ay).
    float AspectX() const;
    float AspectY() const;
    float LengthX() const { return overall_ * sx_ * AspectX(); }
    float LengthY() const { return overall_ * sy_ * AspectY(); }
    // The aspect handle in the rotated frame, for a handle mask.
    FnPoint AspectHandle(std::uint32_t mask) const;

protected:
    // The mask used for drawing and measuring.
    std::uint32_t ShownMask() const {
        return (axisFlags_ & kAllHandlesShown) ? kAllHandles : handleMask_;
    }
    void Tell(int kind);

    FnPoint last_{};
    float pressAngle_ = 0.0f;
    float dragSin_ = 0.0f, dragCos_ = 1.0f;
    std::uint32_t handleMask_;
    std::int32_t activePart_ = kPartNone;
    std::uint32_t scaleSide_ = 0;
    float cx_ = 0.0f, cy_ = 0.0f;
    float sx_ = 1.0f, sy_ = 1.0f, overall_ = 1.0f;
    float rotation_ = 0.0f;
    float aspect_ = 0.0f;
    FnMatrix3 matrix_;
    FnMatrix3 inverse_;
    std::uint32_t axisFlags_ = kMatrixStale;

private:
    void DrawRotatedHandles(std::uint32_t m, float z);
    void DrawTranslateArrows(std::uint32_t m, float z);
};
