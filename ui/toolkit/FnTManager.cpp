#include "ui/toolkit/FnTManager.h"

#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnTGroup.h"
#include "ui/toolkit/FnTObject.h"

#include <cmath>

namespace {

using Op = int (FnTObject::*)(FnPoint);

// Down the target chain, converting the point into each widget's frame.
int Route(FnTObject* w, FnPoint p, Op op, int depth = 0) {
    if (!w || depth > 1024) return 0;
    FnTObject* target = w->Target();
    if (target == w) return (w->*op)(p);
    if (!target) return 0;
    const FnPoint local = w->ToLocal(p);
    w->PushLocal(local);
    const int r = Route(target, local, op, depth + 1);
    w->PopLocal();
    return r;
}

}  // namespace

FnTManager::FnTManager() = default;

FnTManager::~FnTManager() {
    hover_ = default_ = nullptr;
    // While the manager is whole, so that each widget's SetManager(null) may
    // still call back into it.
    DetachAll();
}

FnPoint FnTManager::PointerPosition() const { return pointer_; }
FnPoint FnTManager::PointerDelta() const { return delta_; }
int FnTManager::ButtonHeld() const { return static_cast<int>(buttons_ & 1u); }

int FnTManager::Dispatch(const FnMessage& message) {
    HandleMessage(message, nullptr);
    return NeedsRedraw() ? 1 : 0;
}

int FnTManager::HandleMessage(const FnMessage& message, FnMessageSender*) {
    const int kind = message.Kind();
    if (kind != kFnPointerMoved && kind != kFnPointerPressed && kind != kFnPointerReleased)
        return 0;
    if (message.CarriesPoint()) {
        const FnPoint p = message.Point();
        delta_ = p - pointer_;
        pointer_ = p;
    }
    if (kind == kFnPointerPressed) buttons_ |= 1u;
    if (kind == kFnPointerReleased) buttons_ &= ~1u;
    if (dispatch_ & kDispatching) return 1;
    dispatch_ |= kDispatching;
    switch (kind) {
    case kFnPointerMoved:
        if (buttons_ & 1u)
            DragStep();
        else
            HoverStep();
        if (hover_ && showTips_) dispatch_ |= kRedraw;  // the tip follows the pointer
        break;
    case kFnPointerPressed: PressStep(); break;
    default: ReleaseStep(); break;
    }
    dispatch_ &= ~kDispatching;
    return 1;
}

void FnTManager::PickAtPointer() {
    dispatch_ |= kPicking;
    FnTObject* r = Pick(pointer_, tolerance_);
    hover_ = r == FnTObject::PressTaken() ? nullptr : r;
    if (!r && default_ && default_->Pickable()) {
        hover_ = default_;
        default_->SetTarget(nullptr);
        FnTObject* top = default_;
        for (FnTGroup* parent = top->Parent(); parent; parent = parent->Parent()) {
            parent->SetTarget(top);
            top = parent;
        }
        SetHitChild(top);
    }
    dispatch_ &= ~kPicking;
}

void FnTManager::HoverStep() {
    if (!(std::fabs(delta_.x) > 0.001f || std::fabs(delta_.y) > 0.001f)) return;
    if (hitChild_)
        if (FnTObject* deepest = hitChild_->Deepest()) deepest->OnLeave();
    FnTObject* const previous = hover_;
    PickAtPointer();
    if (hitChild_) Route(hitChild_, pointer_, &FnTObject::OnEnter);
    if (hover_ != previous) dispatch_ |= kRedraw;
}

void FnTManager::DragStep() {
    if (!hitChild_) return;
    if (Route(hitChild_, pointer_, &FnTObject::OnDrag))
        dispatch_ |= kRedraw;
    else
        dispatch_ &= ~kRedraw;
}

void FnTManager::PressStep() {
    if (hitChild_)
        if (FnTObject* deepest = hitChild_->Deepest()) Mark(deepest->OnLeave());
    PickAtPointer();
    if (hitChild_) Mark(Route(hitChild_, pointer_, &FnTObject::OnPress));
}

void FnTManager::ReleaseStep() {
    if (hitChild_)
        if (FnTObject* deepest = hitChild_->Deepest()) Mark(deepest->OnRelease());
    PickAtPointer();
    if (hitChild_) Mark(Route(hitChild_, pointer_, &FnTObject::OnEnter));
}

void FnTManager::DrawAll() {
    DrawChildren();
    dispatch_ &= ~kRedraw;
    if (showTips_ && hover_) hover_->DrawTip(FnPoint{pointer_.x + 8.0f, pointer_.y + 8.0f});
}

int FnTManager::AddWidget(FnTObject* widget) {
    if (!widget || Contains(widget)) return 0;
    if (FnTGroup* parent = widget->Parent()) parent->RemoveChild(widget);
    if (!Add(widget)) return 0;
    widget->SetManager(this);
    if (widget->Shown()) dispatch_ |= kRedraw;
    return 1;
}

int FnTManager::RemoveWidget(FnTObject* widget) {
    if (!Contains(widget)) return 0;
    ForgetWidget(widget);
    if (widget->Manager() == this) widget->SetManager(nullptr);
    return 1;
}

void FnTManager::ForgetWidget(FnTObject* widget) {
    if (!widget) return;
    if (hover_ == widget) hover_ = nullptr;
    if (default_ == widget) default_ = nullptr;
    Remove(widget);
    if (hitChild_ == widget) hitChild_ = nullptr;
}
