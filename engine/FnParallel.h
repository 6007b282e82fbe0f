// Parallel band execution.
//
// runParallel runs one function with the same arguments once on every
// logical processor: on one fresh worker thread per extra processor and on
// the calling thread, which is band 0.  Threads live for one run only (no
// standing pool).  One process-wide lock serialises whole runs, so a frame
// render and a histogram analysis take turns.  Processors do not start runs
// from inside a band; should one, its bands run one after the other on that
// band's thread (under their own indices) rather than wait for the lock the
// outer run holds.
//
// The processor count is read once.  The environment variable FN_THREADS
// (1..64) overrides it, so that tests and benchmarks can fix the band count.
#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

// The function receives the run's argument array: `argCount` pointers
// (0..6), the unused entries null.
using FnParallelFunc = void (*)(void* const* args);

constexpr int kFnMaxParallelArgs = 6;
constexpr int kFnMaxThreads = 64;

void runParallel(FnParallelFunc fn, int argCount, void* a0 = nullptr, void* a1 = nullptr,
                 void* a2 = nullptr, void* a3 = nullptr, void* a4 = nullptr, void* a5 = nullptr);

// Convenience for callers with a callable: runs f() on every band.
template <class F>
void runParallel(F&& f) {
    using Fn = std::remove_reference_t<F>;
    runParallel([](void* const* args) { (*static_cast<Fn*>(args[0]))(); }, 1,
                const_cast<void*>(static_cast<const void*>(&f)));
}

// Number of bands a run has (the processor count).
int threadCount();
// Band of the calling thread in the current run; 0 outside a run, on the
// calling thread, and on any thread that is not part of the run.
int threadIndex();

// Test hook: replaces the processor count (values below 1 restore the
// machine's, FN_THREADS included).  Not for use while a run is active.
void fnSetThreadCountForTesting(int count);

// Rows of band i of n over `rows` rows, relative to the first row: bands are
// contiguous, chunk = ceil(rows / n), the last band always ends at rows, and
// a band that starts past the end is empty.  With i < 0 or n < 1 the whole
// range is one band.
struct FnBandRange {
    int32_t first;
    int32_t end;
};
FnBandRange fnBandRows(int32_t rows, int n, int i);
