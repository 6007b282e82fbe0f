// Copy samplers, the channel mask fixer and the paint combiner.  Every
// check runs with 1, 2 and 7 bands against the same per-pixel reference.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "tests/engine/EngineTesting.h"

namespace {

constexpr int kBandCounts[] = {1, 2, 7};

FnFrameContext frame(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t field = 0,
                     FnInterruptState* interrupt = nullptr) {
    FnFrameContext c;
    c.region = fnRectFromInclusive(x0, y0, x1, y1);
    c.fieldMode = field;
    c.interrupt = interrupt;
    return c;
}

// Mask fixer over columns 1..7, rows 1..5 of a 9 x 7 output, from a 5 x 4
// source placed at (2, 1) with the given horizontal edge mode and fill rows,
// so that the region reaches past the source on every side.
void checkMaskFixer(uint32_t mask, int32_t field, int32_t hMode) {
    for (int n : kBandCounts) {
        ThreadCountGuard guard(n);
        FnImage8 out(9, 7), before(9, 7), src(5, 4);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x)
                *out.at(x, y) = *before.at(x, y) = {uint8_t(100 + x), uint8_t(150 + y), 30, 40};
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                *src.stored(x, y) = {uint8_t(x), uint8_t(10 + y), uint8_t(x * y), 3};
        src.setOffset(int32_t(2), int32_t(1));
        src.setFillValue({5, 6, 7, 8});
        src.setEdgeModes(hMode, kFnEdgeFill);
        src.setRegion(1, 1, 0, 0);  // the fixer widens it to the whole source
        runMaskFixer(frame(1, 1, 7, 5, field), out, src, mask);
        if (mask != 0) {
            ASSERT_EQ(src.axis(0).count * src.axis(1).count, 20);
        }
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool rowOn = mask != 15 || field == 0 || (y % 2 == 1) == (field == 2);
                const bool in = x >= 1 && x <= 7 && y >= 1 && y <= 5 && rowOn;
                const int32_t si = src.span(x).index, sj = src.row(y);
                const FnRGBA8 from = si < 0 || sj < 0 ? src.fillValue() : *src.stored(si, sj);
                for (int c = 0; c < 4; ++c)
                    ASSERT_EQ(fnChannel(*out.at(x, y), c),
                              fnChannel(in && (mask >> c & 1u) ? from : *before.at(x, y), c))
                        << "mask " << mask << " field " << field << " mode " << hMode << ", " << n
                        << " bands at " << x << "," << y << " component " << c;
            }
    }
}

// s + (d - s) * m / F with truncation toward zero; m <= 0 is an empty mask.
int32_t blend(int32_t s, int32_t d, int32_t m, int32_t full) {
    return m <= 0 ? s : m >= full ? d : s + (d - s) * m / full;
}

// One row per mask value, one column per (source, result) pair.
template <class Image, class Mask>
void checkBlendSweep(const std::vector<int32_t>& values, const std::vector<int32_t>& masks) {
    using E = typename Image::StorageColour::Elem;
    const int32_t full = Mask::StorageColour::kMax, nv = int32_t(values.size());
    const int32_t w = nv * nv, h = int32_t(masks.size());
    for (int n : kBandCounts) {
        ThreadCountGuard guard(n);
        Image out(w, h), src(w, h);
        Mask mask(w, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const E s = E(values[size_t(x / nv)]), d = E(values[size_t(x % nv)]);
                *src.at(x, y) = {s, d, s, E(-1)};
                *out.at(x, y) = {d, s, s, d};
                mask.at(x, y)->v = typename Mask::StorageColour::Elem(masks[size_t(y)]);
            }
        runPaintCombiner(frame(0, 0, w - 1, h - 1), out, src, mask);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int32_t s = values[size_t(x / nv)], d = values[size_t(x % nv)],
                              m = masks[size_t(y)];
                const auto& p = *out.at(x, y);
                ASSERT_EQ(p.r, blend(s, d, m, full))
                    << s << " " << d << " " << m << ", " << n << " bands";
                ASSERT_EQ(p.g, blend(d, s, m, full));
                ASSERT_EQ(p.b, s);
                ASSERT_EQ(p.a, blend(E(-1), d, m, full));
            }
    }
}

}  // namespace

TEST(MaskFixer, SelectedComponentsComeFromTheSource) {
    FnImage8 out(1, 1), src(1, 1);
    *out.pixels() = {10, 20, 30, 40};
    *src.pixels() = {1, 2, 3, 4};
    runMaskFixer(frame(0, 0, 0, 0), out, src, 1);
    EXPECT_EQ(out.pixels()->r, 1);
    EXPECT_EQ(out.pixels()->g, 20);
    EXPECT_EQ(out.pixels()->a, 40);

    for (uint32_t mask = 0; mask <= 15; ++mask) checkMaskFixer(mask, 0, kFnEdgeFill);
    checkMaskFixer(15, 2, kFnEdgeFill);  // full copies alone honour the field
    checkMaskFixer(7, 2, kFnEdgeFill);
    checkMaskFixer(15, 1, kFnEdgeMirror);  // step -1 runs
    checkMaskFixer(15, 0, kFnEdgeClamp);   // step 0 runs
    checkMaskFixer(9, 0, kFnEdgeRepeat);
}

TEST(PaintCombiner, BlendsEightBitByTheMask) {
    // Source at 0..2, mask at 1..5, output 0..6.
    FnImage8 out(7, 1), src(3, 1);
    FnMaskImage8 mask(5, 1);
    for (int x = 0; x < 7; ++x) *out.at(x, 0) = {100, 200, 255, 0};
    for (int x = 0; x < 3; ++x) *src.at(x, 0) = {200, 100, 0, 255};
    src.setEdgeModes(kFnEdgeClamp, kFnEdgeClamp);  // past the source there is none all the same
    const uint8_t m[5] = {128, 0, 0, 128, 255};
    for (int x = 0; x < 5; ++x) mask.stored(x, 0)->v = m[x];
    mask.setOffset(int32_t(1), int32_t(0));
    runPaintCombiner(frame(0, 0, 6, 0), out, src, mask);
    std::vector<std::vector<int>> got;
    for (int x = 0; x < 7; ++x)
        got.push_back({out.at(x, 0)->r, out.at(x, 0)->g, out.at(x, 0)->b, out.at(x, 0)->a});
    EXPECT_EQ(got, (std::vector<std::vector<int>>{
                       {200, 100, 0, 255},    // no mask value: the source
                       {150, 150, 128, 127},  // 200 - 12800 / 255, 100 + 12800 / 255, ...
                       {200, 100, 0, 255},    // mask 0: the source, alpha included
                       {0, 0, 0, 0},          // no source, mask 0
                       {50, 100, 128, 0},     // no source: the result scaled by m / 255
                       {100, 200, 255, 0},    // full mask keeps the result
                       {0, 0, 0, 0}}));       // neither

    checkBlendSweep<FnImage8, FnMaskImage8>({0, 1, 2, 100, 128, 200, 254, 255},
                                            {0, 1, 2, 127, 128, 200, 254, 255});
}

TEST(PaintCombiner, BlendsSixteenBitByFullScale) {
    FnImage16 out(3, 1), src(3, 1);
    FnMaskImage16 mask(3, 1);
    const short m[3] = {16384, 32767, 32766};
    for (int x = 0; x < 3; ++x) {
        *out.at(x, 0) = {0, 16384, 99, 32767};
        *src.at(x, 0) = {16384, 0, 100, -32768};
        mask.at(x, 0)->v = m[x];
    }
    runPaintCombiner(frame(0, 0, 2, 0), out, src, mask);
    EXPECT_EQ(out.at(0, 0)->r, 8192);  // white is not full: 16384 - 8192.25 truncated
    EXPECT_EQ(out.at(0, 0)->g, 8192);
    EXPECT_EQ(out.at(1, 0)->r, 0);    // only 32767 keeps the result
    EXPECT_EQ(out.at(2, 0)->b, 100);  // -32766 / 32767 truncates to 0, not -1
    EXPECT_EQ(out.at(2, 0)->a, 32764);

    checkBlendSweep<FnImage16, FnMaskImage16>({-32768, -16384, -1, 0, 1, 255, 16384, 32767},
                                              {-5, 0, 1, 255, 16383, 16384, 32766, 32767});
}

TEST(ImagerProcessors, InterruptionEndsBandsAtTheirRowChecks) {
    for (int n : {1, 3}) {
        ThreadCountGuard guard(n);
        // Rows processed before the stop; poll 1 opens the pass, 2..5 answer
        // "go on", every later poll "stop".
        auto rowsDone = [](auto&& step) {
            std::atomic<int> polls{0};
            FnInterruptState state;
            state.context = &polls;
            state.poll = [](void* ctx, std::atomic<int32_t>*) -> int32_t {
                return ++*static_cast<std::atomic<int>*>(ctx) >= 6 ? 1 : 0;
            };
            FnImage8 out(2, 30), src(2, 30);
            for (int y = 0; y < 30; ++y) src.at(0, y)->r = 1;
            step(frame(0, 0, 1, 29, 0, &state), out, src);
            int rows = 0;
            for (int y = 0; y < 30; ++y) rows += out.at(0, y)->r;
            return rows;
        };
        using Ctx = const FnFrameContext&;
        // Checks before each row: exactly the four rows that were let through.
        EXPECT_EQ(rowsDone([](Ctx c, FnImage8& o, FnImage8& s) { runMaskFixer(c, o, s, 3); }), 4);
        EXPECT_EQ(rowsDone([](Ctx c, FnImage8& o, FnImage8& s) {
                      FnMaskImage8 empty(2, 30);
                      runPaintCombiner(c, o, s, empty);
                  }),
                  4);
        // The full copy checks after each row, so every band does one more.
        EXPECT_EQ(rowsDone([](Ctx c, FnImage8& o, FnImage8& s) { runMaskFixer(c, o, s, 15); }),
                  4 + n);
    }
}
