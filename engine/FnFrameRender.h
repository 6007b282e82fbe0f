// FnFrameRender: one frame of the effect, host-neutral.
//
// This is what every front end calls to render a frame: the plug-in module
// (effect/ColBalanceRender.cpp) after it has wrapped the host's images, and
// any other host binding that hands over images of one storage format.
// Given the parameter values at the frame time, the frame's region, field
// and interruption, and the output, source and mask images, it runs the
// frame's steps in the frame's order:
//
//  1. the colour step: with params.renderTone set (1 lowlights, 2 midtones,
//     3 highlights) the tone matte (FnToneRender) of that range, otherwise
//     the colour balancer (FnColBalancer) set up from the params
//     (SetupBalancer; field mode from the frame);
//  2. the channel-mask step, when options.channelMask: the channels the
//     params switch off (maskRed, maskGreen, maskBlue 0; maskAlpha 0 only
//     after the matte, which writes alpha) copied back from the source
//     over frame.region (FnDsMaskFixer);
//  3. the paint combiner, when options.paint: the result blended with the
//     source through the mask over frame.region (FnDsPaintCombiner).
//
// Where steps 2 or 3 run, the steps go row by row in one pass over the
// frame (fnRunStepsTogether) when that gives the same bytes; otherwise, or
// when its scratch rows cannot be had, one after the other.  An interrupt
// stops the processors between rows and skips the steps not yet begun;
// rows not yet written keep what they held.
//
// Usage from a front end that has raw buffers of a format chosen at run
// time (the buffers outlive the call):
//
//     const FnFrameContext frame{.region = {.x0 = 0, .y0 = 0, .x1 = w, .y1 = h}};
//     const bool done = fnDispatchFormat(format, [&]<class Traits>() {
//         typename Traits::Image output, source;
//         typename Traits::MaskImage mask;  // no pixels: no mask
//         if (!output.wrap(w, h, outPixels, outRowBytes) ||
//             !source.wrap(w, h, srcPixels, srcRowBytes))
//             return false;
//         return fnRenderFrame(params, frame, FnFrameOptions{}, output, source, mask).ok();
//     });
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

#include "engine/FnBalanceParams.h"
#include "engine/FnFrameContext.h"
#include "engine/FnStorageTraits.h"

template <class StorageTraits>
class FnColBalancer;
template <class StorageTraits>
class FnToneRender;
class FnImgProc;

// Which steps besides the colour step a frame runs, and where.
struct FnFrameOptions {
    // Run the channel-mask step.
    bool channelMask = true;
    // Blend the result with the source through the mask (the pixel-mask
    // family of hosts).
    bool paint = false;
    // The colour step covers frame.region (true) or the output's whole
    // extent (false: a host that set no region of interest).  The other
    // steps cover frame.region either way.
    bool colourInRegion = true;
};

enum class FnFrameStatus : int32_t {
    kRendered = 0,     // the steps ran (an interrupt may have cut them short)
    kNoOutput = 1,     // the output has no pixels: nothing was done
    kOutOfMemory = 2,  // a processor could not be had: nothing was written
};

struct FnFrameResult {
    FnFrameStatus status = FnFrameStatus::kRendered;
    // What the colour step left for the others: the channel-mask step may
    // restore alpha (the matte ran, which writes alpha; the balancer copies
    // it from the source), and whether the balancer mixed by alpha.
    bool alphaRestore = true;
    bool alphaWeighted = false;

    bool ok() const { return status != FnFrameStatus::kOutOfMemory; }
};

// The channel-mask step's component bits (0 red .. 3 alpha): the channels
// switched off, alpha only when the step may restore it.
inline uint32_t fnChannelMaskBits(const FnBalanceParams& p, bool alphaRestore) {
    uint32_t bits = 0;
    if (p.maskRed == 0) bits |= 1;
    if (p.maskGreen == 0) bits |= 2;
    if (p.maskBlue == 0) bits |= 4;
    if (alphaRestore && p.maskAlpha == 0) bits |= 8;
    return bits;
}

// The colour step's processor set up once from the parameter values, for
// front ends that render one frame in pieces: a few rows at a time, each
// band of theirs with its own renderer and its own images of those rows
// (converted from the host's pixels and back while they are in the
// caches).  The set-up, which for 16-bit storage builds 1.2 MB of tables,
// is then done once per band instead of once per piece.  fnRenderFrame is
// one renderer rendering once.  A renderer is used by one thread at a
// time; a render started from inside a band runs that band's share on the
// calling thread (engine/FnParallel.h).
template <class Traits>
class FnFrameRenderer {
public:
    using Image = typename Traits::Image;
    using MaskImage = typename Traits::MaskImage;

    FnFrameRenderer(const FnBalanceParams& params, const FnFrameOptions& options);
    ~FnFrameRenderer();
    FnFrameRenderer(const FnFrameRenderer&) = delete;
    FnFrameRenderer& operator=(const FnFrameRenderer&) = delete;

    // False when the processor could not be allocated.
    bool ok() const { return tone_ || balancer_; }

    // One frame, or one piece of it, as fnRenderFrame renders (see there).
    FnFrameResult render(const FnFrameContext& frame, Image& output, Image& source,
                         MaskImage& mask);

private:
    // The colour step's region (the frame's, or the output's whole extent,
    // set anew for every render) and interruption.
    void colourIn(FnImgProc& colour, const FnFrameContext& frame, const Image& output) const;

    FnBalanceParams params_;
    FnFrameOptions options_;
    std::unique_ptr<FnToneRender<Traits>> tone_;
    std::unique_ptr<FnColBalancer<Traits>> balancer_;
};

// Compiled once, in the engine (FnFrameRender.cpp), for every format.
extern template class FnFrameRenderer<FnStorage8>;
extern template class FnFrameRenderer<FnStorage16>;
extern template class FnFrameRenderer<FnStorageF32>;

// Renders one frame into `output` (see above).
//
//  - params: the parameter values at the frame time.
//  - frame: region (map coordinates, far edges exclusive), field mode (0
//    every row, 1 even, 2 odd rows; the balancer, the channel-mask step
//    and the paint combiner honour it, the matte writes every row) and the
//    interruption record (may be null).
//  - output, source, mask: one storage format (Traits::Image,
//    Traits::MaskImage), placed by their offsets and data origins.  A
//    source or mask without pixels reads as its fill value (zero)
//    everywhere.  The output must share no memory with the mask; it may
//    share it with the source (the steps then run one after the other).
//  - The call changes the output's and the source's regions and edge
//    modes as the steps need them (each to its whole image, fill edges).
//
// Returns kNoOutput when the output has no pixels, kOutOfMemory when the
// colour step's processor cannot be allocated (nothing written), and
// otherwise kRendered with what the colour step left for the others.
template <class Image, class MaskImage>
FnFrameResult fnRenderFrame(const FnBalanceParams& params, const FnFrameContext& frame,
                            const FnFrameOptions& options, Image& output, Image& source,
                            MaskImage& mask) {
    using Traits = FnStorageOf<typename Image::StorageColour>;
    static_assert(std::is_same_v<Image, typename Traits::Image> &&
                      std::is_same_v<MaskImage, typename Traits::MaskImage>,
                  "the images of one storage format");
    if (!output.pixels()) return {.status = FnFrameStatus::kNoOutput};
    FnFrameRenderer<Traits> renderer(params, options);
    return renderer.render(frame, output, source, mask);
}
