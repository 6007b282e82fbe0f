#pragma once
// What the controls of a dialog show, kept by the window layer apart from
// how they are drawn.  Two kinds of front end read it: the headless painter
// (snapshots and tests) and an interactive one that mirrors every control
// as a widget of its own toolkit.  Both enumerate a dialog's controls, read
// each control's kind, rectangle and state, and hear of every change
// through FnWindowSystem::ControlChanged (or WindowChanged for size,
// position and visibility).  User edits go back in through FnControlInput.h,
// as a user's would, so that the control's own procedure decides what they
// do.
//
// The controls of the layer (statics, buttons, check boxes, group boxes,
// combo boxes, the dialog itself) keep their state here; a control class
// registered elsewhere (a host's number field) keeps its own here too with
// FnUpdateControl.  User-interface thread only.

#include "platform/window/FnWin32.h"

#include <functional>
#include <string>
#include <vector>

enum class FnControlKind : std::uint8_t {
    Window,           // a plain window: nothing of its own to show
    Dialog,           // a dialog's client area
    Static,           // text, word-wrapped to its rectangle
    Bitmap,           // a static showing a bitmap at its top-left corner
    GroupBox,         // an etched frame with its caption on the top edge
    CheckBox,         // a box and its caption
    PushButton,       // a raised button with its caption
    OwnerDrawButton,  // drawn by its owner: nothing of the layer's
    ComboBox,         // a drop-down list showing its selection
    NumberField,      // a host number field: value, range, typing and scrubbing
};

struct FnControlState {
    FnControlKind kind = FnControlKind::Window;
    int check = 0;                   // check boxes: BST_UNCHECKED or BST_CHECKED
    bool pushed = false;             // buttons held down by the pointer
    std::vector<std::string> items;  // combo boxes: the list, in order
    int selection = -1;              // combo boxes: -1 for none
    // Number fields: the value and the range the user's edits keep to, the
    // label of what it edits and the value as the field shows it.
    double value = 0, minimum = 0, maximum = 0;
    std::string label;
    std::string valueText;
    bool editing = false;  // typed text not yet committed
    std::string editText;
    bool scrubbing = false;
    HBITMAP image = nullptr;  // bitmap statics
    std::string tip;          // the control's tool tip

    bool operator==(const FnControlState&) const = default;
};

// A control as a front end sees it.
struct FnControlInfo {
    HWND window = nullptr;
    HWND parent = nullptr;
    int id = 0;
    std::string className;
    DWORD style = 0;
    RECT rect{};  // in the parent's client area, right and bottom exclusive
    std::string text;
    bool visible = false;  // its own flag; IsWindowVisible adds the ancestors
    bool enabled = true;
    bool focused = false;
    bool hasGLContext = false;  // drawn by OpenGL (its frames come from the window system)
    FnControlState state;
};

// The children of a window in creation order (the last lies on top); the
// top-level windows for null.
std::vector<HWND> FnChildWindows(HWND parent);
// False for a window that does not exist.
bool FnGetControlInfo(HWND window, FnControlInfo* info);
// The state alone (a default state for a window that does not exist).
FnControlState FnGetControlState(HWND window);

// For control procedures: edits the control's state in place and tells the
// window system (ControlChanged) when it changed.  False for a window that
// does not exist.
bool FnUpdateControl(HWND window, const std::function<void(FnControlState&)>& edit);

// A bitmap's pixels: 32-bit BGRA rows top-down, as CreateBitmap took them.
// False for a handle that is no bitmap.
bool FnGetBitmapPixels(HBITMAP bitmap, int* width, int* height, std::vector<std::uint8_t>* bgra);

// The dialog font of a dialog and its dialog-unit base (pixels per 4
// horizontal and 8 vertical units).
struct FnDialogFont {
    std::string face;
    int pointSize = 0;
    int pixelHeight = 0;  // the em size in pixels at 96 dots per inch
    int baseX = 0, baseY = 0;
};
bool FnGetDialogFont(HWND dialog, FnDialogFont* font);

// The size in pixels that a template's dialog gets (its font's base units
// applied), without making it.  False for a null template.
bool FnDialogTemplateSize(const FnDialogTemplate* dialogTemplate, int* width, int* height);
