// Frame throughput of the colour balancer, the tone matte, the channel-mask
// step, the paint combiner and the histogram analyser, each measured per
// frame as the effect runs them (processor built, set up and run), next to
// a plain memcpy of the same frame measured in the same run
// (bench/BenchTiming.h has the counters).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <type_traits>

#include "analysis/FnHistogramAnalyser.h"
#include "bench/BenchTiming.h"
#include "engine/FnColBalancer.h"
#include "engine/FnDsMaskFixer.h"
#include "engine/FnDsPaintCombiner.h"
#include "engine/FnParallel.h"
#include "engine/FnToneRender.h"

namespace {

// The memcpy baseline of a frame: its size and pixel bytes.
std::string frameKey(int w, int h, int pixelBytes) {
    std::string key = std::to_string(w);
    key.append("x").append(std::to_string(h)).append("x").append(std::to_string(pixelBytes));
    return key;
}

// Storage white of the pattern: float frames are the 16-bit frame divided by
// 16384.
template <class Img>
constexpr int kOne = sizeof(typename Img::StorageColour) == 4 ? 255 : 16384;

// A smooth frame with mild noise: neighbouring pixels have neighbouring tone
// keys, as in real footage.  16-bit and float frames reach a little beyond
// white (unsigned ones stop at their maximum).
template <class Img>
void fillFrame(Img& img, int one) {
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> noise(-one / 32, one / 32);
    const int w = img.width(), h = img.height();
    const int top = one + one / 8;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto& p = *img.at(x, y);
            using E = std::remove_reference_t<decltype(p.r)>;
            auto v = [&](long base) {
                long c = base + noise(rng);
                if (c < 0) c = 0;
                if (c > top) c = top;
                if constexpr (std::is_floating_point_v<E>) {
                    return E(c) / E(one);
                } else {
                    if (c > long(std::numeric_limits<E>::max())) c = std::numeric_limits<E>::max();
                    return E(c);
                }
            };
            p.r = v(long(x) * top / w);
            p.g = v(long(y) * top / h);
            p.b = v(long(x + y) * top / (w + h));
            p.a = std::is_floating_point_v<E> ? E(1) : E(one);
        }
}

// Balancer variants beyond Preserve Luminance: the luminance offsets off,
// alpha-weighted mode on.
struct Mode {
    bool preserve = false, lum = true, alpha = false;
};

FnBalanceParams settings(bool preserve) {
    FnBalanceParams p;
    p.masterHue = 20;
    p.masterSaturation = 30;
    p.lowHue = 200;
    p.lowSaturation = 40;
    p.midHue = 120;
    p.midSaturation = 10;
    p.highHue = 60;
    p.highSaturation = 25;
    p.masterLum = 5;
    p.highLum = -3;
    p.lowlights = 10;
    p.highlights = 90;
    p.preserveLuminance = preserve ? 1 : 0;
    return p;
}

template <class Img>
struct Frames {
    Img src, dst;
    // Both frames are touched up front, so no timed frame pays for first
    // page faults.
    Frames(int w, int h, int one) : src(w, h), dst(w, h) {
        fillFrame(src, one);
        std::memset(dst.pixels(), 0, size_t(w) * h * sizeof(*dst.pixels()));
    }
};

// Runs `frame` once per iteration, timing it, and reports pixels per second
// and the ratio to the memcpy of the same frame.
template <class F>
void timeFrames(benchmark::State& state, int w, int h, int pixelBytes, F&& frame) {
    fnbench::timeFrames(state, frameKey(w, h, pixelBytes), int64_t(w) * h, frame);
    state.counters["bands"] = threadCount();
}

void BM_Memcpy(benchmark::State& state, int w, int h, int pixelBytes) {
    fnbench::timeMemcpy(state, frameKey(w, h, pixelBytes), size_t(w) * h * pixelBytes,
                        int64_t(w) * h);
}

template <class Balancer, class Img>
void BM_Balancer(benchmark::State& state, int w, int h, Mode mode, FnBalancePath path) {
    if (!fnBalancePathSupported(path)) {
        state.SkipWithError("path not supported on this processor");
        return;
    }
    Frames<Img> f(w, h, kOne<Img>);
    FnBalanceParams p = settings(mode.preserve);
    if (!mode.lum) p.masterLum = p.highLum = 0;
    if (mode.alpha) {
        // Alpha across the frame: transparent, opaque and in between.
        p.maskAlpha = 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                auto& a = f.src.at(x, y)->a;
                using E = std::remove_reference_t<decltype(a)>;
                const double t = double((x * 7 + y * 3) % 1024) / 1023.0;
                a = E(std::is_floating_point_v<E> ? t : t * kOne<Img>);
            }
    }
    timeFrames(state, w, h, Img::kPixelSize, [&] {
        auto b = std::make_unique<Balancer>();
        SetupBalancer(*b, p);
        b->setBalancePath(path);
        b->run(&f.src, &f.dst);
    });
}

template <class Render, class Img>
void BM_ToneMatte(benchmark::State& state, int w, int h, int renderTone) {
    Frames<Img> f(w, h, kOne<Img>);
    FnBalanceParams p = settings(false);
    p.renderTone = renderTone;
    timeFrames(state, w, h, Img::kPixelSize, [&] {
        auto t = std::make_unique<Render>();
        setupToneRender(*t, p);
        t->run(&f.src, &f.dst);
    });
}

FnFrameContext wholeFrame(int w, int h) {
    FnFrameContext c;
    c.region = FnRect{.x0 = 0, .y0 = 0, .x1 = w, .y1 = h};
    return c;
}

// The channel-mask step: the components of `bits` copied back from the
// source (15, every component, is the plain copy sampler).
template <class Img>
void BM_MaskFixer(benchmark::State& state, int w, int h, uint32_t bits) {
    Frames<Img> f(w, h, kOne<Img>);
    timeFrames(state, w, h, Img::kPixelSize,
               [&] { runMaskFixer(wholeFrame(w, h), f.dst, f.src, bits); });
}

// A painted mask as hosts hand them over: a disc, full inside, feathered
// to empty over as wide a ring again, empty outside.
template <class Mask>
void paintMask(Mask& m) {
    using E = std::remove_reference_t<decltype(m.at(0, 0)->v)>;
    const int w = m.width(), h = m.height();
    const double r0 = 0.3 * h, r1 = 0.5 * h,
                 full = std::is_floating_point_v<E> ? 1.0 : Mask::StorageColour::kMax;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - 0.5 * w, y - 0.5 * h);
            const double t = d <= r0 ? 1.0 : (d >= r1 ? 0.0 : (r1 - d) / (r1 - r0));
            m.at(x, y)->v = E(t * full);
        }
}

template <class Img, class Mask>
void BM_PaintCombiner(benchmark::State& state, int w, int h) {
    Frames<Img> f(w, h, kOne<Img>);
    Mask mask(w, h);
    paintMask(mask);
    timeFrames(state, w, h, Img::kPixelSize, [&] {
        f.dst.resetRegion();
        f.dst.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
        runPaintCombiner(wholeFrame(w, h), f.dst, f.src, mask);
    });
}

// "White" of the unsigned 16-bit frame: the frame's top, one and an eighth,
// is then its largest value.
constexpr int kUnsignedOne = 65535 * 8 / 9;

// The tone-curves page's analysis: a histogram analyser built per frame,
// counting into the page's histogram.
template <class Analyser, class Img>
void BM_Analyser(benchmark::State& state, int w, int h, int one) {
    Img src(w, h);
    fillFrame(src, one);
    FnDynamicHistogram hist;
    hist.SetShape(Analyser::kChannels, Analyser::kBins);
    hist.Clear();
    timeFrames(state, w, h, int(sizeof(*src.pixels())), [&] {
        auto a = std::make_unique<Analyser>();
        a->run(&src, &hist);
    });
}

// Benchmark names joined from parts (appends sidestep a false -Wrestrict of
// GCC 12 on chains of string additions).
std::string join(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view p : parts) s.append(p);
    return s;
}

template <class Balancer, class Img>
void registerBalancer(const std::string& name, int w, int h, Mode mode, FnBalancePath path) {
    benchmark::RegisterBenchmark(name.c_str(), BM_Balancer<Balancer, Img>, w, h, mode, path)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

template <class Traits>
void registerFormat(const std::string& fmt, int w, int h) {
    using Img = typename Traits::Image;
    using Mask = typename Traits::MaskImage;
    using Balancer = FnColBalancer<Traits>;
    using Render = FnToneRender<Traits>;
    const std::string size = join({"/", std::to_string(w), "x", std::to_string(h)});
    const std::pair<FnBalancePath, const char*> paths[] = {{FnBalancePath::kAuto, "auto"},
                                                           {FnBalancePath::kAvx2, "avx2"},
                                                           {FnBalancePath::kScalar, "scalar"}};
    auto reg = [](const std::string& name, auto fn, auto... args) {
        benchmark::RegisterBenchmark(name.c_str(), fn, args...)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    // memcpy first: the others divide by its time.
    reg(join({"memcpy/", fmt, size}), BM_Memcpy, w, h, Img::kPixelSize);
    for (bool preserve : {false, true}) {
        const std::string base = join({"balancer/", fmt, size, preserve ? "/preserve" : "/plain"});
        for (auto [path, pathName] : paths)
            registerBalancer<Balancer, Img>(join({base, "/", pathName}), w, h,
                                            Mode{.preserve = preserve}, path);
        // The other modes on the path the effect runs.
        registerBalancer<Balancer, Img>(join({base, "/nolum/auto"}), w, h,
                                        Mode{.preserve = preserve, .lum = false},
                                        FnBalancePath::kAuto);
        registerBalancer<Balancer, Img>(join({base, "/alpha/auto"}), w, h,
                                        Mode{.preserve = preserve, .alpha = true},
                                        FnBalancePath::kAuto);
    }
    const char* tones[] = {"lowlights", "midtones", "highlights"};
    for (int t = 1; t <= 3; ++t)
        reg(join({"tone_matte/", fmt, size, "/", tones[t - 1]}), BM_ToneMatte<Render, Img>, w, h,
            t);
    reg(join({"mask_fixer/", fmt, size, "/red"}), BM_MaskFixer<Img>, w, h, 1u);
    reg(join({"mask_fixer/", fmt, size, "/copy"}), BM_MaskFixer<Img>, w, h, 15u);
    reg(join({"paint_combiner/", fmt, size}), BM_PaintCombiner<Img, Mask>, w, h);
}

void registerAll() {
    for (auto [w, h] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        const std::string size = join({"/", std::to_string(w), "x", std::to_string(h)});
        registerFormat<FnStorage8>("8bit", w, h);
        benchmark::RegisterBenchmark(join({"analyser/8bit", size}).c_str(),
                                     BM_Analyser<FnHistogramAnalyser8, FnImage8>, w, h, 255)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        registerFormat<FnStorage16>("16bit", w, h);
        benchmark::RegisterBenchmark(join({"analyser/16bit", size}).c_str(),
                                     BM_Analyser<FnHistogramAnalyser16, FnImage16U>, w, h,
                                     kUnsignedOne)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        registerFormat<FnStorageF32>("float", w, h);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerAll();
    benchmark::AddCustomContext("bands (FN_THREADS or processors)", std::to_string(threadCount()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
