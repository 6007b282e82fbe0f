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

FnWin32State::FnWin32State() {
    // The predefined "STATIC" class: dialogs use it for placeholder controls
    // and hosts for plain parent windows.
    auto rec = std::make_unique<FnWinClassRecord>();
    rec->name = "STATIC";
    rec->wc.lpfnWndProc = DefWindowProcW;
    rec->wc.lpszClassName = rec->name.c_str();
    rec->atom = 0xC000;
    rec->system = true;
    classes.push_back(std::move(rec));
}

FnWinWindowRecord* FnWin32State::Window(HWND handle) { return Lookup(windows, FnHandleId(handle)); }
FnWinDcRecord* FnWin32State::Dc(HDC handle) { return Lookup(dcs, FnHandleId(handle)); }
FnWinFontRecord* FnWin32State::Font(HGDIOBJ handle) { return Lookup(fonts, FnHandleId(handle)); }
FnWinContextRecord* FnWin32State::Context(HGLRC handle) {
    return Lookup(contexts, FnHandleId(handle));
}

const FnWinClassRecord* FnWin32State::FindClass(const char* nameOrAtom, HINSTANCE instance) const {
    if (!nameOrAtom) return nullptr;
    const bool byAtom = IsAtomName(nameOrAtom);
    for (const auto& rec : classes) {
        const bool match = byAtom ? rec->atom == static_cast<ATOM>(FnHandleId(nameOrAtom))
                                  : strcasecmp(rec->name.c_str(), nameOrAtom) == 0;
        if (match && (rec->system || rec->wc.hInstance == instance)) return rec.get();
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
