#pragma once
// A user's scrub of a control, for tests: what a front end does when the
// user drags sideways on a number field, through the window layer's
// pointer (FnWindowInput.h).

#include "platform/window/FnWin32.h"

// A left-button drag that starts at the control's centre and moves `dx`
// pixels to the right (left when negative) in steps of at most 8 pixels.
// False, and nothing done, for a control that does not exist, is hidden or
// disabled, or that the press does not reach.
bool FnUserScrub(HWND control, int dx);
