// Processor framework: regions and clipping, bands, passes, fields,
// interruption and map checks of the FnImgProc and Imager families.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/FnImgProc.h"
#include "engine/Imager.h"
#include "tests/engine/EngineTesting.h"

namespace {

// Adds 1 to red and counts visits in alpha; records each band's rows.
class Bump : public FnImgProc2<FnImage8, FnImage8>,
             public FnGeneralPass2<FnRGBA8, FnRGBAf, FnRGBA8, FnRGBAf> {
public:
    void processPixel(const FnRGBA8& s, FnRGBA8& d, int) final {
        d = {uint8_t(s.r + 1), s.g, s.b, uint8_t(d.a + 1)};
    }
    void processBand() override {
        FnBandRange& b = bands[size_t(threadIndex())];
        getBandRows(b.first, b.end);
        generalPassBand<Bump>(*this, *src_, *dst_);
    }
    void prepare() override { ++calls[0]; }
    void preparePass() override { ++calls[1]; }
    void finishPass() override { ++calls[2]; }
    void finish() override { ++calls[3]; }

    std::vector<FnBandRange> bands = std::vector<FnBandRange>(kFnMaxThreads);
    std::vector<int> calls = std::vector<int>(4);
};

int visits(const FnImage8& img, int x, int y) { return img.at(x, y)->a; }

// Marks every map pixel of its band's field rows.
class MarkSampler : public Sampler<FnImage8, FnImage8> {
public:
    void prepare(FnImage8&, FnImage8&) override { ++prepared; }
    void processBand(FnImage8&, FnImage8& map) override {
        const FnBandRange b = bandRows();
        for (int32_t y = alignToField(b.first); y < b.end; y += fieldStep())
            for (int32_t x = region().x0; x < region().x1; ++x) ++map.at(x, y)->a;
    }
    int prepared = 0;
};

class NullCombiner : public Combiner<FnImage8, FnMaskImage8, FnImage8> {
public:
    void prepare(FnImage8&, FnMaskImage8&, FnImage8&) override { ++prepared; }
    int prepared = 0;
};

}  // namespace

TEST(ImgProc, GeneralPassFollowsSourceEdgesForAnyBandCount) {
    FnImage8 src(5, 4);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 5; ++i) *src.stored(i, j) = {uint8_t(10 * j + i), 7, 9, 0};
    src.setEdgeModes(kFnEdgeMirror, kFnEdgeFill);
    src.setOffset(int32_t(2), int32_t(1));
    src.setFillValue({200, 1, 1, 1});
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnImage8 dst(9, 7);
        Bump p;
        p.run(&src, &dst);
        EXPECT_EQ(p.calls, (std::vector<int>{1, 1, 1, 1}));
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(p.bands[size_t(i)].first, fnBandRows(7, n, i).first) << n << "/" << i;
            EXPECT_EQ(p.bands[size_t(i)].end, fnBandRows(7, n, i).end) << n << "/" << i;
        }
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const int32_t si = src.span(x).index, sj = src.row(y);
                const int want = (si < 0 || sj < 0) ? 200 : src.stored(si, sj)->r;
                ASSERT_EQ(dst.at(x, y)->r, want + 1) << n << " bands at " << x << "," << y;
                ASSERT_EQ(visits(dst, x, y), 1);
            }
    }
}

TEST(ImgProc, RegionsAreClippedAndKeptAcrossRuns) {
    ThreadCountGuard guard(2);
    FnImage8 src(6, 6), dst(6, 6), small(4, 3), edge(4, 3);
    dst.setDataOrigin(10, 20);
    Bump p, all, outside, none;
    p.setRegion(12, 21, 13, 23);
    p.run(&src, &dst);
    p.run(&src, &dst);  // no new setRegion: the same pixels again
    all.setRegion(-50, -50, 50, 50);
    all.run(&src, &small);
    outside.setRegion(20, -9, 30, -5);  // wholly right of and above the map
    outside.run(&src, &edge);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(visits(dst, 10 + x, 20 + y), (x >= 2 && x <= 3 && y >= 1 && y <= 3) ? 2 : 0);
            if (x >= 4 || y >= 3) continue;
            EXPECT_EQ(visits(small, x, y), 1);
            EXPECT_EQ(visits(edge, x, y), x == 3 && y == 0 ? 1 : 0);  // the near edge
        }
    none.run(&src, nullptr);
    EXPECT_EQ(none.calls[0], 0);
}

TEST(ImgProc, InterruptionStopsEveryBandAtItsNextRow) {
    for (int n : {1, 4, 7}) {
        ThreadCountGuard guard(n);
        std::atomic<int> polls{0};
        FnInterruptState state;
        state.context = &polls;
        state.poll = [](void* ctx, std::atomic<int32_t>*) -> int32_t {
            return ++*static_cast<std::atomic<int>*>(ctx) >= 12 ? 1 : 0;
        };
        FnImage8 src(3, 40), dst(3, 40);
        Bump p;
        p.setInterrupt(&state);
        p.setPassCount(3);
        p.run(&src, &dst);
        // Two checks open the first pass; each row after them follows one
        // check that answered "go on" (polls 3..11) and none follows a stop.
        int rows = 0;
        for (int y = 0; y < 40; ++y) rows += visits(dst, 0, y);
        EXPECT_EQ(rows, 9) << n << " bands";
        EXPECT_EQ(p.calls, (std::vector<int>{1, 1, 1, 1}));  // later passes skipped
    }
}

TEST(Imager, FieldRowsAndRegionFitting) {
    Imager field;
    field.setFieldMode(2);
    EXPECT_EQ(field.alignToField(4), 5);
    EXPECT_EQ(field.alignToField(5), 5);
    // Rows above a frame placed higher keep their parity: -3 is odd.
    EXPECT_EQ(field.alignToField(-3), -3);
    EXPECT_EQ(field.alignToField(-4), -3);
    field.setFieldMode(1);
    EXPECT_EQ(field.alignToField(-3), -2);
    EXPECT_EQ(field.alignToField(-2), -2);
    field.setFieldMode(2);
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnImage8 src(1, 1), map(5, 9);
        MarkSampler s, whole;
        s.setFieldMode(1);
        s.setRegion(-4, 3, 2, 40);  // clipped to columns 0..2, rows 3..8
        s.process(src, &map);
        s.process(src, &map);
        EXPECT_NE(s.flags() & Imager::kWindowed, 0u);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 5; ++x)  // each band starts on its first even row
                ASSERT_EQ(map.at(x, y)->a, x <= 2 && y >= 4 && y % 2 == 0 ? 2 : 0)
                    << n << " bands at " << x << "," << y;
        whole.setRegion(0, 0, 4, 8);
        whole.process(src, &map);
        EXPECT_EQ(whole.flags() & Imager::kWindowed, 0u);
    }
}

TEST(Imager, UnusableMapsAreReported) {
    FnImage8 src(2, 2), empty(0, 4), noPixels;
    FnMaskImage8 mask(2, 2);
    noPixels.wrap(3, 3, nullptr);
    MarkSampler s;
    NullCombiner c;
    auto err = [](auto&& f) {
        testing::internal::CaptureStderr();
        f();
        return testing::internal::GetCapturedStderr();
    };
    const std::string bogus = "Map passed into Sampler::process is bogus\n";
    EXPECT_EQ(err([&] { s.process(src, &empty); }), bogus);
    EXPECT_EQ(err([&] { s.process(src, &noPixels); }), bogus);
    EXPECT_EQ(err([&] { s.process(src, nullptr); }), "");
    EXPECT_EQ(err([&] { c.process(src, mask, nullptr); }),
              "Map passed into Combiner::process is NULL\n");
    EXPECT_EQ(err([&] { c.process(src, mask, &empty); }), "");
    EXPECT_EQ(s.prepared + c.prepared, 0);
}
