// Dialogs, bitmaps and wide strings of a module, through its instance record.
#include "platform/dssdk/DSResources.h"

#include <string>

namespace {
const DSModuleInstance* Record(HINSTANCE instance) {
    return static_cast<const DSModuleInstance*>(instance);
}

std::u16string Widen(const char* utf8) {
    // The table's texts are UTF-8; the pages' texts stay in the BMP.
    std::u16string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
        char32_t c = *p;
        int more = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
        if (more) c &= 0x3F >> more;
        ++p;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more, ++p) c = (c << 6) | (*p & 0x3F);
        if (more > 0 || c > 0xFFFF) c = 0xFFFD;
        out += char16_t(c);
    }
    return out;
}
}  // namespace

int LoadStringW(HINSTANCE instance, UINT id, WCHAR* buffer, int max) {
    if (!instance || !buffer || max <= 0) return 0;
    buffer[0] = u'\0';
    const DSModuleInstance* m = Record(instance);
    const char* s = m->loadString ? m->loadString(id) : nullptr;
    if (!s) return 0;
    const std::u16string wide = Widen(s);
    const size_t n = wide.size() < size_t(max - 1) ? wide.size() : size_t(max - 1);
    for (size_t i = 0; i < n; ++i) buffer[i] = wide[i];
    buffer[n] = u'\0';
    return int(n);
}

const FnDialogTemplate* DSFindDialog(HINSTANCE instance, UINT id) {
    if (!instance) return nullptr;
    const DSModuleInstance* m = Record(instance);
    return m->findDialog ? m->findDialog(id) : nullptr;
}

HBITMAP LoadBitmapW(HINSTANCE instance, const WCHAR* name) {
    if (!instance || !IS_INTRESOURCE(name)) return nullptr;
    const DSModuleInstance* m = Record(instance);
    const DSBitmapResource* b =
        m->findBitmap ? m->findBitmap(UINT(reinterpret_cast<std::uintptr_t>(name))) : nullptr;
    if (!b || !b->bgra) return nullptr;
    return CreateBitmap(b->width, b->height, 1, 32, b->bgra);
}
