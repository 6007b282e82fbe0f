// The dialog templates of the property pages, in dialog units of their
// font.  Statics whose text carries ";class=dsnewnumberctrl" stand for the
// host's number controls: the page base puts the host's control in their
// place, with the range the text gives.
#include "resources/FnDialogs.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace {

constexpr DWORD kShown = WS_VISIBLE;
constexpr DWORD kDialogStyle = WS_CHILD | DS_CONTROL | DS_SETFONT;

constexpr FnDialogItem Static(int id, const char* text, short x, short y, short cx, short cy,
                              DWORD extra = kShown) {
    return {"STATIC", text, id, SS_LEFT | extra, x, y, cx, cy};
}
constexpr FnDialogItem Number(int id, const char* text, short x, short y) {
    return {"STATIC", text, id, SS_LEFT | kShown, x, y, 82, 12};
}
constexpr FnDialogItem Combo(int id, short x, short y) {
    return {"COMBOBOX", "", id, CBS_DROPDOWNLIST | WS_TABSTOP | kShown, x, y, 82, 8};
}
constexpr FnDialogItem Button(int id, const char* text, DWORD type, short x, short y, short cx,
                              short cy) {
    return {"BUTTON", text, id, type | WS_TABSTOP | kShown, x, y, cx, cy};
}

// One quantity's controls for the four ranges stand on one spot, label
// above number; the page shows those of the range "Which" chooses.  A
// label's id is its control's plus 1000.
struct RangeControl {
    int id;
    const char* label;
    short labelWidth;
    const char* number;  // the number control's text
};

constexpr std::array<FnDialogItem, 8> Stacked(short top, const std::array<RangeControl, 4>& c) {
    std::array<FnDialogItem, 8> items{};
    for (size_t i = 0; i < 4; ++i) {
        items[i] = Static(c[i].id + 1000, c[i].label, 102, top, c[i].labelWidth, 8);
        items[4 + i] = Number(c[i].id, c[i].number, 102, short(top + 11));
    }
    return items;
}

constexpr std::array<FnDialogItem, 29> MainItems() {
    constexpr std::array<FnDialogItem, 4> head{{
        Combo(1009, 54, 4),
        Static(2009, "Which", 173, 152, 17, 8, 0),
        Button(1008, "Preserve Luminance", BS_AUTOCHECKBOX, 56, 25, 78, 10),
        Button(1015, "", BS_OWNERDRAW, 3, 42, 95, 84),
    }};
    constexpr auto hue = Stacked(44, {{
        {1000, "Master Hue", 79, "Master Hue;class=dsnewnumberctrl;min=-720;max=720"},
        {1002, "Lowlight Hue", 55, "Lowlight Hue;class=dsnewnumberctrl;min=-720;max=720"},
        {1004, "Midtones Hue", 53, "Midtones Hue;class=dsnewnumberctrl;min=-720;max=720"},
        {1006, "Highlight Hue", 55, "Highlight Hue;class=dsnewnumberctrl;min=-720;max=720"},
    }});
    constexpr auto saturation = Stacked(70, {{
        {1001, "Master Saturation", 79, "Master Saturation;class=dsnewnumberctrl;min=0;max=10"},
        {1003, "Lowlight Saturation", 68, "Lowlight Saturation;class=dsnewnumberctrl;min=0;max=100"},
        {1005, "Midtones Saturation", 77, "Midtones Saturation;class=dsnewnumberctrl;min=0;max=100"},
        {1007, "Highlight Saturation", 68,
         "Highlight Saturation;class=dsnewnumberctrl;min=0;max=100"},
    }});
    constexpr auto luminance = Stacked(96, {{
        {1010, "Master Luminance", 85, "Master Luminance;class=dsnewnumberctrl;min=-100;max=100"},
        {1011, "Lowlight Luminance", 83,
         "Lowlight Luminance;class=dsnewnumberctrl;min=-100;max=100"},
        {1012, "Midtones Luminance", 74,
         "Midtones Luminance;class=dsnewnumberctrl;min=-100;max=100"},
        {1013, "Highlight Luminance", 75,
         "Highlight Luminance;class=dsnewnumberctrl;min=-100;max=100"},
    }});
    std::array<FnDialogItem, 29> items{};
    auto at = items.begin();
    at = std::copy(head.begin(), head.end(), at);
    at = std::copy(hue.begin(), hue.end(), at);
    at = std::copy(saturation.begin(), saturation.end(), at);
    at = std::copy(luminance.begin(), luminance.end(), at);
    *at = Button(1014, "Reset", BS_PUSHBUTTON, 73, 148, 44, 10);
    return items;
}

constexpr auto kMainItems = MainItems();

// The two tone-curve pages share one layout: the second stands one unit
// higher, its ids follow the first's, and the curves reach down to the same
// line on both.
constexpr std::array<FnDialogItem, 12> CurvesItems(int first, short top) {
    const int label = first + 1000;
    return {{
        Static(label, "Lowlights", 10, top, 39, 8),
        Static(label + 1, "Highlights", 97, top, 39, 8),
        Number(first, "Lowlights;class=dsnewnumberctrl;min=0;max=100", 10, top + 9),
        Number(first + 1, "Highlights;class=dsnewnumberctrl;min=0;max=100", 97, top + 9),
        Static(label + 2, "Lowlights Ease", 10, top + 22, 61, 8),
        Static(label + 3, "Highlights Ease", 97, top + 22, 50, 8),
        Number(first + 2, "Lowlights Ease;class=dsnewnumberctrl;min=0;max=100", 10, top + 31),
        Number(first + 3, "Highlights Ease;class=dsnewnumberctrl;min=0;max=100", 97, top + 31),
        Static(label + 4, "Render Tone", 54, top + 44, 80, 8),
        Combo(first + 4, 54, top + 53),
        Button(first + 6, "", BS_OWNERDRAW, 4, top + 66, 181, 144 - (top + 66)),
        Button(first + 5, "Reset", BS_PUSHBUTTON, 73, 148, 44, 10),
    }};
}

constexpr auto kCurvesItems = CurvesItems(1016, 2);
constexpr auto kSimpleCurvesItems = CurvesItems(1023, 1);

constexpr FnDialogItem kHelpItems[] = {
    {"BUTTON", "", 1031, BS_GROUPBOX | kShown, 4, 0, 181, 130},
    Static(1032, "", 9, 4, 173, 82),
    {"STATIC", "#103", -1, SS_BITMAP | kShown, 9, 90, 39, 36},
    Static(1034, "", 54, 92, 167, 8),
    Static(1035, "", 54, 100, 126, 8),
    Static(1036, "", 54, 108, 126, 8),
    Static(1037, "", 54, 116, 126, 8),
    Button(1030, "Hide Overlay Controls", BS_AUTOCHECKBOX, 54, 132, 81, 10),
    Button(1033, "Online Help", BS_PUSHBUTTON, 62, 145, 66, 14),
};

constexpr FnDialogTemplate Page(std::span<const FnDialogItem> items) {
    return {kDialogStyle, 190, 160, "", "Arial", 11, items.data(), WORD(items.size())};
}

constexpr FnDialogTemplate kDialogs[] = {
    Page(kMainItems),
    Page(kCurvesItems),
    Page(kSimpleCurvesItems),
    Page(kHelpItems),
};

}  // namespace

const FnDialogTemplate* fnFindDialog(uint32_t id) {
    return id >= 1 && id <= std::size(kDialogs) ? &kDialogs[id - 1] : nullptr;
}
