// A frame is a depth and one buffer: the depth's facts are what the host's
// images are (kind, pixel format, sample size, row order), the typed views
// see the buffer only as the depth's own type, and the conversions that
// read the facts put the rows where the effect expects them.
#include "host/common/FrameImage.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/common/FrameConvert.h"
#include "host/common/PixelConvert.h"

TEST(FrameImage, EachDepthsFactsAreThoseOfTheHostsImages) {
    for (PixelDepth d : {PixelDepth::Eight, PixelDepth::Sixteen, PixelDepth::Float}) {
        const DepthFacts& f = depthFacts(d);
        EXPECT_EQ(f.depth, d);
        std::vector<uint8_t> memory(64);
        ComPtr<DsImage> frame = DsImage::wrap(f.frameKind, 2, 2, memory.data());
        ComPtr<DsImage> mask = DsImage::wrap(f.maskKind, 2, 2, memory.data());
        ASSERT_TRUE(frame && mask);
        GUID format{};
        ASSERT_EQ(frame->GetPixelFormat(&format), S_OK);
        EXPECT_TRUE(format == f.frameFormat) << int(d);
        ASSERT_EQ(mask->GetPixelFormat(&format), S_OK);
        EXPECT_TRUE(format == f.maskFormat) << int(d);
        EXPECT_EQ(DsImage::pixelSize(f.frameKind), 4 * f.sampleBytes);
        EXPECT_EQ(DsImage::pixelSize(f.maskKind), f.sampleBytes);
        EXPECT_EQ(DsImage::bottomUp(f.frameKind), f.bottomUp);
        EXPECT_EQ(DsImage::bottomUp(f.maskKind), f.bottomUp);
    }
}

TEST(FrameImage, TypedViewsSeeTheBufferOnlyAsTheDepthsType) {
    FrameImage f;
    f.reshape(3, 2, PixelDepth::Sixteen);
    EXPECT_EQ(f.bytes.size(), 3u * 2 * 4 * 2);
    EXPECT_EQ(f.s16().size(), 24u);
    EXPECT_TRUE(f.u8().empty());
    EXPECT_TRUE(f.f32().empty());
    f.s16()[5] = -3;
    int16_t v = 0;
    std::memcpy(&v, f.bytes.data() + 10, 2);
    EXPECT_EQ(v, -3);
    // Another depth of the same size keeps the buffer's size.
    f.reshape(3, 2, PixelDepth::Float);
    EXPECT_EQ(f.f32().size(), 24u);
    EXPECT_EQ(f.bytes.size(), 96u);
    MaskImage m;
    m.reshape(5, 1, PixelDepth::Eight);
    EXPECT_EQ(m.u8().size(), 5u);
}

// The 16-bit path keeps its rows bottom-up; files and viewers see them
// top-down.
TEST(FrameImage, SixteenBitRowsAreStoredBottomUpAndShownTopDown) {
    OIIO::ImageSpec spec(1, 2, 1, OIIO::TypeDesc::UINT16);
    const uint16_t file[2] = {65535, 0};  // white on top, black below
    FrameImage f;
    f.depth = PixelDepth::Sixteen;
    std::vector<float> extra;
    unpackFrame(spec, OIIO::TypeDesc::UINT16, file, f, extra);
    ASSERT_EQ(f.s16().size(), 8u);
    EXPECT_EQ(f.s16()[0], 0);      // the bottom row first in memory
    EXPECT_EQ(f.s16()[4], 16384);  // white
    EXPECT_EQ(f.s16()[7], 16384);  // a grey file's alpha is full
    const std::vector<uint8_t> shown = displayPixels(f);
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0], 255);
    EXPECT_EQ(shown[4], 0);

    MaskImage m;
    m.depth = PixelDepth::Sixteen;
    unpackMask(1, 2, OIIO::TypeDesc::UINT16, file, m);
    EXPECT_EQ(m.s16()[0], 0);
    EXPECT_EQ(m.s16()[1], 32767);  // a full mask on this path
}
