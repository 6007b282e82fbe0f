#pragma once
// Process-wide tables behind the Win32 window layer (private to the layer).

#include "platform/window/FnControlState.h"
#include "platform/window/FnWin32.h"
#include "platform/window/FnWindowSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct FnWinClassRecord {
    std::string name;
    WNDCLASSA wc{};  // lpszClassName points at name
    ATOM atom = 0;
    bool system = false;  // predefined class, usable from any instance
};

struct FnWinWindowRecord {
    HWND handle = nullptr;
    const FnWinClassRecord* windowClass = nullptr;
    HINSTANCE instance = nullptr;
    HWND parent = nullptr;       // null for top-level windows
    std::vector<HWND> children;  // creation order; the last one lies on top
    int x = 0, y = 0;            // in the parent's client area (screen for top-level)
    int width = 0, height = 0;
    DWORD style = 0;
    std::string title;
    bool visible = false;
    bool dirty = false;  // has a non-empty update region
    bool destroying = false;
    std::vector<std::pair<std::string, HANDLE>> props;
    HDC dc = nullptr;  // the window's own device context, made on first GetDC
    int pixelFormat = 0;
    PIXELFORMATDESCRIPTOR format{};
    int id = 0;  // a child's control id (the menu argument of its creation)
    bool enabled = true;
    FnControlState control;
    // Dialogs: their procedure and its parameter, and their font.
    DLGPROC dialogProc = nullptr;
    LPARAM dialogParam = 0;
    FnDialogFont dialogFont;
};

struct FnWinBitmapRecord {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgra;  // rows top-down
};

struct FnWinRegistryKey {
    std::string path;  // root and sub-key, lower case, backslashes
};

struct FnWinDcRecord {
    HWND window = nullptr;
    HGDIOBJ font = nullptr;  // selected font (the stock system font at first)
};

struct FnWinFontRecord {
    int height = 0;
    int weight = 0;
    bool italic = false;
    std::string face;
};

struct FnWinContextRecord {
    FnGLContext* context = nullptr;  // owned by its window system
    FnWindowSystem* system = nullptr;
    HWND window = nullptr;  // window it was last made current with
};

class FnWin32State {
public:
    static FnWin32State& Get();

    // Handle values are ids from one counter, so no two objects share one.
    std::uintptr_t NextId() { return nextId_ += 4; }

    FnWinWindowRecord* Window(HWND handle);
    FnWinDcRecord* Dc(HDC handle);
    FnWinFontRecord* Font(HGDIOBJ handle);
    FnWinContextRecord* Context(HGLRC handle);
    FnWinBitmapRecord* Bitmap(HBITMAP handle);
    // Tells the window system that what a control shows changed.
    void ControlChanged(HWND window);
    const FnWinClassRecord* FindClass(const char* nameOrAtom, HINSTANCE instance) const;

    // Screen position of a window's client origin.
    POINT Origin(const FnWinWindowRecord& window);
    // Visible itself and every ancestor visible.
    bool Showing(const FnWinWindowRecord& window);
    // Releases the current context (if any) in its window system.
    void ReleaseCurrent();

    std::vector<std::unique_ptr<FnWinClassRecord>> classes;
    ATOM nextAtom = 0xC001;  // 0xC000 is "STATIC"
    std::unordered_map<std::uintptr_t, std::unique_ptr<FnWinWindowRecord>> windows;
    std::vector<HWND> topLevel;  // creation order
    std::unordered_map<std::uintptr_t, std::unique_ptr<FnWinDcRecord>> dcs;
    std::unordered_map<std::uintptr_t, std::unique_ptr<FnWinFontRecord>> fonts;
    std::unordered_map<std::uintptr_t, std::unique_ptr<FnWinContextRecord>> contexts;
    std::unordered_map<std::uintptr_t, std::unique_ptr<FnWinBitmapRecord>> bitmaps;
    // The registry: values by key path, then by lower-case value name.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> registry;
    std::unordered_map<std::uintptr_t, FnWinRegistryKey> openKeys;
    std::vector<std::string> registeredMessages;  // index + 0xC000 is the number

    POINT cursor{0, 0};
    HWND capture = nullptr;
    HWND focus = nullptr;
    WPARAM buttons = 0;  // MK_* of the buttons held
    HGLRC currentContext = nullptr;
    HDC currentDc = nullptr;
    FnWindowSystem* system = nullptr;

    // Stock objects: fixed small ids outside the counter's range.
    static constexpr std::uintptr_t kStockWhiteBrush = 0x100;
    static constexpr std::uintptr_t kStockSystemFont = 0x104;
    static constexpr std::uintptr_t kStockArrowCursor = 0x108;

private:
    FnWin32State();
    std::uintptr_t nextId_ = 0x10000;
};

// UTF-16 (null-terminated; null reads as empty) to UTF-8 and back.  Lone
// surrogates become U+FFFD.
std::string FnUtf8(const WCHAR* text);
std::string FnUtf8(const std::u16string& text);
std::u16string FnUtf16(const std::string& text);
// Registers the predefined classes: STATIC, BUTTON, COMBOBOX and dialogs.
void FnRegisterSystemClasses(FnWin32State& state);

template <class Handle>
std::uintptr_t FnHandleId(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

template <class Handle>
Handle FnHandleOf(std::uintptr_t id) {
    return reinterpret_cast<Handle>(id);
}
