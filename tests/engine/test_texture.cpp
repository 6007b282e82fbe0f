// Image buffers: edge-mode index tables, region and placement, ownership,
// row direction and bilinear sampling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "FnTexture.h"

namespace {

// Stored index that position d (relative to the region's first index) must
// read, straight from the edge-mode table; -1 means the fill value.
int32_t expectedIndex(int32_t mode, int32_t first, int32_t n, int32_t d) {
    if (d >= 0 && d < n) return first + d;
    switch (mode) {
    case kFnEdgeFill: return -1;
    case kFnEdgeClamp: return d < 0 ? first : first + n - 1;
    case kFnEdgeMirror: {
        const int32_t k = d < 0 ? -d - 1 : d, q = k / n, r = k % n;
        return q % 2 == 0 ? first + r : first + (n - 1 - r);
    }
    default: return first + ((d % n) + n) % n;
    }
}

// A 10 x 3 buffer whose active columns are 2..5 (count 4), placed at
// horizontal offset `offset`.
struct RegionBuffer : FnImage8 {
    RegionBuffer(int32_t mode, int32_t offset) : FnImage8(10, 3) {
        setRegion(5, 2, 0, 2);  // reversed bounds are ordered
        setEdgeModes(mode, mode);
        setOffset(offset, int32_t(0));
    }
};

}  // namespace

TEST(Texture, SpanWalksMatchTheEdgeModeTableForEveryMode) {
    for (int32_t mode : {kFnEdgeFill, kFnEdgeClamp, kFnEdgeMirror, kFnEdgeRepeat}) {
        for (int32_t offset : {0, -7, 5}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " offset " << offset);
            const RegionBuffer img(mode, offset);
            ASSERT_EQ(img.axis(0).first, 2);
            ASSERT_EQ(img.axis(0).count, 4);
            const int32_t base = offset + 2;  // position of region first
            // Every start position gives its own index and a run whose
            // steps stay on the table until the run ends.
            for (int32_t p = base - 21; p < base + 21; ++p) {
                const FnSpan s = img.span(p);
                ASSERT_GE(s.run, 1) << p;
                const int32_t len = std::min(s.run, base + 21 - p);
                for (int32_t k = 0; k < len; ++k) {
                    const int32_t got = s.index < 0 ? -1 : s.index + k * s.step;
                    ASSERT_EQ(got, expectedIndex(mode, 2, 4, p + k - base)) << p << "+" << k;
                }
            }
        }
    }
    // The table's examples, relative to region first.
    const RegionBuffer mirror(kFnEdgeMirror, 0);
    std::vector<int32_t> got;
    for (int32_t d : {-1, -2, -3, -4, -5, 4, 5}) got.push_back(mirror.span(2 + d).index - 2);
    EXPECT_EQ(got, (std::vector<int32_t>{0, 1, 2, 3, 3, 3, 2}));
    const RegionBuffer repeat(kFnEdgeRepeat, 0);
    EXPECT_EQ(repeat.span(1).index, 5);
    EXPECT_EQ(repeat.span(6).index, 2);
    const RegionBuffer fill(kFnEdgeFill, 0);
    EXPECT_EQ(fill.span(-3).run, 5);  // runs up to the region
    EXPECT_EQ(fill.span(6).run, 0x7fffffff);
    EXPECT_EQ(fill.row(3), -1);
    EXPECT_EQ(RegionBuffer(kFnEdgeClamp, 0).row(7), 2);
}

TEST(Texture, RegionIsOrderedAndClamped) {
    FnImage16 img(8, 6);
    img.setRegion(12, -3, 4, 2);
    EXPECT_EQ(img.axis(0).first, 0);
    EXPECT_EQ(img.axis(0).last, 7);
    EXPECT_EQ(img.axis(0).count, 8);
    EXPECT_EQ(img.axis(1).first, 2);
    EXPECT_EQ(img.axis(1).last, 4);
    EXPECT_EQ(img.axis(1).count, 3);
}

TEST(Texture, FloatOffsetsRoundHalfUp) {
    FnImage8 img(2, 2);
    const float xs[] = {2.5f, -2.5f, -2.6f, 0.49f};
    const int32_t want[] = {3, -2, -3, 0};
    for (int i = 0; i < 4; ++i) {
        img.setOffset(xs[i], -xs[i]);
        EXPECT_EQ(img.axis(0).intOffset, want[i]) << xs[i];
        EXPECT_EQ(img.axis(0).floatOffset, xs[i]);
    }
    img.setOffset(int32_t(-4), int32_t(9));
    EXPECT_EQ(img.axis(0).floatOffset, -4.0f);
    EXPECT_EQ(img.axis(1).intOffset, 9);
}

TEST(Texture, AllocationOwnershipAndSharing) {
    FnImage8 empty(0, 5);
    EXPECT_EQ(empty.pixels(), nullptr);
    EXPECT_FALSE(empty.allocationFailed());
    EXPECT_TRUE(empty.ownsPixels());

    FnImage16 huge(0x7fffffff, 0x7fffffff);
    EXPECT_EQ(huge.pixels(), nullptr);
    EXPECT_TRUE(huge.allocationFailed());
    EXPECT_EQ(huge.width(), 0x7fffffff);  // geometry stays

    FnImage8 owner(4, 3);
    owner.setFillValue({9, 8, 7, 6});
    owner.setEdgeModes(kFnEdgeMirror, kFnEdgeClamp);
    FnRGBA8* const before = owner.pixels();
    owner.share(owner);
    EXPECT_EQ(owner.pixels(), before);
    EXPECT_TRUE(owner.ownsPixels());
    EXPECT_EQ(owner.width(), 4);

    {
        FnImage8 view;
        view.share(owner);
        EXPECT_EQ(view.pixels(), before);
        EXPECT_FALSE(view.ownsPixels());
        EXPECT_EQ(view.fillValue().g, 8);
        EXPECT_EQ(view.axis(0).edgeMode, kFnEdgeMirror);
        EXPECT_EQ(view.stride(), owner.stride());
    }  // the view frees nothing: the owner's pixels stay usable
    owner.stored(3, 2)->a = 1;

    // Wrapping frees what the buffer owned and never frees the host memory
    // (ASan reports either mistake).
    std::vector<FnRGBA8> host(6);
    owner.wrap(3, 2, host.data());
    EXPECT_FALSE(owner.ownsPixels());
    EXPECT_EQ(owner.stride(), 12);
    EXPECT_EQ(owner.axis(1).last, 1);
    owner.release();
    EXPECT_EQ(owner.pixels(), nullptr);
    EXPECT_EQ(owner.width(), 0);
}

TEST(Texture, FlippedRowsWalkBottomUp) {
    std::vector<FnRGBA16> host(2 * 3);
    for (int i = 0; i < 6; ++i) host[size_t(i)].r = short(i);
    FnImage16 img;
    img.wrap(2, 3, host.data());
    img.flipRows();
    EXPECT_EQ(img.stride(), -16);
    EXPECT_EQ(img.at(0, 0)->r, 4);  // row 0 is the last row in memory
    EXPECT_EQ(img.at(1, 2)->r, 1);
    img.setDataOrigin(10, 20);
    EXPECT_EQ(img.at(11, 21)->r, 3);

    // An owned buffer may walk bottom-up too and still frees its block.
    FnImage8 owned(3, 4);
    owned.stored(0, 3)->r = 77;
    owned.flipRows();
    EXPECT_EQ(owned.at(0, 0)->r, 77);
    owned.allocate();
    EXPECT_GT(owned.stride(), 0);
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
    const float top = 0.0f + (100.0f - 0.0f) * 0.75f, bottom = 200.0f + (40.0f - 200.0f) * 0.75f;
    EXPECT_EQ(out.r, top + (bottom - top) * 0.25f);
    // The float offset moves the sample, not the rounded integer one.
    img.setOffset(0.5f, 0.0f);
    img.sampleArea(out, 2.0f, 0.0f, 2.0f, 1.0f);  // u = 1.0 -> pixel (1, 0)
    EXPECT_EQ(out.r, 100.0f);
    // Wholly outside the region in fill mode only the fill value is read.
    img.setFillValue({7, 6, 5, 4});
    img.sampleArea(out, 20.0f, -9.0f, 21.0f, -8.0f);
    EXPECT_EQ(out.r, 7.0f);
    EXPECT_EQ(out.a, 4.0f);

    // Single-channel buffers (host masks) sample by the same rule.
    FnMaskImage16 mask(2, 1);
    mask.stored(0, 0)->v = -100;
    mask.stored(1, 0)->v = 300;
    FnChanf m{};
    mask.sampleArea(m, 0.75f, 0.0f, 1.75f, 1.0f);  // u = 0.75
    EXPECT_EQ(m.v, -100.0f + 400.0f * 0.75f);
}
