#pragma once
// A widget that holds widgets.  Its rectangle follows its children (it is
// neither movable nor resizable), it draws an optional background under
// them, and it may take a press on its empty space so that nothing below it
// gets one.

#include "ui/toolkit/FnTContainer.h"
#include "ui/toolkit/FnTObject.h"

class FnTGroup : public FnTObject, public FnTContainer {
public:
    // Group flags
    static constexpr std::uint32_t kDrawBackground = 1u << 0;
    static constexpr std::uint32_t kToolkitGrey =
        1u << 1;  // fill with the toolkit grey, not the fill colour
    static constexpr std::uint32_t kTakesPress = 1u << 2;  // a press on empty space is the group's

    explicit FnTGroup(const char* name = nullptr, std::uint32_t containerFlags = 0);
    ~FnTGroup() override;

    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    void Draw() override;
    int OnDrag(FnPoint point) override;
    void OnChildChanged(FnTObject* child) override;
    // Children share the group's coordinates.
    FnPoint ToLocal(FnPoint point) override;
    void SetManager(FnTManager* manager) override;
    FnTObject* FindByName(const char* name) override;
    int AddChild(FnTObject* widget) override;
    int RemoveChild(FnTObject* widget) override;
    void SetTarget(FnTObject* widget) override;
    virtual void DrawBackground();

    FnColour FillColour() const { return fill_; }
    void SetFillColour(FnColour colour) { fill_ = colour; }
    std::uint32_t GroupFlags() const { return groupFlags_; }
    void SetGroupFlags(std::uint32_t flags) { groupFlags_ = flags; }

    // Rectangle and has-extent bit from the children, then tell the parent.
    void RecomputeExtent();

private:
    bool IsAncestorOrSelf(const FnTObject* widget) const;

    FnColour fill_{0.6f, 0.6f, 0.6f};
    std::uint32_t groupFlags_ = kDrawBackground | kToolkitGrey | kTakesPress;
};
