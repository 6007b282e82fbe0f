// The dialog templates of the property pages, in dialog units of their
// font.  Statics whose text carries ";class=dsnewnumberctrl" stand for the
// host's number controls: the page base puts the host's control in their
// place, with the range the text gives.
#include "resources/FnDialogs.h"

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

constexpr FnDialogItem kMainItems[] = {
    Combo(1009, 54, 4),
    Static(2009, "Which", 173, 152, 17, 8, 0),
    Button(1008, "Preserve Luminance", BS_AUTOCHECKBOX, 56, 25, 78, 10),
    Button(1015, "", BS_OWNERDRAW, 3, 42, 95, 84),
    Static(2000, "Master Hue", 102, 44, 79, 8),
    Static(2002, "Lowlight Hue", 102, 44, 55, 8),
    Static(2004, "Midtones Hue", 102, 44, 53, 8),
    Static(2006, "Highlight Hue", 102, 44, 55, 8),
    Number(1000, "Master Hue;class=dsnewnumberctrl;min=-720;max=720", 102, 55),
    Number(1002, "Lowlight Hue;class=dsnewnumberctrl;min=-720;max=720", 102, 55),
    Number(1004, "Midtones Hue;class=dsnewnumberctrl;min=-720;max=720", 102, 55),
    Number(1006, "Highlight Hue;class=dsnewnumberctrl;min=-720;max=720", 102, 55),
    Static(2001, "Master Saturation", 102, 70, 79, 8),
    Static(2003, "Lowlight Saturation", 102, 70, 68, 8),
    Static(2005, "Midtones Saturation", 102, 70, 77, 8),
    Static(2007, "Highlight Saturation", 102, 70, 68, 8),
    Number(1001, "Master Saturation;class=dsnewnumberctrl;min=0;max=10", 102, 81),
    Number(1003, "Lowlight Saturation;class=dsnewnumberctrl;min=0;max=100", 102, 81),
    Number(1005, "Midtones Saturation;class=dsnewnumberctrl;min=0;max=100", 102, 81),
    Number(1007, "Highlight Saturation;class=dsnewnumberctrl;min=0;max=100", 102, 81),
    Static(2010, "Master Luminance", 102, 96, 85, 8),
    Static(2011, "Lowlight Luminance", 102, 96, 83, 8),
    Static(2012, "Midtones Luminance", 102, 96, 74, 8),
    Static(2013, "Highlight Luminance", 102, 96, 75, 8),
    Number(1010, "Master Luminance;class=dsnewnumberctrl;min=-100;max=100", 102, 107),
    Number(1011, "Lowlight Luminance;class=dsnewnumberctrl;min=-100;max=100", 102, 107),
    Number(1012, "Midtones Luminance;class=dsnewnumberctrl;min=-100;max=100", 102, 107),
    Number(1013, "Highlight Luminance;class=dsnewnumberctrl;min=-100;max=100", 102, 107),
    Button(1014, "Reset", BS_PUSHBUTTON, 73, 148, 44, 10),
};

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
