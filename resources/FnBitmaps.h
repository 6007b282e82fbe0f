// The module's bitmaps, by resource id: 103 is the product logo shown on
// the help page.
#pragma once

#include <cstdint>

#include "platform/dssdk/DSModuleInstance.h"

// Bitmap `id`, or null when the module has none.
const DSBitmapResource* fnFindBitmap(uint32_t id);
