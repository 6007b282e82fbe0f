#pragma once
// An axis that carries widgets in its own transformed frame: moving,
// turning or scaling the axis moves, turns or scales its children.
//
// Children live in one of two containers.  The first is drawn with GL
// transforms (translate, rotate and scale as far as the handle mask
// allows); the second is drawn while the group's matrix is pushed on the
// transform stack, for children that apply the stack themselves.  Neither
// owns its children.  Hit tests map the pointer into the group's frame with
// the inverse matrix, so a child is found where it is drawn.

#include "ui/overlay/FnT2DAxis.h"
#include "ui/toolkit/FnTGroup.h"

#include <cstdint>

class FnT2DAxisGroup : public FnT2DAxis {
public:
    // Group flags
    static constexpr std::uint32_t kOwnAxis = 1u << 0;  // show and hit the group's own axis

    FnT2DAxisGroup(const char* name, std::uint32_t handleMask);
    ~FnT2DAxisGroup() override;

    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    void Draw() override;
    void PushLocal(FnPoint point) override;
    void PopLocal() override;
    void OnChildChanged(FnTObject* child) override;
    void SetManager(FnTManager* manager) override;
    int AddChild(FnTObject* child) override;
    int RemoveChild(FnTObject* child) override;
    void SetTarget(FnTObject* widget) override;
    FnAxisBox ComputeAxisBox() override;

    std::uint32_t GroupFlags() const { return groupFlags_; }
    void SetGroupFlags(std::uint32_t flags) { groupFlags_ = flags; }
    // Draw the own axis through the transform stack.
    void SetApplyStack(bool apply) { applyStack_ = apply; }
    // AddChild puts children into the second container.
    void SetAddToSecond(bool second) { addToSecond_ = second; }
    const FnTContainer& First() const { return first_; }
    const FnTContainer& Second() const { return second_; }
    // The box round the children, in the group's frame.
    FnAxisBox ChildrenBox() const { return childrenBox_; }

private:
    // One container of the group.  Its children name it as their parent, so
    // that a child that moves, resizes or dies tells the group through it.
    class Container final : public FnTGroup {
    public:
        explicit Container(FnT2DAxisGroup& owner) : FnTGroup(nullptr), owner_(owner) {
            SetGroupFlags(0);
        }
        void OnChildChanged(FnTObject* child) override { owner_.OnChildChanged(child); }
        int RemoveChild(FnTObject* child) override { return owner_.RemoveChild(child); }
        FnT2DAxisGroup& Owner() const { return owner_; }

    private:
        FnT2DAxisGroup& owner_;
    };

    // True when `widget` is this group or holds it, however deep.
    bool IsAncestorOrSelf(const FnTObject* widget) const;
    Container* ContainerOf(FnTObject* child);

    std::uint32_t groupFlags_ = kOwnAxis;
    bool applyStack_ = false;
    bool addToSecond_ = false;
    FnAxisBox childrenBox_{0.0f, 0.0f, 0.0f, 0.0f};
    Container first_{*this};
    Container second_{*this};
};
