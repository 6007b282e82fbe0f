#include "host/common/FramePattern.h"
#include "host/common/PixelConvert.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

using namespace pixconv;

TEST(PixelConvert, SixteenBitFileValuesRoundTripThroughStorage) {
    EXPECT_EQ(fromU16(0), 0);
    EXPECT_EQ(fromU16(65535), 16384);
    EXPECT_EQ(toU16(16384), 65535);
    EXPECT_EQ(toU16(-5), 0);
    EXPECT_EQ(toU16(32767), 65535);
    // Storage has fewer levels than the file: converting back and forth once
    // more changes nothing.
    for (int v = 0; v <= 65535; ++v) {
        const int16_t s = fromU16(uint16_t(v));
        ASSERT_GE(s, 0);
        ASSERT_LE(s, 16384);
        ASSERT_EQ(fromU16(toU16(s)), s) << v;
    }
    // Every 8-bit level survives the 16-bit path.
    for (int v = 0; v <= 255; ++v) EXPECT_EQ(u16ToU8(toU16(fromU16(u8ToU16(uint8_t(v))))), v);
}

// The 16-bit conversions are written as shifts; they must equal the
// defining divisions for every input.
TEST(PixelConvert, SixteenBitShiftsEqualTheDivisions) {
    for (int v = 0; v <= 65535; ++v) {
        ASSERT_EQ(fromU16(uint16_t(v)), (int64_t(v) * 32768 + 65535) / 131070) << v;
        ASSERT_EQ(maskFromU16(uint16_t(v)), (int64_t(v) * 32767 + 32767) / 65535) << v;
    }
    for (int s = -32768; s <= 32767; ++s) {
        const int64_t v =
            s < 0 ? 0 : std::min<int64_t>(65535, (int64_t(s) * 131070 + 16384) / 32768);
        ASSERT_EQ(toU16(int16_t(s)), v) << s;
    }
}

TEST(PixelConvert, FloatsRoundHalfAwayAndClamp) {
    EXPECT_EQ(fromFloat(1.0f), 16384);
    EXPECT_EQ(fromFloat(0.5f / 16384.0f), 1);  // tie goes away from zero
    EXPECT_EQ(fromFloat(-0.5f / 16384.0f), -1);
    EXPECT_EQ(fromFloat(4.0f), 32767);
    EXPECT_EQ(fromFloat(-4.0f), -32768);
    EXPECT_EQ(fromFloat(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(fromFloat(std::numeric_limits<float>::infinity()), 32767);
    EXPECT_FLOAT_EQ(toFloat(8192), 0.5f);
}

TEST(PixelConvert, MasksUseTheFullSixteenBitRange) {
    EXPECT_EQ(maskFromU16(65535), 32767);
    EXPECT_EQ(maskFromU16(0), 0);
    EXPECT_EQ(maskFromU16(u8ToU16(255)), 32767);
}

TEST(FramePattern, ExpandsPrintfAndHashPatterns) {
    EXPECT_TRUE(hasFramePattern("a.%04d.tif"));
    EXPECT_TRUE(hasFramePattern("a.####.tif"));
    EXPECT_FALSE(hasFramePattern("a.tif"));
    EXPECT_EQ(expandFramePattern("a.%04d.tif", 7), "a.0007.tif");
    EXPECT_EQ(expandFramePattern("a.####.tif", 12), "a.0012.tif");
    EXPECT_EQ(expandFramePattern("a.%d.tif", 12), "a.12.tif");
    EXPECT_EQ(expandFramePattern("a.tif", 3), "a.tif");
    ASSERT_TRUE(parseFrameRange("1-24"));
    EXPECT_EQ(parseFrameRange("1-24")->last, 24);
    EXPECT_EQ(parseFrameRange("-5-10")->first, -5);
    EXPECT_EQ(parseFrameRange("7")->last, 7);
    EXPECT_FALSE(parseFrameRange("9-3"));
    EXPECT_FALSE(parseFrameRange("a-b"));
    EXPECT_FALSE(parseFrameRange("1-2x"));
    EXPECT_EQ(formatFrameList({1, 2, 3, 4, 5, 8, 10, 11}), "1-5,8,10-11");
    EXPECT_EQ(formatFrameList({-2, -1, 0, 7}), "-2-0,7");
    EXPECT_EQ(formatFrameList({}), "");
}

TEST(FramePattern, FindsAPatternsFramesOnDisk) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("fn-frames-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    // Frames 9 to 12 of "shot.%04d.exr", and names that only look alike.
    for (const char* name : {"shot.0009.exr", "shot.0010.exr", "shot.0012.exr", "shot.12.exr",
                             "shot.0013.tif", "shot.00014.exr", "take.0001.exr", "one.0001.exr"})
        std::ofstream(dir / name) << "x";
    const std::string pattern = (dir / "shot.%04d.exr").string();
    const auto r = findFramesOnDisk(pattern);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 9);
    EXPECT_EQ(r->last, 12);
    EXPECT_EQ(findFramesOnDisk((dir / "shot.####.exr").string())->last, 12);
    EXPECT_FALSE(findFramesOnDisk((dir / "none.%04d.exr").string()));

    // A numbered file opens with its neighbours; a lone one stays alone.
    const auto s = sequenceAround((dir / "shot.0010.exr").string());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->pattern, pattern);
    EXPECT_EQ(s->frames.first, 9);
    EXPECT_EQ(s->frames.last, 12);
    EXPECT_FALSE(sequenceAround((dir / "one.0001.exr").string()));
    EXPECT_FALSE(sequenceAround((dir / "shot.exr").string()));
    fs::remove_all(dir);
}

TEST(PixelConvert, IntegerLevelsSurviveTheFloatPath) {
    for (int v = 0; v <= 255; ++v) ASSERT_EQ(floatToU8(u8ToFloat(uint8_t(v))), v);
    for (int v = 0; v <= 65535; ++v) ASSERT_EQ(floatToU16(u16ToFloat(uint16_t(v))), v);
    EXPECT_EQ(u8ToFloat(255), 1.0f);
    EXPECT_EQ(u16ToFloat(65535), 1.0f);
    EXPECT_EQ(floatToU8(0.5f / 255.0f), 1);  // ties away from zero
    const float inf = std::numeric_limits<float>::infinity();
    for (float f : {std::numeric_limits<float>::quiet_NaN(), -1.0f, -inf, -0.0f})
        EXPECT_EQ(floatToU16(f), 0) << f;
    for (float f : {1.0f, 10.0f, inf}) EXPECT_EQ(floatToU8(f), 255) << f;
}
