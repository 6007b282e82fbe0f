// The colour circle: its image against the formulas computed here pixel by
// pixel, its place and brightness on the screen, and the marker under the
// pointer in both modes.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "ui/controls/FnTColDisk.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The circle's pixel (i, j), from the bottom left, in double precision with
// HSV to RGB written out sector by sector.
std::vector<int> Expected(double r, double v, int i, int j) {
    const double dx = i + 0.5 - r, dy = j + 0.5 - r, d = std::hypot(dx, dy);
    if (d > r) return {0, 0, 0, 0};
    const double alpha = d > r - 1.414 ? 1.0 - (d - (r - 1.414)) / 1.414 : 1.0;
    const double s = d / r;
    double h6 = std::atan2(dy, dx) / (2.0 * M_PI) * 6.0;
    if (h6 < 0) h6 += 6.0;
    if (h6 >= 6.0) h6 = 0.0;
    const int k = static_cast<int>(h6);
    const double f = h6 - k, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const auto byte = [](double c) { return static_cast<int>(std::clamp(c * 255.0, 0.0, 255.0)); };
    return {byte(rgb[k][0]), byte(rgb[k][1]), byte(rgb[k][2]), byte(alpha)};
}

// Largest component difference between the built image and the formulas;
// float and double may part by one at byte boundaries.
int ImageError(const FnTColDisk& disk, double r, double value) {
    const int n = disk.ImageSide();
    int worst = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const std::vector<int> e = Expected(r, value, i, j);
            for (int c = 0; c < 4; ++c)
                worst = std::max(worst, std::abs(disk.Image()[(j * n + i) * 4 + c] - e[c]));
        }
    return worst;
}

struct Recorder : FnMessageHandler {
    std::vector<int> kinds;
    int HandleMessage(const FnMessage& m, FnMessageSender*) override {
        kinds.push_back(m.Kind());
        return 1;
    }
};

int Count(const FnFrame& f, int x0, int y0, int x1, int y1, int r, int g, int b) {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) count += PixelIs(f, x, y, r, g, b) ? 1 : 0;
    return count;
}

bool Near(FnPoint a, FnPoint b) { return std::hypot(a.x - b.x, a.y - b.y) < 1e-4f; }

}  // namespace

TEST(ColDisk, ImageAndMarkerFollowTheLayout) {
    FnTColDisk disk("circle");
    EXPECT_EQ(disk.Image(), nullptr);  // built on first use
    ASSERT_EQ(disk.BuildImage(), 1);
    EXPECT_EQ(disk.ImageSide(), 38);  // 50 less a margin of 6 each side
    EXPECT_LE(ImageError(disk, 19.0, 1.0), 1);
    // An odd side has a half-pixel radius; a lower value darkens the circle.
    disk.SetSize(71, 90);
    disk.SetValue(0.7f);
    ASSERT_EQ(disk.BuildImage(), 1);
    EXPECT_EQ(disk.ImageSide(), 59);
    EXPECT_LE(ImageError(disk, 29.5, 0.7), 1);
    // Independent of the formulas above: red to the right, soft rim.
    const std::uint8_t* right = disk.Image() + (29 * 59 + 57) * 4;
    EXPECT_TRUE(right[0] > 170 && right[1] < 20);
    EXPECT_TRUE(disk.Image()[29 * 59 * 4 + 3] > 0 && disk.Image()[29 * 59 * 4 + 3] < 255);

    disk.SetSize(80, 50);  // centre (40, 25), radius 19
    EXPECT_EQ(disk.Marker(), (FnPoint{40, 25}));
    const FnHueSaturation above = disk.PointToHueSaturation({40, 200});
    EXPECT_FLOAT_EQ(above.hue, 0.25f);
    EXPECT_EQ(above.saturation, 1.0f);
    // Beyond the rim the marker stays on it; whole turns look alike.
    EXPECT_TRUE(Near(disk.MarkerPoint(0.5f, 2.0f), {21, 25}));
    EXPECT_TRUE(Near(disk.MarkerPoint(-1.75f, 1.0f), {40, 44}));
    // Bad numbers: the centre, and no image for circles no screen shows.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(disk.MarkerPoint(nan, nan), (FnPoint{40, 25}));
    const FnHueSaturation none = disk.PointToHueSaturation({nan, nan});
    EXPECT_EQ(none.hue + none.saturation, 0.0f);
    for (float side : {12.0f, -5.0f, nan, 1e30f}) {
        disk.SetSize(side, side);
        EXPECT_EQ(disk.BuildImage(), 0) << side;
    }
}

using ColDiskTest = ToolkitTest;

TEST_F(ColDiskTest, DrawsTheImageCentredAndHalfBrightWhenInsensitive) {
    auto t = MakeTrouser(0, 0, 69, 69);
    FnTColDisk disk("circle");
    disk.SetPosition(10, 10);
    t->AddWidget(&disk);
    GLfloat scale = 0;
    GLboolean blend = GL_TRUE;
    SketchWidget probe([&] {
        glGetFloatv(GL_GREEN_SCALE, &scale);
        blend = glIsEnabled(GL_BLEND);
    });
    t->AddWidget(&probe);

    // Every image pixel on the screen at (16, 16) + (i, j), blended over the
    // grey; the marker at the centre is left out.
    const FnFrame bright = Paint(t->Window());
    const int n = disk.ImageSide();
    const auto marker = [](int x, int y) { return std::abs(x - 35) <= 9 && std::abs(y - 35) <= 9; };
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            if (marker(16 + i, 16 + j)) continue;
            const std::uint8_t* src = disk.Image() + (j * n + i) * 4;
            const double a = src[3] / 255.0;
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(bright.AtGL(16 + i, 16 + j)[c], src[c] * a + 153 * (1 - a), 1.01)
                    << i << "," << j;
        }
    EXPECT_EQ(Count(bright, 12, 12, 15, 57, 153, 153, 153), 4 * 46);  // margin left
    EXPECT_EQ(Count(bright, 54, 12, 57, 57, 153, 153, 153), 4 * 46);  // and right

    disk.SetVisibility(FnTObject::kShown);
    const FnFrame dim = Paint(t->Window());
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            if (disk.Image()[(j * n + i) * 4 + 3] != 255 || marker(16 + i, 16 + j)) continue;
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(dim.AtGL(16 + i, 16 + j)[c], bright.AtGL(16 + i, 16 + j)[c] / 2.0, 1.0);
        }
    // Scales and blending are back for whatever draws next.
    EXPECT_EQ(scale, 1.0f);
    EXPECT_EQ(blend, GL_FALSE);

    SavePng(t->Window(), "col_disk_dim");
}

TEST_F(ColDiskTest, PressAndDragMoveTheMarkerAndReport) {
    auto t = MakeTrouser(0, 0, 69, 69);
    FnTColDisk disk("circle");
    disk.SetPosition(10, 10);
    t->AddWidget(&disk);
    Recorder page;
    page.ListenTo(&disk);

    PointerTo(*t, 35, 35);  // the centre
    LeftButton(true);
    EXPECT_EQ(page.kinds, (std::vector<int>{kFnDragStarted, kFnValueChanged}));
    PointerTo(*t, 100, 35);  // far right: the rim at hue 0
    EXPECT_EQ(disk.Hue(), 0.0f);
    EXPECT_EQ(disk.Saturation(), 1.0f);
    EXPECT_EQ(disk.Marker(), (FnPoint{44, 25}));
    PointerTo(*t, 35, 20);  // straight below
    EXPECT_FLOAT_EQ(disk.Hue(), 0.75f);
    EXPECT_FLOAT_EQ(disk.Saturation(), 15.0f / 19.0f);
    // While pressed the cross is white and two pixels wide; released, it
    // is the widget colour (black), one pixel wide, its centre open.
    FnFrame f = Paint(t->Window());
    const int pressedWhite = Count(f, 27, 12, 43, 28, 255, 255, 255);
    LeftButton(false);
    EXPECT_EQ(page.kinds, (std::vector<int>{200, 201, 201, 201, 202}));
    f = Paint(t->Window());
    const int black = Count(f, 27, 12, 43, 28, 0, 0, 0);
    EXPECT_GE(black, 24);
    EXPECT_LE(black, 32);
    EXPECT_GE(pressedWhite, black * 17 / 10);
    EXPECT_FALSE(PixelIs(f, 35, 20, 0, 0, 0));
    SavePng(t->Window(), "col_disk_marker");

    // Marker-only: a press off the marker does nothing; within the 3-pixel
    // tolerance it grabs, and only the drag moves it.
    disk.SetDiskFlags(disk.DiskFlags() | FnTColDisk::kMarkerOnly);
    page.kinds.clear();
    PointerTo(*t, 20, 50);
    LeftButton(true);
    PointerTo(*t, 22, 52);
    LeftButton(false);
    EXPECT_TRUE(page.kinds.empty());
    EXPECT_FLOAT_EQ(disk.Hue(), 0.75f);
    PointerTo(*t, 37, 22);
    EXPECT_TRUE(disk.MarkerGrabbed());
    PointerTo(*t, 38, 20);
    EXPECT_FALSE(disk.MarkerGrabbed());
    PointerTo(*t, 35, 22);
    LeftButton(true);
    EXPECT_EQ(page.kinds, (std::vector<int>{kFnDragStarted}));
    PointerTo(*t, 20, 35);  // to the left: hue 0.5
    EXPECT_FLOAT_EQ(disk.Hue(), 0.5f);
    LeftButton(false);
    EXPECT_EQ(page.kinds, (std::vector<int>{200, 201, 202}));
}
