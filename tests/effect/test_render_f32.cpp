// The render path with float images (MFIF_RGBA_FLOAT_128, rows top-down)
// through the host interfaces.
#include <bit>
#include <cmath>
#include <limits>

#include "tests/effect/EffectHost.h"

namespace P = ColBalanceParam;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// Values across black, white, far above white, NaN payloads and infinities.
float anyValue(uint32_t i) {
    static const float tricky[] = {0.0f,  -0.0f, std::bit_cast<float>(1u),          1.0f,
                                   1e6f,  -1.0f, std::bit_cast<float>(0x7fc01234u), kInf,
                                   -kInf, 10.0f};
    const uint32_t v = scramble(i);
    return v % 4 == 0 ? tricky[(v >> 8) % 10] : float(v % 30000) / 10000.0f - 0.5f;
}

ComPtr<DsImage> rgbaF(int w, int h, const std::function<float(int, int, int)>& value) {
    ComPtr<DsImage> img = DsImage::create(DsImageKind::RgbaF32, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) img->rgbaF32(x, y)[c] = value(x, y, c);
    return img;
}
ComPtr<DsImage> anyImageF(int w, int h) {
    return rgbaF(w, h,
                 [=](int x, int y, int c) { return anyValue(uint32_t((y * w + x) * 4 + c)); });
}
ComPtr<DsImage> markedF(int w, int h) {
    return rgbaF(w, h, [](int, int, int) { return -123.0f; });
}

}  // namespace

class RenderF32Test : public EffectHost {
protected:
    void images(const ComPtr<DsImage>& src, const ComPtr<DsImage>& out) {
        ASSERT_EQ(fx->SetImage(DS_IMAGE_SOURCE, src.get()), S_OK);
        ASSERT_EQ(fx->SetImage(DS_IMAGE_OUTPUT, out.get()), S_OK);
    }
    void render() { ASSERT_EQ(fx->Render(nullptr, 0), S_OK); }
};

TEST_F(RenderF32Test, FloatOutputsAreSupportedAndDefaultsKeepEveryBit) {
    EXPECT_EQ(fx->IsFormatSupported(MFIF_RGBA_FLOAT_128), S_OK);
    EXPECT_EQ(fx->IsFormatSupported(MFIF_A_FLOAT_32), S_FALSE);
    for (int preserve : {1, 0})
        for (int alpha : {1, 2}) {
            set(P::PreserveLuminance, preserve);
            set(DSPARAM_MASK_ALPHA, alpha);
            auto src = anyImageF(37, 23), out = markedF(37, 23);
            images(src, out);
            render();
            EXPECT_EQ(bytesOf(out), bytesOf(src)) << "preserve " << preserve << " alpha " << alpha;
        }
}

// The reported case: a highlight at 10 and a negative channel survive a
// luminance offset; a 16-bit input with a float output is refused.
TEST_F(RenderF32Test, ValuesBeyondTheSixteenBitRangeSurvive) {
    set(P::PreserveLuminance, 0);
    set(P::MasterLuminance, 10);
    auto src = rgbaF(2, 1, [](int x, int, int c) {
        const float px[2][4] = {{10.0f, 0.5f, -0.25f, 1.0f}, {kInf, 0.5f, 0.5f, 1.0f}};
        return px[x][c];
    });
    auto out = markedF(2, 1);
    images(src, out);
    render();
    EXPECT_EQ(out->rgbaF32(0, 0)[0], 10.0f + 0.1f);
    EXPECT_EQ(out->rgbaF32(0, 0)[1], 0.5f + 0.1f);
    EXPECT_EQ(out->rgbaF32(0, 0)[2], -0.25f + 0.1f);
    EXPECT_EQ(out->rgbaF32(1, 0)[0], kInf);
    EXPECT_EQ(out->rgbaF32(1, 0)[1], 0.5f);

    auto src16 = DsImage::create(DsImageKind::Rgba16, 2, 1);
    images(src16, out);
    EXPECT_EQ(fx->Render(nullptr, 0), E_INVALIDARG);
}

// Field, region and channel switches count rows from the top; the matte is
// opaque white for white.
TEST_F(RenderF32Test, RowsFromTheTopChannelSwitchesAndMatte) {
    set(P::MasterLuminance, 20);
    set(DSPARAM_MASK_RED, 0);
    auto src = anyImageF(8, 6), out = markedF(8, 6);
    images(src, out);
    fx->SetField(2);
    DSRect roi{3, 0, 4, 3};  // not symmetric in height: a flipped walk shows
    ASSERT_EQ(fx->SetRegionOfInterest(&roi), S_OK);
    render();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 3 && x <= 6 && y <= 2;
            const float* o = out->rgbaF32(x, y);
            // Red is restored from the source on every row of the region;
            // green only on the odd rows the balancer wrote.
            EXPECT_EQ(std::memcmp(&o[0], inside ? &src->rgbaF32(x, y)[0] : &o[1], 4), 0)
                << x << "," << y;
            EXPECT_EQ(o[1] != -123.0f, inside && y % 2 == 1) << x << "," << y;
        }
    fx->SetField(0);
    fx->SetRegionOfInterest(nullptr);

    ASSERT_EQ(fx->SetDefaults(), S_OK);
    set(P::RenderTone, 3);
    auto white = rgbaF(2, 2, [](int, int, int c) { return c == 3 ? 0.0f : 1.0f; });
    auto matte = markedF(2, 2);
    images(white, matte);
    render();
    for (int c = 0; c < 4; ++c) EXPECT_EQ(matte->rgbaF32(1, 1)[c], 1.0f);
}

// The pixel-mask family with a float mask: full 1.0, tricky values blend
// as the combiner defines.
TEST_F(RenderF32Test, PaintFamilyBlendsThroughAFloatMask) {
    fx = newEffect(DSFAMILY_PAINT);
    ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
    set(P::PreserveLuminance, 0);
    set(P::MasterLuminance, 40);
    auto src =
        rgbaF(5, 1, [](int x, int, int c) { return c == 3 ? 1.0f : (x == 4 ? kInf : 0.25f); });
    auto out = markedF(5, 1);
    auto mask = DsImage::create(DsImageKind::MaskF32, 5, 1);
    const float m[5] = {0.0f, 0.5f, 1.0f, std::nanf(""), 0.5f};
    for (int x = 0; x < 5; ++x) *mask->maskF32(x, 0) = m[x];
    images(src, out);
    fx->SetPixelMask(mask.get(), 0, 0);
    render();
    const float result = 0.25f + 0.4f;  // the balanced colour
    EXPECT_EQ(out->rgbaF32(0, 0)[0], 0.25f);
    EXPECT_FLOAT_EQ(out->rgbaF32(1, 0)[0], (0.25f + result) / 2);
    EXPECT_EQ(out->rgbaF32(2, 0)[0], result);
    EXPECT_EQ(out->rgbaF32(3, 0)[0], 0.25f);
    EXPECT_EQ(out->rgbaF32(4, 0)[0], kInf);
    EXPECT_EQ(out->rgbaF32(4, 0)[3], 1.0f);

    // A mask of another format is refused.
    auto mask8 = DsImage::create(DsImageKind::Mask8, 5, 1);
    fx->SetPixelMask(mask8.get(), 0, 0);
    EXPECT_EQ(fx->Render(nullptr, 0), E_INVALIDARG);
}
