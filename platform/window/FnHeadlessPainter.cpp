#include "platform/window/FnHeadlessPainter.h"

#include "platform/window/FnControlState.h"
#include "platform/window/FnGlyphLists.h"
#include "platform/window/FnHeadlessWindowSystem.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kFace{214, 214, 214};
constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kShadow{140, 140, 140};
constexpr Rgb kDarkShadow{70, 70, 70};
constexpr Rgb kText{16, 16, 16};
constexpr Rgb kGreyText{128, 128, 128};
constexpr Rgb kField{255, 255, 255};
constexpr Rgb kAccent{46, 104, 196};
constexpr Rgb kTrack{200, 206, 214};
constexpr Rgb kScrubField{228, 238, 255};

struct Box {
    int x0, y0, x1, y1;  // half-open
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
    Box Intersect(const Box& o) const {
        return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
    }
};

struct FtLibrary {
    FT_Library lib = nullptr;
    FtLibrary() {
        if (FT_Init_FreeType(&lib)) lib = nullptr;
    }
    ~FtLibrary() {
        if (lib) FT_Done_FreeType(lib);
    }
};

}  // namespace

class FnHeadlessPainter::Impl {
public:
    explicit Impl(const FnHeadlessWindowSystem* system) : system_(system) {}
    ~Impl() {
        for (auto& [key, face] : faces_)
            if (face) FT_Done_Face(face);
    }

    FnFrame Paint(HWND root) {
        FnFrame frame;
        FnControlInfo info;
        if (!FnGetControlInfo(root, &info)) return frame;
        frame.width = info.rect.right - info.rect.left;
        frame.height = info.rect.bottom - info.rect.top;
        if (frame.width <= 0 || frame.height <= 0 || frame.width > 16384 || frame.height > 16384)
            return FnFrame{};
        frame.rgba.assign(size_t(frame.width) * frame.height * 4, 0);
        frame_ = &frame;
        Fill({0, 0, frame.width, frame.height}, kFace);
        font_ = Font(root);
        DrawWindow(info, 0, 0, {0, 0, frame.width, frame.height}, true);
        frame_ = nullptr;
        return frame;
    }

private:
    struct FontSpec {
        std::string face = "sans-serif";
        int pixels = 13;
    };

    // The font of the dialog the window belongs to (the root's own, or the
    // first dialog above it).
    FontSpec Font(HWND window) {
        FontSpec chosen;
        for (HWND w = window; w; w = GetParent(w)) {
            FnDialogFont f;
            if (FnGetDialogFont(w, &f)) {
                chosen.face = f.face.empty() ? "sans-serif" : f.face;
                chosen.pixels = std::max(f.pixelHeight, 6);
                return chosen;
            }
        }
        return chosen;
    }

    FT_Face FaceFor(const std::string& family, int pixels) {
        const std::string key = family + "/" + std::to_string(pixels);
        auto it = faces_.find(key);
        if (it != faces_.end()) return it->second;
        FT_Face face = nullptr;
        if (library_.lib) {
            int index = 0;
            std::string file = FindFace(family, &index);
            if (file.empty()) file = FnFindFontFile(FnGlyphFont{0, 400, false, ""}, &index);
            if (!file.empty() && FT_New_Face(library_.lib, file.c_str(), index, &face) == 0) {
                if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixels))) {
                    FT_Done_Face(face);
                    face = nullptr;
                }
            } else {
                face = nullptr;
            }
        }
        faces_[key] = face;
        return face;
    }

    void Put(int x, int y, Rgb c, int alpha = 255) {
        if (x < clip_.x0 || y < clip_.y0 || x >= clip_.x1 || y >= clip_.y1) return;
        std::uint8_t* p = frame_->rgba.data() + (size_t(y) * frame_->width + x) * 4;
        p[0] = std::uint8_t((c.r * alpha + p[0] * (255 - alpha) + 127) / 255);
        p[1] = std::uint8_t((c.g * alpha + p[1] * (255 - alpha) + 127) / 255);
        p[2] = std::uint8_t((c.b * alpha + p[2] * (255 - alpha) + 127) / 255);
        p[3] = 255;
    }

    void Fill(Box b, Rgb c) {
        const Box r = b.Intersect(clip_);
        for (int y = r.y0; y < r.y1; ++y)
            for (int x = r.x0; x < r.x1; ++x) Put(x, y, c);
    }
    void HLine(int x0, int x1, int y, Rgb c) { Fill({x0, y, x1, y + 1}, c); }
    void VLine(int x, int y0, int y1, Rgb c) { Fill({x, y0, x + 1, y1}, c); }
    // Top-left in one colour, bottom-right in the other.
    void Edge(Box b, Rgb topLeft, Rgb bottomRight) {
        HLine(b.x0, b.x1, b.y0, topLeft);
        VLine(b.x0, b.y0, b.y1, topLeft);
        HLine(b.x0, b.x1, b.y1 - 1, bottomRight);
        VLine(b.x1 - 1, b.y0, b.y1, bottomRight);
    }
    void Sunken(Box b) {
        Edge(b, kShadow, kLight);
        Edge({b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1}, kDarkShadow, kFace);
    }
    void Raised(Box b) {
        Edge(b, kLight, kDarkShadow);
        Edge({b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1}, kFace, kShadow);
    }

    // Decodes one UTF-8 code point.
    static unsigned Next(const std::string& s, size_t& i) {
        const auto b = static_cast<unsigned char>(s[i++]);
        if (b < 0x80) return b;
        int more = (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (more < 0) return 0xFFFD;
        unsigned c = b & (0x3Fu >> more);
        for (; more > 0 && i < s.size(); --more)
            c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
        return c;
    }

    int Measure(FT_Face face, const std::string& text) {
        if (!face) return 0;
        int width = 0;
        for (size_t i = 0; i < text.size();) {
            const unsigned c = Next(text, i);
            if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) == 0)
                width += int(face->glyph->advance.x >> 6);
        }
        return width;
    }

    // One line of text with its top at y.
    void Text(FT_Face face, const std::string& text, int x, int y, Rgb colour) {
        if (!face) return;
        const int ascent = int(face->size->metrics.ascender >> 6);
        int pen = x;
        for (size_t i = 0; i < text.size();) {
            const unsigned c = Next(text, i);
            if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) continue;
            const FT_GlyphSlot g = face->glyph;
            const FT_Bitmap& bm = g->bitmap;
            for (unsigned row = 0; row < bm.rows; ++row)
                for (unsigned col = 0; col < bm.width; ++col) {
                    const int a = bm.buffer[row * unsigned(bm.pitch) + col];
                    if (a)
                        Put(pen + g->bitmap_left + int(col), y + ascent - g->bitmap_top + int(row),
                            colour, a);
                }
            pen += int(g->advance.x >> 6);
        }
    }

    // The file fontconfig picks for the family itself (a metric-compatible
    // face for Arial where one is installed), regular weight.
    static std::string FindFace(const std::string& family, int* index) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str()));
        if (!pattern) return {};
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        std::string file;
        if (FcConfigSubstitute(nullptr, pattern, FcMatchPattern)) {
            FcDefaultSubstitute(pattern);
            FcResult result = FcResultNoMatch;
            if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
                FcChar8* path = nullptr;
                if (result == FcResultMatch &&
                    FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
                    file = reinterpret_cast<const char*>(path);
                    FcPatternGetInteger(match, FC_INDEX, 0, index);
                }
                FcPatternDestroy(match);
            }
        }
        FcPatternDestroy(pattern);
        return file;
    }

    int LineHeight(FT_Face face) { return face ? int(face->size->metrics.height >> 6) : 12; }

    // Word-wrapped to the width; explicit line feeds break lines.
    std::vector<std::string> Wrap(FT_Face face, const std::string& text, int width) {
        std::vector<std::string> lines;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            const std::string paragraph =
                text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            std::string line;
            size_t i = 0;
            while (i <= paragraph.size()) {
                size_t space = paragraph.find(' ', i);
                const std::string word =
                    paragraph.substr(i, space == std::string::npos ? std::string::npos : space - i);
                const std::string candidate = line.empty() ? word : line + " " + word;
                if (!line.empty() && Measure(face, candidate) > width) {
                    lines.push_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                if (space == std::string::npos) break;
                i = space + 1;
            }
            if (!line.empty() || end != std::string::npos) lines.push_back(line);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return lines;
    }

    void DrawStatic(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        int y = b.y0;
        // A static one line high keeps its text on that line, however long
        // (a caption wider than its template rectangle stays readable);
        // taller ones wrap words to their width.
        const bool oneLine =
            b.y1 - b.y0 < 2 * LineHeight(face) && c.text.find('\n') == std::string::npos;
        const std::vector<std::string> lines =
            oneLine ? std::vector<std::string>{c.text} : Wrap(face, c.text, b.x1 - b.x0);
        for (const std::string& line : lines) {
            int x = b.x0;
            if ((c.style & SS_TYPEMASK) == SS_CENTER)
                x = b.x0 + (b.x1 - b.x0 - Measure(face, line)) / 2;
            Text(face, line, x, y, colour);
            y += LineHeight(face);
        }
    }

    void DrawCheckBox(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        const int side = 13;
        const int top = b.y0 + (b.y1 - b.y0 - side) / 2;
        const Box box{b.x0, top, b.x0 + side, top + side};
        Fill(box, c.enabled ? kField : kFace);
        Sunken(box);
        if (c.state.check) {
            // A tick: down-right then up-right, three pixels thick.
            for (int k = 0; k < 3; ++k) {
                for (int d = 0; d <= 2; ++d) Put(box.x0 + 3 + d, box.y0 + 5 + d + k, kText);
                for (int d = 0; d <= 4; ++d) Put(box.x0 + 5 + d, box.y0 + 7 - d + k, kText);
            }
        }
        const int lh = LineHeight(face);
        Text(face, c.text, box.x1 + 5, b.y0 + (b.y1 - b.y0 - lh) / 2, colour);
        if (c.focused)
            FocusRect({box.x1 + 3, b.y0, std::min(b.x1, box.x1 + 7 + Measure(face, c.text)), b.y1});
    }

    void FocusRect(Box b) {
        for (int x = b.x0; x < b.x1; x += 2) {
            Put(x, b.y0, kText);
            Put(x, b.y1 - 1, kText);
        }
        for (int y = b.y0; y < b.y1; y += 2) {
            Put(b.x0, y, kText);
            Put(b.x1 - 1, y, kText);
        }
    }

    void DrawButton(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        Fill(b, kFace);
        const int shift = c.state.pushed ? 1 : 0;
        if (c.state.pushed)
            Edge(b, kDarkShadow, kDarkShadow);
        else
            Raised(b);
        const int lh = LineHeight(face);
        const int w = Measure(face, c.text);
        Text(face, c.text, b.x0 + (b.x1 - b.x0 - w) / 2 + shift,
             b.y0 + (b.y1 - b.y0 - lh) / 2 + shift, colour);
        if (c.focused) FocusRect({b.x0 + 3, b.y0 + 3, b.x1 - 3, b.y1 - 3});
    }

    void DrawGroupBox(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        const int lh = LineHeight(face);
        const int top = c.text.empty() ? b.y0 : b.y0 + lh / 2;
        const Box frame{b.x0, top, b.x1, b.y1};
        Edge({frame.x0, frame.y0, frame.x1 - 1, frame.y1 - 1}, kShadow, kShadow);
        Edge({frame.x0 + 1, frame.y0 + 1, frame.x1, frame.y1}, kLight, kLight);
        if (!c.text.empty()) {
            const int w = Measure(face, c.text);
            Fill({b.x0 + 7, b.y0, b.x0 + 11 + w, b.y0 + lh}, kFace);
            Text(face, c.text, b.x0 + 9, b.y0, colour);
        }
    }

    void DrawCombo(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        const int lh = LineHeight(face);
        // The closed list is as tall as a line of its text and its frame.
        const Box field{b.x0, b.y0, b.x1, b.y0 + std::max(b.y1 - b.y0, lh + 6)};
        Fill(field, c.enabled ? kField : kFace);
        Sunken(field);
        const int bw = std::min(17, (field.x1 - field.x0) / 2);
        const Box button{field.x1 - 2 - bw, field.y0 + 2, field.x1 - 2, field.y1 - 2};
        Fill(button, kFace);
        Raised(button);
        const int cx = (button.x0 + button.x1) / 2, cy = (button.y0 + button.y1) / 2 - 1;
        for (int row = 0; row < 4; ++row)
            HLine(cx - 3 + row, cx + 4 - row, cy + row, c.enabled ? kText : kGreyText);
        const Box text{field.x0 + 2, field.y0 + 2, button.x0, field.y1 - 2};
        if (c.focused) Fill({text.x0 + 1, text.y0 + 1, text.x1 - 1, text.y1 - 1}, kAccent);
        const Box saved = clip_;
        clip_ = clip_.Intersect(text);
        Text(face, c.text, text.x0 + 3, text.y0 + (text.y1 - text.y0 - lh) / 2,
             c.focused ? kLight : colour);
        clip_ = saved;
    }

    void DrawNumber(const FnControlInfo& c, Box b, FT_Face face, Rgb colour) {
        const FnControlState& s = c.state;
        Fill(b, !c.enabled ? kFace : s.scrubbing ? kScrubField : kField);
        Sunken(b);
        if (c.focused) Edge({b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1}, kAccent, kAccent);
        const Box inner{b.x0 + 2, b.y0 + 2, b.x1 - 2, b.y1 - 2};
        // Where the value lies in the range, along the bottom.
        if (s.maximum > s.minimum) {
            const double f = std::clamp((s.value - s.minimum) / (s.maximum - s.minimum), 0.0, 1.0);
            const Box track{inner.x0 + 1, inner.y1 - 3, inner.x1 - 1, inner.y1 - 1};
            Fill(track, kTrack);
            Fill({track.x0, track.y0, track.x0 + int(f * (track.x1 - track.x0) + 0.5), track.y1},
                 c.enabled ? kAccent : kGreyText);
        }
        const std::string text = s.editing ? s.editText : s.valueText;
        const int lh = LineHeight(face);
        const int w = Measure(face, text);
        const int y = inner.y0 + std::max(0, (inner.y1 - inner.y0 - 3 - lh) / 2);
        const Box saved = clip_;
        clip_ = clip_.Intersect(inner);
        Text(face, text, inner.x1 - 4 - w, y, colour);
        if (s.editing) VLine(inner.x1 - 3, y + 1, y + lh - 1, kText);
        clip_ = saved;
    }

    void DrawBitmap(const FnControlInfo& c, Box b) {
        int w = 0, h = 0;
        std::vector<std::uint8_t> bgra;
        if (!c.state.image || !FnGetBitmapPixels(c.state.image, &w, &h, &bgra)) return;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* p = &bgra[(size_t(y) * w + x) * 4];
                Put(b.x0 + x, b.y0 + y, Rgb{p[2], p[1], p[0]}, p[3]);
            }
    }

    void DrawGL(const FnControlInfo& c, Box b) {
        if (!system_) return;
        // A window with something to show paints before it is composed.
        UpdateWindow(c.window);
        const FnFrame f = system_->Frame(c.window);
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const std::uint8_t* p = f.At(x, y);
                Put(b.x0 + x, b.y0 + y, Rgb{p[0], p[1], p[2]});
            }
    }

    void DrawWindow(const FnControlInfo& c, int ox, int oy, Box parentClip, bool root) {
        const Box b =
            root ? Box{0, 0, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top}
                 : Box{ox + c.rect.left, oy + c.rect.top, ox + c.rect.right, oy + c.rect.bottom};
        const Box saved = clip_;
        clip_ = parentClip;
        FT_Face face = FaceFor(font_.face, font_.pixels);
        const Rgb colour = c.enabled ? kText : kGreyText;
        if (c.hasGLContext) {
            clip_ = clip_.Intersect(b);
            DrawGL(c, b);
        } else {
            switch (c.state.kind) {
            case FnControlKind::Dialog: Fill(b, kFace); break;
            case FnControlKind::Static: DrawStatic(c, b, face, colour); break;
            case FnControlKind::Bitmap: DrawBitmap(c, b); break;
            case FnControlKind::GroupBox: DrawGroupBox(c, b, face, colour); break;
            case FnControlKind::CheckBox: DrawCheckBox(c, b, face, colour); break;
            case FnControlKind::PushButton: DrawButton(c, b, face, colour); break;
            case FnControlKind::ComboBox: DrawCombo(c, b, face, colour); break;
            case FnControlKind::NumberField: DrawNumber(c, b, face, colour); break;
            case FnControlKind::OwnerDrawButton:
            case FnControlKind::Window: break;
            }
        }
        const Box childClip = parentClip.Intersect(b);
        for (HWND child : FnChildWindows(c.window)) {
            FnControlInfo info;
            if (!FnGetControlInfo(child, &info) || !info.visible) continue;
            DrawWindow(info, b.x0, b.y0, childClip, false);
        }
        clip_ = saved;
    }

    const FnHeadlessWindowSystem* system_;
    FtLibrary library_;
    std::map<std::string, FT_Face> faces_;
    FnFrame* frame_ = nullptr;
    Box clip_{0, 0, 0, 0};
    FontSpec font_;
};

FnHeadlessPainter::FnHeadlessPainter(const FnHeadlessWindowSystem* system)
    : impl_(std::make_unique<Impl>(system)) {}

FnHeadlessPainter::~FnHeadlessPainter() = default;

FnFrame FnHeadlessPainter::Paint(HWND root) { return impl_->Paint(root); }
