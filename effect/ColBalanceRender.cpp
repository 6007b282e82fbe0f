// The frame render path: from the host's render call to the written output.
#include <cmath>
#include <memory>
#include <new>

#include "effect/ColBalance.h"
#include "engine/FnColBalancer.h"
#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "engine/FnFrameSteps.h"
#include "engine/FnToneRender.h"
#include "platform/dssdk/DSServices.h"

namespace {

// Placements further out than this are clamped, so that offset plus image
// size stays inside 32 bits in every region computation.
constexpr int32_t kMaxOffset = 1 << 30;

int32_t clampOffset(int64_t v) {
    return int32_t(v < -kMaxOffset ? -kMaxOffset : (v > kMaxOffset ? kMaxOffset : v));
}

int32_t saturate(int64_t v) {
    return int32_t(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v));
}

// User Size (Y) / World Size (Y); 0 when any of the four reads fails.
double projectFrameRatio() {
    double ux = 0, uy = 0, wx = 0, wy = 0;
    if (FAILED(DSContentGetProperty("Project Frame User Size (X)", &ux)) ||
        FAILED(DSContentGetProperty("Project Frame User Size (Y)", &uy)) ||
        FAILED(DSContentGetProperty("Project Frame World Size (X)", &wx)) ||
        FAILED(DSContentGetProperty("Project Frame World Size (Y)", &wy)))
        return 0;
    const double r = uy / wy;
    return std::isfinite(r) ? r : 0;
}

GUID formatOf(IDSImage* image) {
    GUID g = GUID_NULL;
    if (image && FAILED(image->GetPixelFormat(&g))) g = GUID_NULL;
    return g;
}

void imageSize(IDSImage* image, int32_t& w, int32_t& h) {
    w = h = 0;
    if (!image || FAILED(image->GetSize(&w, &h)) || w < 0 || h < 0) w = h = 0;
}

// The host formats of each storage path, and the row order of their memory
// (platform/dssdk/IDSImage.h): 16-bit images lie bottom-up, 8-bit and float
// images top-down.
template <class Image>
struct HostFormat;
template <>
struct HostFormat<FnImage8> {
    static constexpr GUID rgba = MFIF_RGBA_RAW_32, mask = MFIF_A_RAW_8;
    static constexpr bool bottomUp = false;
};
template <>
struct HostFormat<FnImage16> {
    static constexpr GUID rgba = MFIF_RGBA_S2_14, mask = MFIF_A_S2_14;
    static constexpr bool bottomUp = true;
};
template <>
struct HostFormat<FnImageF32> {
    static constexpr GUID rgba = MFIF_RGBA_FLOAT_128, mask = MFIF_A_FLOAT_32;
    static constexpr bool bottomUp = false;
};

// Wraps a host image without copying.  Bottom-up images get a texture that
// walks memory backwards; texture row 0 is the image's top row either way.
// An image that cannot be prepared leaves the texture empty.
template <class Texture>
void wrapHostImage(Texture& tex, IDSImage* image, bool bottomUp, int32_t ox, int32_t oy) {
    if (!image || image->PrepareForAccess() != S_OK) return;
    int32_t w = 0, h = 0;
    void* first = nullptr;
    if (FAILED(image->GetSize(&w, &h)) || FAILED(image->GetBuffer(&first)) || !first || w <= 0 ||
        h <= 0)
        return;
    tex.wrap(w, h, first);
    if (bottomUp) tex.flipRows();
    tex.setOffset(ox, oy);
    tex.setDataOrigin(ox, oy);
}

// The channel-mask step's component bits (0 red .. 3 alpha): the channels
// switched off, alpha only when the step may restore it.
uint32_t channelMaskBits(const FnBalanceParams& p, bool alphaRestore) {
    uint32_t bits = 0;
    if (p.maskRed == 0) bits |= 1;
    if (p.maskGreen == 0) bits |= 2;
    if (p.maskBlue == 0) bits |= 4;
    if (alphaRestore && p.maskAlpha == 0) bits |= 8;
    return bits;
}

}  // namespace

void ColBalance::PlaceImage(IDSImage* image, double ratio, int32_t offset[2]) {
    offset[0] = offset[1] = 0;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!image || FAILED(image->GetWorldPlacement(&x0, &y0, &x1, &y1))) return;
    int32_t ox = 0, oy = 0;
    if (FAILED(DSPlaceImage(x0 * ratio, y0 * ratio, x1 * ratio, y1 * ratio, &ox, &oy))) return;
    offset[0] = clampOffset(ox);
    offset[1] = clampOffset(oy);
}

HRESULT ColBalance::Render(IUnknown*, double time) {
    HRESULT hr = PrepareData();
    if (hr != S_OK) return hr;
    InstallInterrupt(ExecutionContext());
    const int32_t field = Field();
    fieldMode = (field == 1 || field == 2) ? field : 0;

    IDSImage* output = OutputImage();
    if (!output) return E_POINTER;
    hr = output->PrepareForAccess();
    if (hr != S_OK) return hr;
    int32_t width, height;
    imageSize(output, width, height);

    int64_t x0 = 0, x1 = int64_t(width) - 1, y0 = 0, y1 = int64_t(height) - 1;
    if (HasRegionOfInterest()) {
        const DSRect& r = RegionOfInterest();
        x0 = r.x;
        x1 = int64_t(r.x) + r.width - 1;
        y0 = r.y;
        y1 = int64_t(r.y) + r.height - 1;
    }

    const double ratio = projectFrameRatio();
    IDSImage* source = SourceImage();
    PlaceImage(source, ratio, sourceOffset);
    PlaceImage(output, ratio, outputOffset);
    const int32_t* shift = source ? sourceOffset : outputOffset;
    region[0] = saturate(x0 + shift[0]);
    region[1] = saturate(x1 + shift[0]);
    region[2] = saturate(y0 + shift[1]);
    region[3] = saturate(y1 + shift[1]);
    PlaceImage(Input2Image(), ratio, input2Offset);

    int32_t sw, sh;
    imageSize(source, sw, sh);
    const FnDsPlacement placement{sourceOffset[0], sourceOffset[1], sw, sh,
                                  outputOffset[0], outputOffset[1]};
    StorePlacement(placement);
    if (clonedFrom) clonedFrom->ReportPlacement(placement);

    const FnFrameContext frame{
        .region = fnRectFromInclusive(region[0], region[2], region[1], region[3]),
        .fieldMode = fieldMode,
        .interrupt = &interrupt};
    const GUID format = formatOf(output);
    if (format == MFIF_RGBA_RAW_32)
        return RenderFormat<FnImage8, FnMaskImage8, FnColBalancer8, FnToneRender8>(
            frame, time, HostFormat<FnImage8>::bottomUp);
    if (format == MFIF_RGBA_S2_14)
        return RenderFormat<FnImage16, FnMaskImage16, FnColBalancer16, FnToneRender16>(
            frame, time, HostFormat<FnImage16>::bottomUp);
    if (format == MFIF_RGBA_FLOAT_128)
        return RenderFormat<FnImageF32, FnMaskImageF32, FnColBalancerF32, FnToneRenderF32>(
            frame, time, HostFormat<FnImageF32>::bottomUp);
    return S_OK;
}

template <class Image, class MaskImage, class Balancer, class ToneRender>
HRESULT ColBalance::RenderFormat(const FnFrameContext& frame, double time, bool bottomUp) {
    const GUID rgbaFormat = HostFormat<Image>::rgba;
    const GUID maskFormat = HostFormat<Image>::mask;
    IDSImage* sourceImage = SourceImage();
    IDSImage* input2Image = Input2Image();
    IDSImage* maskImage = PixelMask();
    // Inputs are read with the output's pixel size: another layout would be
    // read past its end.
    if ((sourceImage && !(formatOf(sourceImage) == rgbaFormat)) ||
        (input2Image && !(formatOf(input2Image) == rgbaFormat)) ||
        (maskImage && !(formatOf(maskImage) == maskFormat)))
        return E_INVALIDARG;

    Image output, source, input2;
    MaskImage mask;
    wrapHostImage(output, OutputImage(), bottomUp, outputOffset[0], outputOffset[1]);
    wrapHostImage(source, sourceImage, bottomUp, sourceOffset[0], sourceOffset[1]);
    wrapHostImage(input2, input2Image, bottomUp, input2Offset[0], input2Offset[1]);
    wrapHostImage(mask, maskImage, bottomUp, clampOffset(int64_t(MaskX()) + sourceOffset[0]),
                  clampOffset(int64_t(MaskY()) + sourceOffset[1]));
    // The tone matte writes alpha (the channel-mask step may restore it);
    // the balancer copies alpha from the source.
    bool restoreAlpha = true;
    alphaWeighted = 0;
    alphaRestore = 1;
    // Nothing can be written into an output without pixels.
    if (!output.pixels()) return S_OK;

    const FnBalanceParams p = ParamsAt(time);
    const bool roi = HasRegionOfInterest();
    std::unique_ptr<ToneRender> tone;
    std::unique_ptr<Balancer> balancer;
    if (p.renderTone != 0) {
        tone.reset(new (std::nothrow) ToneRender);
        if (!tone) return E_OUTOFMEMORY;
        setupToneRender(*tone, p);
        if (roi) tone->setRegion(frame.region);
        tone->setInterrupt(frame.interrupt);
    } else {
        balancer.reset(new (std::nothrow) Balancer);
        if (!balancer) return E_OUTOFMEMORY;
        SetupBalancer(*balancer, p);
        if (p.maskAlpha == 2) alphaWeighted = 1;
        restoreAlpha = false;
        alphaRestore = 0;
        balancer->setFieldMode(frame.fieldMode);
        if (roi) balancer->setRegion(frame.region);
        balancer->setInterrupt(frame.interrupt);
    }
    // The channel-mask step: every effect built here enables it; the
    // families that combine two inputs (mask modes 3 and 5) skip it.
    const uint32_t bits = maskMode != 3 && maskMode != 5 ? channelMaskBits(p, restoreAlpha) : 0;
    const bool paint = maskMode == 4;
    if (bits || paint) {
        output.resetRegion();
        output.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        const bool together =
            tone ? fnRunStepsTogether(frame, *tone, 0, output, source, mask, bits, paint)
                 : fnRunStepsTogether(frame, *balancer, balancer->fieldMode(), output, source, mask,
                                      bits, paint);
        if (together) return S_OK;
    }

    // One step after the other.
    if (tone)
        tone->run(&source, &output);
    else
        balancer->run(&source, &output);
    if (!frame.interrupted() && bits) {
        output.resetRegion();
        runMaskFixer(frame, output, source, bits);
    }
    if (!frame.interrupted() && paint) {
        output.resetRegion();
        output.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        runPaintCombiner(frame, output, source, mask);
    }
    return S_OK;
}
