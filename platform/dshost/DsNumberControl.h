// The host's number control ("dsnewnumberctrl"): the field in which a user
// types a number or scrubs it by dragging sideways.  The host registers its
// class for every instance of the process, so that a module's dialog can
// make one where its template names it.
//
// The control keeps its label, value, range, typed text and scrub in the
// window layer's control state (platform/window/FnControlState.h), where a
// front end reads them.  Pages reach it through the window property
// "DSCTLIFACE" (IDSControlRange, IDSControlValue, platform/dssdk/
// DSControls.h) and hear of user edits through the registered messages
// DSCTLNOTIFY (a committed value), DSCTLSCRUB (a scrub step) and
// DSCTLNOTIFYCOMP (the scrub ended).  User edits keep to the range: typed
// numbers are clamped to it, text that is no finite number is refused and
// the value stays.  Values a page sets are shown as they are.
#pragma once

#include <string>

#include "platform/window/FnWin32.h"

// Registers the class once per process; false when the window layer
// refused it.
bool DsRegisterNumberControl();

// Pixels of horizontal drag per whole range when scrubbing.
inline constexpr int kDsScrubPixelsPerRange = 400;

// The value as the control shows it: at most three decimals, no trailing
// zeros, "0" for minus zero.
std::string DsFormatNumber(double value);
