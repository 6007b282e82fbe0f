// The module instance: what a module's HINSTANCE points at.  A module fills
// one record with the look-up of its own resources and stores its address
// as its instance handle when it is loaded; the SDK loads strings, dialogs
// and bitmaps and finds the module's file through it.
#pragma once

#include <cstdint>

#include "platform/com/ComBase.h"

struct FnDialogTemplate;

// A bitmap resource: 32-bit BGRA pixels, rows top-down.
struct DSBitmapResource {
    int32_t width, height;
    const uint8_t* bgra;
};

struct DSModuleInstance {
    // The string table entry `id` (UTF-8), or null when there is none.
    const char* (*loadString)(uint32_t id);
    // Dialog template `id` and bitmap `id`, or null (a module without them
    // leaves these null).
    const FnDialogTemplate* (*findDialog)(uint32_t id) = nullptr;
    const DSBitmapResource* (*findBitmap)(uint32_t id) = nullptr;
};

// Copies string `id` of the module's table into `buffer` (at most max - 1
// characters and a terminator); returns the characters copied, 0 when the
// string does not exist or the arguments are unusable.
int LoadStringA(HINSTANCE instance, UINT id, char* buffer, int max);

// The file the module instance was loaded from ("" when unknown).
const char* DSModulePath(HINSTANCE instance);
