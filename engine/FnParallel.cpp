#include "engine/FnParallel.h"

#include <sched.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace {

std::atomic<int> gProcessorCount{-1};
std::mutex gRunLock;
std::atomic<int> gRunActive{0};
// Each worker learns its index before it calls the function, so it is known
// before it can ask; threads outside a run keep 0.
thread_local int tThreadIndex = 0;
// Set while this thread runs a band, so that a run started from inside a
// band is recognised instead of waiting for the lock its own run holds.
thread_local bool tInBand = false;

int machineProcessors() {
    if (const char* env = std::getenv("FN_THREADS")) {
        char* end = nullptr;
        errno = 0;
        const long v = std::strtol(env, &end, 10);
        if (errno == 0 && end != env && *end == '\0' && v >= 1)
            return int(std::min<long>(v, kFnMaxThreads));
    }
    int n = 0;
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof(set), &set) == 0) n = CPU_COUNT(&set);
    if (n < 1) n = int(std::thread::hardware_concurrency());
    return std::clamp(n, 1, kFnMaxThreads);
}

struct CallPackage {
    int count;
    FnParallelFunc fn;
    void* args[kFnMaxParallelArgs];
};

}  // namespace

int threadCount() {
    int n = gProcessorCount.load(std::memory_order_relaxed);
    if (n < 0) {
        n = machineProcessors();
        gProcessorCount.store(n, std::memory_order_relaxed);
    }
    return n;
}

int threadIndex() {
    if (gRunActive.load(std::memory_order_relaxed) == 0 || threadCount() < 2) return 0;
    return tThreadIndex;
}

void fnSetThreadCountForTesting(int count) {
    gProcessorCount.store(count >= 1 ? std::min(count, kFnMaxThreads) : machineProcessors());
}

void runParallel(FnParallelFunc fn, int argCount, void* a0, void* a1, void* a2, void* a3, void* a4,
                 void* a5) {
    CallPackage pkg{std::clamp(argCount, 0, kFnMaxParallelArgs), fn, {a0, a1, a2, a3, a4, a5}};
    for (int i = pkg.count; i < kFnMaxParallelArgs; ++i) pkg.args[i] = nullptr;

    const int count = threadCount();
    if (count <= 1) {
        pkg.fn(pkg.args);
        gRunActive.store(0);
        return;
    }
    if (tInBand) {
        // Started from inside a band: the lock is held by this run's caller,
        // so run every band here, one after the other, under its own index.
        const int outer = tThreadIndex;
        for (int i = 0; i < count; ++i) {
            tThreadIndex = i;
            pkg.fn(pkg.args);
        }
        tThreadIndex = outer;
        return;
    }

    std::lock_guard<std::mutex> lock(gRunLock);
    gRunActive.store(1);
    std::vector<std::thread> workers;
    std::vector<int> unstarted;
    workers.reserve(size_t(count - 1));
    unstarted.reserve(size_t(count - 1));
    for (int i = 1; i < count; ++i) {
        try {
            workers.emplace_back([&pkg, i] {
                tThreadIndex = i;
                tInBand = true;
                pkg.fn(pkg.args);
                tInBand = false;
                tThreadIndex = 0;
            });
        } catch (...) {
            unstarted.push_back(i);
        }
    }
    tInBand = true;
    pkg.fn(pkg.args);
    // A band whose worker could not start is run here, under its own index,
    // so that no rows are left undone.
    for (int i : unstarted) {
        tThreadIndex = i;
        pkg.fn(pkg.args);
    }
    tInBand = false;
    tThreadIndex = 0;
    for (auto& w : workers) w.join();
    gRunActive.store(0);
}

FnBandRange fnBandRows(int32_t rows, int n, int i) {
    if (rows < 0) rows = 0;
    if (i < 0 || n < 1) return {0, rows};
    const int64_t chunk = (int64_t(rows) + n - 1) / n;
    int64_t first = chunk * i;
    int64_t end = std::min<int64_t>(chunk * (i + 1), rows);
    if (i == n - 1) end = rows;
    if (first > rows) first = rows;
    if (end < first) end = first;
    return {int32_t(first), int32_t(end)};
}
