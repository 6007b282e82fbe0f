#include "ui/toolkit/FnTextFont.h"

#include <GL/gl.h>

namespace {

constexpr int kFirstChar = 32;
constexpr int kCharCount = 96;
unsigned gCurrentFont = 0;

}  // namespace

unsigned BuildTextFont(HDC dc) {
    if (!dc) return 0;
    HFONT font = CreateFontA(18, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "helv");
    if (!font) return 0;
    HGDIOBJ previous = SelectObject(dc, font);
    const GLuint base = glGenLists(kCharCount);
    if (base && !wglUseFontBitmapsW(dc, kFirstChar, kCharCount, base)) {
        // Half-built lists would draw garbage: the font is unusable.
        glDeleteLists(base, kCharCount);
        SelectObject(dc, previous);
        DeleteObject(font);
        return 0;
    }
    SelectObject(dc, previous);
    DeleteObject(font);
    return base;
}

void SetCurrentTextFont(unsigned base) { gCurrentFont = base; }

unsigned CurrentTextFont() { return gCurrentFont; }

void DrawText(const char* text, int length, float x, float y) {
    if (!gCurrentFont || !text || length <= 0) return;
    // Only codes with a list are called: other bytes would name lists that
    // may belong to something else in the context.
    GLubyte printable[256];
    glRasterPos2f(x, y);
    glPushAttrib(GL_LIST_BIT);
    glListBase(gCurrentFont - kFirstChar);
    int n = 0;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < kFirstChar || c >= kFirstChar + kCharCount) continue;
        printable[n++] = c;
        if (n == static_cast<int>(sizeof printable)) {
            glCallLists(n, GL_UNSIGNED_BYTE, printable);
            n = 0;
        }
    }
    if (n) glCallLists(n, GL_UNSIGNED_BYTE, printable);
    glPopAttrib();
}

void FreeTextFont(unsigned base) {
    if (base) glDeleteLists(base, kCharCount);
}
