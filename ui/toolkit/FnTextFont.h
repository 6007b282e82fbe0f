#pragma once
// Bitmap text for widgets: 96 display lists (codes 32 to 127) built from the
// toolkit's font in the current GL context, and one process-wide current
// font that DrawText uses.  Whoever paints sets the current font first; its
// lists must belong to the context that is current.

#include "platform/window/FnWin32.h"

// Builds the lists in the current context; returns their base, 0 on failure.
unsigned BuildTextFont(HDC dc);
void SetCurrentTextFont(unsigned base);
unsigned CurrentTextFont();
// Draws length bytes of text at (x, y) with the current font: nothing when
// the current font is 0; bytes outside 32..127 draw nothing.
void DrawText(const char* text, int length, float x, float y);
// Deletes the lists of a font (0: nothing).
void FreeTextFont(unsigned base);
