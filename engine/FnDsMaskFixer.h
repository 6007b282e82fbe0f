// FnDsMaskFixer: puts back, from the source, the colour channels that the
// host's channel switches exclude from the effect.  A component-selective
// copy (bit 0 red, 1 green, 2 blue, 3 alpha) over the frame's region.
#pragma once

#include "engine/FnCopySampler.h"
#include "engine/FnFrameContext.h"

template <class Storage, class Working>
class FnDsMaskFixer : public FnRGBCopySampler<Storage, Working> {};

// Copies the selected components of `source` into `output` over the frame's
// region; does nothing for an empty mask.  Only the full copy (mask 15)
// honours the field mode.
template <class Storage, class Working>
void runMaskFixer(const FnFrameContext& ctx, FnTexture<Storage, Working>& output,
                  FnTexture<Storage, Working>& source, uint32_t componentMask) {
    if ((componentMask & 15u) == 0) return;
    FnDsMaskFixer<Storage, Working> fixer;
    fixer.setComponentMask(componentMask);
    fixer.setRegion(ctx.region);
    fixer.setFieldMode(ctx.fieldMode);
    fixer.setInterrupt(ctx.interrupt);
    source.resetRegion();
    fixer.process(source, &output);
}
