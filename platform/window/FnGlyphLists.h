#pragma once
// Bitmap glyph display lists from an outline font, for wglUseFontBitmapsW.

#include <string>

struct FnGlyphFont {
    int height = 0;    // > 0: cell height (ascent + descent), < 0: em height, 0: default
    int weight = 400;  // 100..900, 700 = bold
    bool italic = false;
    std::string face;  // family name; old raster names mean the default sans-serif
};

// Fills lists listBase .. listBase + count - 1 in the current GL context with
// glBitmap calls for the characters first .. first + count - 1: each list
// draws its glyph at the raster position and advances it.  Glyphs are
// rendered 1-bit so that text is the same on every machine with the font.
// False when no font file is found or FreeType cannot render it.
bool FnBuildGlyphLists(const FnGlyphFont& font, unsigned first, unsigned count, unsigned listBase);

// The font file fontconfig picks for the face, weight and slant; empty when none.
std::string FnFindFontFile(const FnGlyphFont& font, int* faceIndex);
