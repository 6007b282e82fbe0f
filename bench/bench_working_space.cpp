// The cost of grading in a colour working space at 3840x2160: a float frame
// converted from ACEScg into ACEScct, rendered by the effect, and converted
// back, as colbalance --working-space does, against the effect alone on the
// same frame in the same run (x_effect) and a memcpy of the frame
// (x_memcpy).  The conversions run on OpenColorIO's CPU processor in bands
// on every processor (FN_THREADS fixes their count, as the effect's).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>

#include "bench/BenchTiming.h"
#include "effect/ColBalanceApi.h"
#include "host/common/ColourSpaces.h"
#include "host/common/ModuleSession.h"

namespace {

constexpr int kWidth = 3840, kHeight = 2160;
constexpr int64_t kPixels = int64_t(kWidth) * kHeight;

// A scene-linear frame: 0.001 .. 16 across, colours varying down, mild
// noise.
FrameImage sceneFrame() {
    FrameImage f;
    f.reshape(kWidth, kHeight, PixelDepth::Float);
    float* p = f.f32().data();
    uint32_t seed = 1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x, p += 4) {
            seed = seed * 1664525u + 1013904223u;
            const float noise = 1.0f + (float(seed >> 8) / float(1u << 24) - 0.5f) / 16.0f;
            const float v = 0.001f * std::exp2(14.0f * float(x) / kWidth) * noise;
            const float t = float(y) / kHeight;
            p[0] = v * (0.6f + 0.8f * t);
            p[1] = v;
            p[2] = v * (1.4f - 0.8f * t);
            p[3] = 1.0f;
        }
    return f;
}

// The session, the frames and both conversions, made once.
struct Setup {
    ModuleSession session;
    FrameImage pristine = sceneFrame(), source, output;
    SpaceConversion into, back;
    std::string error;

    Setup() {
        ColourSpaces spaces;
        if (!session.open(FN_MODULE_PATH, false, error) ||
            !spaces.load(FN_SOURCE_DIR "/resources/ocio/config.ocio", error) ||
            !spaces.conversion("ACEScg", "ACEScct", into, error) ||
            !spaces.conversion("ACEScct", "ACEScg", back, error))
            return;
        // The bundled warm-highlights look.
        ParamValues values(session.params());
        for (const char* a : {"highlight-hue=40", "highlight-saturation=35", "lowlight-hue=215",
                              "lowlight-saturation=30", "midtones-hue=20", "midtones-saturation=10",
                              "midtones-luminance=4", "lowlights=5", "highlights=90"})
            if (!values.addAssignment(a, error)) return;
        if (!session.apply(values, error)) return;
        source = pristine;
        output = pristine;
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

// Seconds per frame of the effect alone, the x_effect baseline.
double effectSeconds = 0;

// Times one step a frame, the source reset from the pristine frame before
// each (untimed); the seconds a frame, 0 when the step failed.
template <class Step>
double timeStep(benchmark::State& state, Step&& step) {
    Setup& s = setup();
    if (!s.error.empty()) {
        state.SkipWithError(s.error.c_str());
        return 0;
    }
    double seconds = 0;
    for (auto _ : state) {
        std::memcpy(s.source.data(), s.pristine.data(), s.pristine.bytes.size());
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = step(s);
        const double t =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (!ok) {
            state.SkipWithError(s.error.c_str());
            return 0;
        }
        seconds += t;
        state.SetIterationTime(t);
    }
    if (state.iterations() == 0) return 0;
    const double perFrame = seconds / double(state.iterations());
    state.SetItemsProcessed(int64_t(state.iterations()) * kPixels);
    const auto memcpy = fnbench::memcpyTimes().find("float");
    if (memcpy != fnbench::memcpyTimes().end())
        state.counters["x_memcpy"] = perFrame / memcpy->second;
    if (effectSeconds > 0) state.counters["x_effect"] = perFrame / effectSeconds;
    return perFrame;
}

bool render(Setup& s) { return s.session.render(s.source, s.output, nullptr, {}, s.error); }

void BM_Memcpy(benchmark::State& state) {
    fnbench::timeMemcpy(state, "float", size_t(kPixels) * 16, kPixels);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto reg = [](const char* name, auto fn) {
        benchmark::RegisterBenchmark(name, fn)->UseManualTime()->Unit(benchmark::kMillisecond);
    };
    reg("memcpy/float/3840x2160", BM_Memcpy);
    // The effect alone runs before the cases it is the baseline of.
    reg("effect/float/3840x2160",
        [](benchmark::State& state) { effectSeconds = timeStep(state, render); });
    reg("into_acescct/float/3840x2160", [](benchmark::State& state) {
        timeStep(state, [](Setup& s) {
            s.into.apply(s.source);
            return true;
        });
    });
    reg("back_from_acescct/float/3840x2160", [](benchmark::State& state) {
        timeStep(state, [](Setup& s) {
            s.back.apply(s.source);
            return true;
        });
    });
    reg("effect_in_acescct/float/3840x2160", [](benchmark::State& state) {
        timeStep(state, [](Setup& s) {
            s.into.apply(s.source);
            if (!render(s)) return false;
            s.back.apply(s.output);
            return true;
        });
    });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
