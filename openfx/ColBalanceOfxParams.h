// The effect's parameters as an OpenFX plug-in shows them.
//
// Every row of the parameter table (effect/ColBalanceParams.h) that a frame
// reads becomes one parameter: named by its command-line alias with '_' for
// '-' ("master_hue", "mask_red_channel"), labelled and described from the
// string table, with the table's default and its page range as both range
// and display range.  Numbers are doubles (hues angles, in degrees), lists
// choices, check boxes and the channel switches booleans.  They are grouped
// as the property pages group them: the overall values and the three tonal
// ranges of the main page, then the tone-curves page; the channel switches,
// which no page shows, follow at the top level.  The rows only the pages use
// (Which, Hide Overlay Controls) stay out.
#pragma once

#include <array>
#include <string>

#include "effect/ColBalanceParams.h"
#include "engine/FnBalanceParams.h"
#include "ofxCore.h"
#include "ofxParam.h"

class ColBalanceOfxParams {
public:
    // Defines the groups and the parameters in a descriptor's parameter set.
    static OfxStatus define(OfxParamSetHandle set);

    // Whether the plug-in shows a row, and its OpenFX name.
    static bool shown(const ColBalanceParamSpec& p);
    static const std::string& nameOf(const ColBalanceParamSpec& p);

    // Looks up an instance's parameter handles (each one once).
    OfxStatus find(OfxParamSetHandle set);
    // Every value a frame reads, at time t.
    OfxStatus valuesAt(double t, FnBalanceParams& out) const;

private:
    std::array<OfxParamHandle, kColBalanceParams.size()> handles_{};
};
