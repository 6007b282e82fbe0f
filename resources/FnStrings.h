// The module's string table: display names, parameter names and
// descriptions, list texts and page texts, by resource id (UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Entry `id`, or null when the table has none.
const char* fnLoadString(uint32_t id);

// A name as front ends outside the module spell it ("Mask red channel." ->
// "mask-red-channel"): lower case, every run of other characters one
// `separator`, none at either end.
std::string fnNameAlias(std::string_view name, char separator = '-');
