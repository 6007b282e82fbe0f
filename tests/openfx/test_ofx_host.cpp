// The test host's own parts, which the plug-in's tests stand on: the
// multithread suite as HostSupport hands it to plug-ins, and the parameter
// curves.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "ofxMultiThread.h"
#include "tests/openfx/OfxTestHost.h"
#include "tests/openfx/OfxTestParams.h"

namespace {

// A host without plug-ins: the suites are what is tested.
const OfxMultiThreadSuiteV1& threadSuite() {
    static OfxTestHost host("/nonexistent");
    return *static_cast<const OfxMultiThreadSuiteV1*>(host.fetchSuite(kOfxMultiThreadSuite, 1));
}

struct Calls {
    std::array<std::atomic<int>, 16> count{};
    std::atomic<int> wrong{0};
    std::atomic<OfxStatus> nested{kOfxStatOK};
};

}  // namespace

TEST(OfxTestThreads, RunEveryIndexOnceOnSpawnedThreads) {
    const OfxMultiThreadSuiteV1& mt = threadSuite();
    Calls calls;
    const auto func = [](unsigned int i, unsigned int n, void* arg) {
        auto& c = *static_cast<Calls*>(arg);
        const OfxMultiThreadSuiteV1& s = threadSuite();
        unsigned int index = 99;
        s.multiThreadIndex(&index);
        if (n != 16 || index != i || !s.multiThreadIsSpawnedThread()) ++c.wrong;
        ++c.count[i];
        // Calls from inside a run are refused, not nested.
        if (i == 3) c.nested = s.multiThread([](unsigned, unsigned, void*) {}, 2, nullptr);
    };
    ASSERT_EQ(mt.multiThread(func, 16, &calls), kOfxStatOK);
    for (const auto& c : calls.count) EXPECT_EQ(c.load(), 1);
    EXPECT_EQ(calls.wrong.load(), 0);
    EXPECT_EQ(calls.nested.load(), kOfxStatErrExists);

    unsigned int index = 99, cpus = 0;
    EXPECT_EQ(mt.multiThreadIndex(&index), kOfxStatOK);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(mt.multiThreadIsSpawnedThread(), 0);
    EXPECT_EQ(mt.multiThreadNumCPUs(&cpus), kOfxStatOK);
    EXPECT_GE(cpus, 1u);
    EXPECT_EQ(mt.multiThread(nullptr, 4, nullptr), kOfxStatFailed);
}

TEST(OfxTestThreads, MutexesCountLocksPerOwningThread) {
    const OfxMultiThreadSuiteV1& mt = threadSuite();
    OfxMutexHandle m = nullptr;
    ASSERT_EQ(mt.mutexCreate(&m, 1), kOfxStatOK);  // born locked by this thread
    OfxStatus other = kOfxStatOK;
    std::thread([&] { other = mt.mutexTryLock(m); }).join();
    EXPECT_EQ(other, kOfxStatFailed);
    std::thread([&] { other = mt.mutexUnLock(m); }).join();
    EXPECT_EQ(other, kOfxStatErrBadHandle);  // not its lock to give back
    EXPECT_EQ(mt.mutexLock(m), kOfxStatOK);  // recursive
    EXPECT_EQ(mt.mutexUnLock(m), kOfxStatOK);
    EXPECT_EQ(mt.mutexUnLock(m), kOfxStatOK);
    EXPECT_EQ(mt.mutexUnLock(m), kOfxStatErrBadHandle);

    // Contended: every increment happens under the lock.
    long counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 1000; ++i) {
                mt.mutexLock(m);
                ++counter;
                mt.mutexUnLock(m);
            }
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(counter, 4000);
    EXPECT_EQ(mt.mutexDestroy(m), kOfxStatOK);
    EXPECT_EQ(mt.mutexLock(nullptr), kOfxStatErrBadHandle);
}

TEST(OfxTestCurve, DoublesInterpolateOthersHold) {
    OfxTestCurve<double> d(5);
    EXPECT_EQ(d.at(3), 5);
    d.setKey(0, 0);
    d.setKey(10, 20);
    // time, value: held before the first key and after the last
    for (const auto& [t, want] : {std::pair{-1.0, 0.0}, {2.5, 5.0}, {10.0, 20.0}, {12.0, 20.0}})
        EXPECT_EQ(d.at(t), want) << t;
    d.set(7);  // a constant replaces the keys
    EXPECT_FALSE(d.animated());
    EXPECT_EQ(d.at(10), 7);

    OfxTestCurve<int> choice(0);
    choice.setKey(0, 1);
    choice.setKey(10, 3);
    EXPECT_EQ(choice.at(9.9), 1);
    EXPECT_EQ(choice.at(10), 3);
}
