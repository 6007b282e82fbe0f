// Parallel band execution: band splits, band indices, arguments and the
// process-wide serialisation of runs.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/FnParallel.h"
#include "tests/engine/EngineTesting.h"

namespace {

std::vector<int> bandSizes(int32_t rows, int n) {
    std::vector<int> sizes;
    int32_t next = 0;
    for (int i = 0; i < n; ++i) {
        const FnBandRange b = fnBandRows(rows, n, i);
        EXPECT_EQ(b.first, next) << "bands are contiguous";
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
    EXPECT_EQ(fnBandRows(11, 4, -1).end, 11);  // no band index: everything
}

TEST(Parallel, EveryBandRunsOnceWithItsIndex) {
    const auto caller = std::this_thread::get_id();
    for (int n : {1, 2, 4, 7, 8}) {
        ThreadCountGuard guard(n);
        EXPECT_EQ(threadCount(), n);
        std::mutex m;
        std::vector<int> seen(size_t(n), 0);
        int outsider = -1;
        runParallel([&] {
            const int i = threadIndex();
            std::lock_guard<std::mutex> lock(m);
            ASSERT_TRUE(i >= 0 && i < n) << i;
            ++seen[size_t(i)];
            EXPECT_EQ(i == 0, std::this_thread::get_id() == caller) << i;
            // A thread that is not part of the run is band 0.
            if (i == 0) std::thread([&] { outsider = threadIndex(); }).join();
        });
        EXPECT_EQ(seen, std::vector<int>(size_t(n), 1)) << n << " bands";
        EXPECT_EQ(outsider, 0);
        EXPECT_EQ(threadIndex(), 0);  // outside any run
    }
}

TEST(Parallel, ArgumentCountIsClampedToSix) {
    ThreadCountGuard guard(3);
    static std::atomic<int> calls;
    calls = 0;
    static void* got[kFnMaxParallelArgs];
    int a[6];
    auto record = [](void* const* args) {
        if (threadIndex() == 0) std::copy(args, args + kFnMaxParallelArgs, got);
        ++calls;
    };
    runParallel(record, 7, &a[0], &a[1], &a[2], &a[3], &a[4], &a[5]);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], &a[i]);
    runParallel(record, 2, &a[0], &a[1], &a[2]);
    EXPECT_EQ(got[1], &a[1]);
    EXPECT_EQ(got[2], nullptr);
    runParallel(record, 0, &a[0]);
    EXPECT_EQ(got[0], nullptr);
    EXPECT_EQ(calls.load(), 9);
}

TEST(Parallel, ConcurrentCallersTakeTurns) {
    ThreadCountGuard guard(4);
    std::mutex m;
    int activeRun = 0, activeBands = 0;
    bool overlapped = false;
    auto run = [&](int id) {
        for (int k = 0; k < 5; ++k)
            runParallel([&] {
                {
                    std::lock_guard<std::mutex> lock(m);
                    overlapped |= activeBands > 0 && activeRun != id;
                    activeRun = id;
                    ++activeBands;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                std::lock_guard<std::mutex> lock(m);
                --activeBands;
            });
    };
    std::thread other(run, 2);
    run(1);
    other.join();
    EXPECT_FALSE(overlapped);
}

TEST(Parallel, RunStartedInsideABandRunsEveryBandWithoutDeadlock) {
    ThreadCountGuard guard(3);
    std::atomic<int> inner{0}, indexSum{0};
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
