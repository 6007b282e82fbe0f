#include "host/common/FrameImage.h"

namespace {

constexpr DepthFacts kFacts[] = {
    {PixelDepth::Eight, DsImageKind::Rgba8, DsImageKind::Mask8, MFIF_RGBA_RAW_32, MFIF_A_RAW_8, 1,
     false},
    {PixelDepth::Sixteen, DsImageKind::Rgba16, DsImageKind::Mask16, MFIF_RGBA_S2_14, MFIF_A_S2_14,
     2, true},
    {PixelDepth::Float, DsImageKind::RgbaF32, DsImageKind::MaskF32, MFIF_RGBA_FLOAT_128,
     MFIF_A_FLOAT_32, 4, false},
};

}  // namespace

const DepthFacts& depthFacts(PixelDepth depth) {
    for (const DepthFacts& f : kFacts)
        if (f.depth == depth) return f;
    return kFacts[0];
}
