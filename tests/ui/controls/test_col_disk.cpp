// The colour circle: its image against the formulas computed here pixel by
// pixel, its layout and drawing in a real window, and the marker driven by
// the pointer in both modes.

#include "tests/ui/toolkit/TestWidgets.h"
#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "ui/controls/FnTColDisk.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"

#include <GL/gl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Rgba {
    int r, g, b, a;
};

// HSV to RGB written out again in double precision, sector by sector.
void Hsv(double h, double s, double v, double out[3]) {
    if (s == 0.0) {
        out[0] = out[1] = out[2] = v;
        return;
    }
    double h6 = h * 6.0;
    if (h6 >= 6.0) h6 = 0.0;
    const int i = static_cast<int>(std::floor(h6));
    const double f = h6 - i, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    const double table[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    std::copy(table[i], table[i] + 3, out);
}

int Byte(double v) { return static_cast<int>(std::clamp(v * 255.0, 0.0, 255.0)); }

// What the circle's pixel (i, j), counted from the bottom left, should be.
Rgba Expected(double r, double value, int i, int j) {
    const double dx = i + 0.5 - r, dy = j + 0.5 - r, d = std::hypot(dx, dy);
    if (d > r) return {0, 0, 0, 0};
    const double alpha = d > r - 1.414 ? 1.0 - (d - (r - 1.414)) / 1.414 : 1.0;
    double hue = std::atan2(dy, dx) / (2.0 * M_PI);
    if (hue < 0) hue += 1.0;
    double rgb[3];
    Hsv(hue, d / r, value, rgb);
    return {Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2]), Byte(alpha)};
}

// Largest difference of any component between the built image and the
// formulas; near the rim, at sector edges and at byte boundaries float and
// double may part by one.
int ImageError(const FnTColDisk& disk, double r, double value) {
    const std::uint8_t* image = disk.Image();
    const int n = disk.ImageSide();
    int worst = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const std::uint8_t* p = image + (j * n + i) * 4;
            const Rgba e = Expected(r, value, i, j);
            worst = std::max({worst, std::abs(p[0] - e.r), std::abs(p[1] - e.g),
                              std::abs(p[2] - e.b), std::abs(p[3] - e.a)});
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

// Bounding box of the pixels inside a rectangle that differ from a grey.
struct Box {
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
};

Box NotGrey(const FnFrame& f, int x0, int y0, int x1, int y1, int grey) {
    Box box;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (!PixelIs(f, x, y, grey, grey, grey)) {
                box.minX = std::min(box.minX, x);
                box.maxX = std::max(box.maxX, x);
                box.minY = std::min(box.minY, y);
                box.maxY = std::max(box.maxY, y);
            }
    return box;
}

int Count(const FnFrame& f, int x0, int y0, int x1, int y1, int r, int g, int b) {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) count += PixelIs(f, x, y, r, g, b) ? 1 : 0;
    return count;
}

}  // namespace

using ColDiskTest = ToolkitTest;

TEST(ColDisk, ImageIsTheHsvCircleOfTheFormulas) {
    FnTColDisk disk("circle");
    EXPECT_EQ(disk.Image(), nullptr);  // built on first use
    ASSERT_EQ(disk.BuildImage(), 1);
    EXPECT_EQ(disk.ImageSide(), 38);
    EXPECT_FLOAT_EQ(disk.Radius(), 19.0f);
    EXPECT_LE(ImageError(disk, 19.0, 1.0), 1);

    // An odd side gives a half-pixel radius; a lower value darkens it all.
    disk.SetSize(71, 90);
    EXPECT_EQ(disk.Image(), nullptr);
    disk.SetValue(0.7f);
    ASSERT_EQ(disk.BuildImage(), 1);
    EXPECT_EQ(disk.ImageSide(), 59);
    EXPECT_LE(ImageError(disk, 29.5, 0.7), 1);

    // Spot checks that do not depend on the formulas above: red to the
    // right (hue 0), the centre nearly white, corners transparent, the rim
    // soft.
    const int n = disk.ImageSide();
    const std::uint8_t* right = disk.Image() + (29 * n + 57) * 4;
    EXPECT_GT(right[0], 170);
    EXPECT_LT(right[1], 20);
    const std::uint8_t* centre = disk.Image() + (29 * n + 29) * 4;
    EXPECT_GE(std::min({centre[0], centre[1], centre[2]}), 170);
    EXPECT_EQ(disk.Image()[3], 0);
    const std::uint8_t* edge = disk.Image() + (29 * n + 0) * 4;
    EXPECT_GT(edge[3], 0);
    EXPECT_LT(edge[3], 255);
}

TEST(ColDisk, LayoutMarkerAndPointConversions) {
    FnTColDisk disk("circle");
    EXPECT_EQ(disk.MinimumSize(), (FnPoint{50, 50}));
    EXPECT_EQ(disk.Colour(), (FnColour{0, 0, 0}));
    EXPECT_EQ(disk.ImageOrigin(), (FnPoint{6, 6}));
    disk.SetSize(80, 50);  // centred on the longer side
    EXPECT_EQ(disk.ImageOrigin(), (FnPoint{21, 6}));
    EXPECT_EQ(disk.Marker(), (FnPoint{40, 25}));

    const auto near = [](FnPoint a, FnPoint b) {
        return std::fabs(a.x - b.x) < 1e-4f && std::fabs(a.y - b.y) < 1e-4f;
    };
    // Straight below is hue 0.75, straight above 0.25; outside the circle
    // the saturation is 1, at the centre 0.
    FnHueSaturation hs = disk.PointToHueSaturation({40, 15});
    EXPECT_FLOAT_EQ(hs.hue, 0.75f);
    EXPECT_FLOAT_EQ(hs.saturation, 10.0f / 19.0f);
    hs = disk.PointToHueSaturation({40, 200});
    EXPECT_FLOAT_EQ(hs.hue, 0.25f);
    EXPECT_EQ(hs.saturation, 1.0f);
    hs = disk.PointToHueSaturation({40, 25});
    EXPECT_EQ(hs.hue, 0.0f);
    EXPECT_EQ(hs.saturation, 0.0f);
    EXPECT_TRUE(near(disk.MarkerPoint(0.75f, 10.0f / 19.0f), {40, 15}));

    // Saturations beyond the rim draw on the rim, negative ones opposite;
    // whole turns of hue look alike.
    EXPECT_TRUE(near(disk.MarkerPoint(0.5f, 2.0f), {21, 25}));
    EXPECT_TRUE(near(disk.MarkerPoint(0.5f, -3.0f), {59, 25}));
    EXPECT_TRUE(near(disk.MarkerPoint(-1.75f, 1.0f), {40, 44}));

    // Bad numbers still give points and values inside the circle.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(disk.MarkerPoint(nan, nan), (FnPoint{40, 25}));
    EXPECT_EQ(disk.MarkerPoint(inf, 1.0f), (FnPoint{59, 25}));
    hs = disk.PointToHueSaturation({nan, nan});
    EXPECT_EQ(hs.hue, 0.0f);
    EXPECT_EQ(hs.saturation, 0.0f);

    // Circles smaller than a pixel, and sizes no screen shows, build no image.
    for (float side : {12.0f, 0.0f, -5.0f, nan, 1e30f, inf}) {
        disk.SetSize(side, side);
        EXPECT_EQ(disk.BuildImage(), 0) << side;
        EXPECT_EQ(disk.Image(), nullptr);
    }
    disk.SetSize(13, 13);
    EXPECT_EQ(disk.BuildImage(), 1);
    EXPECT_EQ(disk.ImageSide(), 1);
}

TEST_F(ColDiskTest, DrawsTheImageCentredAndHalfBrightWhenInsensitive) {
    auto t = MakeTrouser(0, 0, 69, 69);
    FnTColDisk disk("circle");
    disk.SetPosition(10, 10);
    t->AddWidget(&disk);
    GLfloat scales[3] = {};
    GLboolean blend = GL_TRUE;
    SketchWidget probe([&] {
        glGetFloatv(GL_RED_SCALE, &scales[0]);
        glGetFloatv(GL_GREEN_SCALE, &scales[1]);
        glGetFloatv(GL_BLUE_SCALE, &scales[2]);
        blend = glIsEnabled(GL_BLEND);
    });
    t->AddWidget(&probe);

    const FnFrame bright = Paint(t->Window());
    // Diameter 38 in a 50-pixel widget, six pixels of margin all round.
    const Box box = NotGrey(bright, 12, 12, 57, 57, 153);
    EXPECT_EQ(box.minX, 16);
    EXPECT_EQ(box.maxX, 53);
    EXPECT_EQ(box.minY, 16);
    EXPECT_EQ(box.maxY, 53);

    // Every image pixel on the screen, blended over the grey background;
    // the black marker at the centre is left out.
    const int n = disk.ImageSide();
    int checked = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const int x = 16 + i, y = 16 + j;
            if (std::abs(x - 35) <= 9 && std::abs(y - 35) <= 9) continue;
            const std::uint8_t* src = disk.Image() + (j * n + i) * 4;
            const std::uint8_t* dst = bright.AtGL(x, y);
            const double a = src[3] / 255.0;
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(dst[c], src[c] * a + 153 * (1 - a), 1.01) << x << "," << y;
            ++checked;
        }
    EXPECT_GT(checked, 700);
    EXPECT_EQ(scales[0], 1.0f);
    EXPECT_EQ(blend, GL_FALSE);

    disk.SetVisibility(FnTObject::kShown);
    const FnFrame dim = Paint(t->Window());
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const int x = 16 + i, y = 16 + j;
            if (disk.Image()[(j * n + i) * 4 + 3] != 255) continue;
            if (std::abs(x - 35) <= 9 && std::abs(y - 35) <= 9) continue;
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(dim.AtGL(x, y)[c], bright.AtGL(x, y)[c] / 2.0, 1.0) << x << "," << y;
        }
    // The scales and the blend are back for whatever draws next.
    EXPECT_EQ(scales[0], 1.0f);
    EXPECT_EQ(scales[1], 1.0f);
    EXPECT_EQ(scales[2], 1.0f);
    EXPECT_EQ(blend, GL_FALSE);
}

TEST_F(ColDiskTest, PressDragAndReleaseMoveTheMarkerAndReport) {
    auto t = MakeTrouser(0, 0, 69, 69);
    FnTColDisk disk("circle");
    disk.SetPosition(10, 10);
    t->AddWidget(&disk);
    Recorder page;
    page.ListenTo(&disk);

    PointerTo(*t, 35, 35);  // the centre
    LeftButton(true);
    EXPECT_EQ(page.kinds, (std::vector<int>{kFnDragStarted, kFnValueChanged}));
    EXPECT_EQ(disk.Hue(), 0.0f);
    EXPECT_EQ(disk.Saturation(), 0.0f);

    PointerTo(*t, 35, 20);  // straight below
    EXPECT_FLOAT_EQ(disk.Hue(), 0.75f);
    EXPECT_FLOAT_EQ(disk.Saturation(), 15.0f / 19.0f);
    // Pressed: the marker is white and two pixels wide.
    FnFrame f = Paint(t->Window());
    const int pressedWhite = Count(f, 27, 12, 43, 28, 255, 255, 255);

    PointerTo(*t, 100, 35);  // far outside, right: the rim at hue 0
    EXPECT_EQ(disk.Hue(), 0.0f);
    EXPECT_EQ(disk.Saturation(), 1.0f);
    EXPECT_EQ(disk.Marker(), (FnPoint{44, 25}));
    PointerTo(*t, 35, 20);
    LeftButton(false);
    EXPECT_EQ(page.kinds, (std::vector<int>{200, 201, 201, 201, 201, 202}));

    // Released: the same cross in the widget colour, one pixel wide.
    f = Paint(t->Window());
    const int releasedBlack = Count(f, 27, 12, 43, 28, 0, 0, 0);
    EXPECT_EQ(Count(f, 27, 12, 43, 28, 255, 255, 255), 0);
    EXPECT_GE(releasedBlack, 24);
    EXPECT_LE(releasedBlack, 32);
    EXPECT_GE(pressedWhite, releasedBlack * 17 / 10);
    EXPECT_FALSE(PixelIs(f, 35, 20, 0, 0, 0));  // the centre stays open
    SavePng(t->Window(), "col_disk_marker");
}

TEST_F(ColDiskTest, MarkerOnlyModeTakesPressesOnTheMarkerAlone) {
    auto t = MakeTrouser(0, 0, 69, 69);
    FnTColDisk disk("circle");
    disk.SetPosition(10, 10);
    disk.SetDiskFlags(disk.DiskFlags() | FnTColDisk::kMarkerOnly);
    disk.SetHue(0.25f);
    disk.SetSaturation(0.5f);
    disk.SetMarker(disk.MarkerPoint(0.25f, 0.5f));  // (25, 34.5), screen (35, 44.5)
    t->AddWidget(&disk);
    Recorder page;
    page.ListenTo(&disk);

    PointerTo(*t, 20, 20);
    EXPECT_FALSE(disk.MarkerGrabbed());
    LeftButton(true);
    PointerTo(*t, 22, 22);
    LeftButton(false);
    EXPECT_TRUE(page.kinds.empty());
    EXPECT_EQ(disk.Hue(), 0.25f);

    // Within the manager's tolerance of 3 pixels the marker is grabbed.
    PointerTo(*t, 37, 46);
    EXPECT_TRUE(disk.MarkerGrabbed());
    PointerTo(*t, 38, 44);
    EXPECT_FALSE(disk.MarkerGrabbed());
    PointerTo(*t, 35, 43);
    EXPECT_TRUE(disk.MarkerGrabbed());
    LeftButton(true);
    EXPECT_EQ(page.kinds, (std::vector<int>{kFnDragStarted}));  // the press moves nothing
    EXPECT_EQ(disk.Hue(), 0.25f);
    const FnFrame f = Paint(t->Window());
    EXPECT_GE(Count(f, 26, 35, 44, 54, 255, 255, 255), 40);

    PointerTo(*t, 20, 35);  // dragged to the left: hue 0.5
    EXPECT_FLOAT_EQ(disk.Hue(), 0.5f);
    LeftButton(false);
    EXPECT_EQ(page.kinds, (std::vector<int>{200, 201, 202}));
}

TEST_F(ColDiskTest, Snapshot) {
    auto t = MakeTrouser(0, 0, 259, 129);
    FnTColDisk large("large"), dim("dim");
    large.SetPosition(5, 5);
    large.SetSize(120, 120);
    large.SetHue(0.6f);
    large.SetSaturation(0.7f);
    large.SetMarker(large.MarkerPoint(0.6f, 0.7f));
    dim.SetPosition(135, 5);
    dim.SetSize(120, 120);
    dim.SetVisibility(FnTObject::kShown);
    dim.SetMarker(dim.MarkerPoint(0.1f, 2.0f));
    t->AddWidget(&large);
    t->AddWidget(&dim);
    const FnFrame f = Paint(t->Window());
    EXPECT_FALSE(f.Empty());
    SavePng(t->Window(), "col_disk");
}
