#include "engine/FnFrameRender.h"

#include <new>

#include "engine/FnColBalancer.h"
#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "engine/FnFrameSteps.h"
#include "engine/FnToneRender.h"

namespace {
// The colour step, set up and run alone or with the other steps.
template <class Colour, class Image, class MaskImage>
void renderSteps(const FnFrameContext& frame, Colour& colour, int32_t colourFieldMode,
                 Image& output, Image& source, MaskImage& mask, uint32_t bits, bool paint) {
    if (bits || paint) {
        output.resetRegion();
        output.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        if (fnRunStepsTogether(frame, colour, colourFieldMode, output, source, mask, bits, paint))
            return;
    }
    // One step after the other.
    colour.run(&source, &output);
    if (!frame.interrupted() && bits) {
        output.resetRegion();
        runMaskFixer(frame, output, source, bits);
    }
    if (!frame.interrupted() && paint) {
        output.resetRegion();
        output.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        runPaintCombiner(frame, output, source, mask);
    }
}
}  // namespace

template <class Traits>
FnFrameRenderer<Traits>::FnFrameRenderer(const FnBalanceParams& params,
                                         const FnFrameOptions& options)
    : params_(params), options_(options) {
    // The processors are large: on the heap, and a refused allocation is
    // an answer, not a crash.
    if (params.renderTone != 0) {
        tone_.reset(new (std::nothrow) FnToneRender<Traits>);
        if (tone_) setupToneRender(*tone_, params);
    } else {
        balancer_.reset(new (std::nothrow) FnColBalancer<Traits>);
        if (balancer_) SetupBalancer(*balancer_, params);
    }
}

template <class Traits>
FnFrameRenderer<Traits>::~FnFrameRenderer() = default;

template <class Traits>
FnFrameResult FnFrameRenderer<Traits>::render(const FnFrameContext& frame, Image& output,
                                              Image& source, MaskImage& mask) {
    FnFrameResult result;
    if (!output.pixels()) {
        result.status = FnFrameStatus::kNoOutput;
        return result;
    }
    if (!ok()) {
        result.status = FnFrameStatus::kOutOfMemory;
        return result;
    }
    if (tone_) {
        colourIn(*tone_, frame, output);
        const uint32_t bits = options_.channelMask ? fnChannelMaskBits(params_, true) : 0;
        renderSteps(frame, *tone_, 0, output, source, mask, bits, options_.paint);
    } else {
        result.alphaWeighted = params_.maskAlpha == 2;
        result.alphaRestore = false;
        balancer_->setFieldMode(frame.fieldMode);
        colourIn(*balancer_, frame, output);
        const uint32_t bits = options_.channelMask ? fnChannelMaskBits(params_, false) : 0;
        renderSteps(frame, *balancer_, balancer_->fieldMode(), output, source, mask, bits,
                    options_.paint);
    }
    return result;
}

template <class Traits>
void FnFrameRenderer<Traits>::colourIn(FnImgProc& colour, const FnFrameContext& frame,
                                       const Image& output) const {
    colour.setRegion(options_.colourInRegion ? frame.region : FnProcessorCore::extentOf(output));
    colour.setInterrupt(frame.interrupt);
}

template class FnFrameRenderer<FnStorage8>;
template class FnFrameRenderer<FnStorage16>;
template class FnFrameRenderer<FnStorageF32>;
