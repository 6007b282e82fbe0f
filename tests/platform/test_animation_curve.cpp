#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/dssdk/CDSAnimationCurve.h"

TEST(AnimationCurve, LinearBetweenKeysHeldOutside) {
    CDSAnimationCurve c;
    c.SetKey(10, 100);
    c.SetKey(0, 0);
    c.SetKey(20, 50);
    EXPECT_DOUBLE_EQ(c.ValueAt(-5), 0);
    EXPECT_DOUBLE_EQ(c.ValueAt(0), 0);
    EXPECT_DOUBLE_EQ(c.ValueAt(2.5), 25);
    EXPECT_DOUBLE_EQ(c.ValueAt(15), 75);
    EXPECT_DOUBLE_EQ(c.ValueAt(20), 50);
    EXPECT_DOUBLE_EQ(c.ValueAt(1e9), 50);
    c.SetKey(10, -100);  // same time replaces
    EXPECT_EQ(c.Size(), 3u);
    EXPECT_DOUBLE_EQ(c.ValueAt(5), -50);
    // A non-finite time reads the first key.
    EXPECT_DOUBLE_EQ(c.ValueAt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_DOUBLE_EQ(c.ValueAt(std::numeric_limits<double>::infinity()), 0);
}

TEST(AnimationCurve, ExtremeKeysStayBetweenTheirValues) {
    CDSAnimationCurve c;
    const double big = std::numeric_limits<double>::max();
    c.SetKey(0, -big);
    c.SetKey(1, big);  // the difference overflows
    for (double t : {0.25, 0.5, 0.75}) {
        const double v = c.ValueAt(t);
        EXPECT_TRUE(std::isfinite(v)) << t;
    }
    CDSAnimationCurve tight;
    tight.SetKey(0, 1);
    tight.SetKey(1e-300, 2);
    const double v = tight.ValueAt(5e-301);
    EXPECT_GE(v, 1);
    EXPECT_LE(v, 2);
}
