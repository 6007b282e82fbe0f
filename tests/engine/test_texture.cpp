// Image buffers: edge-mode index tables, region and placement, ownership,
// row direction and bilinear sampling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/FnTexture.h"

namespace {

// Stored index that position d (relative to region first, region count n)
// must read by the edge-mode table; -1 is the fill value.
int32_t expectedIndex(int32_t mode, int32_t first, int32_t n, int32_t d) {
    if (d >= 0 && d < n) return first + d;
    if (mode == kFnEdgeFill) return -1;
    if (mode == kFnEdgeClamp) return d < 0 ? first : first + n - 1;
    if (mode == kFnEdgeRepeat) return first + ((d % n) + n) % n;
    const int32_t k = d < 0 ? -d - 1 : d, r = k % n;
    return (k / n) % 2 == 0 ? first + r : first + (n - 1 - r);
}

// 10 x 3 pixels, active columns 2..5, placed at horizontal offset `offset`.
struct RegionBuffer : FnImage8 {
    RegionBuffer(int32_t mode, int32_t offset) : FnImage8(10, 3) {
        setRegion(5, 2, 0, 2);  // reversed bounds are ordered
        setEdgeModes(mode, mode);
        setOffset(offset, int32_t(0));
    }
};

}  // namespace

TEST(Texture, SpanWalksFollowTheEdgeModeTable) {
    for (int32_t mode : {kFnEdgeFill, kFnEdgeClamp, kFnEdgeMirror, kFnEdgeRepeat})
        for (int32_t offset : {0, -7, 5}) {
            const RegionBuffer img(mode, offset);
            const int32_t base = offset + 2, end = base + 21;  // base: region first
            // Every start gives its own index, and the run's steps stay on
            // the table until the run ends.
            for (int32_t p = base - 21; p < end; ++p) {
                const FnSpan s = img.span(p);
                ASSERT_GE(s.run, 1) << p;
                for (int32_t k = 0; k < std::min(s.run, end - p); ++k)
                    ASSERT_EQ(s.index < 0 ? -1 : s.index + k * s.step,
                              expectedIndex(mode, 2, 4, p + k - base))
                        << "mode " << mode << " offset " << offset << " at " << p << "+" << k;
            }
        }
    const RegionBuffer mirror(kFnEdgeMirror, 0), repeat(kFnEdgeRepeat, 0), fill(kFnEdgeFill, 0);
    std::vector<int32_t> got;
    for (int32_t d : {-1, -2, -3, -4, -5, 4, 5}) got.push_back(mirror.span(2 + d).index - 2);
    EXPECT_EQ(got, (std::vector<int32_t>{0, 1, 2, 3, 3, 3, 2}));
    EXPECT_EQ(repeat.span(1).index, 5);
    EXPECT_EQ(repeat.span(6).index, 2);
    EXPECT_EQ(fill.span(-3).run, 5);  // up to the region
    EXPECT_EQ(fill.span(6).run, 0x7fffffff);
    EXPECT_EQ(fill.row(3), -1);
    EXPECT_EQ(RegionBuffer(kFnEdgeClamp, 0).row(7), 2);
}

TEST(Texture, RegionAndPlacement) {
    FnImage16 img(8, 6);
    img.setRegion(12, -3, 4, 2);
    EXPECT_EQ(img.axis(0).first, 0);
    EXPECT_EQ(img.axis(0).last, 7);
    EXPECT_EQ(img.axis(1).first, 2);
    EXPECT_EQ(img.axis(1).count, 3);
    const float xs[] = {2.5f, -2.5f, -2.6f, 0.49f};
    const int32_t rounded[] = {3, -2, -3, 0};
    for (int i = 0; i < 4; ++i) {
        img.setOffset(xs[i], -xs[i]);
        EXPECT_EQ(img.axis(0).intOffset, rounded[i]) << xs[i];
        EXPECT_EQ(img.axis(0).floatOffset, xs[i]);
    }
}

TEST(Texture, OwnedWrappedAndSharedPixels) {
    FnImage8 empty(0, 5);
    EXPECT_EQ(empty.pixels(), nullptr);
    EXPECT_FALSE(empty.allocationFailed());
    FnImage16 huge(0x7fffffff, 0x7fffffff);
    EXPECT_EQ(huge.pixels(), nullptr);
    EXPECT_TRUE(huge.allocationFailed());

    FnImage8 owner(4, 3);
    owner.setFillValue({9, 8, 7, 6});
    FnRGBA8* const block = owner.pixels();
    owner.share(owner);
    EXPECT_EQ(owner.pixels(), block);
    EXPECT_TRUE(owner.ownsPixels());
    {
        FnImage8 view;
        view.share(owner);
        EXPECT_FALSE(view.ownsPixels());
        EXPECT_EQ(view.pixels(), block);
        EXPECT_EQ(view.fillValue().g, 8);
    }  // the view frees nothing (ASan would see the owner's block go)

    // Wrapping frees the owned block and never frees host memory.
    std::vector<FnRGBA16> host(6);
    for (int i = 0; i < 6; ++i) host[size_t(i)].r = short(i);
    FnImage16 img(5, 5);
    img.wrap(2, 3, host.data());
    EXPECT_FALSE(img.ownsPixels());
    EXPECT_EQ(img.axis(1).last, 2);
    img.flipRows();  // bottom-up: row 0 is the last row in memory
    EXPECT_EQ(img.stride(), -16);
    EXPECT_EQ(img.at(0, 0)->r, 4);
    img.setDataOrigin(10, 20);
    EXPECT_EQ(img.at(11, 22)->r, 1);

    // An owned buffer walked bottom-up still frees its own block.
    FnImage8 flipped(3, 4);
    flipped.stored(0, 3)->r = 77;
    flipped.flipRows();
    EXPECT_EQ(flipped.at(0, 0)->r, 77);
    flipped.allocate();
}

// Hosts hand rows with padding, or running upwards in memory; a stride
// that cannot hold a row, or would misalign or overflow, is refused.
TEST(Texture, WrapsRowsAnyStrideApart) {
    // 3 x 4 pixels of 16-bit RGBA, rows 40 bytes apart (24 of pixels).
    std::vector<FnRGBA16> host(5 * 4);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 5; ++i) host[size_t(j * 5 + i)].r = short(10 * j + i);
    FnImage16 down;
    ASSERT_TRUE(down.wrap(3, 4, host.data(), 40));
    EXPECT_EQ(down.stride(), 40);
    EXPECT_EQ(down.at(2, 3)->r, 32);
    // Upwards: row 0 is the last row in memory.
    FnImage16 up;
    ASSERT_TRUE(up.wrap(3, 4, host.data() + 15, -40));
    EXPECT_EQ(up.at(0, 0)->r, 30);
    EXPECT_EQ(up.at(2, 3)->r, 2);
    const FnByteRange r = up.byteRange();
    EXPECT_EQ(r.begin, reinterpret_cast<const unsigned char*>(host.data()));
    EXPECT_EQ(r.end, reinterpret_cast<const unsigned char*>(host.data() + 15 + 3));
    // Exactly a row, and a zero-sized image, are fine.
    EXPECT_TRUE(down.wrap(5, 4, host.data(), 40));
    EXPECT_TRUE(down.wrap(0, 0, nullptr, 0));

    // Refused: the texture is left without pixels and without size.
    auto refused = [](FnImage16& t) {
        return t.pixels() == nullptr && t.width() == 0 && t.height() == 0;
    };
    for (ptrdiff_t stride : {ptrdiff_t(23), ptrdiff_t(-16), ptrdiff_t(0), ptrdiff_t(41),
                             PTRDIFF_MIN, PTRDIFF_MAX - 1}) {
        FnImage16 t;
        EXPECT_FALSE(t.wrap(3, 4, host.data(), stride)) << stride;
        EXPECT_TRUE(refused(t)) << stride;
    }
    FnImage16 t(2, 2);  // an owned block is released first
    EXPECT_FALSE(t.wrap(3, 4, reinterpret_cast<char*>(host.data()) + 1, 40));  // misaligned
    EXPECT_TRUE(refused(t));
    EXPECT_FALSE(t.wrap(-1, 4, host.data(), 40));
    EXPECT_FALSE(t.wrap(3, -4, host.data(), 40));
    EXPECT_TRUE(refused(t));
}

TEST(Texture, BilinearSamplesBlendInteriorPixels) {
    FnImage8 img(3, 2);
    const unsigned char v[2][3] = {{0, 100, 50}, {200, 40, 10}};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i) *img.stored(i, j) = {v[j][i], 0, 0, 255};
    FnRGBAf out{};
    img.sampleArea(out, 1.0f, 1.0f, 2.0f, 2.0f);  // centre of pixel (1, 1)
    EXPECT_EQ(out.r, 40.0f);
    EXPECT_EQ(out.a, 255.0f);
    img.sampleAround(out, 1.25f, 0.75f, 0.5f, 0.5f);  // u = 0.75, v = 0.25
    const float top = 100.0f * 0.75f, bottom = 200.0f + (40.0f - 200.0f) * 0.75f;
    EXPECT_EQ(out.r, top + (bottom - top) * 0.25f);
    img.setOffset(0.5f, 0.0f);  // the float offset moves samples, not the rounded one
    img.sampleArea(out, 2.0f, 0.0f, 2.0f, 1.0f);
    EXPECT_EQ(out.r, 100.0f);
    img.setFillValue({7, 6, 5, 4});  // wholly outside in fill mode
    img.sampleArea(out, 20.0f, -9.0f, 21.0f, -8.0f);
    EXPECT_EQ(out.r, 7.0f);

    FnMaskImage16 mask(2, 1);  // host masks sample by the same rule
    mask.stored(0, 0)->v = -100;
    mask.stored(1, 0)->v = 300;
    FnChanf m{};
    mask.sampleArea(m, 0.75f, 0.0f, 1.75f, 1.0f);
    EXPECT_EQ(m.v, -100.0f + 400.0f * 0.75f);
}
