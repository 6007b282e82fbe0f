#pragma once
// The widget base: a rectangle in its parent's coordinates with flags, a
// name and a tip, and the virtual operations for drawing, hit testing and
// pointer events.  Operations that handle an event return 1 (or a widget)
// when they handled it or need a redraw, 0 otherwise.
//
// A widget belongs to at most one manager and one group.  It unlinks itself
// from both when it is destroyed, so the tree never points at a dead widget.

#include "ui/toolkit/FnColour.h"
#include "ui/toolkit/FnPoint.h"
#include "ui/toolkit/FnTDraw.h"

#include <cstdint>
#include <optional>
#include <string>

class FnTGroup;
class FnTManager;

class FnTObject : public FnTDraw {
public:
    // Visibility word
    static constexpr std::uint32_t kSensitive = 1u << 0;  // takes pointer events
    static constexpr std::uint32_t kShown = 1u << 1;
    // Behaviour flags
    static constexpr std::uint32_t kHasExtent =
        1u << 0;  // counts for hit tests and the parent's extent
    static constexpr std::uint32_t kMovable = 1u << 1;
    static constexpr std::uint32_t kResizable = 1u << 2;
    static constexpr std::uint32_t kPressed = 1u << 3;
    static constexpr std::uint32_t kHovered = 1u << 4;

    explicit FnTObject(const char* name = nullptr);
    FnTObject(const FnTObject&) = delete;
    FnTObject& operator=(const FnTObject&) = delete;

    // Returns the widget hit (usually this), null for a miss, or PressTaken()
    // when a group takes the press without a widget being hit.  Sets the
    // widget's target.
    virtual FnTObject* HitTest(FnPoint point, FnPoint tolerance) = 0;
    virtual void Draw() = 0;
    // The pointer moved with the button held; nonzero asks for a redraw.
    virtual int OnDrag(FnPoint point) = 0;
    // Enter and leave the widget's local drawing and hit-test frame.
    virtual void PushLocal(FnPoint point);
    virtual void PopLocal();
    virtual int OnPress(FnPoint point);
    virtual int OnRelease();
    virtual int OnEnter(FnPoint point);
    virtual int OnLeave();
    // The tip as shadowed text at the point, unless the widget is pressed.
    virtual void DrawTip(FnPoint point);
    virtual void OnChildChanged(FnTObject* child);
    // From the parent's coordinates into the ones the target uses.
    virtual FnPoint ToLocal(FnPoint point);
    virtual ~FnTObject();
    // Store and tell the parent, if the widget is resizable (movable).
    virtual void SetSize(float width, float height);
    virtual void SetPosition(float x, float y);
    virtual void SetManager(FnTManager* manager);
    virtual void SetScale(float scale);
    virtual FnPoint MinimumSize();
    virtual FnPoint MaximumSize();
    virtual FnTObject* FindByName(const char* name);
    virtual int AddChild(FnTObject* widget);
    virtual int RemoveChild(FnTObject* widget);
    // The widget events are routed to below this one; null means this one.
    virtual void SetTarget(FnTObject* widget);

    // The all-ones value that marks a press taken by a group.
    static FnTObject* PressTaken() { return reinterpret_cast<FnTObject*>(~std::uintptr_t{0}); }

    // Sets the manager's redraw bit.
    void Invalidate();
    void SetVisibility(std::uint32_t word) { visibility_ = word; }
    std::uint32_t Visibility() const { return visibility_; }
    bool Pickable() const { return (visibility_ & (kSensitive | kShown)) == (kSensitive | kShown); }
    bool Shown() const { return (visibility_ & kShown) != 0; }

    const char* Name() const { return name_ ? name_->c_str() : nullptr; }
    const char* Tip() const { return tip_ ? tip_->c_str() : nullptr; }
    void SetTip(const char* tip);

    FnTManager* Manager() const { return manager_; }
    FnTGroup* Parent() const { return parent_; }
    void SetParent(FnTGroup* parent) { parent_ = parent; }
    FnTObject* Target() const { return target_; }
    // No target at all (the last hit test missed), unlike SetTarget(null).
    void ClearTarget() { target_ = nullptr; }
    // Follows the targets down to the widget that targets itself; null when
    // the chain breaks off.
    FnTObject* Deepest();

    FnColour Colour() const { return colour_; }
    void SetColour(FnColour colour) { colour_ = colour; }
    using FnTDraw::SetColour;
    float X() const { return x_; }
    float Y() const { return y_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    float Scale() const { return scale_; }
    std::uint32_t Transform() const { return transform_; }
    void SetTransform(std::uint32_t word) { transform_ = word; }
    std::uint32_t Flags() const { return flags_; }
    void SetFlags(std::uint32_t flags) { flags_ = flags; }
    bool HasExtent() const { return (flags_ & kHasExtent) != 0; }
    bool Pressed() const { return (flags_ & kPressed) != 0; }
    bool Hovered() const { return (flags_ & kHovered) != 0; }
    // The widget's frame as its state shows it: a 2-pixel white outline while
    // pressed, sunken while hovered, raised otherwise.
    void DrawStateFrame() const;

protected:
    // Sets the rectangle without the movable and resizable checks.
    void SetRect(float x, float y, float width, float height);

    std::optional<std::string> name_;
    std::optional<std::string> tip_;
    FnTManager* manager_ = nullptr;
    FnTGroup* parent_ = nullptr;
    FnTObject* target_ = nullptr;
    FnColour colour_{1.0f, 1.0f, 1.0f};
    float x_ = 0.0f, y_ = 0.0f, width_ = 0.0f, height_ = 0.0f;
    std::uint32_t visibility_ = kSensitive | kShown;
    float scale_ = 1.0f;
    std::uint32_t transform_ = 0;
    std::uint32_t flags_ = kHasExtent | kMovable | kResizable;
};
