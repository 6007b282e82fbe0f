// The pixel path: one render call's images through the engine's frame
// render (fnRenderFrame), with the results colbalance gives for the same
// pixels and settings.
//
//  - Byte and float RGBA images that are not premultiplied are wrapped as
//    they are: the engine's 8-bit and float paths read the source and write
//    the output in place.
//  - Everything else goes a few rows at a time, in one band per processor:
//    the rows converted into the engine's storage, rendered, and converted
//    back into the output while they are in the caches.  Short images are
//    converted as colbalance converts 16-bit files (to the engine's 2.14
//    storage and back, host/common's PixelConvert), RGB images are given
//    full alpha, and premultiplied sources are unpremultiplied.
//  - Premultiplied: colour divided by alpha before the effect and
//    multiplied by the output's alpha after it.  Where alpha is 0 (for float
//    also below 0 or NaN) the colour is taken as black, so an untouched
//    transparent pixel stays transparent black.  Integer values round to the
//    nearest level, unpremultiplied colour clamps to white.
//  - A mask (alpha) blends the result with the source: white keeps the
//    effect, black keeps the source; where it has no pixels the source
//    shows.
//  - Only the render window is written.  The host's abort flag stops the
//    engine's bands; an aborted render leaves the rows it had not finished
//    as they were.
#pragma once

#include <string>

#include "engine/FnBalanceParams.h"
#include "engine/FnRegion.h"
#include "ofxCore.h"
#include "openfx/ColBalanceOfxImage.h"

struct ColBalanceOfxRenderArgs {
    FnBalanceParams params;
    OfxRectI window{0, 0, 0, 0};
    ColBalanceOfxImage* output = nullptr;
    const ColBalanceOfxImage* source = nullptr;
    const ColBalanceOfxImage* mask = nullptr;  // null: no mask
    FnInterruptState* interrupt = nullptr;
};

class ColBalanceOfxRender {
public:
    // Renders; kOfxStatOK, or a failure with `why` set.  The images are
    // expected checked: one depth, output and source of the same
    // components, RGBA or RGB, the mask Alpha, the window inside the
    // output's bounds.
    static OfxStatus run(const ColBalanceOfxRenderArgs& args, std::string& why);
};
