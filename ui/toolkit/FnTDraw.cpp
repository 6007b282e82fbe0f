#include "ui/toolkit/FnTDraw.h"

#include "ui/toolkit/FnTextFont.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstring>
#include <memory>

static_assert(FnTDraw::kFill == GLU_FILL && FnTDraw::kLine == GLU_LINE, "GLU draw styles");

namespace {

struct QuadricDeleter {
    void operator()(GLUquadric* q) const { gluDeleteQuadric(q); }
};

// One quadric for the module: it holds settings only, no GL objects, so
// every context can use it.
std::unique_ptr<GLUquadric, QuadricDeleter> gQuadric;

GLUquadric* Quadric() {
    if (!gQuadric) {
        gQuadric.reset(gluNewQuadric());
        if (gQuadric) gluQuadricNormals(gQuadric.get(), GLU_NONE);
    }
    return gQuadric.get();
}

void LineStrip(float x0, float y0, float x1, float y1, float x2, float y2) {
    glBegin(GL_LINE_STRIP);
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    glEnd();
}

void PartialDisk(FnPoint centre, float radius, float startDeg, float endDeg, unsigned style) {
    GLUquadric* q = Quadric();
    if (!q || !(radius > 0.0f)) return;
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0.0f);
    gluQuadricDrawStyle(q, style);
    // GLU measures clockwise from +y.
    gluPartialDisk(q, style == GLU_LINE ? radius : 0.0, radius, 360, 1, 90.0 - startDeg,
                   startDeg - endDeg);
    glPopMatrix();
}

template <class Shape>
void Dashed(FnColour first, FnColour second, Shape shape) {
    GLint pattern = 0xFFFF, repeat = 1;
    glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
    glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
    glLineStipple(1, FnTDraw::kStipple);
    FnTDraw::SetColour(first);
    shape();
    glLineStipple(1, FnTDraw::kStippleInverse);
    FnTDraw::SetColour(second);
    shape();
    glLineStipple(repeat, static_cast<GLushort>(pattern));
}

}  // namespace

void FnTDraw::ReleaseQuadric() { gQuadric.reset(); }

void FnTDraw::SetColour(FnColour c) { glColor3f(c.r, c.g, c.b); }

void FnTDraw::FillRect(float x0, float y0, float x1, float y1) { glRectf(x0, y0, x1, y1); }

void FnTDraw::OutlineRect(float x0, float y0, float x1, float y1) {
    glBegin(GL_LINE_LOOP);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void FnTDraw::SunkenFrame(float x0, float y0, float x1, float y1) {
    SetColour(kLight);
    LineStrip(x0, y0, x1, y0, x1, y1);
    SetColour(kDark);
    LineStrip(x1, y1, x0, y1, x0, y0);
}

void FnTDraw::RaisedFrame(float x0, float y0, float x1, float y1) {
    SetColour(kLight);
    LineStrip(x1, y1, x0, y1, x0, y0);
    SetColour(kDark);
    LineStrip(x0, y0, x1, y0, x1, y1);
}

void FnTDraw::DashedLine(FnPoint a, FnPoint b, FnColour first, FnColour second) {
    Dashed(first, second, [&] {
        glBegin(GL_LINES);
        glVertex2f(a.x, a.y);
        glVertex2f(b.x, b.y);
        glEnd();
    });
}

void FnTDraw::DashedArc(FnPoint centre, float radius, float startDeg, float endDeg, FnColour first,
                        FnColour second) {
    Dashed(first, second, [&] { PartialDisk(centre, radius, startDeg, endDeg, GLU_LINE); });
}

void FnTDraw::Circle(FnPoint centre, float radius) {
    GLUquadric* q = Quadric();
    if (!q || !(radius > 0.0f)) return;
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0.0f);
    gluQuadricDrawStyle(q, GLU_LINE);
    gluDisk(q, radius, radius, 180, 1);
    glPopMatrix();
}

void FnTDraw::Disk(FnPoint centre, float radius) {
    GLUquadric* q = Quadric();
    if (!q || !(radius > 0.0f)) return;
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0.0f);
    gluQuadricDrawStyle(q, GLU_FILL);
    gluDisk(q, 0.0, radius, 180, 1);
    glPopMatrix();
}

void FnTDraw::Arc(FnPoint centre, float radius, float startDeg, float endDeg, unsigned style) {
    PartialDisk(centre, radius, startDeg, endDeg, style == kLine ? GLU_LINE : GLU_FILL);
}

void FnTDraw::TwoColourCircle(FnPoint centre, float radius, FnColour fill, FnColour outline) {
    SetColour(fill);
    Disk(centre, radius);
    SetColour(outline);
    Circle(centre, radius);
}

void FnTDraw::ArrowHead(FnPoint d, FnPoint size, FnColour fill, FnColour outline) {
    glPushMatrix();
    glRotatef(static_cast<float>(std::atan2(d.y, d.x) * 180.0f / 3.1415927f), 0.0f, 0.0f, 1.0f);
    SetColour(fill);
    glBegin(GL_TRIANGLES);
    glVertex2f(-size.x, size.y);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(-size.x, -size.y);
    glEnd();
    SetColour(outline);
    glBegin(GL_LINE_LOOP);
    glVertex2f(-size.x, size.y);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(-size.x, -size.y);
    glEnd();
    glPopMatrix();
}

void FnTDraw::ArrowHeadAt(FnPoint tip, FnPoint direction, FnPoint size, FnColour fill,
                          FnColour outline) {
    glPushMatrix();
    glTranslatef(tip.x, tip.y, 0.0f);
    ArrowHead(direction, size, fill, outline);
    glPopMatrix();
}

void FnTDraw::ShadowText(const char* text, float x, float y) {
    if (!text) return;
    const int length = static_cast<int>(std::strlen(text));
    SetColour(kDark);
    DrawText(text, length, x, y);
    SetColour(kTipYellow);
    DrawText(text, length, x + 1.0f, y + 1.0f);
}

FnColour FnTDraw::HsvToRgb(float h, float s, float v) {
    if (s == 0.0f) return {v, v, v};
    float h6 = h * 6.0f;
    if (h6 >= 6.0f || !(h6 >= 0.0f)) h6 = 0.0f;  // 1.0 is 0; NaN and negatives land on red
    const int i = static_cast<int>(std::floor(h6));
    const float f = h6 - static_cast<float>(i);
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (i) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
    }
}
