// The parameter values one frame reads, as plain numbers, with their
// defaults.  The effect fills one at the frame time; the colour balancer
// and the tone matte are set up from it (SetupBalancer, setupToneRender),
// and the channel switches drive the channel-mask step.  Values only the
// property pages use are not here.
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
    double masterLum = 0, lowLum = 0, midLum = 0, highLum = 0;
    int32_t renderTone = 0;
    int32_t maskRed = 1, maskGreen = 1, maskBlue = 1, maskAlpha = 1;
};
