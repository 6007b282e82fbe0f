// The frame render path through the host interfaces.
#include "tests/effect/EffectHost.h"

namespace P = ColBalanceParam;

namespace {

constexpr uint32_t kMarker = 0x5A5A5A5Au;  // what "untouched" output holds

ComPtr<DsImage> anyImage8(int w, int h, uint32_t seed = 1) {
    return rgba8(w, h, [=](int x, int y) { return scramble(seed + uint32_t(y * w + x)); });
}
// 16-bit values across sub-black, the normal range and super-white.
ComPtr<DsImage> anyImage16(int w, int h, uint32_t seed = 1) {
    return rgba16(w, h, [=](int x, int y, int c) {
        return int16_t(int32_t(scramble(seed + uint32_t((y * w + x) * 4 + c)) % 36000) - 2000);
    });
}
ComPtr<DsImage> marked8(int w, int h) {
    return rgba8(w, h, [](int, int) { return kMarker; });
}
ComPtr<DsImage> marked16(int w, int h) {
    return rgba16(w, h, [](int, int, int) { return int16_t(0x5A5A); });
}

}  // namespace

class RenderTest : public EffectHost {
protected:
    void images(const ComPtr<DsImage>& src, const ComPtr<DsImage>& out) {
        ASSERT_EQ(fx->SetImage(DS_IMAGE_SOURCE, src.get()), S_OK);
        ASSERT_EQ(fx->SetImage(DS_IMAGE_OUTPUT, out.get()), S_OK);
    }
    void render(double t = 0) { ASSERT_EQ(fx->Render(nullptr, t), S_OK); }
};

TEST_F(RenderTest, DefaultsLeaveEveryStoredValueUnchanged) {
    for (int preserve : {1, 0}) {
        set(P::PreserveLuminance, preserve);
        auto src8 = anyImage8(37, 23), out8 = marked8(37, 23);
        images(src8, out8);
        render();
        EXPECT_EQ(bytesOf(out8), bytesOf(src8)) << "8-bit, preserve " << preserve;

        auto src16 = anyImage16(37, 23), out16 = marked16(37, 23);
        images(src16, out16);
        render();
        EXPECT_EQ(bytesOf(out16), bytesOf(src16)) << "16-bit, preserve " << preserve;
    }
}

TEST_F(RenderTest, MissingOutputAndUnsupportedFormats) {
    auto src = anyImage8(4, 4);
    fx->SetImage(DS_IMAGE_SOURCE, src.get());
    EXPECT_EQ(fx->Render(nullptr, 0), E_POINTER);

    set(P::MasterLuminance, 50);
    auto odd = DsImage::create(DsImageKind::Rgba64, 4, 4);
    std::memset(odd->data(), 0x5A, odd->byteSize());
    const auto before = bytesOf(odd);
    fx->SetImage(DS_IMAGE_OUTPUT, odd.get());
    EXPECT_EQ(fx->Render(nullptr, 0), S_OK);
    EXPECT_EQ(bytesOf(odd), before);

    // A failing output is returned as it is.
    auto out = marked8(4, 4);
    out->setPrepareResult(E_FAIL);
    fx->SetImage(DS_IMAGE_OUTPUT, out.get());
    EXPECT_EQ(fx->Render(nullptr, 0), E_FAIL);
}

TEST_F(RenderTest, RedSwitchOffRestoresRedOnly) {
    set(P::MasterLuminance, 20);
    set(DSPARAM_MASK_RED, 0);
    for (bool sixteen : {false, true}) {
        auto src = sixteen ? anyImage16(9, 7) : anyImage8(9, 7);
        auto out = sixteen ? marked16(9, 7) : marked8(9, 7);
        images(src, out);
        render();
        int changedGreen = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                if (sixteen) {
                    EXPECT_EQ(out->rgba16(x, y)[0], src->rgba16(x, y)[0]);
                    changedGreen += out->rgba16(x, y)[1] != src->rgba16(x, y)[1];
                } else {
                    EXPECT_EQ(out->rgba8(x, y)[0], src->rgba8(x, y)[0]);
                    changedGreen += out->rgba8(x, y)[1] != src->rgba8(x, y)[1];
                }
            }
        EXPECT_GT(changedGreen, 40) << sixteen;
    }
}

// Field and region count rows from the top in both memory orders.
TEST_F(RenderTest, FieldTwoWritesOddRowsAndRegionItsColumns) {
    set(P::MasterLuminance, 20);
    for (bool sixteen : {false, true}) {
        auto src = sixteen ? rgba16(8, 6, [](int, int, int) { return int16_t(1000); })
                           : rgba8(8, 6, [](int, int) { return 0xFF101010u; });
        auto out = sixteen ? marked16(8, 6) : marked8(8, 6);
        auto written = [&](int x, int y) {
            return sixteen ? out->rgba16(x, y)[0] != 0x5A5A : out->rgba8(x, y)[0] != 0x5A;
        };
        images(src, out);
        fx->SetField(2);
        render();
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(written(x, y), y % 2 == 1) << x << "," << y << " " << sixteen;

        out = sixteen ? marked16(8, 6) : marked8(8, 6);
        images(src, out);
        fx->SetField(0);
        DSRect roi{3, 1, 4, 2};
        ASSERT_EQ(fx->SetRegionOfInterest(&roi), S_OK);
        render();
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(written(x, y), x >= 3 && x <= 6 && y >= 1 && y <= 2)
                    << x << "," << y << " " << sixteen;
        fx->SetRegionOfInterest(nullptr);
    }
}

TEST_F(RenderTest, KeyframedParameterIsReadAtTheFrameTime) {
    ASSERT_EQ(props->SetKeyframe(P::MasterLuminance, 0, 0), S_OK);
    ASSERT_EQ(props->SetKeyframe(P::MasterLuminance, 10, 100), S_OK);
    auto black = rgba8(2, 2, [](int, int) { return 0xFF000000u; });
    // 50 % of white: trunc(0.5 x 255 + 0.5) = 128.
    const std::pair<double, uint8_t> frames[] = {{-3, 0}, {5, 128}, {10, 255}, {40, 255}};
    for (auto [t, want] : frames) {
        auto out = marked8(2, 2);
        images(black, out);
        render(t);
        EXPECT_EQ(out->rgba8(1, 1)[0], want) << t;
        EXPECT_EQ(out->rgba8(1, 1)[3], 255) << t;
    }
}

TEST_F(RenderTest, CloneRendersLikeItsOriginalAndReportsPlacement) {
    services.setProjectFrame(720, 486, 720, 540);  // world units x 0.9
    set(P::MasterHue, 200);
    set(P::MasterSaturation, 40);
    ASSERT_EQ(props->SetKeyframe(P::MidtonesLuminance, 0, -30), S_OK);
    ASSERT_EQ(props->SetKeyframe(P::MidtonesLuminance, 8, 30), S_OK);

    ComPtr<IDSImageEffect> clone;
    ASSERT_EQ(fx->Clone(IID_IDSImageEffect, clone.putVoid()), S_OK);
    EXPECT_EQ(fx->Clone(IID_IDSImageEffect, nullptr), E_POINTER);
    set(P::MasterHue, 0);  // later edits of the original do not reach the clone
    set(P::MasterHue, 200);

    auto src = anyImage8(16, 9);
    auto out = marked8(16, 9), cloneOut = marked8(16, 9);
    images(src, out);
    render(3);
    // The clone renders the same frame placed elsewhere in the project.
    src->setWorldPlacement(10, 20, 30, 30);
    cloneOut->setWorldPlacement(10, 20, 30, 30);
    clone->SetImage(DS_IMAGE_SOURCE, src.get());
    clone->SetImage(DS_IMAGE_OUTPUT, cloneOut.get());
    ASSERT_EQ(clone->Render(nullptr, 3), S_OK);
    EXPECT_EQ(bytesOf(cloneOut), bytesOf(out));

    ComPtr<IFnDsPlacement> placement;
    ASSERT_EQ(fx.as(IID_IFnDsPlacement, placement), S_OK);
    FnDsPlacement p{};
    ASSERT_EQ(placement->GetPlacement(&p), S_OK);
    EXPECT_EQ(p.sourceX, 9);
    EXPECT_EQ(p.sourceY, 18);
    EXPECT_EQ(p.sourceWidth, 16);
    EXPECT_EQ(p.sourceHeight, 9);
    EXPECT_EQ(p.outputX, 9);
    EXPECT_EQ(p.outputY, 18);
    clone.reset();  // the clone held the original; both must go for unloading
}

TEST_F(RenderTest, RenderToneIgnoresColourSettings) {
    set(P::RenderTone, 3);                                           // highlights
    auto white = rgba8(3, 3, [](int, int) { return 0x00FFFFFFu; });  // transparent white
    auto plain = marked8(3, 3);
    images(white, plain);
    render();
    EXPECT_EQ(plain->rgba8(1, 1)[0], 255);
    EXPECT_EQ(plain->rgba8(1, 1)[3], 255);

    set(P::MasterHue, 90);
    set(P::HighlightSaturation, 80);
    set(P::MasterLuminance, -40);
    set(P::PreserveLuminance, 0);
    auto src = anyImage8(11, 5), a = marked8(11, 5), b = marked8(11, 5);
    images(src, a);
    render();
    ASSERT_EQ(fx->SetDefaults(), S_OK);
    set(P::RenderTone, 3);
    images(src, b);
    render();
    EXPECT_EQ(bytesOf(a), bytesOf(b));
}

TEST_F(RenderTest, PaintFamilyBlendsThroughThePixelMask) {
    fx = newEffect(DSFAMILY_PAINT);
    ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
    set(P::MasterLuminance, 40);
    auto src = rgba8(4, 2, [](int, int) { return 0xFF646464u; });  // 100
    auto out = marked8(4, 2);
    auto mask = DsImage::create(DsImageKind::Mask8, 4, 2);
    for (int x = 0; x < 4; ++x) *mask->mask8(x, 0) = *mask->mask8(x, 1) = uint8_t(x * 85);
    images(src, out);
    fx->SetPixelMask(mask.get(), 0, 0);
    render();
    // Result 100 + 102 = 202; blend s + (d - s) * m / 255.
    const uint8_t want[] = {100, 134, 168, 202};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(out->rgba8(x, 1)[1], want[x]) << x;
}

TEST_F(RenderTest, HostInterruptionStopsTheFrame) {
    set(P::MasterLuminance, 20);
    set(DSPARAM_MASK_RED, 0);
    auto ctx = DsExecutionContext::create();
    ctx->requestStop();
    fx->SetExecutionContext(ctx.get());
    auto src = anyImage8(8, 8), out = marked8(8, 8);
    images(src, out);
    const auto before = bytesOf(out);
    render();
    EXPECT_EQ(bytesOf(out), before);

    ctx->reset();
    render();
    EXPECT_GT(ctx->pollCount(), 0u);
    EXPECT_NE(bytesOf(out), before);
    fx->SetExecutionContext(nullptr);
}
