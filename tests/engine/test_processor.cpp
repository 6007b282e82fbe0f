// Processor framework: regions and clipping, bands, passes, fields,
// interruption and map checks of the FnImgProc and Imager families.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <vector>

#include "FnImgProc.h"
#include "Imager.h"

namespace {

struct ThreadCountGuard {
    explicit ThreadCountGuard(int n) { fnSetThreadCountForTesting(n); }
    ~ThreadCountGuard() { fnSetThreadCountForTesting(0); }
};

// Adds 1 to red and counts visits in alpha; records each band's rows.
class Bump : public FnImgProc2<FnImage8, FnImage8>,
             public FnGeneralPass2<FnRGBA8, FnRGBAf, FnRGBA8, FnRGBAf> {
public:
    void processPixel(const FnRGBA8& s, FnRGBA8& d, int) final {
        d = {static_cast<unsigned char>(s.r + 1), s.g, s.b, static_cast<unsigned char>(d.a + 1)};
    }
    void processBand() override {
        getBandRows(bands[size_t(threadIndex())].first, bands[size_t(threadIndex())].end);
        generalPassBand<Bump>(*this, *src_, *dst_);
    }
    void prepare() override { ++prepared; }
    void finish() override { ++finished; }
    void preparePass() override { ++passesPrepared; }
    void finishPass() override { ++passesFinished; }

    std::vector<FnBandRange> bands = std::vector<FnBandRange>(kFnMaxThreads, FnBandRange{-1, -1});
    int prepared = 0, finished = 0, passesPrepared = 0, passesFinished = 0;
};

int visits(const FnImage8& img, int x, int y) { return img.at(x, y)->a; }

int32_t stopAfter(void* ctx, std::atomic<int32_t>*) {
    auto& calls = *static_cast<std::atomic<int>*>(ctx);
    return ++calls >= 12 ? 1 : 0;
}

// Marks every map pixel of its band's field rows; counts hook calls.
class MarkSampler : public Sampler<FnImage8, FnImage8> {
public:
    void prepare(FnImage8&, FnImage8&) override { ++prepared; }
    void processBand(FnImage8&, FnImage8& map) override {
        const FnBandRange b = bandRows();
        for (int32_t y = alignToField(b.first); y < b.end; y += fieldStep())
            for (int32_t x = region().x0; x < region().x1; ++x) map.at(x, y)->a += 1;
    }
    int prepared = 0;
};

class NullCombiner : public Combiner<FnImage8, FnMaskImage8, FnImage8> {
public:
    void prepare(FnImage8&, FnMaskImage8&, FnImage8&) override { ++prepared; }
    int prepared = 0;
};

}  // namespace

TEST(ImgProc, GeneralPassFollowsSourceEdgesAndIsTheSameForAnyBandCount) {
    FnImage8 src(5, 4);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 5; ++i) *src.stored(i, j) = {uint8_t(10 * j + i), 7, 9, 0};
    src.setEdgeModes(kFnEdgeMirror, kFnEdgeRepeat);
    src.setOffset(int32_t(2), int32_t(-1));
    src.setFillValue({200, 1, 1, 1});

    std::vector<FnRGBA8> first;
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnImage8 dst(9, 7);
        Bump p;
        p.run(&src, &dst);
        EXPECT_EQ(p.prepared, 1);
        EXPECT_EQ(p.finished, 1);
        for (int i = 0; i < n; ++i) {
            const FnBandRange want = fnBandRows(7, n, i);
            EXPECT_EQ(p.bands[size_t(i)].first, want.first) << n << "/" << i;
            EXPECT_EQ(p.bands[size_t(i)].end, want.end) << n << "/" << i;
        }
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const FnRGBA8& s = *src.stored(src.span(x).index, src.row(y));
                ASSERT_EQ(dst.at(x, y)->r, s.r + 1) << x << "," << y;
                ASSERT_EQ(visits(dst, x, y), 1);
            }
        std::vector<FnRGBA8> px(dst.pixels(), dst.pixels() + 63);
        if (first.empty()) first = px;
        EXPECT_EQ(std::memcmp(first.data(), px.data(), 63 * sizeof(FnRGBA8)), 0) << n << " bands";
    }
    // Fill edges feed the fill value, also on rows outside the source.
    src.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
    FnImage8 dst(9, 7);
    Bump p;
    p.run(&src, &dst);
    EXPECT_EQ(dst.at(0, 2)->r, 201);
    EXPECT_EQ(dst.at(4, 6)->r, 201);
    EXPECT_EQ(dst.at(3, 2)->r, 32);  // stored (1, 3)
}

TEST(ImgProc, RegionsAreClippedAndKeptAcrossRuns) {
    ThreadCountGuard guard(2);
    FnImage8 src(6, 6), dst(6, 6);
    dst.setDataOrigin(10, 20);
    Bump p;
    p.setRegion(12, 21, 13, 23);
    p.run(&src, &dst);
    p.run(&src, &dst);  // no new setRegion: the same pixels again
    for (int y = 20; y < 26; ++y)
        for (int x = 10; x < 16; ++x)
            EXPECT_EQ(visits(dst, x, y), (x >= 12 && x <= 13 && y >= 21 && y <= 23) ? 2 : 0);

    FnImage8 big(4, 3);
    Bump all;
    all.setRegion(-50, -50, 50, 50);
    all.run(&src, &big);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(visits(big, x, y), 1);

    // Wholly right of and above the map: the near-edge column and row.
    FnImage8 edge(4, 3);
    Bump outside;
    outside.setRegion(20, -9, 30, -5);
    outside.run(&src, &edge);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(visits(edge, x, y), x == 3 && y == 0 ? 1 : 0);

    Bump none;
    none.run(&src, nullptr);  // a null map does nothing
    EXPECT_EQ(none.prepared, 0);
}

TEST(ImgProc, InterruptionStopsEveryBandAtItsNextRow) {
    for (int n : {1, 4, 7}) {
        ThreadCountGuard guard(n);
        std::atomic<int> calls{0};
        FnInterruptState state;
        state.context = &calls;
        state.poll = stopAfter;
        FnImage8 src(3, 40), dst(3, 40);
        Bump p;
        p.setInterrupt(&state);
        p.setPassCount(3);
        p.run(&src, &dst);
        // Two checks open the first pass; every row after them is preceded by
        // one check that answered "go on" (calls 3..11), none follows a stop.
        int rows = 0;
        for (int y = 0; y < 40; ++y) rows += visits(dst, 0, y);
        EXPECT_EQ(rows, 9) << n << " bands";
        EXPECT_NE(state.stopped.load(), 0);
        EXPECT_EQ(p.passesPrepared, 1);
        EXPECT_EQ(p.passesFinished, 1);
        EXPECT_EQ(p.finished, 1);
    }
}

TEST(Imager, FieldRowsAndRegionFitting) {
    Imager field;
    field.setFieldMode(1);
    EXPECT_EQ(field.alignToField(3), 4);
    EXPECT_EQ(field.alignToField(6), 6);
    EXPECT_EQ(field.fieldStep(), 2);
    field.setFieldMode(2);
    EXPECT_EQ(field.alignToField(4), 5);
    EXPECT_EQ(field.alignToField(5), 5);
    field.setFieldMode(0);
    EXPECT_EQ(field.alignToField(3), 3);
    EXPECT_EQ(field.fieldStep(), 1);

    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        FnImage8 src(1, 1), map(5, 9);
        MarkSampler s;
        s.setFieldMode(1);
        s.setRegion(-4, 3, 2, 40);  // clipped to columns 0..2, rows 3..8
        s.process(src, &map);
        s.process(src, &map);
        EXPECT_EQ(s.region().x1, 3);
        EXPECT_EQ(s.region().y0, 3);
        EXPECT_NE(s.flags() & Imager::kWindowed, 0u);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 5; ++x) {
                // Each band starts on its first even row: rows 4, 6, 8 only.
                const bool in = x <= 2 && y >= 3 && y % 2 == 0;
                ASSERT_EQ(map.at(x, y)->a, in ? 2 : 0) << n << ": " << x << "," << y;
            }
        MarkSampler whole;
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
    for (FnImage8* map : {&empty, &noPixels}) {
        testing::internal::CaptureStderr();
        s.process(src, map);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Map passed into Sampler::process is bogus\n");
    }
    testing::internal::CaptureStderr();
    s.process(src, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(s.prepared, 0);

    NullCombiner c;
    testing::internal::CaptureStderr();
    c.process(src, mask, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Map passed into Combiner::process is NULL\n");
    testing::internal::CaptureStderr();
    c.process(src, mask, &empty);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(c.prepared, 0);
}
