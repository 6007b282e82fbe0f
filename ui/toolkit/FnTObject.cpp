#include "ui/toolkit/FnTObject.h"

#include <GL/gl.h>

#include "ui/toolkit/FnTGroup.h"
#include "ui/toolkit/FnTManager.h"

#include <cstring>
#include <limits>

FnTObject::FnTObject(const char* name) {
    if (name) name_ = name;
}

FnTObject::~FnTObject() {
    if (parent_) parent_->RemoveChild(this);
    if (manager_) manager_->ForgetWidget(this);
}

void FnTObject::PushLocal(FnPoint) {}
void FnTObject::PopLocal() {}

int FnTObject::OnPress(FnPoint) {
    flags_ |= kPressed;
    return 1;
}

int FnTObject::OnRelease() {
    flags_ &= ~kPressed;
    return 1;
}

int FnTObject::OnEnter(FnPoint) {
    flags_ |= kHovered;
    return 1;
}

int FnTObject::OnLeave() {
    flags_ &= ~kHovered;
    return 1;
}

void FnTObject::DrawTip(FnPoint point) {
    if (tip_ && !Pressed()) ShadowText(tip_->c_str(), point.x, point.y);
}

void FnTObject::OnChildChanged(FnTObject*) {}

FnPoint FnTObject::ToLocal(FnPoint point) { return {point.x - x_, point.y - y_}; }

void FnTObject::SetSize(float width, float height) {
    if (!(flags_ & kResizable)) return;
    width_ = width;
    height_ = height;
    if (parent_) parent_->OnChildChanged(this);
}

void FnTObject::SetPosition(float x, float y) {
    if (!(flags_ & kMovable)) return;
    x_ = x;
    y_ = y;
    if (parent_) parent_->OnChildChanged(this);
}

void FnTObject::SetManager(FnTManager* manager) {
    // The old manager must not keep pointing at a widget that left it.
    if (manager_ && manager_ != manager) manager_->ForgetWidget(this);
    manager_ = manager;
}

void FnTObject::SetScale(float scale) { scale_ = scale; }

FnPoint FnTObject::MinimumSize() { return {0.0f, 0.0f}; }

FnPoint FnTObject::MaximumSize() {
    constexpr float big = std::numeric_limits<float>::max();
    return {big, big};
}

FnTObject* FnTObject::FindByName(const char* name) {
    return name && name_ && std::strcmp(name_->c_str(), name) == 0 ? this : nullptr;
}

int FnTObject::AddChild(FnTObject*) { return 0; }
int FnTObject::RemoveChild(FnTObject*) { return 0; }

void FnTObject::SetTarget(FnTObject* widget) { target_ = widget ? widget : this; }

void FnTObject::Invalidate() {
    if (manager_) manager_->SetRedraw();
}

void FnTObject::SetTip(const char* tip) {
    if (tip)
        tip_ = tip;
    else
        tip_.reset();
}

FnTObject* FnTObject::Deepest() {
    FnTObject* w = this;
    // A well-formed chain is a few levels deep; the bound stops a cycle.
    for (int depth = 0; depth < 1024; ++depth) {
        if (!w->target_) return nullptr;
        if (w->target_ == w) return w;
        w = w->target_;
    }
    return nullptr;
}

void FnTObject::SetRect(float x, float y, float width, float height) {
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
}

void FnTObject::DrawStateFrame() const {
    if (Pressed()) {
        glLineWidth(2.0f);
        FnTDraw::SetColour(kWhite);
        OutlineRect(0.0f, 0.0f, width_, height_);
        glLineWidth(1.0f);
    } else if (Hovered()) {
        SunkenFrame(0.0f, 0.0f, width_, height_);
    } else {
        RaisedFrame(0.0f, 0.0f, width_, height_);
    }
}
