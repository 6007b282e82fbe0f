#pragma once
// The widget host window of a page: a GL window whose widget tree is drawn
// by its manager and gets the window's left-button pointer events.

#include "ui/toolkit/FnTManager.h"
#include "ui/toolkit/FnwGLWindow.h"

#include <cstdint>

class FnwTrouser : public FnwGLWindow, public FnTManager {
public:
    // Draw options
    static constexpr std::uint32_t kClearFirst = 1u << 0;
    static constexpr std::uint32_t kSunkenFrame = 1u << 1;  // round the client area

    FnwTrouser() = default;
    ~FnwTrouser() override = default;

    // As the GL window, then the toolkit's GL state in the new context.
    HWND Create(HWND parent, const char* title, const int rect[4]) override;
    // Draws the tree, presents it and validates the window.
    void OnPaint() override;
    void OnMouseButton(int down, int button) override;
    void OnMouseMove(int x, int y) override;

    std::uint32_t DrawOptions() const { return drawOptions_; }
    void SetDrawOptions(std::uint32_t options) { drawOptions_ = options; }
    // The base of this window's text lists (0 until the first paint).
    unsigned TextFont() const { return textFont_; }

private:
    // Widget coordinates of the last mouse position; y up.
    FnPoint PointerPoint() const;
    void DispatchAndRedraw(int kind);

    std::uint32_t drawOptions_ = kClearFirst | kSunkenFrame;
    unsigned textFont_ = 0;
};
