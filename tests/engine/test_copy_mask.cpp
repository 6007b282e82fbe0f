// Copy samplers, the channel mask fixer and the paint combiner.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FnDsMaskFixer.h"
#include "FnDsPaintCombiner.h"

namespace {

struct ThreadCountGuard {
    explicit ThreadCountGuard(int n) { fnSetThreadCountForTesting(n); }
    ~ThreadCountGuard() { fnSetThreadCountForTesting(0); }
};

FnFrameContext frame(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t field = 0,
                     FnInterruptState* interrupt = nullptr) {
    FnFrameContext c;
    c.xFirst = x0, c.yFirst = y0, c.xLast = x1, c.yLast = y1;
    c.fieldMode = field;
    c.interrupt = interrupt;
    return c;
}

// What the source puts at map position (x, y): a stored pixel or the fill.
template <class Image>
typename Image::StorageColour sourceAt(const Image& src, int32_t x, int32_t y) {
    const int32_t i = src.span(x).index, j = src.row(y);
    return i < 0 || j < 0 ? src.fillValue() : *src.stored(i, j);
}

template <class Image>
std::vector<uint8_t> bytes(const Image& img) {
    const auto* p = reinterpret_cast<const uint8_t*>(img.pixels());
    return {p, p + size_t(img.width()) * size_t(img.height()) * Image::kPixelSize};
}

// 9 x 7 output of distinct values and a 5 x 4 source placed at (2, 1).
struct CopyScene {
    FnImage8 out{9, 7}, src{5, 4};
    CopyScene() {
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) *out.at(x, y) = {uint8_t(100 + x), uint8_t(150 + y), 30, 40};
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) *src.stored(x, y) = {uint8_t(x), uint8_t(10 + y), uint8_t(x * y), 3};
        src.setOffset(int32_t(2), int32_t(1));
        src.setFillValue({5, 6, 7, 8});
    }
};

// Runs the mask fixer over rows 1..5, columns 1..7 and checks every pixel
// against a per-component reference.
void checkMaskFixer(uint32_t mask, int32_t field, int32_t hMode) {
    SCOPED_TRACE(testing::Message() << "mask " << mask << " field " << field << " mode " << hMode);
    std::vector<uint8_t> first;
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        CopyScene s;
        s.src.setEdgeModes(hMode, kFnEdgeFill);
        s.src.setRegion(1, 1, 0, 0);  // the fixer widens it to the whole source
        FnImage8 before{9, 7};
        std::memcpy(before.pixels(), s.out.pixels(), 9 * 7 * 4);
        runMaskFixer(frame(1, 1, 7, 5, field), s.out, s.src, mask);
        ASSERT_EQ(s.src.axis(0).count, 5);
        ASSERT_EQ(s.src.axis(1).count, 4);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool rowOn = mask != 15 || field == 0 || (y % 2 == 1) == (field == 2);
                const bool in = x >= 1 && x <= 7 && y >= 1 && y <= 5 && rowOn;
                FnRGBA8 want = *before.at(x, y);
                const FnRGBA8 from = sourceAt(s.src, x, y);
                for (int c = 0; c < 4; ++c)
                    if (in && (mask >> c & 1u)) fnChannel(want, c) = fnChannel(from, c);
                const FnRGBA8 got = *s.out.at(x, y);
                ASSERT_EQ(std::memcmp(&got, &want, 4), 0) << n << " bands at " << x << "," << y;
            }
        if (first.empty()) first = bytes(s.out);
        EXPECT_EQ(bytes(s.out), first) << n << " bands";
    }
}

int32_t stopOnCall(void* ctx, std::atomic<int32_t>*) {
    return ++*static_cast<std::atomic<int>*>(ctx) >= 6 ? 1 : 0;
}

// Paint-combiner reference: s + (d - s) * m / F, truncating toward zero.
int32_t blend(int32_t s, int32_t d, int32_t m, int32_t full) {
    if (m <= 0) return s;
    if (m >= full) return d;
    return s + (d - s) * m / full;
}

template <class Image, class Mask>
void checkBlendSweep(const std::vector<int32_t>& values, const std::vector<int32_t>& masks) {
    using Elem = typename Image::StorageColour::Elem;
    using MElem = typename Mask::StorageColour::Elem;
    const int32_t full = Mask::StorageColour::kMax;
    const int32_t w = int32_t(values.size() * values.size()), h = int32_t(masks.size());
    std::vector<uint8_t> first;
    for (int n : {1, 2, 7}) {
        ThreadCountGuard guard(n);
        Image out(w, h), src(w, h);
        Mask mask(w, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int32_t s = values[size_t(x) / values.size()], d = values[size_t(x) % values.size()];
                *src.at(x, y) = {Elem(s), Elem(d), Elem(s), Elem(-1)};
                *out.at(x, y) = {Elem(d), Elem(s), Elem(s), Elem(d)};
                mask.at(x, y)->v = MElem(masks[size_t(y)]);
            }
        runPaintCombiner(frame(0, 0, w - 1, h - 1), out, src, mask);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int32_t s = values[size_t(x) / values.size()], d = values[size_t(x) % values.size()];
                const int32_t m = masks[size_t(y)];
                const auto& p = *out.at(x, y);
                ASSERT_EQ(p.r, blend(s, d, m, full)) << s << " " << d << " " << m;
                ASSERT_EQ(p.g, blend(d, s, m, full));
                ASSERT_EQ(p.b, Elem(s));
                ASSERT_EQ(p.a, blend(Elem(-1), d, m, full));
            }
        if (first.empty()) first = bytes(out);
        EXPECT_EQ(bytes(out), first) << n << " bands";
    }
}

}  // namespace

TEST(MaskFixer, SelectedComponentsComeFromTheSource) {
    // The single-pixel case in plain numbers.
    FnImage8 out(1, 1), src(1, 1);
    *out.pixels() = {10, 20, 30, 40};
    *src.pixels() = {1, 2, 3, 4};
    runMaskFixer(frame(0, 0, 0, 0), out, src, 1);
    EXPECT_EQ(out.pixels()->r, 1);
    EXPECT_EQ(out.pixels()->g, 20);
    EXPECT_EQ(out.pixels()->a, 40);
    runMaskFixer(frame(0, 0, 0, 0), out, src, 0);  // nothing selected
    EXPECT_EQ(out.pixels()->g, 20);

    // Every mask, with a source placed apart from the map so that the fill
    // value lands outside it; full copies alone honour the field.
    for (uint32_t mask = 1; mask <= 15; ++mask) checkMaskFixer(mask, 0, kFnEdgeFill);
    checkMaskFixer(15, 2, kFnEdgeFill);
    checkMaskFixer(15, 1, kFnEdgeMirror);
    checkMaskFixer(7, 2, kFnEdgeFill);
    checkMaskFixer(15, 0, kFnEdgeMirror);  // step -1 runs
    checkMaskFixer(15, 0, kFnEdgeClamp);   // step 0 runs
    checkMaskFixer(9, 0, kFnEdgeRepeat);
}

TEST(PaintCombiner, BlendsEightBitByTheMask) {
    // Source 3 wide at 0..2, mask 5 wide placed at 1..5, output 7 wide.
    FnImage8 out(7, 1), src(3, 1);
    FnMaskImage8 mask(5, 1);
    for (int x = 0; x < 7; ++x) *out.at(x, 0) = {100, 200, 255, 0};
    for (int x = 0; x < 3; ++x) *src.at(x, 0) = {200, 100, 0, 255};
    src.setEdgeModes(kFnEdgeClamp, kFnEdgeClamp);  // the combiner reads fill outside anyway
    const uint8_t m[5] = {128, 0, 0, 128, 255};
    for (int x = 0; x < 5; ++x) mask.stored(x, 0)->v = m[x];
    mask.setOffset(int32_t(1), int32_t(0));
    runPaintCombiner(frame(0, 0, 6, 0), out, src, mask);
    auto px = [&](int x) {
        const FnRGBA8 p = *out.at(x, 0);
        return std::vector<int>{p.r, p.g, p.b, p.a};
    };
    EXPECT_EQ(px(0), (std::vector<int>{200, 100, 0, 255}));    // no mask: source
    EXPECT_EQ(px(1), (std::vector<int>{150, 150, 128, 127}));  // 200 - 12800/255 ...
    EXPECT_EQ(px(2), (std::vector<int>{200, 100, 0, 255}));    // mask 0: source
    EXPECT_EQ(px(3), (std::vector<int>{0, 0, 0, 0}));          // no source, mask 0
    EXPECT_EQ(px(4), (std::vector<int>{50, 100, 128, 0}));     // no source: scaled
    EXPECT_EQ(px(5), (std::vector<int>{100, 200, 255, 0}));    // full mask keeps
    EXPECT_EQ(px(6), (std::vector<int>{0, 0, 0, 0}));          // neither

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
    const FnRGBA16 half = *out.at(0, 0), keep = *out.at(1, 0), near = *out.at(2, 0);
    EXPECT_EQ(half.r, 8192);  // 16384 - 268435456 / 32767 (8192.25)
    EXPECT_EQ(half.g, 8192);
    EXPECT_EQ(keep.r, 0);     // only 32767 keeps the result
    EXPECT_EQ(keep.a, 32767);
    EXPECT_EQ(near.b, 100);   // -32766 / 32767 truncates to 0, not -1
    EXPECT_EQ(near.a, 32764);

    checkBlendSweep<FnImage16, FnMaskImage16>(
        {-32768, -16384, -1, 0, 1, 255, 16384, 20000, 32767},
        {-5, 0, 1, 255, 8192, 16383, 16384, 32766, 32767});
}

TEST(ImagerProcessors, InterruptionEndsBandsAtTheirRowChecks) {
    for (int n : {1, 3}) {
        ThreadCountGuard guard(n);
        // One check opens the pass (call 1); polls 2..5 answer "go on".
        auto run = [&](auto&& step) {
            std::atomic<int> calls{0};
            FnInterruptState state;
            state.context = &calls;
            state.poll = stopOnCall;
            FnImage8 out(2, 30), src(2, 30);
            for (int y = 0; y < 30; ++y) *src.at(0, y) = {1, 1, 1, 1};
            step(frame(0, 0, 1, 29, 0, &state), out, src);
            int rows = 0;
            for (int y = 0; y < 30; ++y) rows += out.at(0, y)->r;
            return rows;
        };
        // Checks before each row: exactly the rows the four "go on" allowed.
        EXPECT_EQ(run([](const FnFrameContext& c, FnImage8& o, FnImage8& s) { runMaskFixer(c, o, s, 3); }), 4);
        EXPECT_EQ(run([](const FnFrameContext& c, FnImage8& o, FnImage8& s) {
                      FnMaskImage8 m(2, 30);
                      runPaintCombiner(c, o, s, m);
                  }), 4);
        // The full copy checks after each row: every band does one more.
        const int full = run([](const FnFrameContext& c, FnImage8& o, FnImage8& s) { runMaskFixer(c, o, s, 15); });
        EXPECT_EQ(full, 4 + n);
    }
}
