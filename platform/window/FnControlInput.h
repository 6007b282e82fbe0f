#pragma once
// User edits of dialog controls, delivered as a user's would be: pointer
// and keys through the window layer's input (FnWindowInput.h), so that each
// control's procedure and the dialog's handling run exactly as for a real
// user.  Tests and snapshots drive pages with these; an interactive front
// end feeds its widgets' edits back through the same calls.
//
// Each returns false, and does nothing, for a control that does not exist,
// is hidden (itself or an ancestor) or disabled.

#include "platform/window/FnWin32.h"

#include <string>

// A left click at the control's centre: toggles a check box, clicks a
// button, focuses a number field.
bool FnUserClick(HWND control);
// Chooses item `index` from a combo box's list (the list opened and the
// item clicked): one selection change for the control's owner.  False for
// an index outside the list.
bool FnUserPick(HWND control, int index);
// Focuses the control and types the text (UTF-8), then Enter when `commit`
// is set.
bool FnUserType(HWND control, const std::string& text, bool commit = true);
// A key pressed and released in the focus window.
bool FnUserKey(WPARAM virtualKey);

// The private message with which FnUserPick tells a combo box that the user
// chose an item from its open list (wParam: the item).
constexpr UINT FN_CB_USERPICK = WM_USER + 0x7F01;
