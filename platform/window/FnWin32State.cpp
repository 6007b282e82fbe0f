#include "platform/window/FnWin32State.h"

#include <strings.h>

namespace {

template <class Map>
auto* Lookup(Map& map, std::uintptr_t id) {
    auto it = map.find(id);
    return it == map.end() ? nullptr : it->second.get();
}

bool IsAtomName(const char* name) { return FnHandleId(name) <= 0xffff; }

}  // namespace

FnWin32State& FnWin32State::Get() {
    // Never destroyed: modules unregister their classes from their own
    // detach, which may run after this library's destructors at exit.
    static FnWin32State* state = new FnWin32State;
    return *state;
}

FnWin32State::FnWin32State() { FnRegisterSystemClasses(*this); }

namespace {
void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}
}  // namespace

std::string FnUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string FnUtf8(const WCHAR* text) {
    if (!text) return {};
    return FnUtf8(std::u16string(text));
}

std::u16string FnUtf16(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        char32_t c = 0xFFFD;
        size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
        }
        if (len > 1) {
            if (i + len > n) {
                len = 1;
            } else {
                c = b & (0x7F >> len);
                for (size_t k = 1; k < len; ++k) {
                    if ((p[i + k] & 0xC0) != 0x80) {
                        c = 0xFFFD;
                        len = k;
                        break;
                    }
                    c = (c << 6) | (p[i + k] & 0x3F);
                }
                if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
            }
        }
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += char16_t(0xD800 + (c >> 10));
            out += char16_t(0xDC00 + (c & 0x3FF));
        } else {
            out += char16_t(c);
        }
    }
    return out;
}

FnWinWindowRecord* FnWin32State::Window(HWND handle) { return Lookup(windows, FnHandleId(handle)); }
FnWinDcRecord* FnWin32State::Dc(HDC handle) { return Lookup(dcs, FnHandleId(handle)); }
FnWinFontRecord* FnWin32State::Font(HGDIOBJ handle) { return Lookup(fonts, FnHandleId(handle)); }
FnWinContextRecord* FnWin32State::Context(HGLRC handle) {
    return Lookup(contexts, FnHandleId(handle));
}
FnWinBitmapRecord* FnWin32State::Bitmap(HBITMAP handle) {
    return Lookup(bitmaps, FnHandleId(handle));
}

void FnWin32State::ControlChanged(HWND window) {
    if (system && Window(window)) system->ControlChanged(window);
}

const FnWinClassRecord* FnWin32State::FindClass(const char* nameOrAtom, HINSTANCE instance) const {
    if (!nameOrAtom) return nullptr;
    const bool byAtom = IsAtomName(nameOrAtom);
    for (const auto& rec : classes) {
        const bool match = byAtom ? rec->atom == static_cast<ATOM>(FnHandleId(nameOrAtom))
                                  : strcasecmp(rec->name.c_str(), nameOrAtom) == 0;
        if (match && (rec->system || rec->wc.hInstance == instance)) return rec.get();
    }
    // A global class serves every instance, after the instance's own.
    for (const auto& rec : classes) {
        const bool match = byAtom ? rec->atom == static_cast<ATOM>(FnHandleId(nameOrAtom))
                                  : strcasecmp(rec->name.c_str(), nameOrAtom) == 0;
        if (match && (rec->wc.style & CS_GLOBALCLASS)) return rec.get();
    }
    return nullptr;
}

POINT FnWin32State::Origin(const FnWinWindowRecord& window) {
    POINT p{window.x, window.y};
    const FnWinWindowRecord* w = &window;
    // The parent chain is finite: a window's parent exists before it does.
    while (w->parent) {
        w = Window(w->parent);
        if (!w) break;
        p.x += w->x;
        p.y += w->y;
    }
    return p;
}

bool FnWin32State::Showing(const FnWinWindowRecord& window) {
    const FnWinWindowRecord* w = &window;
    while (w) {
        if (!w->visible) return false;
        w = w->parent ? Window(w->parent) : nullptr;
    }
    return true;
}

void FnWin32State::ReleaseCurrent() {
    if (!currentContext) return;
    if (FnWinContextRecord* rec = Context(currentContext); rec && rec->system)
        rec->system->MakeCurrent(nullptr, nullptr);
    currentContext = nullptr;
    currentDc = nullptr;
}
