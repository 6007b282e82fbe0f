#pragma once
// The headless front end of the window layer: draws a window and
// everything shown in it into one frame, for snapshots and tests.
//
// Controls are drawn from their state (FnControlState.h) as a plain
// desktop draws them: statics as word-wrapped text, group boxes as etched
// frames, check boxes, push buttons, combo boxes showing their selection,
// number fields with their value (or the text being typed) and a bar that
// shows where the value lies in its range, and bitmaps at their natural
// size.  Windows drawn with OpenGL show the last frame they presented to
// the headless window system; windows that need painting are painted
// first, as a window system would before it composes the screen.  Text
// uses the dialog's font (fontconfig picks the face, FreeType renders it).

#include "platform/window/FnFrame.h"
#include "platform/window/FnWin32.h"

#include <memory>
#include <string>

class FnHeadlessWindowSystem;

class FnHeadlessPainter {
public:
    // GL windows' frames come from `system` (none without one).
    explicit FnHeadlessPainter(const FnHeadlessWindowSystem* system);
    ~FnHeadlessPainter();
    FnHeadlessPainter(const FnHeadlessPainter&) = delete;
    FnHeadlessPainter& operator=(const FnHeadlessPainter&) = delete;

    // The window's client area and its shown descendants; an empty frame
    // for a window that does not exist or has no area.
    FnFrame Paint(HWND root);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};
