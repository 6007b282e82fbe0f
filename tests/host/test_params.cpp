#include "host/common/ParamValues.h"

#include "host/common/GradingSpace.h"

#include <gtest/gtest.h>

namespace {

ParamValues sampleParams() {
    std::vector<ParamInfo> p(4);
    p[0].name = "Master Hue";
    p[1].name = "Render Tone";
    p[1].kind = ParamInfo::Kind::Integer;
    p[1].items = {"None", "Lowlights", "Midtones", "Highlights"};
    p[2].name = "Mask red channel.";
    p[2].kind = ParamInfo::Kind::Integer;
    p[3].name = "Preserve Luminance";
    p[3].kind = ParamInfo::Kind::Boolean;
    return ParamValues(p);
}

}  // namespace

TEST(ParamValues, ResolvesNamesAliasesAndListTexts) {
    ParamValues v = sampleParams();
    std::string err;
    EXPECT_TRUE(v.addAssignment("Master Hue=30", err)) << err;
    EXPECT_TRUE(v.addAssignment("render-tone=Midtones", err)) << err;
    EXPECT_TRUE(v.addAssignment("mask-red-channel=0", err)) << err;
    EXPECT_TRUE(v.addAssignment("Preserve Luminance=off", err)) << err;
    EXPECT_TRUE(v.addAssignment("master-hue=45", err)) << err;  // later wins
    ASSERT_EQ(v.settings().size(), 4u);
    EXPECT_EQ(v.settings()[0].value, 45);
    EXPECT_EQ(v.settings()[1].value, 2);
    EXPECT_EQ(v.settings()[2].value, 0);
    EXPECT_EQ(v.settings()[3].value, 0);
    EXPECT_TRUE(v.addAssignment("Render Tone=3", err));
    EXPECT_EQ(v.settings()[1].value, 3);
}

TEST(ParamValues, RefusesUnknownNamesAndBadValues) {
    ParamValues v = sampleParams();
    std::string err;
    EXPECT_FALSE(v.addAssignment("Master Hew=30", err));
    EXPECT_NE(err.find("master-hue"), std::string::npos);  // lists the valid names
    for (const char* bad : {"Master Hue=abc", "Master Hue=nan", "Master Hue=inf",
                            "Master Hue=1e999", "Master Hue=", "Render Tone=4",
                            "Render Tone=Shadows", "Mask red channel.=0.5", "Master Hue"}) {
        EXPECT_FALSE(v.addAssignment(bad, err)) << bad;
    }
    EXPECT_TRUE(v.settings().empty());
}

TEST(ParamValues, ReadsValuesAndKeyframesFromJson) {
    ParamValues v = sampleParams();
    std::string err;
    ASSERT_TRUE(v.addJsonText(R"({"Master Hue": [[24, 80], [0, 100]], "Render Tone": "Highlights",
                                  "Preserve Luminance": false})",
                              err))
        << err;
    ASSERT_EQ(v.settings().size(), 3u);
    auto setting = [&](size_t index) {
        for (const auto& s : v.settings())
            if (s.index == index) return s;
        return ParamSetting{};
    };
    ASSERT_EQ(setting(0).keys.size(), 2u);
    EXPECT_EQ(setting(0).keys[0].first, 0);  // sorted by time
    EXPECT_EQ(setting(0).keys[1].second, 80);
    EXPECT_EQ(setting(1).value, 3);
    EXPECT_EQ(setting(3).value, 0);
    // --set given afterwards replaces the animation.
    ASSERT_TRUE(v.addAssignment("Master Hue=5", err));
    EXPECT_TRUE(setting(0).keys.empty());
    for (const char* bad : {"[1,2]", "{\"Master Hue\": [[0]]}", "{\"Master Hue\": []}",
                            "{\"Nope\": 1}", "{\"Master Hue\": \"x\"}", "{", ""}) {
        EXPECT_FALSE(v.addJsonText(bad, err)) << bad;
    }
}

TEST(ParamValues, SavedJsonReadsBackToTheSameBits) {
    ParamValues v = sampleParams();
    // Numbers that decimal text with too few digits would round.
    const std::vector<ParamSetting> settings = {
        {0, 0.1 + 0.2, {{1, 1.0 / 3}, {24.5, -719.99999999999989}}},
        {1, 3, {}},
        {2, 2, {}},
        {3, 1, {}},
    };
    const std::string text = ParamValues::toJson(v.params(), settings);
    EXPECT_NE(text.find("\"Render Tone\": \"Highlights\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"Preserve Luminance\": true"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Mask red channel.\": 2"), std::string::npos) << text;
    std::string error;
    ASSERT_TRUE(v.addJsonText(text, error)) << error;
    ASSERT_EQ(v.settings().size(), settings.size());
    for (const ParamSetting& read : v.settings()) {
        const ParamSetting& wrote = settings[read.index];
        EXPECT_EQ(read.keys, wrote.keys);
        if (wrote.keys.empty()) {
            EXPECT_EQ(read.value, wrote.value);
        }
    }
}

// The host's own key in a params file: written beside the values, read
// back, passed over by the parameter reader, and refused when malformed.
TEST(GradingSpace, WrittenBesideTheValuesAndReadBack) {
    ParamValues v = sampleParams();
    std::string err;
    ASSERT_TRUE(v.addAssignment("Master Hue=30", err)) << err;
    const std::string plain = ParamValues::toJson(v.params(), v.settings());
    const std::string graded = withGradingSpace(plain, {"ACEScct", "ACEScg"});
    GradingSpace back;
    ASSERT_TRUE(readGradingSpace(graded, back, err)) << err;
    EXPECT_EQ(back, (GradingSpace{"ACEScct", "ACEScg"}));
    EXPECT_LT(graded.find("Master Hue"), graded.find("colbalance"));  // values first

    ParamValues again = sampleParams();
    ASSERT_TRUE(again.addJsonText(graded, err)) << err;
    ASSERT_EQ(again.settings().size(), 1u);
    EXPECT_EQ(again.settings()[0].value, 30);

    // None takes the key out; no key reads as none.
    EXPECT_EQ(withGradingSpace(graded, {}), plain);
    ASSERT_TRUE(readGradingSpace(plain, back, err));
    EXPECT_EQ(back, GradingSpace{});

    for (const char* bad :
         {R"({"colbalance": "ACEScct"})", R"({"colbalance": {"workingSpace": 1}})",
          R"({"colbalance": {"lookSpace": "x"}})", "[1]"}) {
        EXPECT_FALSE(readGradingSpace(bad, back, err)) << bad;
        EXPECT_FALSE(err.empty());
    }
}
