#pragma once
// OpenGL drawing operations shared by widgets, in pixel units, with the
// toolkit's colours.  No data and no virtual operations: widgets and the
// manager inherit it to call these directly.  Every operation draws into
// the current context in the current colour and matrix unless it names its
// colours.

#include "ui/toolkit/FnColour.h"
#include "ui/toolkit/FnPoint.h"

class FnTDraw {
public:
    static constexpr FnColour kGrey{0.6f, 0.6f, 0.6f};
    static constexpr FnColour kLight{0.8f, 0.8f, 0.8f};
    static constexpr FnColour kDark{0.1f, 0.1f, 0.1f};
    static constexpr FnColour kWhite{1.0f, 1.0f, 1.0f};
    static constexpr FnColour kTipYellow{1.0f, 1.0f, 0.0f};
    static constexpr unsigned short kStipple = 0x0F0F;
    static constexpr unsigned short kStippleInverse = 0xF0F0;

    // GLU draw styles for Arc (values of GLU_FILL and GLU_LINE).
    static constexpr unsigned kFill = 100012;
    static constexpr unsigned kLine = 100011;

    static void SetColour(FnColour c);

    static void FillRect(float x0, float y0, float x1, float y1);
    static void OutlineRect(float x0, float y0, float x1, float y1);
    // Light top-right edges over dark bottom-left ones, and the reverse.
    static void SunkenFrame(float x0, float y0, float x1, float y1);
    static void RaisedFrame(float x0, float y0, float x1, float y1);

    // Lines and arcs dashed in two colours (4 pixels each); the stipple in
    // force before is restored.
    static void DashedLine(FnPoint a, FnPoint b, FnColour first, FnColour second);
    static void DashedArc(FnPoint centre, float radius, float startDeg, float endDeg,
                          FnColour first, FnColour second);

    static void Circle(FnPoint centre, float radius);
    static void Disk(FnPoint centre, float radius);
    // Counter-clockwise from +x, in degrees; style kFill or kLine.
    static void Arc(FnPoint centre, float radius, float startDeg, float endDeg, unsigned style);
    static void TwoColourCircle(FnPoint centre, float radius, FnColour fill, FnColour outline);

    // A triangle with its tip at the origin pointing along the direction,
    // a long and 2b wide; the positioned form puts the tip at a point.
    static void ArrowHead(FnPoint direction, FnPoint size, FnColour fill, FnColour outline);
    static void ArrowHeadAt(FnPoint tip, FnPoint direction, FnPoint size, FnColour fill,
                            FnColour outline);

    // Dark text with a yellow copy one pixel up and right; nothing for null.
    static void ShadowText(const char* text, float x, float y);

    // Frees the shared quadric (made again on the next disk or arc); the
    // module does this when it is unloaded.
    static void ReleaseQuadric();

    // HSV (all 0..1) to RGB.
    static FnColour HsvToRgb(float h, float s, float v);
};
