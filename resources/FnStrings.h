// The module's string table: display names, parameter names and
// descriptions, list texts and page texts, by resource id (UTF-8).
#pragma once

#include <cstdint>

// Entry `id`, or null when the table has none.
const char* fnLoadString(uint32_t id);
