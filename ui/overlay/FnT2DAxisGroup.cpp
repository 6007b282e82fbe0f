// The axis group: children in the axis's frame, found and drawn through its
// matrix.
#include "ui/overlay/FnT2DAxisGroup.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

void Grow(FnAxisBox& b, FnPoint p) {
    b.minX = std::min(b.minX, p.x);
    b.maxX = std::max(b.maxX, p.x);
    b.minY = std::min(b.minY, p.y);
    b.maxY = std::max(b.maxY, p.y);
}

FnAxisBox EmptyBox() {
    constexpr float big = std::numeric_limits<float>::max();
    return {big, -big, big, -big};
}

}  // namespace

FnT2DAxisGroup::FnT2DAxisGroup(const char* name, std::uint32_t handleMask)
    : FnT2DAxis(name, handleMask) {}

FnT2DAxisGroup::~FnT2DAxisGroup() {
    // The children leave while the group is whole (the containers would
    // otherwise detach them after the axis part is gone).
    target_ = nullptr;
    while (first_.Children().Head()) RemoveChild(first_.Children().Head()->item);
    while (second_.Children().Head()) RemoveChild(second_.Children().Head()->item);
}

bool FnT2DAxisGroup::IsAncestorOrSelf(const FnTObject* widget) const {
    const FnTObject* g = this;
    // A well-formed tree is a few levels deep; the bound stops a cycle.
    for (int depth = 0; g && depth < 1024; ++depth) {
        if (g == widget) return true;
        FnTGroup* parent = g->Parent();
        if (auto* container = dynamic_cast<Container*>(parent))
            g = &container->Owner();
        else
            g = parent;
    }
    return false;
}

FnT2DAxisGroup::Container* FnT2DAxisGroup::ContainerOf(FnTObject* child) {
    if (first_.Contains(child)) return &first_;
    if (second_.Contains(child)) return &second_;
    return nullptr;
}

int FnT2DAxisGroup::AddChild(FnTObject* child) {
    if (!child || IsAncestorOrSelf(child)) return 0;
    Container& into = addToSecond_ ? second_ : first_;
    if (into.Contains(child)) return 0;
    if (FnTGroup* old = child->Parent()) old->RemoveChild(child);
    const bool wasEmpty = into.Children().Empty();
    if (!into.Add(child)) return 0;
    flags_ = (flags_ & ~kHasExtent) | (child->Flags() & kHasExtent);
    child->SetManager(manager_);
    child->SetParent(&into);
    if (child->HasExtent()) {
        const FnAxisBox c{std::min(child->X(), child->X() + child->Width()),
                          std::max(child->X(), child->X() + child->Width()),
                          std::min(child->Y(), child->Y() + child->Height()),
                          std::max(child->Y(), child->Y() + child->Height())};
        if (wasEmpty) {
            childrenBox_ = c;
        } else {
            Grow(childrenBox_, {c.minX, c.minY});
            Grow(childrenBox_, {c.maxX, c.maxY});
        }
    }
    UpdateExtent();
    return 1;
}

int FnT2DAxisGroup::RemoveChild(FnTObject* child) {
    Container* c = child ? ContainerOf(child) : nullptr;
    if (!c) return 0;
    c->Remove(child);
    if (target_ == child) target_ = nullptr;
    child->SetParent(nullptr);
    child->SetManager(nullptr);
    OnChildChanged(child);
    return 1;
}

void FnT2DAxisGroup::OnChildChanged(FnTObject* child) {
    if (!child) return;
    FnAxisBox a{}, b{};
    const int firstState = first_.ComputeExtent(a.minX, a.maxX, a.minY, a.maxY);
    const int secondState = second_.ComputeExtent(b.minX, b.maxX, b.minY, b.maxY);
    if (secondState == FnTContainer::kAllWithExtent || secondState == FnTContainer::kNoChildren) {
        childrenBox_ = b;
        if (firstState == FnTContainer::kAllWithExtent) {
            Grow(childrenBox_, {a.minX, a.minY});
            Grow(childrenBox_, {a.maxX, a.maxY});
        }
    }
    if (secondState == FnTContainer::kSomeWithoutExtent ||
        firstState == FnTContainer::kSomeWithoutExtent)
        childrenBox_ = EmptyBox();
    if (firstState != FnTContainer::kSomeWithoutExtent &&
        secondState != FnTContainer::kSomeWithoutExtent)
        flags_ |= kHasExtent;
    else
        flags_ &= ~kHasExtent;
    UpdateExtent();
}

FnAxisBox FnT2DAxisGroup::ComputeAxisBox() {
    FnAxisBox box = FnT2DAxis::ComputeAxisBox();
    if ((first_.Children().Empty() && second_.Children().Empty()) || !HasExtent()) return box;
    UpdateMatrix();
    const FnAxisBox& c = childrenBox_;
    for (FnPoint corner : {FnPoint{c.minX, c.minY}, FnPoint{c.maxX, c.minY},
                           FnPoint{c.minX, c.maxY}, FnPoint{c.maxX, c.maxY}})
        Grow(box, matrix_.Map(corner));
    return box;
}

void FnT2DAxisGroup::SetManager(FnTManager* manager) {
    FnT2DAxis::SetManager(manager);
    first_.SetManagerOfChildren(manager);
    second_.SetManagerOfChildren(manager);
}

void FnT2DAxisGroup::SetTarget(FnTObject* widget) {
    if (!widget) {
        target_ = this;
        return;
    }
    if (Container* c = ContainerOf(widget)) c->SetHitChild(widget);
    target_ = widget;
}

void FnT2DAxisGroup::PushLocal(FnPoint) {
    UpdateMatrix();
    PushTransform();
    MultiplyTransform(matrix_);
}

void FnT2DAxisGroup::PopLocal() { PopTransform(); }

FnTObject* FnT2DAxisGroup::HitTest(FnPoint point, FnPoint tolerance) {
    UpdateMatrix();
    const FnPoint local = inverse_.Map(point);
    // The tolerance in the group's units.  An axis of length 0 makes the
    // matrix singular and its inverse the identity: the tolerance is then
    // taken as it is, like the point.
    const float lx = std::fabs(LengthX()), ly = std::fabs(LengthY());
    const FnPoint localTolerance =
        (lx > 0.0f && ly > 0.0f) ? FnPoint{tolerance.x / lx, tolerance.y / ly} : tolerance;
    target_ = nullptr;
    FnTObject* r = first_.Pick(local, localTolerance);
    if (r && r != PressTaken()) target_ = first_.HitChild();
    if (target_) return r;
    r = second_.Pick(local, localTolerance);
    if (r && r != PressTaken()) target_ = second_.HitChild();
    if (target_) return r;
    if (groupFlags_ & kOwnAxis) return FnT2DAxis::HitTest(point, tolerance);
    return r;
}

void FnT2DAxisGroup::Draw() {
    UpdateMatrix();
    if (groupFlags_ & kOwnAxis) {
        if (applyStack_) {
            glPushMatrix();
            ApplyTransform();
        }
        FnT2DAxis::Draw();
        if (applyStack_) glPopMatrix();
    }
    PushTransform();
    MultiplyTransform(matrix_);
    second_.DrawChildren();
    PopTransform();

    const std::uint32_t m = ShownMask();
    glPushMatrix();
    glTranslatef((m & kTranslateX) ? cx_ : 0.0f, (m & kTranslateY) ? cy_ : 0.0f, 0.0f);
    if (m & kRotate) glRotatef(rotation_, 0.0f, 0.0f, 1.0f);
    if (m & (kAnyScale | kAspect)) glScalef(LengthX(), LengthY(), 1.0f);
    first_.DrawChildren();
    glPopMatrix();
}
