// The engine's frame entry point (engine/FnFrameRender.h) against the
// module's render path: a front end that wraps the same host memory itself
// (rows apart by their byte stride, 16-bit images upwards) and calls
// fnRenderFrame gets the bytes the module writes, for every format, both
// effect families, with and without a region of interest and on a field.
#include <cstring>
#include <vector>

#include "engine/FnFrameRender.h"
#include "engine/FnStorageTraits.h"
#include "tests/effect/EffectHost.h"

namespace P = ColBalanceParam;

namespace {

struct HostKinds {
    FnStorageFormat format;
    DsImageKind rgba, mask;
};
const HostKinds kKinds[] = {{FnStorageFormat::k8, DsImageKind::Rgba8, DsImageKind::Mask8},
                            {FnStorageFormat::k16, DsImageKind::Rgba16, DsImageKind::Mask16},
                            {FnStorageFormat::kF32, DsImageKind::RgbaF32, DsImageKind::MaskF32}};

// Any bytes; ordinary values for float images (random bytes are mostly NaN).
ComPtr<DsImage> anyImage(DsImageKind kind, int w, int h, uint32_t seed) {
    ComPtr<DsImage> img = DsImage::create(kind, w, h);
    const bool isFloat = kind == DsImageKind::RgbaF32 || kind == DsImageKind::MaskF32;
    if (isFloat) {
        auto* f = static_cast<float*>(img->data());
        for (size_t i = 0; i < img->byteSize() / 4; ++i)
            f[i] = float(scramble(seed + uint32_t(i)) % 30000) / 10000.0f - 0.5f;
    } else {
        auto* b = static_cast<uint8_t*>(img->data());
        for (size_t i = 0; i < img->byteSize(); ++i) b[i] = uint8_t(scramble(seed + uint32_t(i)));
    }
    return img;
}

// The host image's memory as the engine's texture: texture row 0 is the
// image's top row, rows a row's bytes apart, upwards for bottom-up kinds.
template <class Texture>
void wrapLikeAFrontEnd(Texture& t, const ComPtr<DsImage>& img, int32_t x, int32_t y) {
    const ptrdiff_t row = ptrdiff_t(img->width()) * ptrdiff_t(DsImage::pixelSize(img->kind()));
    ASSERT_TRUE(t.wrap(img->width(), img->height(), img->pixel(0, 0),
                       DsImage::bottomUp(img->kind()) ? -row : row));
    t.setOffset(x, y);
    t.setDataOrigin(x, y);
}

struct Case {
    const char* name;
    GUID family;
    std::vector<std::pair<GUID, double>> values;
    bool roi = false;
    int field = 0;
};

}  // namespace

class FrameRenderTest : public EffectHost {};

TEST_F(FrameRenderTest, EntryPointWritesTheModulesBytes) {
    services.setProjectFrame(1, 1, 1, 1);
    const Case cases[] = {
        {"defaults", DSFAMILY_FILTER, {}},
        {"balance, red off",
         DSFAMILY_FILTER,
         {{P::MasterHue, 30},
          {P::MasterSaturation, 60},
          {P::HighlightSaturation, 40},
          {P::MidtonesLuminance, 12},
          {P::PreserveLuminance, 0},
          {DSPARAM_MASK_RED, 0}},
         true,
         2},
        {"preserve, alpha-weighted",
         DSFAMILY_FILTER,
         {{P::LowlightHue, 200}, {P::LowlightSaturation, 90}, {DSPARAM_MASK_ALPHA, 2}}},
        {"matte, alpha off", DSFAMILY_FILTER, {{P::RenderTone, 3}, {DSPARAM_MASK_ALPHA, 0}}, true},
        {"paint", DSFAMILY_PAINT, {{P::MasterSaturation, 70}, {DSPARAM_MASK_BLUE, 0}}},
        {"paint, matte, field", DSFAMILY_PAINT, {{P::RenderTone, 1}, {P::Lowlights, 20}}, true, 1},
    };
    const int w = 29, h = 13;
    const DSRect roi{4, 2, 17, 9};
    uint32_t seed = 1;
    for (const Case& c : cases)
        for (const HostKinds& k : kKinds) {
            SCOPED_TRACE(testing::Message() << c.name << ", format " << int(k.format));
            ComPtr<IDSImageEffect> effect = newEffect(c.family);
            ComPtr<IDSPropertyContainer> values;
            ASSERT_EQ(effect.as(IID_IDSPropertyContainer, values), S_OK);
            for (const auto& [id, v] : c.values) ASSERT_EQ(values->SetValue(id, v), S_OK);
            auto src = anyImage(k.rgba, w, h, seed += 1000);
            auto moduleOut = anyImage(k.rgba, w, h, seed += 1000);
            auto mask = anyImage(k.mask, w, h, seed += 1000);
            src->setWorldPlacement(3, -2, 3 + w, -2 + h);
            const bool paint = c.family == DSFAMILY_PAINT;
            effect->SetImage(DS_IMAGE_SOURCE, src.get());
            effect->SetImage(DS_IMAGE_OUTPUT, moduleOut.get());
            if (paint) effect->SetPixelMask(mask.get(), -1, 2);
            effect->SetRegionOfInterest(c.roi ? &roi : nullptr);
            effect->SetField(c.field);
            // A copy of the output as it was, for the front end.
            auto frontOut = DsImage::create(k.rgba, w, h);
            std::memcpy(frontOut->data(), moduleOut->data(), moduleOut->byteSize());
            ASSERT_EQ(effect->Render(nullptr, 0), S_OK);
            EXPECT_NE(bytesOf(moduleOut), bytesOf(frontOut));  // the frame did something

            // The front end: the placement the module worked out, the
            // region of interest moved with the source, the parameters as
            // the module reads them.
            ComPtr<IFnDsPlacement> placed;
            ASSERT_EQ(effect.as(IID_IFnDsPlacement, placed), S_OK);
            FnDsPlacement at{};
            ASSERT_EQ(placed->GetPlacement(&at), S_OK);
            ASSERT_EQ(at.sourceX, 3);
            FnBalanceParams params;
            for (const auto& [id, v] : c.values)
                for (const ColBalanceParamSpec* spec : kColBalanceParams)
                    if (spec->id == id) {
                        if (spec->integer)
                            params.*(spec->integer) = int32_t(v);
                        else if (spec->number)
                            params.*(spec->number) = v;
                    }
            const DSRect area = c.roi ? roi : DSRect{0, 0, w, h};
            const FnFrameContext frame{.region = {.x0 = area.x + at.sourceX,
                                                  .y0 = area.y + at.sourceY,
                                                  .x1 = area.x + area.width + at.sourceX,
                                                  .y1 = area.y + area.height + at.sourceY},
                                       .fieldMode = c.field};
            const FnFrameOptions options{.paint = paint, .colourInRegion = c.roi};
            const bool done = fnDispatchFormat(k.format, [&]<class Traits>() {
                typename Traits::Image output, source;
                typename Traits::MaskImage maskTex;
                wrapLikeAFrontEnd(output, frontOut, at.outputX, at.outputY);
                wrapLikeAFrontEnd(source, src, at.sourceX, at.sourceY);
                if (paint) wrapLikeAFrontEnd(maskTex, mask, at.sourceX - 1, at.sourceY + 2);
                return fnRenderFrame(params, frame, options, output, source, maskTex).ok();
            });
            ASSERT_TRUE(done);
            EXPECT_EQ(bytesOf(frontOut), bytesOf(moduleOut));
        }
}
