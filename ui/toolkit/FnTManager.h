#pragma once
// The root of a widget tree.  It takes the pointer messages of its window
// (kinds 101 to 103), finds the widget under the pointer, routes press,
// drag, release, enter and leave to it, draws the tree with the hovered
// widget's tip, and keeps a redraw bit for its window.

#include "ui/toolkit/FnMessageHandler.h"
#include "ui/toolkit/FnTContainer.h"
#include "ui/toolkit/FnTDraw.h"

#include <cstdint>

class FnTObject;

class FnTManager : public FnMessageHandler, public FnTContainer, public FnTDraw {
public:
    // Dispatch word
    static constexpr std::uint32_t kRedraw = 1u << 0;
    static constexpr std::uint32_t kDispatching = 1u << 1;
    static constexpr std::uint32_t kPicking = 1u << 2;

    FnTManager();
    // Detaches the widgets without destroying them: their owners do that.
    ~FnTManager() override;
    // Pointer messages; other kinds are ignored (0).  A message that arrives
    // while another is being handled updates the pointer state only.
    int HandleMessage(const FnMessage& message, FnMessageSender* sender) override;
    virtual FnPoint PointerPosition() const;
    // Movement since the previous pointer message.
    virtual FnPoint PointerDelta() const;
    virtual int ButtonHeld() const;
    // Draws the shown widgets in list order, clears the redraw bit, and draws
    // the hovered widget's tip 8 pixels right of and above the pointer.
    virtual void DrawAll();

    // 0 for null or a widget already here; else takes it from any group,
    // appends it, gives it this manager and returns 1.
    int AddWidget(FnTObject* widget);
    int RemoveWidget(FnTObject* widget);
    // Handles the message; returns the redraw bit.
    int Dispatch(const FnMessage& message);

    // Drops every reference to a widget that leaves the tree or dies.
    void ForgetWidget(FnTObject* widget);

    // The widget that becomes the target when the pointer is over none.
    void SetDefaultWidget(FnTObject* widget) { default_ = widget; }
    FnTObject* DefaultWidget() const { return default_; }
    FnTObject* HoverResult() const { return hover_; }
    void SetShowTips(bool show) { showTips_ = show; }
    bool ShowTips() const { return showTips_; }
    FnPoint Tolerance() const { return tolerance_; }
    void SetTolerance(FnPoint tolerance) { tolerance_ = tolerance; }
    void SetRedraw() { dispatch_ |= kRedraw; }
    bool NeedsRedraw() const { return (dispatch_ & kRedraw) != 0; }
    std::uint32_t DispatchWord() const { return dispatch_; }

private:
    void PickAtPointer();
    void HoverStep();
    void DragStep();
    void PressStep();
    void ReleaseStep();
    void Mark(int result) {
        if (result) dispatch_ |= kRedraw;
    }

    FnTObject* hover_ = nullptr;
    FnTObject* default_ = nullptr;
    FnPoint pointer_{};
    FnPoint delta_{};
    FnPoint tolerance_{3.0f, 3.0f};
    std::uint32_t buttons_ = 0;
    std::uint32_t dispatch_ = 0;
    bool showTips_ = true;
};
