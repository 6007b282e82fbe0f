// FnTexIndexer: the geometry part of every image buffer.
//
// Two axis records (horizontal, vertical) give the stored size, the placement
// offsets, the active region and the edge mode.  Stored indices count from
// the first stored pixel (0 .. size-1); positions are the caller's
// coordinates, and a position p reads stored index p - integer offset.  The
// edge mode says what a position outside the region reads, and the span
// lookup answers that once per run of pixels so that row loops stay pointer
// walks.
#pragma once

#include <cstdint>

enum FnEdgeMode : int32_t {
    kFnEdgeFill = 0,    // no stored pixel: the buffer's fill value stands in
    kFnEdgeClamp = 1,   // the nearest edge pixel of the region
    kFnEdgeMirror = 2,  // reflected, edge pixel repeated
    kFnEdgeRepeat = 3,  // tiled
};

// One run of a row walk: read `run` pixels from stored index `index`,
// moving by `step` (+1, -1 or 0) per pixel.  index < 0 means no stored pixel
// (use the fill value).
struct FnSpan {
    int32_t index;
    int32_t step;
    int32_t run;
};

struct FnTexAxis {
    int32_t size = 0;
    float floatOffset = 0.0f;
    int32_t intOffset = 0;
    int32_t edgeMode = kFnEdgeFill;
    int32_t first = 0;
    int32_t last = 0;
    int32_t count = 0;
    int32_t origin = 0;  // map coordinate of the first stored pixel
    uint32_t flags = 0;

    void reinit(int32_t n);
    void setRange(int32_t a, int32_t b);
    // Stored index for position p, or -1 when the edge mode gives none.
    int32_t lookup(int32_t p) const;
    FnSpan span(int32_t p) const;
};

class FnTexIndexer {
public:
    FnTexIndexer() = default;
    virtual ~FnTexIndexer() = default;

    // Each pair is ordered and clamped to the stored pixels.
    virtual void setRegion(int32_t xFirst, int32_t xLast, int32_t yFirst, int32_t yLast);
    // The region back to every stored pixel.
    void resetRegion() { setRegion(0, axes_[0].size - 1, 0, axes_[1].size - 1); }
    virtual void setEdgeModes(int32_t h, int32_t v);
    virtual void setOffset(int32_t x, int32_t y);
    virtual void setOffset(float x, float y);

    // Horizontal run starting at position x.
    FnSpan span(int32_t x) const { return axes_[0].span(x); }
    // Stored row for position y, or -1 when the whole row is fill.
    int32_t row(int32_t y) const { return axes_[1].lookup(y); }

    void setDataOrigin(int32_t x, int32_t y) {
        axes_[0].origin = x;
        axes_[1].origin = y;
    }

    const FnTexAxis& axis(int i) const { return axes_[i]; }
    int32_t width() const { return axes_[0].size; }
    int32_t height() const { return axes_[1].size; }

protected:
    void reinitAxes(int32_t w, int32_t h) {
        axes_[0].reinit(w);
        axes_[1].reinit(h);
    }

    FnTexAxis axes_[2];
};
