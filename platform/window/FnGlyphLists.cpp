#include "platform/window/FnGlyphLists.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Windows raster and core face names that mean "the plain sans-serif".
bool IsGenericSans(const std::string& face) {
    static const char* const kNames[] = {
        "", "helv", "helvetica", "ms sans serif", "ms shell dlg", "system", "arial"};
    for (const char* name : kNames)
        if (strcasecmp(face.c_str(), name) == 0) return true;
    return false;
}

struct FcPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct FtLibraryDeleter {
    void operator()(FT_Library lib) const { FT_Done_FreeType(lib); }
};
struct FtFaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

}  // namespace

std::string FnFindFontFile(const FnGlyphFont& font, int* faceIndex) {
    FcPatternPtr pattern(FcPatternCreate());
    if (!pattern) return {};
    if (!IsGenericSans(font.face))
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(font.face.c_str()));
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    const int weight = std::clamp(font.weight > 0 ? font.weight : 400, 1, 1000);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return {};
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FcPatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || result != FcResultMatch) return {};
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return {};
    int index = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    if (faceIndex) *faceIndex = index;
    return reinterpret_cast<const char*>(file);
}

bool FnBuildGlyphLists(const FnGlyphFont& font, unsigned first, unsigned count, unsigned listBase) {
    if (count == 0 || listBase == 0) return false;
    int index = 0;
    const std::string file = FnFindFontFile(font, &index);
    if (file.empty()) return false;

    FT_Library rawLib = nullptr;
    if (FT_Init_FreeType(&rawLib)) return false;
    std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter> lib(rawLib);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(lib.get(), file.c_str(), index, &rawFace)) return false;
    std::unique_ptr<FT_FaceRec_, FtFaceDeleter> face(rawFace);

    // A positive height is the cell (ascent plus descent), as in GDI; a
    // negative one the em size.
    FT_Size_RequestRec request{};
    request.type = font.height < 0 ? FT_SIZE_REQUEST_TYPE_NOMINAL : FT_SIZE_REQUEST_TYPE_CELL;
    const long height =
        font.height == 0 ? 16 : std::min(std::abs(static_cast<long>(font.height)), 1000L);
    request.height = height * 64;
    if (FT_Request_Size(face.get(), &request)) return false;

    // The bitmaps are byte-packed rows, bottom row first, and glBitmap copies
    // them into the list when it is compiled.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);

    std::vector<GLubyte> rows;
    bool ok = true;
    for (unsigned i = 0; i < count && ok; ++i) {
        const FT_UInt glyph = FT_Get_Char_Index(face.get(), first + i);
        FT_GlyphSlot slot = face->glyph;
        if (FT_Load_Glyph(face.get(), glyph, FT_LOAD_TARGET_MONO) ||
            FT_Render_Glyph(slot, FT_RENDER_MODE_MONO)) {
            ok = false;
            break;
        }
        const FT_Bitmap& bm = slot->bitmap;
        const int width = static_cast<int>(bm.width);
        const int height = static_cast<int>(bm.rows);
        const int rowBytes = (width + 7) / 8;
        rows.assign(static_cast<size_t>(rowBytes) * height + 1, 0);
        for (int r = 0; r < height; ++r) {
            const unsigned char* src =
                bm.pitch >= 0 ? bm.buffer + static_cast<long>(r) * bm.pitch
                              : bm.buffer + static_cast<long>(height - 1 - r) * -bm.pitch;
            std::copy(src, src + rowBytes,
                      rows.begin() + static_cast<long>(height - 1 - r) * rowBytes);
        }
        const GLfloat advance = static_cast<GLfloat>((slot->advance.x + 32) >> 6);
        glNewList(listBase + i, GL_COMPILE);
        glBitmap(width, height, static_cast<GLfloat>(-slot->bitmap_left),
                 static_cast<GLfloat>(height - slot->bitmap_top), advance, 0.0f, rows.data());
        glEndList();
    }
    glPopClientAttrib();
    return ok;
}
