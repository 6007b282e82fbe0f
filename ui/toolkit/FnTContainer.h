#pragma once
// An ordered list of widgets: the first added is drawn first, the last added
// lies on top and is picked first.

#include "ui/toolkit/FnList.h"
#include "ui/toolkit/FnPoint.h"

#include <cstdint>

class FnTManager;
class FnTObject;

class FnTContainer {
public:
    static constexpr std::uint32_t kOwnsChildren = 1u << 0;  // destroys them with itself
    // Extent states
    static constexpr int kSomeWithoutExtent = 0;
    static constexpr int kAllWithExtent = 1;
    static constexpr int kNoChildren = 2;

    explicit FnTContainer(std::uint32_t flags = 0) : containerFlags_(flags) {}
    FnTContainer(const FnTContainer&) = delete;
    FnTContainer& operator=(const FnTContainer&) = delete;
    // Detaches every child (no parent, no manager) and destroys them when it
    // owns them.
    virtual ~FnTContainer();

    // The box round the children that have extent; returns and keeps the
    // extent state.  With no children the box is 0, 0, 0, 0.
    virtual int ComputeExtent(float& minX, float& maxX, float& minY, float& maxY);

    // 0 for null or a widget already present, else appends it and returns 1.
    int Add(FnTObject* widget);
    // 0 when absent, else removes every entry of it and returns 1.
    int Remove(FnTObject* widget);
    bool Contains(FnTObject* widget) const { return widget && children_.Contains(widget); }
    // Draws the shown children in list order.
    void DrawChildren();
    // Topmost pickable child under the point, grown by the tolerance (see
    // FnTObject::HitTest for the result).
    FnTObject* Pick(FnPoint point, FnPoint tolerance);
    void SetHitChild(FnTObject* widget) { hitChild_ = widget; }
    FnTObject* HitChild() const { return hitChild_; }
    void SetManagerOfChildren(FnTManager* manager);

    const FnList<FnTObject*>& Children() const { return children_; }
    int ExtentState() const { return extentState_; }
    std::uint32_t ContainerFlags() const { return containerFlags_; }

protected:
    // Takes every child out (no parent, no manager), destroying owned ones.
    void DetachAll();

    FnList<FnTObject*> children_;
    FnTObject* hitChild_ = nullptr;
    std::uint32_t containerFlags_ = 0;
    int extentState_ = kNoChildren;
};
