// The module instance: what a module's HINSTANCE points at.  A module fills
// one record with the look-up of its own resources and stores its address
// as its instance handle when it is loaded; the SDK loads strings and finds
// the module's file through it.
#pragma once

#include <cstdint>

#include "platform/com/ComBase.h"

struct DSModuleInstance {
    // The string table entry `id` (UTF-8), or null when there is none.
    const char* (*loadString)(uint32_t id);
};

// Copies string `id` of the module's table into `buffer` (at most max - 1
// characters and a terminator); returns the characters copied, 0 when the
// string does not exist or the arguments are unusable.
int LoadStringA(HINSTANCE instance, UINT id, char* buffer, int max);

// The file the module instance was loaded from ("" when unknown).
const char* DSModulePath(HINSTANCE instance);
