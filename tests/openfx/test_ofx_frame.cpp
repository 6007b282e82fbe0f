// The test host's frames and their files.  Not among the ThreadSanitizer
// tests: OpenImageIO starts pool threads of its own that the sanitizer
// cannot see into.
#include <gtest/gtest.h>

#include <OpenImageIO/imageio.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ofxImageEffect.h"
#include "tests/openfx/OfxTestFrame.h"

// Files hold the top row first; frames count y upward.  A marker in the
// frame's top-left corner must be the file's first pixel, and come back to
// the same corner, at every depth and in either row order.
TEST(OfxTestFrame, FilesKeepTheTopRowOnTop) {
    const auto dir = std::filesystem::temp_directory_path() / "fn_ofx_frame_test";
    std::filesystem::create_directories(dir);
    for (const char* depth : {kOfxBitDepthByte, kOfxBitDepthShort, kOfxBitDepthFloat}) {
        for (const auto rows : {OfxTestFrame::Rows::BottomUp, OfxTestFrame::Rows::TopDown}) {
            SCOPED_TRACE(std::string(depth) +
                         (rows == OfxTestFrame::Rows::TopDown ? " top-down" : ""));
            OfxTestFrame f(depth, kOfxImageComponentRGBA, {0, 0, 3, 2}, rows);
            EXPECT_EQ(f.rowBytes(),
                      (rows == OfxTestFrame::Rows::TopDown ? -3 : 3) * f.bytesPerPixel());
            const double marker = std::string(depth) == kOfxBitDepthFloat   ? 0.5
                                  : std::string(depth) == kOfxBitDepthShort ? 50000
                                                                            : 200;
            f.setChannel(0, 1, 0, marker);
            f.setChannel(2, 0, 3, marker / 2);
            const std::string path = (dir / (std::string(depth) + ".tif")).string();
            std::string error;
            ASSERT_TRUE(f.write(path, error)) << error;

            // As stored: the marker's alpha is 0.
            OIIO::ImageSpec config;
            config.attribute("oiio:UnassociatedAlpha", 1);
            auto in = OIIO::ImageInput::open(path, &config);
            ASSERT_TRUE(in);
            in->threads(1);
            std::vector<float> first(3 * 4);  // the file's top scanline
            in->read_scanline(0, 0, OIIO::TypeDesc::FLOAT, first.data());
            EXPECT_GT(first[0], 0.1f);

            const OfxTestFrame back = OfxTestFrame::read(path, depth, error);
            ASSERT_FALSE(back.empty()) << error;
            EXPECT_EQ(back.components(), kOfxImageComponentRGBA);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    for (int c = 0; c < 4; ++c)
                        EXPECT_EQ(back.channel(x, y, c), f.channel(x, y, c));
        }
    }
    std::string error;
    EXPECT_TRUE(
        OfxTestFrame::read((dir / "missing.tif").string(), kOfxBitDepthByte, error).empty());
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}
