// Parallel band execution: band splits, band indices, arguments and the
// process-wide serialisation of runs.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "FnParallel.h"

namespace {

struct ThreadCountGuard {
    explicit ThreadCountGuard(int n) { fnSetThreadCountForTesting(n); }
    ~ThreadCountGuard() { fnSetThreadCountForTesting(0); }
};

std::vector<int> bandSizes(int32_t rows, int n) {
    std::vector<int> sizes;
    int32_t next = 0;
    for (int i = 0; i < n; ++i) {
        const FnBandRange b = fnBandRows(rows, n, i);
        EXPECT_EQ(b.first, std::min(next, rows)) << "bands are contiguous";
        next = b.end;
        sizes.push_back(b.end - b.first);
    }
    EXPECT_EQ(next, rows);
    return sizes;
}

}  // namespace

TEST(Parallel, BandSplits) {
    EXPECT_EQ(bandSizes(5, 4), (std::vector<int>{2, 2, 1, 0}));
    EXPECT_EQ(bandSizes(1, 8), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bandSizes(9, 7), (std::vector<int>{2, 2, 2, 2, 1, 0, 0}));
    EXPECT_EQ(bandSizes(0, 3), (std::vector<int>{0, 0, 0}));
    const FnBandRange whole = fnBandRows(11, 4, -1);
    EXPECT_EQ(whole.first, 0);
    EXPECT_EQ(whole.end, 11);
}

TEST(Parallel, EveryBandRunsOnceWithItsIndex) {
    const auto caller = std::this_thread::get_id();
    for (int n : {1, 2, 4, 7, 8}) {
        ThreadCountGuard guard(n);
        EXPECT_EQ(threadCount(), n);
        std::mutex m;
        std::vector<int> seen(size_t(n), 0);
        int outsider = -1;
        bool indexZeroOnCaller = false;
        int value = 42;
        runParallel([&] {
            const int i = threadIndex();
            std::lock_guard<std::mutex> lock(m);
            ASSERT_GE(i, 0);
            ASSERT_LT(i, n);
            ++seen[size_t(i)];
            if (i == 0) {
                indexZeroOnCaller = std::this_thread::get_id() == caller;
                // A thread that is not part of the run is band 0.
                std::thread([&] { outsider = threadIndex(); }).join();
            } else {
                EXPECT_NE(std::this_thread::get_id(), caller);
            }
            EXPECT_EQ(value, 42);
        });
        EXPECT_EQ(seen, std::vector<int>(size_t(n), 1)) << n << " bands";
        EXPECT_TRUE(indexZeroOnCaller);
        EXPECT_EQ(outsider, 0);
        EXPECT_EQ(threadIndex(), 0);  // outside any run
    }
}

TEST(Parallel, ArgumentCountIsClampedToSix) {
    ThreadCountGuard guard(3);
    static std::atomic<int> calls;
    static void* got[kFnMaxParallelArgs];
    int a[6];
    auto record = [](void* const* args) {
        if (threadIndex() == 0)
            for (int i = 0; i < kFnMaxParallelArgs; ++i) got[i] = args[i];
        ++calls;
    };
    calls = 0;
    runParallel(record, 7, &a[0], &a[1], &a[2], &a[3], &a[4], &a[5]);
    EXPECT_EQ(calls.load(), 3);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], &a[i]);
    runParallel(record, 2, &a[0], &a[1], &a[2]);
    EXPECT_EQ(got[1], &a[1]);
    EXPECT_EQ(got[2], nullptr);  // beyond the count
    for (int count : {0, -5}) {
        runParallel(record, count, &a[0], &a[1]);
        EXPECT_EQ(got[0], nullptr);
        EXPECT_EQ(got[1], nullptr);
    }
    EXPECT_EQ(calls.load(), 12);
}

TEST(Parallel, ConcurrentCallersTakeTurns) {
    ThreadCountGuard guard(4);
    std::mutex m;
    int activeRun = 0, activeBands = 0;
    bool overlapped = false;
    auto run = [&](int id) {
        for (int k = 0; k < 5; ++k) {
            runParallel([&] {
                {
                    std::lock_guard<std::mutex> lock(m);
                    if (activeBands > 0 && activeRun != id) overlapped = true;
                    activeRun = id;
                    ++activeBands;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                std::lock_guard<std::mutex> lock(m);
                --activeBands;
            });
        }
    };
    std::thread other(run, 2);
    run(1);
    other.join();
    EXPECT_FALSE(overlapped);
}

TEST(Parallel, RunStartedInsideABandStillRunsEveryBand) {
    // Not a supported use, but it must neither deadlock nor skip bands.
    ThreadCountGuard guard(3);
    std::atomic<int> inner{0};
    std::atomic<int> indexSum{0};
    runParallel([&] {
        const int outer = threadIndex();
        runParallel([&] {
            ++inner;
            indexSum += threadIndex();
        });
        EXPECT_EQ(threadIndex(), outer);
    });
    EXPECT_EQ(inner.load(), 9);
    EXPECT_EQ(indexSum.load(), 3 * (0 + 1 + 2));
}
