// Parameters as the host sees them, and the information calls.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "tests/effect/EffectHost.h"

namespace P = ColBalanceParam;

using ParamsTest = EffectHost;

TEST_F(ParamsTest, EnumeratesTheTwentyFourParameters) {
    uint32_t n = 0;
    ASSERT_EQ(props->GetPropertyCount(&n), S_OK);
    ASSERT_EQ(n, 24u);
    DSPropertyInfo info;
    ASSERT_EQ(props->GetPropertyInfo(0, &info), S_OK);
    EXPECT_EQ(info.id, P::MasterHue);
    EXPECT_STREQ(info.name, "Master Hue");
    EXPECT_STREQ(info.description, "Master hue value.");
    EXPECT_EQ(info.type, VT_R8);
    EXPECT_EQ(info.capabilities, 5u);
    EXPECT_EQ(info.key, 0xFFFF04D0u);
    EXPECT_TRUE(info.hasRange);
    EXPECT_EQ(info.minimum, -720);
    EXPECT_EQ(info.maximum, 720);

    ASSERT_EQ(props->GetPropertyInfo(10, &info), S_OK);
    EXPECT_STREQ(info.name, "Highlights");
    EXPECT_EQ(info.defaultValue, 100);
    ASSERT_EQ(props->GetPropertyInfo(8, &info), S_OK);
    EXPECT_EQ(info.type, VT_BOOL);
    EXPECT_EQ(info.defaultValue, 1);
    EXPECT_EQ(info.capabilities & DSCAP_ANIMATABLE, 0u);

    uint32_t index = 0;
    ASSERT_EQ(props->FindProperty(P::RenderTone, &index), S_OK);
    EXPECT_EQ(index, 18u);
    ASSERT_EQ(props->GetPropertyInfo(index, &info), S_OK);
    ASSERT_EQ(info.listCount, 4u);
    char text[64];
    ASSERT_EQ(props->GetListItem(index, 2, text, sizeof text), S_OK);
    EXPECT_STREQ(text, "Midtones");
    EXPECT_EQ(props->GetListItem(index, 4, text, sizeof text), E_INVALIDARG);
    ASSERT_EQ(props->FindProperty(P::Which, &index), S_OK);
    ASSERT_EQ(props->GetListItem(index, 0, text, sizeof text), S_OK);
    EXPECT_STREQ(text, "Overall");

    // The channel switches follow, red, green, blue, alpha.
    ASSERT_EQ(props->GetPropertyInfo(20, &info), S_OK);
    EXPECT_EQ(info.id, DSPARAM_MASK_RED);
    EXPECT_STREQ(info.name, "Mask red channel.");
    ASSERT_EQ(props->GetPropertyInfo(23, &info), S_OK);
    EXPECT_EQ(info.id, DSPARAM_MASK_ALPHA);
    EXPECT_EQ(info.type, VT_I4);
    EXPECT_EQ(props->GetPropertyInfo(24, &info), E_INVALIDARG);
    EXPECT_EQ(props->GetPropertyInfo(0, nullptr), E_POINTER);

    // Every default is what SetDefaults stored.
    for (uint32_t i = 0; i < n; ++i) {
        ASSERT_EQ(props->GetPropertyInfo(i, &info), S_OK);
        double v = -1;
        ASSERT_EQ(props->GetValue(info.id, &v), S_OK);
        EXPECT_EQ(v, info.defaultValue) << info.name;
        EXPECT_NE(info.name[0], '\0');
    }
}

TEST_F(ParamsTest, NamesAndDescriptionFromTheStringTable) {
    char buf[64];
    ASSERT_EQ(props->GetName(buf, sizeof buf), S_OK);
    EXPECT_STREQ(buf, "K_ColBalance");
    ASSERT_EQ(props->GetDescription(buf, sizeof buf), S_OK);
    EXPECT_STREQ(buf, "Quorrel's Colour Balance Tool");
    ASSERT_EQ(props->GetDescription(buf, 6), S_OK);
    EXPECT_STREQ(buf, "Quorr");  // truncated, terminated
    EXPECT_EQ(props->GetName(nullptr, 10), E_POINTER);
    EXPECT_EQ(props->GetName(buf, 0), E_FAIL);
    uint32_t icon = 0;
    ASSERT_EQ(props->GetIconId(&icon), S_OK);
    EXPECT_EQ(icon, 102u);
}

TEST_F(ParamsTest, ValuesAreCheckedAndKeyframesInterpolate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    set(P::MasterHue, 7200);  // beyond the page range: accepted
    for (double bad : {nan, inf, -inf}) {
        EXPECT_EQ(props->SetValue(P::MasterHue, bad), E_INVALIDARG);
        EXPECT_EQ(props->SetKeyframe(P::MasterHue, 0, bad), E_INVALIDARG);
        EXPECT_EQ(props->SetKeyframe(P::MasterHue, bad, 1), E_INVALIDARG);
    }
    double v = 0;
    ASSERT_EQ(props->GetValue(P::MasterHue, &v), S_OK);
    EXPECT_EQ(v, 7200);

    // Integer properties: whole numbers; lists: an item index.
    EXPECT_EQ(props->SetValue(P::RenderTone, 4), E_INVALIDARG);
    EXPECT_EQ(props->SetValue(P::RenderTone, -1), E_INVALIDARG);
    EXPECT_EQ(props->SetValue(DSPARAM_MASK_RED, 0.5), E_INVALIDARG);
    EXPECT_EQ(props->SetValue(DSPARAM_MASK_RED, 3e9), E_INVALIDARG);
    EXPECT_EQ(props->SetValue(DSPARAM_MASK_ALPHA, 2), S_OK);
    EXPECT_EQ(props->SetValue("{00000000-1111-2222-3333-444444444444}"_guid, 1), E_INVALIDARG);
    // Only animatable properties take keys.
    EXPECT_EQ(props->SetKeyframe(P::PreserveLuminance, 0, 0), E_INVALIDARG);
    EXPECT_EQ(props->SetKeyframe(DSPARAM_MASK_RED, 0, 0), E_INVALIDARG);

    ASSERT_EQ(props->SetKeyframe(P::MasterLuminance, 10, 100), S_OK);
    ASSERT_EQ(props->SetKeyframe(P::MasterLuminance, 0, 0), S_OK);
    const std::pair<double, double> expected[] = {{-4, 0}, {0, 0}, {2.5, 25}, {10, 100}, {99, 100}};
    for (auto [t, want] : expected) {
        ASSERT_EQ(props->GetValueAt(P::MasterLuminance, t, &v), S_OK);
        EXPECT_DOUBLE_EQ(v, want) << t;
    }
    ASSERT_EQ(props->GetValueAt(P::MasterLuminance, nan, &v), S_OK);
    EXPECT_EQ(v, 0);
    // SetDefaults drops the animation.
    ASSERT_EQ(fx->SetDefaults(), S_OK);
    ASSERT_EQ(props->GetValueAt(P::MasterLuminance, 10, &v), S_OK);
    EXPECT_EQ(v, 0);
    ASSERT_EQ(props->GetValue(P::MasterHue, &v), S_OK);
    EXPECT_EQ(v, 0);
}

TEST_F(ParamsTest, InformationRecordsAndFamilies) {
    DSEffectInfo info{};
    EXPECT_EQ(fx->GetInfo(&info), E_INVALIDARG);  // wrong record type
    EXPECT_EQ(fx->GetInfo(nullptr), E_POINTER);
    info.recordType = DSINFO_EFFECT;
    ASSERT_EQ(fx->GetInfo(&info), S_OK);
    EXPECT_EQ(info.effectClassId, CLSID_ColBalance);
    EXPECT_EQ(info.classIds[0], "{0BC5A2F0-5C49-11CF-A04A-00A02418CFB9}"_guid);
    EXPECT_EQ(info.classIds[1], "{0BC5A2F2-5C49-11CF-A04A-00A02418CFB9}"_guid);

    struct Case {
        GUID family;
        uint32_t words[10];
    };
    const Case cases[] = {
        {DSFAMILY_FILTER, {0, 0, 8, 1, 0, 0, 0, 0, 0, 0x302}},
        {DSFAMILY_PAINT, {0, 96, 8, 1, 0, 1, 0, 1, 0, 0x302}},
        {"{61054A80-9662-11D0-B685-00A024191AE0}"_guid, {0, 0, 2, 1, 1, 0, 0, 0, 0, 0x312}},
        {"{61054A81-9662-11D0-B685-00A024191AE0}"_guid, {0, 0, 2, 1, 0, 0, 0, 0, 0, 0x302}},
    };
    for (const Case& c : cases) {
        ComPtr<IDSImageEffect> e = newEffect(c.family);
        ASSERT_TRUE(e);
        DSImageEffectInfo ii{DSINFO_IMAGE_EFFECT, c.family, {}};
        ASSERT_EQ(e->GetImageEffectInfo(&ii), S_OK);
        for (int w = 0; w < 10; ++w)
            EXPECT_EQ(ii.capabilities[w], c.words[w]) << GuidToString(c.family) << w;
    }
    DSImageEffectInfo wrong{DSINFO_EFFECT, DSFAMILY_FILTER, {}};
    EXPECT_EQ(fx->GetImageEffectInfo(&wrong), E_INVALIDARG);

    EXPECT_EQ(fx->IsFormatSupported(MFIF_RGBA_RAW_32), S_OK);
    EXPECT_EQ(fx->IsFormatSupported(MFIF_RGBA_S2_14), S_OK);
    EXPECT_EQ(fx->IsFormatSupported(MFIF_RGBA_RAW_64), S_FALSE);
}

TEST_F(ParamsTest, VerifyAsksForTheImagesOfTheFamily) {
    EXPECT_EQ(fx->Verify(), E_POINTER);  // no output
    auto out = DsImage::create(DsImageKind::Rgba8, 2, 2);
    fx->SetImage(DS_IMAGE_OUTPUT, out.get());
    EXPECT_EQ(fx->Verify(), E_POINTER);  // the filter family needs a source
    fx->SetImage(DS_IMAGE_SOURCE, out.get());
    EXPECT_EQ(fx->Verify(), S_OK);

    ComPtr<IDSImageEffect> paint = newEffect(DSFAMILY_PAINT);
    paint->SetImage(DS_IMAGE_OUTPUT, out.get());
    paint->SetImage(DS_IMAGE_SOURCE, out.get());
    EXPECT_EQ(paint->Verify(), E_POINTER);  // and the paint family a pixel mask
    auto mask = DsImage::create(DsImageKind::Mask8, 2, 2);
    paint->SetPixelMask(mask.get(), 0, 0);
    EXPECT_EQ(paint->Verify(), S_OK);
}
