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

struct HWND__;
struct HDC__;
struct HGLRC__;
struct HFONT__;
struct HBRUSH__;
struct HCURSOR__;
struct HICON__;
struct HMENU__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HGLRC__* HGLRC;
typedef HFONT__* HFONT;
typedef HBRUSH__* HBRUSH;
typedef HCURSOR__* HCURSOR;
typedef HICON__* HICON;
typedef HMENU__* HMENU;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

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
    (reinterpret_cast<const wchar_t*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define IDC_ARROW MAKEINTRESOURCEW(32512)

// Window messages
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_CAPTURECHANGED = 0x0215;

// Mouse key state in wParam of mouse messages
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_MBUTTON = 0x0010;

// WM_SIZE wParam
constexpr WPARAM SIZE_RESTORED = 0;

// Window and class styles
constexpr DWORD WS_CHILD = 0x40000000u;
constexpr DWORD WS_VISIBLE = 0x10000000u;
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_OWNDC = 0x0020;
constexpr UINT CS_NOCLOSE = 0x0200;

// ShowWindow commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

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

// --- User32: classes and windows
ATOM WINAPI RegisterClassA(const WNDCLASSA* wc);
// A module unregisters its classes before it is unloaded, so that no class
// keeps a window procedure that is gone; FALSE while a window of the class
// exists.
BOOL WINAPI UnregisterClassA(const char* className, HINSTANCE instance);
BOOL WINAPI GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* wc);
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
HCURSOR WINAPI LoadCursorW(HINSTANCE instance, const wchar_t* name);

// --- User32: window properties
BOOL WINAPI SetPropA(HWND window, const char* name, HANDLE value);
HANDLE WINAPI GetPropA(HWND window, const char* name);
HANDLE WINAPI RemovePropA(HWND window, const char* name);

// --- User32: messages and painting
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
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

// --- WGL
HGLRC WINAPI wglCreateContext(HDC dc);
BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context);
BOOL WINAPI wglDeleteContext(HGLRC context);
HGLRC WINAPI wglGetCurrentContext();
HDC WINAPI wglGetCurrentDC();
BOOL WINAPI wglUseFontBitmapsW(HDC dc, DWORD first, DWORD count, DWORD listBase);
