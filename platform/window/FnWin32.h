#pragma once
// The part of User32, GDI32 and WGL that the widget toolkit calls, with the
// Win32 names, types and meanings.  Windows live in the process-wide window
// table (FnWin32User.cpp); GL contexts and frames come from the installed
// FnWindowSystem.  Handles are table ids, so a stale or made-up handle gives
// a failure result instead of a crash.  Everything here belongs to the one
// thread that drives the user interface; nothing is locked.

#include <cstdint>

#include "platform/FnWinTypes.h"

#ifndef WINAPI
#define WINAPI
#endif
#ifndef CALLBACK
#define CALLBACK
#endif

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::int32_t LONG;
typedef unsigned short ATOM;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef std::intptr_t INT_PTR;
typedef std::intptr_t LONG_PTR;
// Wide text is UTF-16, as on Windows; the layer keeps every text as UTF-8
// and converts at the W calls.
typedef char16_t WCHAR;
typedef LONG LSTATUS;
typedef DWORD REGSAM;

struct HWND__;
struct HDC__;
struct HGLRC__;
struct HFONT__;
struct HBRUSH__;
struct HCURSOR__;
struct HICON__;
struct HMENU__;
struct HBITMAP__;
struct HKEY__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HGLRC__* HGLRC;
typedef HFONT__* HFONT;
typedef HBRUSH__* HBRUSH;
typedef HCURSOR__* HCURSOR;
typedef HICON__* HICON;
typedef HMENU__* HMENU;
typedef HBITMAP__* HBITMAP;
typedef HKEY__* HKEY;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
};

struct WINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "descriptor layout");

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xffff))
#define MAKELPARAM(l, h)                                             \
    (static_cast<LPARAM>(static_cast<DWORD>((static_cast<WORD>(l)) | \
                                            (static_cast<DWORD>(static_cast<WORD>(h)) << 16))))
#define GET_X_LPARAM(lp) (static_cast<int>(static_cast<short>(LOWORD(lp))))
#define GET_Y_LPARAM(lp) (static_cast<int>(static_cast<short>(HIWORD(lp))))
#define MAKEINTATOM(i) \
    (reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define MAKEINTRESOURCEW(i) \
    (reinterpret_cast<const WCHAR*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define MAKEWPARAM(l, h)                                             \
    (static_cast<WPARAM>(static_cast<DWORD>((static_cast<WORD>(l)) | \
                                            (static_cast<DWORD>(static_cast<WORD>(h)) << 16))))
#define IS_INTRESOURCE(p) (reinterpret_cast<std::uintptr_t>(p) <= 0xffff)
#define IDC_ARROW MAKEINTRESOURCEW(32512)

// Window messages
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_USER = 0x0400;

// Button, combo box and static control messages
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT STM_SETIMAGE = 0x0172;
constexpr UINT STM_GETIMAGE = 0x0173;
constexpr LRESULT CB_ERR = -1;
constexpr UINT IMAGE_BITMAP = 0;

// WM_COMMAND notification codes (high word of wParam)
constexpr WORD BN_CLICKED = 0;
constexpr WORD CBN_SELCHANGE = 1;

// Check states
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
constexpr LRESULT BST_PUSHED = 0x0004;
constexpr LRESULT BST_FOCUS = 0x0008;

// Virtual keys
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_DOWN = 0x28;

// Mouse key state in wParam of mouse messages
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_MBUTTON = 0x0010;

// WM_SIZE wParam
constexpr WPARAM SIZE_RESTORED = 0;

// Window and class styles
constexpr DWORD WS_CHILD = 0x40000000u;
constexpr DWORD WS_VISIBLE = 0x10000000u;
constexpr DWORD WS_DISABLED = 0x08000000u;
constexpr DWORD WS_TABSTOP = 0x00010000u;
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_OWNDC = 0x0020;
constexpr UINT CS_NOCLOSE = 0x0200;
// A class that every instance of the process may create windows of (the
// host's own controls inside a module's dialogs).
constexpr UINT CS_GLOBALCLASS = 0x4000;

// Control styles
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_OWNERDRAW = 0xB;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_BITMAP = 0xE;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD CBS_DROPDOWNLIST = 0x3;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_CONTROL = 0x400;

// GetWindowLong indices and GetWindow relations
constexpr int GWL_STYLE = -16;
constexpr int GWL_ID = -12;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_CHILD = 5;

// ShowWindow commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// Stock objects
constexpr int WHITE_BRUSH = 0;
constexpr int SYSTEM_FONT = 13;

// Fonts
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Pixel formats
constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001u;
constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004u;
constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020u;
constexpr BYTE PFD_TYPE_RGBA = 0;
constexpr BYTE PFD_MAIN_PLANE = 0;

// Registry
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_SZ = 1;
constexpr LSTATUS ERROR_SUCCESS = 0;
constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
constexpr LSTATUS ERROR_MORE_DATA = 234;

// ShellExecute results at or below this are errors
constexpr std::intptr_t SE_ERR_FNF = 2;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;

// A dialog template.  Windows packs one into a variable-length binary
// resource; this layer takes the same content as plain records, so that a
// module keeps its dialogs as constant tables.  Positions and sizes are in
// dialog units of the template's font; an item's id is its control id (-1
// for statics nobody addresses).
struct FnDialogItem {
    const char* className;  // "STATIC", "BUTTON", "COMBOBOX" or a registered class
    const char* text;       // caption; "#N" names bitmap N for SS_BITMAP statics
    int id;
    DWORD style;  // WS_CHILD is implied
    short x, y, cx, cy;
};

struct FnDialogTemplate {
    DWORD style;  // WS_VISIBLE shows the dialog when made
    short cx, cy;
    const char* title;
    const char* faceName;  // the dialog font
    WORD pointSize;
    const FnDialogItem* items;
    WORD itemCount;
};

// --- User32: classes and windows
ATOM WINAPI RegisterClassA(const WNDCLASSA* wc);
// A module unregisters its classes before it is unloaded, so that no class
// keeps a window procedure that is gone; FALSE while a window of the class
// exists.
BOOL WINAPI UnregisterClassA(const char* className, HINSTANCE instance);
HWND WINAPI CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, void* param);
BOOL WINAPI DestroyWindow(HWND window);
BOOL WINAPI IsWindow(HWND window);
HWND WINAPI GetParent(HWND window);
BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL WINAPI ShowWindow(HWND window, int command);
BOOL WINAPI IsWindowVisible(HWND window);
BOOL WINAPI GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL WINAPI GetClientRect(HWND window, RECT* rect);
HCURSOR WINAPI LoadCursorW(HINSTANCE instance, const WCHAR* name);
// Creation order: GW_CHILD gives the first child, GW_HWNDNEXT the next sibling.
HWND WINAPI GetWindow(HWND window, UINT relation);
LONG WINAPI GetWindowLongA(HWND window, int index);
BOOL WINAPI IsWindowEnabled(HWND window);
// Sends WM_KILLFOCUS to the window losing it and WM_SETFOCUS to the one
// getting it; returns the previous focus.  Null takes the focus away.
HWND WINAPI SetFocus(HWND window);
HWND WINAPI GetFocus();

// --- User32: dialogs
// Makes the dialog and its controls, then sends WM_INITDIALOG (wParam the
// first control, lParam `param`) to `proc`.  Null when an item's class does
// not exist or a window cannot be made (nothing is left behind).
HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, const FnDialogTemplate* dialogTemplate,
                                       HWND parent, DLGPROC proc, LPARAM param);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND window);
// The procedure of dialogs (class "#32770"): the dialog procedure first,
// the default procedure for what it leaves.
LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// --- User32: window properties
BOOL WINAPI SetPropA(HWND window, const char* name, HANDLE value);
HANDLE WINAPI GetPropA(HWND window, const char* name);
HANDLE WINAPI RemovePropA(HWND window, const char* name);

// --- User32: messages and painting
// Every window procedure of this layer takes UTF-8 text; SendMessageW turns
// the UTF-16 text of WM_SETTEXT, WM_GETTEXT, CB_ADDSTRING, CB_GETLBTEXT and
// CB_FINDSTRINGEXACT into it and back.
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The same number for the same name (case-insensitive) for the life of
// the process, from 0xC000 up; 0 for an empty name.
UINT WINAPI RegisterWindowMessageW(const WCHAR* name);
LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL WINAPI ValidateRect(HWND window, const RECT* rect);
BOOL WINAPI UpdateWindow(HWND window);

// --- User32: mouse
HWND WINAPI SetCapture(HWND window);
BOOL WINAPI ReleaseCapture();
HWND WINAPI GetCapture();
BOOL WINAPI GetCursorPos(POINT* point);
BOOL WINAPI SetCursorPos(int x, int y);
BOOL WINAPI ScreenToClient(HWND window, POINT* point);
BOOL WINAPI ClientToScreen(HWND window, POINT* point);
HWND WINAPI WindowFromPoint(POINT point);

// --- GDI32: device contexts, objects, fonts, pixel formats
HDC WINAPI GetDC(HWND window);
int WINAPI ReleaseDC(HWND window, HDC dc);
HGDIOBJ WINAPI GetStockObject(int which);
HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
BOOL WINAPI DeleteObject(HGDIOBJ object);
HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, const char* face);
int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd);
BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd);
int WINAPI GetPixelFormat(HDC dc);
BOOL WINAPI SwapBuffers(HDC dc);

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits);

// --- Advapi32: the registry (in this process only; hosts fill it)
LSTATUS WINAPI RegOpenKeyExW(HKEY key, const WCHAR* subKey, DWORD options, REGSAM access,
                             HKEY* result);
LSTATUS WINAPI RegCreateKeyExW(HKEY key, const WCHAR* subKey, DWORD reserved, WCHAR* className,
                               DWORD options, REGSAM access, void* security, HKEY* result,
                               DWORD* disposition);
// REG_SZ values only.  *size is in bytes, the terminator included.
LSTATUS WINAPI RegQueryValueExW(HKEY key, const WCHAR* name, DWORD* reserved, DWORD* type,
                                BYTE* data, DWORD* size);
LSTATUS WINAPI RegSetValueExW(HKEY key, const WCHAR* name, DWORD reserved, DWORD type,
                              const BYTE* data, DWORD size);
LSTATUS WINAPI RegCloseKey(HKEY key);

// --- Shell32 and Kernel32
// "open" on a document: the installed window system opens it
// (FnWindowSystem::OpenDocument says what that means on this platform).
// Greater than 32 on success, SE_ERR_FNF for a missing file.
HINSTANCE WINAPI ShellExecuteW(HWND window, const WCHAR* operation, const WCHAR* file,
                               const WCHAR* parameters, const WCHAR* directory, int show);
// Milliseconds since an arbitrary start, wrapping at 2^32.
DWORD WINAPI GetTickCount();

// --- WGL
HGLRC WINAPI wglCreateContext(HDC dc);
BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context);
BOOL WINAPI wglDeleteContext(HGLRC context);
HGLRC WINAPI wglGetCurrentContext();
HDC WINAPI wglGetCurrentDC();
BOOL WINAPI wglUseFontBitmapsW(HDC dc, DWORD first, DWORD count, DWORD listBase);
