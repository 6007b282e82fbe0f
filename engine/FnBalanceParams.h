// The effect's 24 parameter values at one frame time, as plain numbers.
// The effect fills one from its parameters; the colour balancer and the
// tone matte are set up from it (SetupBalancer, setupToneRender).
#pragma once

#include <cstdint>

struct FnBalanceParams {
    double masterHue = 0, masterSaturation = 0;
    double lowHue = 0, lowSaturation = 0;
    double midHue = 0, midSaturation = 0;
    double highHue = 0, highSaturation = 0;
    int32_t preserveLuminance = 1;
    double lowlights = 0, highlights = 100;
    double lowlightsEase = 30, highlightsEase = 30;
    int32_t which = 0;
    double masterLum = 0, lowLum = 0, midLum = 0, highLum = 0;
    int32_t renderTone = 0;
    int32_t hideOverlay = 0;
    int32_t maskRed = 1, maskGreen = 1, maskBlue = 1, maskAlpha = 1;
};
