#include "host/cli/ToneReport.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "host/cli/HistogramCsv.h"
#include "host/common/HeadlessDisplay.h"
#include "ui/controls/FnTColDisk.h"
#include "ui/controls/FnTHistogram.h"
#include "ui/controls/FnTToneCurves.h"
#include "ui/toolkit/FnTextFont.h"
#include "ui/toolkit/FnwTrouser.h"

namespace {

// The report's layout, in pixels (y up, as the widgets draw).
constexpr int kWidth = 780, kHeight = 330;
constexpr float kDiskX = 10, kDiskY = 10, kDiskSide = 280;
constexpr float kCurvesX = 320, kCurvesY = 50, kCurvesWidth = 440, kCurvesHeight = 240;

// The colour page's circle: a full saturation drag writes 25 percent.
constexpr double kSaturationPerRim = 25.0;

const char* const kRangeLabels[4] = {"All", "Lo", "Mid", "Hi"};

int instanceTag = 0;  // its address is the program's window-class instance

// A parameter's hue and saturation as the colour circle shows them.
float diskHue(double degrees) {
    if (!std::isfinite(degrees)) return 0.0f;
    const double turns = degrees / 360.0 - std::floor(degrees / 360.0);
    return turns >= 1.0 ? 0.0f : float(turns);
}
float diskSaturation(double percent) {
    if (!std::isfinite(percent) || percent < 0) return 0.0f;
    return float(std::min(percent / kSaturationPerRim, 1.0));
}
float fraction(double percent) {
    if (!std::isfinite(percent)) return 0.0f;
    return float(std::clamp(percent, 0.0, 100.0) / 100.0);
}

void text(const std::string& s, float x, float y) { DrawText(s.c_str(), int(s.size()), x, y); }

// Dark text with a light copy behind it, legible on the circle's colours.
void label(const char* s, float x, float y) {
    FnTDraw::SetColour(FnTDraw::kLight);
    DrawText(s, int(std::char_traits<char>::length(s)), x + 1, y - 1);
    FnTDraw::SetColour(FnTDraw::kDark);
    DrawText(s, int(std::char_traits<char>::length(s)), x, y);
}

// The ranges' markers on the circle, each a cross with its name, and the
// report's captions.  Draws only: it takes no pointer.
class ReportOverlay : public FnTObject {
public:
    ReportOverlay(const FnTColDisk& disk, const ToneReportSettings& s, std::string title)
        : FnTObject("report"), disk_(disk), settings_(s), title_(std::move(title)) {}

    FnTObject* HitTest(FnPoint, FnPoint) override { return nullptr; }
    int OnDrag(FnPoint) override { return 0; }

    void Draw() override {
        for (int r = 0; r < 4; ++r) {
            const FnPoint m = disk_.MarkerPoint(diskHue(settings_.hue[r]),
                                                diskSaturation(settings_.saturation[r]));
            const float x = disk_.X() + m.x, y = disk_.Y() + m.y;
            if (r > 0) {  // the circle draws the master's own marker
                FnTDraw::SetColour(FnTDraw::kDark);
                glBegin(GL_LINES);
                glVertex2f(x - 6, y);
                glVertex2f(x - 1, y);
                glVertex2f(x + 6, y);
                glVertex2f(x + 1, y);
                glVertex2f(x, y - 6);
                glVertex2f(x, y - 1);
                glVertex2f(x, y + 6);
                glVertex2f(x, y + 1);
                glEnd();
            }
            label(kRangeLabels[r], x + 7, y + 4);
        }
        FnTDraw::SetColour(FnTDraw::kDark);
        text(title_, kCurvesX, kHeight - 20);
        char line[160];
        std::snprintf(line, sizeof line, "Lowlights %g   Highlights %g   Ease %g / %g",
                      settings_.lowlights, settings_.highlights, settings_.lowlightsEase,
                      settings_.highlightsEase);
        text(line, kCurvesX, kHeight - 36);
        text("lowlights: dark   midtones: dashed   highlights: light", kCurvesX, 28);
        text("grey histogram of the input, logarithmic", kCurvesX, 12);
    }

private:
    const FnTColDisk& disk_;
    const ToneReportSettings& settings_;
    std::string title_;
};

// The input's grey channel in 256 bins: 16-bit files fold 256 of their
// values into each bin.
bool greyCounts(const std::string& path, const WorkingSpace& working, std::vector<uint32_t>& grey,
                std::string& error) {
    FnDynamicHistogram h;
    if (!countFile(path, std::nullopt, "", working, h, error)) return false;
    grey.assign(256, 0);
    const uint32_t fold = h.binCount() / 256;
    for (uint32_t b = 0; b < h.binCount(); ++b) grey[b / fold] += h.bins(4)[b];
    return true;
}

}  // namespace

bool writeToneReport(const std::string& inPath, const WorkingSpace& working,
                     const ToneReportSettings& settings, const std::string& outPath,
                     std::string& error) {
    std::vector<uint32_t> grey;
    if (!greyCounts(inPath, working, grey, error)) return false;
    const uint32_t largest = *std::max_element(grey.begin(), grey.end());
    const uint32_t smallest = *std::min_element(grey.begin(), grey.end());

    HeadlessDisplay display;
    if (!display.open(error)) return false;
    FnwWindow::SetModuleInstance(&instanceTag);
    const HWND host = CreateWindowExA(0, "STATIC", "tone report", WS_VISIBLE, 0, 0, kWidth, kHeight,
                                      nullptr, nullptr, &instanceTag, nullptr);
    FnFrame frame;
    {
        FnwTrouser window;
        const int rect[4] = {0, 0, kWidth - 1, kHeight - 1};
        if (!host || !window.Create(host, "_toneReport", rect)) {
            if (host) DestroyWindow(host);
            error = "cannot make a window to draw the tone report in";
            return false;
        }
        FnTColDisk disk("colour");
        disk.SetSize(kDiskSide, kDiskSide);
        disk.SetPosition(kDiskX, kDiskY);
        disk.SetColour(FnTDraw::kDark);
        disk.SetHue(diskHue(settings.hue[0]));
        disk.SetSaturation(diskSaturation(settings.saturation[0]));
        disk.SetMarker(disk.MarkerPoint(disk.Hue(), disk.Saturation()));

        FnTHistogram histogram("histogram");
        histogram.SetSize(kCurvesWidth, kCurvesHeight);
        histogram.SetPosition(kCurvesX, kCurvesY);
        histogram.SetCounts(grey.data());
        histogram.SetBinCount(256);
        histogram.SetLargest(int32_t(std::min<uint32_t>(largest, INT32_MAX)));
        histogram.SetSmallest(int32_t(std::min<uint32_t>(smallest, INT32_MAX)));
        // Light bars: both the dark and the light curve stay legible over them.
        histogram.SetColour({0.88f, 0.88f, 0.88f});

        FnTToneCurves curves("curves");
        curves.SetSize(kCurvesWidth, kCurvesHeight);
        curves.SetPosition(kCurvesX, kCurvesY);
        curves.SetLowlights(fraction(settings.lowlights));
        curves.SetHighlights(fraction(settings.highlights));
        curves.SetLowlightsEase(fraction(settings.lowlightsEase));
        curves.SetHighlightsEase(fraction(settings.highlightsEase));
        curves.UpdateHandles();

        const std::string title =
            "Tone report: " + std::filesystem::path(inPath).filename().string();
        ReportOverlay overlay(disk, settings, title);
        overlay.SetSize(kWidth, kHeight);

        window.AddWidget(&disk);
        window.AddWidget(&histogram);
        window.AddWidget(&curves);
        window.AddWidget(&overlay);
        InvalidateRect(window.Window(), nullptr, FALSE);
        UpdateWindow(window.Window());
        frame = display.system().Frame(window.Window());
        DestroyWindow(window.Window());
    }
    DestroyWindow(host);
    return HeadlessDisplay::writePng(frame, outPath, error);
}
