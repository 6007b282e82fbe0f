#include "ui/toolkit/FnTGroup.h"

#include <GL/gl.h>

#include <algorithm>

FnTGroup::FnTGroup(const char* name, std::uint32_t containerFlags)
    : FnTObject(name), FnTContainer(containerFlags) {
    flags_ &= ~(kMovable | kResizable);
}

FnTGroup::~FnTGroup() {
    // Children leave while the group is still whole.
    DetachAll();
}

FnTObject* FnTGroup::HitTest(FnPoint point, FnPoint tolerance) {
    FnTObject* r = Pick(point, tolerance);
    target_ = hitChild_;
    if (r) return r;
    return (groupFlags_ & kTakesPress) ? PressTaken() : nullptr;
}

void FnTGroup::Draw() {
    if (groupFlags_ & kDrawBackground) DrawBackground();
    DrawChildren();
}

void FnTGroup::DrawBackground() {
    FnTDraw::SetColour((groupFlags_ & kToolkitGrey) ? kGrey : fill_);
    FillRect(x_, y_, x_ + width_, y_ + height_);
}

int FnTGroup::OnDrag(FnPoint) { return 0; }

void FnTGroup::OnChildChanged(FnTObject*) { RecomputeExtent(); }

FnPoint FnTGroup::ToLocal(FnPoint point) { return point; }

void FnTGroup::SetManager(FnTManager* manager) {
    FnTObject::SetManager(manager);
    SetManagerOfChildren(manager);
}

FnTObject* FnTGroup::FindByName(const char* name) {
    if (FnTObject* self = FnTObject::FindByName(name)) return self;
    for (auto* node = children_.Head(); node; node = node->next)
        if (FnTObject* found = node->item->FindByName(name)) return found;
    return nullptr;
}

bool FnTGroup::IsAncestorOrSelf(const FnTObject* widget) const {
    for (const FnTObject* g = this; g; g = g->Parent())
        if (g == widget) return true;
    return false;
}

int FnTGroup::AddChild(FnTObject* widget) {
    if (!widget || Contains(widget) || IsAncestorOrSelf(widget)) return 0;
    if (FnTGroup* old = widget->Parent()) old->RemoveChild(widget);
    const bool first = children_.Empty();
    if (!Add(widget)) return 0;
    flags_ = (flags_ & ~kHasExtent) | (widget->Flags() & kHasExtent);
    widget->SetManager(manager_);
    widget->SetParent(this);
    if (widget->HasExtent()) {
        if (first) {
            SetRect(widget->X(), widget->Y(), widget->Width(), widget->Height());
        } else {
            const float x0 = std::min(x_, widget->X()), y0 = std::min(y_, widget->Y());
            const float x1 = std::max(x_ + width_, widget->X() + widget->Width());
            const float y1 = std::max(y_ + height_, widget->Y() + widget->Height());
            SetRect(x0, y0, x1 - x0, y1 - y0);
        }
    }
    if (parent_) parent_->OnChildChanged(this);
    return 1;
}

int FnTGroup::RemoveChild(FnTObject* widget) {
    if (!Remove(widget)) return 0;
    if (target_ == widget) target_ = nullptr;
    widget->SetParent(nullptr);
    widget->SetManager(nullptr);
    RecomputeExtent();
    return 1;
}

void FnTGroup::SetTarget(FnTObject* widget) {
    FnTObject::SetTarget(widget);
    SetHitChild(target_);
}

void FnTGroup::RecomputeExtent() {
    float minX, maxX, minY, maxY;
    const int state = ComputeExtent(minX, maxX, minY, maxY);
    if (minX > maxX)
        SetRect(0.0f, 0.0f, 0.0f, 0.0f);  // no child with extent: an empty box, not an infinite one
    else
        SetRect(minX, minY, maxX - minX, maxY - minY);
    if (state == kSomeWithoutExtent)
        flags_ &= ~kHasExtent;
    else
        flags_ |= kHasExtent;
    if (parent_) parent_->OnChildChanged(this);
}
