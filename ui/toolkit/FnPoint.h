#pragma once
// A point, size or tolerance in widget coordinates: pixels, y upwards.

struct FnPoint {
    float x = 0.0f;
    float y = 0.0f;

    friend FnPoint operator+(FnPoint a, FnPoint b) { return {a.x + b.x, a.y + b.y}; }
    friend FnPoint operator-(FnPoint a, FnPoint b) { return {a.x - b.x, a.y - b.y}; }
    friend bool operator==(FnPoint a, FnPoint b) { return a.x == b.x && a.y == b.y; }
};
