#include "ui/toolkit/FnTContainer.h"

#include "ui/toolkit/FnTObject.h"

#include <algorithm>
#include <limits>

FnTContainer::~FnTContainer() { DetachAll(); }

void FnTContainer::DetachAll() {
    hitChild_ = nullptr;
    while (auto* node = children_.Head()) {
        FnTObject* child = children_.Remove(node);
        if (!child || children_.Contains(child)) continue;
        child->SetParent(nullptr);
        child->SetManager(nullptr);
        if (containerFlags_ & kOwnsChildren) delete child;
    }
    extentState_ = kNoChildren;
}

int FnTContainer::ComputeExtent(float& minX, float& maxX, float& minY, float& maxY) {
    if (children_.Empty()) {
        minX = maxX = minY = maxY = 0.0f;
        return extentState_ = kNoChildren;
    }
    constexpr float big = std::numeric_limits<float>::max();
    minX = minY = big;
    maxX = maxY = -big;
    int state = kAllWithExtent;
    for (auto* node = children_.Head(); node; node = node->next) {
        const FnTObject* c = node->item;
        if (!c->HasExtent()) {
            state = kSomeWithoutExtent;
            continue;
        }
        minX = std::min(minX, std::min(c->X(), c->X() + c->Width()));
        maxX = std::max(maxX, std::max(c->X(), c->X() + c->Width()));
        minY = std::min(minY, std::min(c->Y(), c->Y() + c->Height()));
        maxY = std::max(maxY, std::max(c->Y(), c->Y() + c->Height()));
    }
    return extentState_ = state;
}

int FnTContainer::Add(FnTObject* widget) {
    if (!widget || children_.Contains(widget)) return 0;
    if (!children_.Append(widget)) return 0;
    if (!widget->HasExtent())
        extentState_ = kSomeWithoutExtent;
    else if (extentState_ == kNoChildren)
        extentState_ = kAllWithExtent;
    return 1;
}

int FnTContainer::Remove(FnTObject* widget) {
    if (!widget || !children_.RemoveAll(widget)) return 0;
    if (hitChild_ == widget) hitChild_ = nullptr;
    return 1;
}

void FnTContainer::DrawChildren() {
    for (auto* node = children_.Head(); node; node = node->next)
        if (node->item->Shown()) node->item->Draw();
}

FnTObject* FnTContainer::Pick(FnPoint p, FnPoint tol) {
    for (auto* node = children_.Tail(); node; node = node->prev) {
        FnTObject* child = node->item;
        if (!child->Pickable()) continue;
        if (child->HasExtent() && (p.x + tol.x < child->X() || p.y + tol.y < child->Y() ||
                                   child->X() + child->Width() < p.x - tol.x ||
                                   child->Y() + child->Height() < p.y - tol.y))
            continue;
        child->PushLocal(p);
        FnTObject* r = child->HitTest(p, tol);
        child->PopLocal();
        if (r) {
            hitChild_ = r == FnTObject::PressTaken() ? nullptr : child;
            return r;
        }
        child->ClearTarget();
    }
    hitChild_ = nullptr;
    return nullptr;
}

void FnTContainer::SetManagerOfChildren(FnTManager* manager) {
    for (auto* node = children_.Head(); node; node = node->next) node->item->SetManager(manager);
}
