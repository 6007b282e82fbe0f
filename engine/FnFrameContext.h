// What a frame's processors take from the effect that runs them: the
// processed region (output pixel coordinates), the field mode and the
// interruption record.  The effect fills one per render.
#pragma once

#include <cstdint>

#include "engine/FnRegion.h"

struct FnFrameContext {
    FnRect region;
    int32_t fieldMode = 0;
    FnInterruptState* interrupt = nullptr;

    bool interrupted() const { return interrupt && interrupt->stopped.load() != 0; }
};
