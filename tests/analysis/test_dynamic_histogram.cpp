// FnDynamicHistogram: shaping, clearing, the count range and refused shapes.
#include <gtest/gtest.h>

#include "analysis/FnDynamicHistogram.h"

TEST(DynamicHistogram, EmptyUntilShapedAndAfterFree) {
    FnDynamicHistogram h;
    EXPECT_FALSE(h.hasStorage());
    EXPECT_EQ(h.channels(), 0u);
    EXPECT_EQ(h.binCount(), 0u);
    EXPECT_EQ(h.bins(0), nullptr);
    EXPECT_EQ(h.largest(0), 0u);
    h.Clear();  // nothing to clear, nothing to range
    h.ComputeRange();

    h.SetShape(5, 256);
    ASSERT_TRUE(h.hasShape(5, 256));
    EXPECT_NE(h.bins(4), nullptr);
    EXPECT_EQ(h.bins(5), nullptr);
    h.Free();
    EXPECT_FALSE(h.hasStorage());
    EXPECT_EQ(h.channels(), 0u);

    // A zero size leaves the histogram empty, and so does a shape too large
    // to be a histogram, which also drops the storage it had.
    h.SetShape(5, 0);
    EXPECT_FALSE(h.hasStorage());
    h.SetShape(0, 256);
    EXPECT_FALSE(h.hasStorage());
    h.SetShape(5, 256);
    h.SetShape(0xFFFFFFFFu, 0xFFFFFFFFu);
    EXPECT_FALSE(h.hasStorage());
    EXPECT_EQ(h.binCount(), 0u);
    h.SetShape(1u << 15, 1u << 14);  // 2^29 counts
    EXPECT_FALSE(h.hasStorage());
}

TEST(DynamicHistogram, SameShapeKeepsCountsNewShapeReplacesThem) {
    FnDynamicHistogram h;
    h.SetShape(5, 256);
    h.Clear();
    h.bins(2)[7] = 42;
    h.SetShape(5, 256);
    EXPECT_EQ(h.bins(2)[7], 42u);

    h.SetShape(3, 1000);
    ASSERT_TRUE(h.hasShape(3, 1000));
    h.Clear();
    for (uint32_t c = 0; c < 3; ++c)
        for (uint32_t b = 0; b < 1000; ++b) ASSERT_EQ(h.bins(c)[b], 0u);
    h.bins(2)[999] = 1;  // the whole new array is there
}

TEST(DynamicHistogram, RangePerChannel) {
    FnDynamicHistogram h;
    h.SetShape(3, 4);
    h.Clear();
    EXPECT_EQ(h.smallest(0), 0u);
    const uint32_t c1[4] = {5, 3, 9, 4};
    const uint32_t c2[4] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
    for (int b = 0; b < 4; ++b) {
        h.bins(1)[b] = c1[b];
        h.bins(2)[b] = c2[b];
    }
    h.ComputeRange();
    EXPECT_EQ(h.smallest(0), 0u);
    EXPECT_EQ(h.largest(0), 0u);
    EXPECT_EQ(h.smallest(1), 3u);
    EXPECT_EQ(h.largest(1), 9u);
    // The search for the smallest starts from 0x7FFFFFFF, so counts above it
    // leave it there.
    EXPECT_EQ(h.smallest(2), 0x7FFFFFFFu);
    EXPECT_EQ(h.largest(2), 0xFFFFFFFFu);
    h.Clear();
    EXPECT_EQ(h.largest(1), 0u);
    EXPECT_EQ(h.bins(1)[2], 0u);
}
