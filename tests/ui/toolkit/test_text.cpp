// Bitmap text: the font the window builds, drawing with the current font,
// and what DrawText leaves alone.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include <GL/gl.h>
#include "platform/window/FnGlyphLists.h"
#include "ui/toolkit/FnTextFont.h"

#include <cstring>

namespace {

// Pixels of the text colour (white) in the frame, as a set of positions.
std::vector<int> WhitePixels(const FnFrame& f) {
    std::vector<int> v;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (PixelIs(f, x, y, 255, 255, 255)) v.push_back(y * f.width + x);
    return v;
}

}  // namespace

using TextTest = ToolkitTest;

TEST_F(TextTest, BoldSansFontIsFoundAndBuiltOnFirstPaint) {
    FnGlyphFont helv;
    helv.face = "helv";
    helv.weight = 700;
    const std::string file = FnFindFontFile(helv, nullptr);
    EXPECT_NE(file.find("DejaVuSans-Bold"), std::string::npos) << file;
    EXPECT_EQ(BuildTextFont(nullptr), 0u);

    auto t = MakeTrouser(0, 0, 149, 49);
    EXPECT_EQ(t->TextFont(), 0u);
    const char* text = "H";
    SketchWidget w([&] {
        glColor3f(1, 1, 1);
        DrawText(text, static_cast<int>(std::strlen(text)), 10, 10);
    });
    t->AddWidget(&w);
    t->SetDrawOptions(FnwTrouser::kClearFirst);
    FnFrame f = Paint(t->Window());
    EXPECT_NE(t->TextFont(), 0u);
    EXPECT_EQ(CurrentTextFont(), t->TextFont());
    // A cell of 18 pixels gives capitals of about 11 rows on the baseline.
    int top = -1, bottom = 1000, left = 1000;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (PixelIs(f, x, y, 255, 255, 255)) {
                top = std::max(top, y);
                bottom = std::min(bottom, y);
                left = std::min(left, x);
            }
    EXPECT_EQ(bottom, 10);
    EXPECT_GE(top - bottom + 1, 10);
    EXPECT_LE(top - bottom + 1, 13);
    EXPECT_GE(left, 10);
    EXPECT_LE(left, 12);

    // Tabs, control bytes and bytes above 127 draw nothing and take no room.
    text = "AB";
    const std::vector<int> plain = WhitePixels(Paint(t->Window()));
    ASSERT_FALSE(plain.empty());
    text =
        "A\t\x01\xC8"
        "B\xFF";
    EXPECT_EQ(WhitePixels(Paint(t->Window())), plain);
    SavePng(t->Window(), "text");
}

TEST_F(TextTest, DrawTextUsesTheCurrentFontOrNothing) {
    auto t = MakeTrouser(0, 0, 99, 39);
    GLint baseAfter = -1;
    GLfloat rasterBefore[4] = {}, rasterAfter[4] = {};
    bool useNoFont = false;
    SketchWidget w([&] {
        if (useNoFont) SetCurrentTextFont(0);
        glColor3f(1, 1, 1);
        glRasterPos2f(3, 4);
        glListBase(77);
        glGetFloatv(GL_CURRENT_RASTER_POSITION, rasterBefore);
        DrawText("Text", 4, 10, 10);
        glGetIntegerv(GL_LIST_BASE, &baseAfter);
        glGetFloatv(GL_CURRENT_RASTER_POSITION, rasterAfter);
    });
    t->AddWidget(&w);
    t->SetDrawOptions(FnwTrouser::kClearFirst);

    FnFrame f = Paint(t->Window());
    EXPECT_FALSE(WhitePixels(f).empty());
    EXPECT_EQ(baseAfter, 77);                    // restored
    EXPECT_NE(rasterAfter[0], rasterBefore[0]);  // the glyphs advanced it

    useNoFont = true;
    f = Paint(t->Window());
    EXPECT_TRUE(WhitePixels(f).empty());
    EXPECT_EQ(baseAfter, 77);
    EXPECT_EQ(rasterAfter[0], rasterBefore[0]);
    EXPECT_EQ(rasterAfter[1], rasterBefore[1]);

    // Null text and negative lengths are nothing to draw.
    SetCurrentTextFont(t->TextFont());
    DrawText(nullptr, 5, 0, 0);
    DrawText("x", -1, 0, 0);
    FreeTextFont(0);
}
