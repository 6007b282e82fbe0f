// The toolkit's drawing operations, checked pixel by pixel, and a gallery
// frame saved as a PNG to look at.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include <GL/gl.h>

namespace {

constexpr FnColour kRed{1, 0, 0}, kBlue{0, 0, 1}, kGreen{0, 1, 0};

struct Sample {
    int x, y, r, g, b;
};

void ExpectPixels(const FnFrame& f, std::initializer_list<Sample> samples) {
    for (const Sample& s : samples)
        EXPECT_TRUE(PixelIs(f, s.x, s.y, s.r, s.g, s.b))
            << "at " << s.x << "," << s.y << ": " << PixelText(f, s.x, s.y) << " wanted (" << s.r
            << "," << s.g << "," << s.b << ")";
}

}  // namespace

using DrawTest = ToolkitTest;

TEST_F(DrawTest, FramesLinesCirclesArcsAndArrows) {
    auto t = MakeTrouser(0, 0, 219, 139);
    GLint stipplePattern = 0, stippleRepeat = 0;
    SketchWidget w([&] {
        FnTDraw::SunkenFrame(10, 10, 50, 40);
        FnTDraw::RaisedFrame(60, 10, 100, 40);
        glLineStipple(3, 0xAAAA);
        FnTDraw::DashedLine({10, 60}, {74, 60}, kRed, kBlue);
        glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &stipplePattern);
        glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &stippleRepeat);
        glLineStipple(1, 0xFFFF);
        FnTDraw::TwoColourCircle({140, 40}, 15, kGreen, kRed);
        FnTDraw::SetColour(kBlue);
        FnTDraw::Arc({180, 40}, 20, 0, 90, FnTDraw::kFill);
        FnTDraw::ArrowHeadAt({150, 100}, {1, 0}, {8, 4}, kRed, kGreen);
        FnTDraw::ArrowHeadAt({190, 100}, {0, 1}, {8, 4}, kBlue, kGreen);
        FnTDraw::SetColour(FnTDraw::kWhite);
        FnTDraw::Circle({40, 100}, 0);  // nothing
        FnTDraw::Disk({40, 100}, -2);   // nothing
        FnTDraw::ShadowText(nullptr, 0, 0);
    });
    t->AddWidget(&w);
    const FnFrame f = Paint(t->Window());
    SavePng(t->Window(), "draw_gallery");

    const int light = 204, dark = 26, grey = 153;
    ExpectPixels(f, {
                        // sunken: light along the bottom and right, dark along the top and left
                        {30, 10, light, light, light},
                        {50, 25, light, light, light},
                        {30, 40, dark, dark, dark},
                        {10, 25, dark, dark, dark},
                        {30, 25, grey, grey, grey},
                        // raised: the other way round
                        {80, 10, dark, dark, dark},
                        {100, 25, dark, dark, dark},
                        {80, 40, light, light, light},
                        {60, 25, light, light, light},
                        // dashes of four pixels, first colour first
                        {10, 60, 255, 0, 0},
                        {13, 60, 255, 0, 0},
                        {14, 60, 0, 0, 255},
                        {17, 60, 0, 0, 255},
                        {18, 60, 255, 0, 0},
                        // filled disk with a red rim, 15 pixels out
                        {140, 40, 0, 255, 0},
                        {150, 40, 0, 255, 0},
                        {140, 55, 255, 0, 0},
                        {140, 25, 255, 0, 0},
                        {156, 40, grey, grey, grey},
                        {140, 58, grey, grey, grey},
                        // the first quadrant only
                        {190, 50, 0, 0, 255},
                        {170, 50, grey, grey, grey},
                        {190, 30, grey, grey, grey},
                        // arrow heads: tip at the point, body behind it
                        {145, 100, 255, 0, 0},
                        {152, 100, grey, grey, grey},
                        {190, 95, 0, 0, 255},
                        {190, 102, grey, grey, grey},
                        {40, 100, grey, grey, grey},
                    });
    EXPECT_EQ(stipplePattern, 0xAAAA);
    EXPECT_EQ(stippleRepeat, 3);
}

TEST(DrawHsv, SixSectorsAndGrey) {
    const auto rgb = [](float h, float s, float v) {
        const FnColour c = FnTDraw::HsvToRgb(h, s, v);
        return std::vector<float>{c.r, c.g, c.b};
    };
    EXPECT_EQ(rgb(0, 1, 1), (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(rgb(1, 1, 1), (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(rgb(0.5f, 1, 1), (std::vector<float>{0, 1, 1}));
    EXPECT_EQ(rgb(0.25f, 0.5f, 1), (std::vector<float>{0.75f, 1, 0.5f}));
    EXPECT_EQ(rgb(0.9f, 0, 0.3f), (std::vector<float>{0.3f, 0.3f, 0.3f}));
    const FnColour magenta = FnTDraw::HsvToRgb(5.0f / 6.0f, 1, 1);
    EXPECT_FLOAT_EQ(magenta.r, 1);
    EXPECT_NEAR(magenta.g, 0, 1e-6);
    EXPECT_NEAR(magenta.b, 1, 1e-6);
}
