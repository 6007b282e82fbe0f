// FnTHistogram: the bars and the frame.

#include "ui/controls/FnTHistogram.h"

#include <GL/gl.h>

#include <cmath>

FnTHistogram::FnTHistogram(const char* name) : FnTObject(name) {}

FnTHistogram::~FnTHistogram() = default;

FnTObject* FnTHistogram::HitTest(FnPoint, FnPoint) { return nullptr; }

int FnTHistogram::OnDrag(FnPoint) { return 0; }

float FnTHistogram::BarValue(std::uint32_t count) const {
    if (!Logarithmic()) return static_cast<float>(count);
    return count ? static_cast<float>(std::log(static_cast<double>(count))) : 0.0f;
}

void FnTHistogram::Draw() {
    glPushMatrix();
    glTranslatef(x_, y_, 0.0f);
    const float top = largest_ > 0 ? BarValue(static_cast<std::uint32_t>(largest_)) : 0.0f;
    const float w = width_ - 2.0f * kInset;
    const float h = height_ - 2.0f * kInset;
    // A largest count of 0 (or 1 when logarithmic) has no scale: no bars.
    if (counts_ && binCount_ > 0 && top > 0.0f && w > 0.0f && h > 0.0f && std::isfinite(w) &&
        std::isfinite(h)) {
        glPushMatrix();
        glTranslatef(kInset, kInset, 0.0f);
        glScalef(w / static_cast<float>(binCount_), h / top, 1.0f);
        FnTDraw::SetColour(colour_);
        for (std::int32_t i = 0; i < binCount_; ++i) {
            // A count above the largest the holder gave stops at the top
            // edge instead of leaving the widget.
            float value = BarValue(counts_[i]);
            if (value > top) value = top;
            if (value > 0.0f)
                FillRect(static_cast<float>(i), 0.0f, static_cast<float>(i + 1), value);
        }
        glPopMatrix();
    }
    if (histogramFlags_ & kFrame) RaisedFrame(0.0f, 0.0f, width_, height_);
    glPopMatrix();
}
