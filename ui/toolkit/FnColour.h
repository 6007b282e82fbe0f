#pragma once
// An OpenGL colour of the widget toolkit, components 0..1.

struct FnColour {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;

    friend bool operator==(FnColour a, FnColour b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
};
