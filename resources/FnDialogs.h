// The module's dialog templates: one per property page, by resource id
// (1 main colour page, 2 tone curves, 3 simple curves, 4 help).
#pragma once

#include <cstdint>

#include "platform/window/FnWin32.h"

// Template `id`, or null when the module has none.
const FnDialogTemplate* fnFindDialog(uint32_t id);
