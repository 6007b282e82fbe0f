#pragma once
// Mouse input as the window system would deliver it: hosts without a real
// pointer (tests, batch runs) and window systems that receive pointer events
// of their own turn them into window messages here.  Messages go to the
// capture window, or else to the deepest visible window under the cursor,
// with client coordinates in lParam and the held buttons in wParam.

#include "platform/window/FnWin32.h"

// Moves the cursor to a screen point and sends WM_MOUSEMOVE.  Returns the
// window that got it (null when none).
HWND FnInputMouseMove(int screenX, int screenY);

// Presses (down) or releases a button at the cursor: 0 = left, 1 = middle,
// 2 = right.  Returns the window that got the message (null when none or
// for another button number).
HWND FnInputMouseButton(int button, bool down);

// A key pressed (down) or released in the focus window: WM_KEYDOWN or
// WM_KEYUP with the virtual key.  Returns the window that got it.
HWND FnInputKey(WPARAM virtualKey, bool down);
// A typed character (a Unicode code point) for the focus window: WM_CHAR.
HWND FnInputChar(unsigned codePoint);
