// FnToneCurve: the tone settings the three weight curves are evaluated
// from (FnToneTransfer's Lowlights, reciprocal span and ease exponents), as
// a plain record that the pixel kernels carry to the row loops.  Plain
// data only: the per-instruction-set translation units include it.
#pragma once

struct FnToneCurve {
    float lowlights = 0.0f;   // lo, 0..1
    float reciprocal = 1.0f;  // s = 1 / (hi - lo), 0 when the span vanishes
    float lowEase = 4.0f;     // eL
    float highEase = 4.0f;    // eH
};
