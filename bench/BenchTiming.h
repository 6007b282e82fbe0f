// What both engine benchmarks time frames with: the memcpy of a frame as
// the baseline of each run, and frames timed per iteration and reported
// against it.  Counters: items_per_second = pixels per second; x_memcpy =
// frame time / memcpy time of the same frame in the same run (the memcpy
// case must run first, as registration order has it).
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace fnbench {

// memcpy seconds per frame, by the key of the frame's format and size.
inline std::map<std::string, double>& memcpyTimes() {
    static std::map<std::string, double> m;
    return m;
}

// Runs `frame` once per iteration as the iteration's manual time; returns
// the seconds of all iterations.  A frame that returns false ends the case
// as an error.
template <class F>
double timeIterations(benchmark::State& state, F&& frame) {
    using Clock = std::chrono::steady_clock;
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bool ok = true;
        if constexpr (std::is_same_v<decltype(frame()), bool>)
            ok = frame();
        else
            frame();
        const auto t1 = Clock::now();
        if (!ok) {
            state.SkipWithError("the frame failed");
            break;
        }
        const double s = std::chrono::duration<double>(t1 - t0).count();
        seconds += s;
        state.SetIterationTime(s);
    }
    return seconds;
}

// The baseline: a memcpy of `bytes` (a frame of `pixels` pixels), stored
// under `key`.
inline void timeMemcpy(benchmark::State& state, const std::string& key, size_t bytes,
                       int64_t pixels) {
    std::vector<unsigned char> a(bytes, 1), b(bytes, 2);
    const double seconds = timeIterations(state, [&] {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    });
    state.SetItemsProcessed(int64_t(state.iterations()) * pixels);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    if (state.iterations() > 0) memcpyTimes()[key] = seconds / double(state.iterations());
}

// Times `frame` per iteration and reports it against the memcpy of `key`.
template <class F>
double timeFrames(benchmark::State& state, const std::string& key, int64_t pixels, F&& frame) {
    const double seconds = timeIterations(state, frame);
    state.SetItemsProcessed(int64_t(state.iterations()) * pixels);
    if (state.iterations() == 0) return 0;
    const double perFrame = seconds / double(state.iterations());
    const auto it = memcpyTimes().find(key);
    if (it != memcpyTimes().end()) state.counters["x_memcpy"] = perFrame / it->second;
    return perFrame;
}

}  // namespace fnbench
