// GDI32 and WGL part of the window layer: device contexts, fonts, pixel
// formats and GL contexts, the latter served by the installed window system.

#include "platform/window/FnGlyphLists.h"
#include "platform/window/FnWin32State.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

FnWin32State& S() { return FnWin32State::Get(); }

bool IsStockObject(HGDIOBJ object) {
    const std::uintptr_t id = FnHandleId(object);
    return id == FnWin32State::kStockWhiteBrush || id == FnWin32State::kStockSystemFont;
}

FnWinWindowRecord* WindowOfDc(HDC dc) {
    FnWin32State& s = S();
    FnWinDcRecord* rec = s.Dc(dc);
    return rec ? s.Window(rec->window) : nullptr;
}

// The one pixel format on offer: 32-bit RGBA, double-buffered, with the
// depth the caller asks for (none, 16 or 24 bits).
constexpr int kOurFormat = 1;

bool Acceptable(const PIXELFORMATDESCRIPTOR* pfd) {
    return pfd && pfd->nSize == sizeof(PIXELFORMATDESCRIPTOR) && pfd->nVersion == 1 &&
           (pfd->dwFlags & PFD_SUPPORT_OPENGL) && pfd->iPixelType == PFD_TYPE_RGBA;
}

}  // namespace

HDC WINAPI GetDC(HWND window) {
    FnWin32State& s = S();
    FnWinWindowRecord* rec = s.Window(window);
    if (!rec) return nullptr;
    if (!rec->dc) {
        // Every window keeps one device context for its life, as with CS_OWNDC.
        auto dc = std::make_unique<FnWinDcRecord>();
        dc->window = window;
        dc->font = FnHandleOf<HGDIOBJ>(FnWin32State::kStockSystemFont);
        rec->dc = FnHandleOf<HDC>(s.NextId());
        s.dcs.emplace(FnHandleId(rec->dc), std::move(dc));
    }
    return rec->dc;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
    FnWinWindowRecord* rec = S().Window(window);
    return rec && rec->dc == dc ? 1 : 0;
}

HGDIOBJ WINAPI GetStockObject(int which) {
    switch (which) {
    case WHITE_BRUSH: return FnHandleOf<HGDIOBJ>(FnWin32State::kStockWhiteBrush);
    case SYSTEM_FONT: return FnHandleOf<HGDIOBJ>(FnWin32State::kStockSystemFont);
    default: return nullptr;
    }
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object) {
    FnWin32State& s = S();
    FnWinDcRecord* rec = s.Dc(dc);
    if (!rec) return nullptr;
    // Fonts are the only objects a device context here keeps.
    if (!s.Font(object) && FnHandleId(object) != FnWin32State::kStockSystemFont) return nullptr;
    HGDIOBJ previous = rec->font;
    rec->font = object;
    return previous;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
    FnWin32State& s = S();
    if (IsStockObject(object)) return TRUE;
    if (s.Bitmap(static_cast<HBITMAP>(object))) {
        s.bitmaps.erase(FnHandleId(object));
        return TRUE;
    }
    if (!s.Font(object)) return FALSE;
    for (auto& [id, dc] : s.dcs)
        if (dc->font == object) return FALSE;  // still selected: keep it
    s.fonts.erase(FnHandleId(object));
    return TRUE;
}

HFONT WINAPI CreateFontA(int height, int, int, int, int weight, DWORD italic, DWORD, DWORD, DWORD,
                         DWORD, DWORD, DWORD, DWORD, const char* face) {
    FnWin32State& s = S();
    auto rec = std::make_unique<FnWinFontRecord>();
    rec->height = height;
    rec->weight = weight;
    rec->italic = italic != 0;
    rec->face = face ? face : "";
    const std::uintptr_t id = s.NextId();
    s.fonts.emplace(id, std::move(rec));
    return FnHandleOf<HFONT>(id);
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits) {
    // 32-bit BGRA rows, top-down: the one layout the controls draw.
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || planes != 1 ||
        bitsPerPixel != 32)
        return nullptr;
    FnWin32State& s = S();
    auto rec = std::make_unique<FnWinBitmapRecord>();
    rec->width = width;
    rec->height = height;
    rec->bgra.assign(size_t(width) * size_t(height) * 4, 0);
    if (bits) std::memcpy(rec->bgra.data(), bits, rec->bgra.size());
    const std::uintptr_t id = s.NextId();
    s.bitmaps.emplace(id, std::move(rec));
    return FnHandleOf<HBITMAP>(id);
}

bool FnGetBitmapPixels(HBITMAP bitmap, int* width, int* height, std::vector<std::uint8_t>* bgra) {
    FnWinBitmapRecord* rec = S().Bitmap(bitmap);
    if (!rec) return false;
    if (width) *width = rec->width;
    if (height) *height = rec->height;
    if (bgra) *bgra = rec->bgra;
    return true;
}

int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    if (!WindowOfDc(dc) || !Acceptable(pfd)) return 0;
    return kOurFormat;
}

BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd) {
    FnWinWindowRecord* window = WindowOfDc(dc);
    if (!window || format != kOurFormat || !Acceptable(pfd)) return FALSE;
    // A window's pixel format is set once.
    if (window->pixelFormat) return FALSE;
    window->pixelFormat = format;
    window->format = *pfd;
    window->format.cColorBits = 32;
    window->format.cRedBits = window->format.cGreenBits = window->format.cBlueBits =
        window->format.cAlphaBits = 8;
    if (window->format.cDepthBits > 16) window->format.cDepthBits = 24;
    return TRUE;
}

int WINAPI GetPixelFormat(HDC dc) {
    FnWinWindowRecord* window = WindowOfDc(dc);
    return window ? window->pixelFormat : 0;
}

BOOL WINAPI SwapBuffers(HDC dc) {
    FnWin32State& s = S();
    FnWinWindowRecord* window = WindowOfDc(dc);
    if (!window || !window->pixelFormat || !(window->format.dwFlags & PFD_DOUBLEBUFFER))
        return FALSE;
    const HWND hwnd = window->handle;
    if (s.currentDc == dc) {
        FnWinContextRecord* ctx = s.Context(s.currentContext);
        return ctx && ctx->system->SwapBuffers(hwnd) ? TRUE : FALSE;
    }
    // Not current here: borrow the context last bound to the window.
    for (auto& [id, ctx] : s.contexts) {
        if (ctx->window != hwnd) continue;
        const HGLRC previous = s.currentContext;
        const HDC previousDc = s.currentDc;
        if (!wglMakeCurrent(dc, FnHandleOf<HGLRC>(id))) return FALSE;
        const bool ok = ctx->system->SwapBuffers(hwnd);
        if (previous)
            wglMakeCurrent(previousDc, previous);
        else
            wglMakeCurrent(nullptr, nullptr);
        return ok ? TRUE : FALSE;
    }
    return FALSE;
}

HGLRC WINAPI wglCreateContext(HDC dc) {
    FnWin32State& s = S();
    FnWinWindowRecord* window = WindowOfDc(dc);
    if (!s.system || !window || !window->pixelFormat) return nullptr;
    FnGLContext* context = s.system->CreateContext(window->handle, window->format);
    if (!context) return nullptr;
    auto rec = std::make_unique<FnWinContextRecord>();
    rec->context = context;
    rec->system = s.system;
    const std::uintptr_t id = s.NextId();
    s.contexts.emplace(id, std::move(rec));
    return FnHandleOf<HGLRC>(id);
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context) {
    FnWin32State& s = S();
    if (!context) {
        s.ReleaseCurrent();
        return TRUE;
    }
    FnWinContextRecord* ctx = s.Context(context);
    FnWinWindowRecord* window = WindowOfDc(dc);
    if (!ctx || !window || !window->pixelFormat) {
        s.ReleaseCurrent();
        return FALSE;
    }
    if (!ctx->system->MakeCurrent(window->handle, ctx->context)) {
        s.currentContext = nullptr;
        s.currentDc = nullptr;
        ctx->system->MakeCurrent(nullptr, nullptr);
        return FALSE;
    }
    s.currentContext = context;
    s.currentDc = dc;
    ctx->window = window->handle;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC context) {
    FnWin32State& s = S();
    FnWinContextRecord* ctx = s.Context(context);
    if (!ctx) return FALSE;
    if (s.currentContext == context) s.ReleaseCurrent();
    ctx->system->DeleteContext(ctx->context);
    s.contexts.erase(FnHandleId(context));
    return TRUE;
}

HGLRC WINAPI wglGetCurrentContext() { return S().currentContext; }

HDC WINAPI wglGetCurrentDC() { return S().currentDc; }

BOOL WINAPI wglUseFontBitmapsW(HDC dc, DWORD first, DWORD count, DWORD listBase) {
    FnWin32State& s = S();
    FnWinDcRecord* rec = s.Dc(dc);
    // The lists go into the current context, as with any GL call.
    if (!rec || !s.currentContext || count == 0 || count > 0x10000 || first > 0x10FFFF)
        return FALSE;
    FnGlyphFont font;
    if (const FnWinFontRecord* f = s.Font(rec->font)) {
        font.height = f->height;
        font.weight = f->weight;
        font.italic = f->italic;
        font.face = f->face;
    } else {
        font.height = 16;  // the stock system font
        font.weight = FW_BOLD;
    }
    return FnBuildGlyphLists(font, first, count, listBase) ? TRUE : FALSE;
}

void FnWindowSystem::Install(FnWindowSystem* system) {
    FnWin32State& s = S();
    if (s.system == system) return;
    s.ReleaseCurrent();
    // Contexts belong to the system that made them.
    std::vector<std::uintptr_t> dropped;
    for (auto& [id, ctx] : s.contexts) {
        ctx->system->DeleteContext(ctx->context);
        dropped.push_back(id);
    }
    for (std::uintptr_t id : dropped) s.contexts.erase(id);
    s.system = system;
    if (!system) return;
    std::vector<std::uintptr_t> ids;  // announce in creation order
    for (auto& [id, window] : s.windows) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    for (std::uintptr_t id : ids) system->WindowCreated(FnHandleOf<HWND>(id));
}

FnWindowSystem* FnWindowSystem::Current() { return S().system; }
