#include "openfx/ColBalanceOfxImage.h"

#include <cstdlib>
#include <string_view>

#include "openfx/FnOfxProps.h"
#include "openfx/FnOfxSuites.h"

namespace {

int channelsOf(std::string_view s) {
    if (s == kOfxImageComponentRGBA) return 4;
    if (s == kOfxImageComponentRGB) return 3;
    if (s == kOfxImageComponentAlpha) return 1;
    return 0;
}

}  // namespace

bool ColBalanceOfxImage::depthOf(const char* name, Depth& d) {
    const std::string_view s = name ? name : "";
    if (s == kOfxBitDepthByte)
        d = Depth::Byte;
    else if (s == kOfxBitDepthShort)
        d = Depth::Short;
    else if (s == kOfxBitDepthFloat)
        d = Depth::Float;
    else
        return false;
    return true;
}

size_t ColBalanceOfxImage::elementSize() const {
    switch (depth_) {
    case Depth::Short: return 2;
    case Depth::Float: return 4;
    default: return 1;
    }
}

void ColBalanceOfxImage::release() {
    if (handle_) fnOfxSuites().effect->clipReleaseImage(handle_);
    handle_ = nullptr;
}

const char* ColBalanceOfxImage::fetch(OfxImageClipHandle clip, double time,
                                      const OfxRectD* region) {
    release();
    if (fnOfxSuites().effect->clipGetImage(clip, time, region, &handle_) != kOfxStatOK ||
        !handle_) {
        handle_ = nullptr;
        return "the host gave no image";
    }
    const FnOfxProps props(handle_);
    const char* depth = nullptr;
    const char* components = nullptr;
    const char* premultiplication = nullptr;
    int bounds[4] = {};
    int rowBytes = 0;
    if (!props.get(kOfxImageEffectPropPixelDepth, depth) || !depthOf(depth, depth_))
        return "the image has a depth other than byte, short or float";
    if (!props.get(kOfxImageEffectPropComponents, components) ||
        (channels_ = channelsOf(components)) == 0)
        return "the image has components other than RGBA, RGB or Alpha";
    premultiplied_ = props.get(kOfxImageEffectPropPreMultiplication, premultiplication) &&
                     std::string_view(premultiplication) == kOfxImagePreMultiplied;
    if (!props.get(kOfxImagePropBounds, bounds, 4) || !props.get(kOfxImagePropRowBytes, rowBytes) ||
        !props.get(kOfxImagePropData, data_))
        return "the image has no bounds, row bytes or pixels";
    bounds_ = {bounds[0], bounds[1], bounds[2], bounds[3]};
    rowBytes_ = rowBytes;
    if (bounds_.x2 < bounds_.x1 || bounds_.y2 < bounds_.y1)
        return "the image's bounds are the wrong way round";
    const size_t element = elementSize();
    const int64_t rowSize = int64_t(width()) * channels_ * int64_t(element);
    if (width() > 0 && height() > 0) {
        if (!data_) return "the image has bounds but no pixels";
        if (std::llabs(rowBytes) < rowSize || std::llabs(rowBytes) % int64_t(element) != 0 ||
            reinterpret_cast<uintptr_t>(data_) % element != 0)
            return "the image's row bytes do not hold its rows";
    }
    return nullptr;
}
