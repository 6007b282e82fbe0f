// Frame throughput of the colour balancer, the tone matte and the histogram
// analyser, each measured per frame as the effect runs them (processor
// built, set up and run), next to a plain memcpy of the same frame measured
// in the same run.  Counters: items_per_second = pixels per second;
// x_memcpy = frame time / memcpy time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "analysis/FnHistogramAnalyser.h"
#include "engine/FnColBalancer.h"
#include "engine/FnColBalancerF32.h"
#include "engine/FnParallel.h"
#include "engine/FnToneRender.h"
#include "engine/FnToneRenderF32.h"

namespace {

using Clock = std::chrono::steady_clock;

// memcpy seconds per frame, keyed by (width, height, bytes per pixel).
std::map<std::tuple<int, int, int>, double>& memcpyTimes() {
    static std::map<std::tuple<int, int, int>, double> m;
    return m;
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
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        frame();
        const auto t1 = Clock::now();
        seconds += std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * w * h);
    state.counters["bands"] = threadCount();
    const auto it = memcpyTimes().find({w, h, pixelBytes});
    if (it != memcpyTimes().end() && state.iterations() > 0)
        state.counters["x_memcpy"] = seconds / double(state.iterations()) / it->second;
}

void BM_Memcpy(benchmark::State& state, int w, int h, int pixelBytes) {
    const size_t bytes = size_t(w) * h * pixelBytes;
    std::vector<unsigned char> a(bytes, 1), b(bytes, 2);
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        seconds += std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * w * h);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    if (state.iterations() > 0)
        memcpyTimes()[{w, h, pixelBytes}] = seconds / double(state.iterations());
}

template <class Balancer, class Img>
void BM_Balancer(benchmark::State& state, int w, int h, bool preserve, FnBalancePath path) {
    if (!fnBalancePathSupported(path)) {
        state.SkipWithError("path not supported on this processor");
        return;
    }
    Frames<Img> f(w, h, kOne<Img>);
    const FnBalanceParams p = settings(preserve);
    timeFrames(state, w, h, Img::kPixelSize, [&] {
        auto b = std::make_unique<Balancer>();
        SetupBalancer(*b, p);
        b->setBalancePath(path);
        b->run(&f.src, &f.dst);
    });
}

template <class Render, class Img>
void BM_ToneMatte(benchmark::State& state, int w, int h) {
    Frames<Img> f(w, h, kOne<Img>);
    FnBalanceParams p = settings(false);
    p.renderTone = 3;
    timeFrames(state, w, h, Img::kPixelSize, [&] {
        auto t = std::make_unique<Render>();
        setupToneRender(*t, p);
        t->run(&f.src, &f.dst);
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

void registerAll() {
    const std::pair<int, int> sizes[] = {{1920, 1080}, {3840, 2160}};
    const std::pair<FnBalancePath, const char*> paths[] = {{FnBalancePath::kAuto, "auto"},
                                                           {FnBalancePath::kAvx2, "avx2"},
                                                           {FnBalancePath::kScalar, "scalar"}};
    for (auto [w, h] : sizes) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        for (int bytes : {4, 8, 16}) {
            const std::string fmt = bytes == 4 ? "8bit" : (bytes == 8 ? "16bit" : "float");
            // memcpy first: the others divide by its time.
            benchmark::RegisterBenchmark(("memcpy/" + fmt + "/" + size).c_str(), BM_Memcpy, w, h,
                                         bytes)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            for (bool preserve : {false, true})
                for (auto [path, pathName] : paths) {
                    const std::string name = "balancer/" + fmt + "/" + size +
                                             (preserve ? "/preserve" : "/plain") + "/" + pathName;
                    auto* bm = bytes == 4 ? benchmark::RegisterBenchmark(
                                                name.c_str(), BM_Balancer<FnColBalancer8, FnImage8>,
                                                w, h, preserve, path)
                               : bytes == 8
                                   ? benchmark::RegisterBenchmark(
                                         name.c_str(), BM_Balancer<FnColBalancer16, FnImage16>, w,
                                         h, preserve, path)
                                   : benchmark::RegisterBenchmark(
                                         name.c_str(), BM_Balancer<FnColBalancerF32, FnImageF32>, w,
                                         h, preserve, path);
                    bm->UseManualTime()->Unit(benchmark::kMillisecond);
                }
            const std::string matte = "tone_matte/" + fmt + "/" + size;
            auto* bm = bytes == 4 ? benchmark::RegisterBenchmark(
                                        matte.c_str(), BM_ToneMatte<FnToneRender8, FnImage8>, w, h)
                       : bytes == 8
                           ? benchmark::RegisterBenchmark(
                                 matte.c_str(), BM_ToneMatte<FnToneRender16, FnImage16>, w, h)
                           : benchmark::RegisterBenchmark(
                                 matte.c_str(), BM_ToneMatte<FnToneRenderF32, FnImageF32>, w, h);
            bm->UseManualTime()->Unit(benchmark::kMillisecond);
            const std::string count = "analyser/" + fmt + "/" + size;
            bm = bytes == 4
                     ? benchmark::RegisterBenchmark(
                           count.c_str(), BM_Analyser<FnHistogramAnalyser8, FnImage8>, w, h, 255)
                     : benchmark::RegisterBenchmark(count.c_str(),
                                                    BM_Analyser<FnHistogramAnalyser16, FnImage16U>,
                                                    w, h, kUnsignedOne);
            bm->UseManualTime()->Unit(benchmark::kMillisecond);
        }
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
