// The frame render path: from the host's render call to the written output.
#include <cmath>

#include "effect/ColBalance.h"
#include "engine/FnFrameRender.h"
#include "engine/FnStorageTraits.h"
#include "platform/dssdk/DSServices.h"

// A host pixel format the effect renders: the output's format, the mask
// format of the same depth, the engine's storage format for them, and the
// row order of their memory (platform/dssdk/IDSImage.h).
struct ColBalanceHostFormat {
    GUID rgba, mask;
    FnStorageFormat storage;
    bool bottomUp;
};

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

// 16-bit images lie bottom-up, 8-bit and float images top-down.
constexpr ColBalanceHostFormat kHostFormats[] = {
    {MFIF_RGBA_RAW_32, MFIF_A_RAW_8, FnStorageFormat::k8, false},
    {MFIF_RGBA_S2_14, MFIF_A_S2_14, FnStorageFormat::k16, true},
    {MFIF_RGBA_FLOAT_128, MFIF_A_FLOAT_32, FnStorageFormat::kF32, false},
};

// The format record of an output format; null for formats not rendered.
const ColBalanceHostFormat* hostFormatOf(const GUID& rgba) {
    for (const ColBalanceHostFormat& f : kHostFormats)
        if (f.rgba == rgba) return &f;
    return nullptr;
}

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

// Defined before its use in Render: some compilers do not instantiate a
// member template first named inside a generic lambda and defined later.
template <class Traits>
HRESULT ColBalance::RenderFormat(const FnFrameContext& frame, double time,
                                 const ColBalanceHostFormat& format) {
    IDSImage* sourceImage = SourceImage();
    IDSImage* input2Image = Input2Image();
    IDSImage* maskImage = PixelMask();
    // Inputs are read with the output's pixel size: another layout would be
    // read past its end.
    if ((sourceImage && !(formatOf(sourceImage) == format.rgba)) ||
        (input2Image && !(formatOf(input2Image) == format.rgba)) ||
        (maskImage && !(formatOf(maskImage) == format.mask)))
        return E_INVALIDARG;

    typename Traits::Image output, source, input2;
    typename Traits::MaskImage mask;
    const bool bottomUp = format.bottomUp;
    wrapHostImage(output, OutputImage(), bottomUp, outputOffset[0], outputOffset[1]);
    wrapHostImage(source, sourceImage, bottomUp, sourceOffset[0], sourceOffset[1]);
    wrapHostImage(input2, input2Image, bottomUp, input2Offset[0], input2Offset[1]);
    wrapHostImage(mask, maskImage, bottomUp, clampOffset(int64_t(MaskX()) + sourceOffset[0]),
                  clampOffset(int64_t(MaskY()) + sourceOffset[1]));
    alphaWeighted = 0;
    alphaRestore = 1;
    // Nothing can be written into an output without pixels, and then no
    // parameter is read.
    if (!output.pixels()) return S_OK;

    // The channel-mask step: every effect built here enables it; the
    // families that combine two inputs (mask modes 3 and 5) skip it.  The
    // pixel-mask family paints through the mask.
    const FnFrameOptions options{.channelMask = maskMode != 3 && maskMode != 5,
                                 .paint = maskMode == 4,
                                 .colourInRegion = HasRegionOfInterest()};
    const FnFrameResult result =
        fnRenderFrame(ParamsAt(time), frame, options, output, source, mask);
    alphaRestore = result.alphaRestore ? 1 : 0;
    alphaWeighted = result.alphaWeighted ? 1 : 0;
    return result.ok() ? S_OK : E_OUTOFMEMORY;
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
    const ColBalanceHostFormat* format = hostFormatOf(formatOf(output));
    if (!format) return S_OK;
    return fnDispatchFormat(format->storage, [&]<class Traits>() {
        return RenderFormat<Traits>(frame, time, *format);
    });
}

