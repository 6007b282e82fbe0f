#include "resources/FnStrings.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

struct Entry {
    uint32_t id;
    const char* text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {1, "K_ColBalance"},
    {2, "Quorrel's Colour Balance Tool"},
    {3, "K_ColBalance"},
    {4, "K_ColBalance's Main Property Page"},
    {5, "Tone Curves"},
    {6, "K_ColBalance's Tone Curve Property Page"},
    {7, "Tone Curves"},
    {8, "K_ColBalance's Tone Curve Property Page"},
    {9, "Help"},
    {10, "K_ColBalance's Help Property Page"},
    {1000, "Master Hue"},
    {1001, "Master hue value."},
    {1002, "Master Saturation"},
    {1003, "Master saturation value."},
    {1004, "Lowlight Hue"},
    {1005, "Lowlight hue value."},
    {1006, "Lowlight Saturation"},
    {1007, "Lowlight saturation value."},
    {1008, "Midtones Hue"},
    {1009, "Midtones hue value."},
    {1010, "Midtones Saturation"},
    {1011, "Midtones saturation value."},
    {1012, "Highlight Hue"},
    {1013, "Highlight hue value."},
    {1014, "Highlight Saturation"},
    {1015, "Highlight saturation value."},
    {1016, "Preserve Luminance"},
    {1017, "Keep the same luminance as before balancing"},
    {1018, "Lowlights"},
    {1019, "Luminance level below which everything is considered to be a lowlight."},
    {1020, "Highlights"},
    {1021, "Luminance level below which everything is considered to be a highlight."},
    {1022, "Lowlights Ease"},
    {1023, "The smoothness of the lowlights curve (Percentage)."},
    {1024, "Highlights Ease"},
    {1025, "The smoothness of the highlights curve (Percentage)."},
    {1026, "Which"},
    {1027, "Selects the levels to alter"},
    {1028, "Overall"},
    {1029, "Lowlights"},
    {1030, "Midtones"},
    {1031, "Highlights"},
    {1032, "Master Luminance"},
    {1033, "Master Luminance Value (percentage)."},
    {1034, "Lowlight Luminance"},
    {1035, "Lowlight Luminance Value (percentage)."},
    {1036, "Midtones Luminance"},
    {1037, "Midtones Luminance Value (percentage)."},
    {1038, "Highlight Luminance"},
    {1039, "Highlight Luminance Value (percentage)."},
    {1040, "Render Tone"},
    {1041, "Render the selected tonal range as a grey scale matte."},
    {1042, "None"},
    {1043, "Lowlights"},
    {1044, "Midtones"},
    {1045, "Highlights"},
    {1046, "Hide Overlay Controls"},
    {1047, "Turn overlay elements off and on."},
    {1049, "Reset this page's values to their defaults."},
    {1051, "Reset this page's values to their defaults."},
    {1053, "Reset this page's values to their defaults."},
    {1056, "Open the documentation."},
    {1061, "Mask red channel."},
    {1062, "Mask green channel."},
    {1063, "Mask blue channel."},
    {1064, "Mask alpha channel."},
    {1065, "Mask red channel."},
    {1066, "Mask green channel."},
    {1067, "Mask blue channel."},
    {1068, "Mask alpha channel."},
    // The viewer tool's registration name; a name reads better in the
    // host's class list than a missing string.
    {1071, "K_ColBalance Viewer Tool"},
    // The help page's texts.
    {1100,
     "K_ColBalance lets you apply colour tones to an image. The tone curves divide the image "
     "into lowlights, midtones and highlights. K_ColBalance can then be used to target the "
     "colour and saturation in any of those areas or affect the whole image.\n"},
    {1101, "Kestro 4.3v3 for DS10.2"},
    {1102, "Copyright (c) 2024 Quorrel."},
    {1103, "All rights reserved."},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

}  // namespace

const char* fnLoadString(uint32_t id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, uint32_t v) { return e.id < v; });
    return it != std::end(kStrings) && it->id == id ? it->text : nullptr;
}
