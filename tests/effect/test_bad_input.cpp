// Bad input from a host: an error code or a defined result, never a crash.
#include <climits>
#include <limits>

#include "tests/effect/EffectHost.h"

namespace P = ColBalanceParam;

using BadInputTest = EffectHost;

TEST_F(BadInputTest, NullPointersAndUnknownRoles) {
    EXPECT_EQ(fx->QueryInterface(IID_IDSImageEffect, nullptr), E_POINTER);
    EXPECT_EQ(fx->GetImageEffectInfo(nullptr), E_POINTER);
    EXPECT_EQ(fx->SetImage(7, nullptr), E_INVALIDARG);
    EXPECT_EQ(fx->SetImage(-1, nullptr), E_INVALIDARG);
    EXPECT_EQ(props->GetValue(P::MasterHue, nullptr), E_POINTER);
    EXPECT_EQ(props->GetPropertyCount(nullptr), E_POINTER);
    EXPECT_EQ(props->FindProperty(P::MasterHue, nullptr), E_POINTER);
    EXPECT_EQ(props->GetListItem(0, 0, nullptr, 4), E_POINTER);
    char c;
    EXPECT_EQ(props->GetListItem(0, 0, &c, 1), E_INVALIDARG);  // not a list
    ComPtr<IFnDsPlacement> placement;
    ASSERT_EQ(fx.as(IID_IFnDsPlacement, placement), S_OK);
    EXPECT_EQ(placement->GetPlacement(nullptr), E_POINTER);
    // Clearing what was never set is fine.
    EXPECT_EQ(fx->SetImage(DS_IMAGE_SOURCE, nullptr), S_OK);
    EXPECT_EQ(fx->SetPixelMask(nullptr, 0, 0), S_OK);
    EXPECT_EQ(fx->SetExecutionContext(nullptr), S_OK);
}

TEST_F(BadInputTest, OddFieldsRegionsTimesAndSizes) {
    set(P::MasterLuminance, 10);
    auto src = rgba8(6, 5, [](int x, int y) { return 0xFF000000u | uint32_t(x * 20 + y); });
    auto reference = DsImage::create(DsImageKind::Rgba8, 6, 5);
    fx->SetImage(DS_IMAGE_SOURCE, src.get());
    fx->SetImage(DS_IMAGE_OUTPUT, reference.get());
    ASSERT_EQ(fx->Render(nullptr, 0), S_OK);

    // Field values other than 1 and 2 render the whole frame.
    for (int field : {-1, 3, INT_MAX, INT_MIN}) {
        auto out = DsImage::create(DsImageKind::Rgba8, 6, 5);
        fx->SetImage(DS_IMAGE_OUTPUT, out.get());
        fx->SetField(field);
        ASSERT_EQ(fx->Render(nullptr, 0), S_OK) << field;
        EXPECT_EQ(bytesOf(out), bytesOf(reference)) << field;
    }
    fx->SetField(0);

    // Regions far larger than the output are clipped to it.
    DSRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const DSRect regions[] = {
        huge, {-1000000000, -5, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX, 1}};
    for (const DSRect& r : regions) {
        auto out = DsImage::create(DsImageKind::Rgba8, 6, 5);
        fx->SetImage(DS_IMAGE_OUTPUT, out.get());
        ASSERT_EQ(fx->SetRegionOfInterest(&r), S_OK);
        EXPECT_EQ(fx->Render(nullptr, 0), S_OK);
    }
    DSRect empty{0, 0, 0, 4};
    EXPECT_EQ(fx->SetRegionOfInterest(&empty), E_INVALIDARG);
    DSRect negative{0, 0, 3, -4};
    EXPECT_EQ(fx->SetRegionOfInterest(&negative), E_INVALIDARG);
    fx->SetRegionOfInterest(nullptr);

    // Non-finite times and extreme placements.
    auto out = DsImage::create(DsImageKind::Rgba8, 6, 5);
    fx->SetImage(DS_IMAGE_OUTPUT, out.get());
    EXPECT_EQ(fx->Render(nullptr, std::numeric_limits<double>::quiet_NaN()), S_OK);
    EXPECT_EQ(bytesOf(out), bytesOf(reference));
    services.setProjectFrame(1, 1e300, 1, 1e-300);
    src->setWorldPlacement(1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), 0);
    EXPECT_EQ(fx->Render(nullptr, std::numeric_limits<double>::infinity()), S_OK);
    services.clearProjectFrame();

    // Zero-size images.
    auto none = DsImage::create(DsImageKind::Rgba8, 0, 0);
    ASSERT_TRUE(none);
    fx->SetImage(DS_IMAGE_OUTPUT, none.get());
    EXPECT_EQ(fx->Render(nullptr, 0), S_OK);
    fx->SetImage(DS_IMAGE_SOURCE, none.get());
    out = DsImage::create(DsImageKind::Rgba8, 3, 3);
    fx->SetImage(DS_IMAGE_OUTPUT, out.get());
    EXPECT_EQ(fx->Render(nullptr, 0), S_OK);
    EXPECT_FALSE(DsImage::create(DsImageKind::Rgba8, -1, 4));
    EXPECT_FALSE(DsImage::create(DsImageKind::Rgba16, INT_MAX, INT_MAX));  // size overflows
}

TEST_F(BadInputTest, InputsInAnotherLayoutThanTheOutputAreRefused) {
    auto out8 = DsImage::create(DsImageKind::Rgba8, 4, 4);
    std::memset(out8->data(), 0x33, out8->byteSize());
    const auto before = bytesOf(out8);
    auto src16 = DsImage::create(DsImageKind::Rgba16, 4, 4);
    fx->SetImage(DS_IMAGE_OUTPUT, out8.get());
    fx->SetImage(DS_IMAGE_SOURCE, src16.get());
    EXPECT_EQ(fx->Render(nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(bytesOf(out8), before);

    ComPtr<IDSImageEffect> paint = newEffect(DSFAMILY_PAINT);
    auto out16 = DsImage::create(DsImageKind::Rgba16, 4, 4);
    auto mask8 = DsImage::create(DsImageKind::Mask8, 4, 4);
    paint->SetImage(DS_IMAGE_OUTPUT, out16.get());
    paint->SetImage(DS_IMAGE_SOURCE, src16.get());
    paint->SetPixelMask(mask8.get(), 0, 0);
    EXPECT_EQ(paint->Render(nullptr, 0), E_INVALIDARG);
    auto mask16 = DsImage::create(DsImageKind::Mask16, 2, 2);  // smaller than the frame
    paint->SetPixelMask(mask16.get(), INT_MAX, INT_MIN);
    EXPECT_EQ(paint->Render(nullptr, 0), S_OK);
}
