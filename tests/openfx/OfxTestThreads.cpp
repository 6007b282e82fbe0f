#include "tests/openfx/OfxTestThreads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

// A recursive lock with an owner, so that an unlock by another thread is
// seen and refused.
struct OfxMutex {
    std::mutex m;
    std::condition_variable freed;
    std::thread::id owner;
    int count = 0;
};

namespace {

thread_local bool tSpawned = false;
thread_local unsigned int tIndex = 0;

}  // namespace

unsigned int OfxTestThreads::cpuCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

unsigned int OfxTestThreads::index() { return tIndex; }

bool OfxTestThreads::isSpawnedThread() { return tSpawned; }

OfxStatus OfxTestThreads::multiThread(OfxThreadFunctionV1 func, unsigned int nThreads,
                                      void* customArg) {
    if (!func) return kOfxStatFailed;
    if (tSpawned) return kOfxStatErrExists;
    const unsigned int n = std::max(1u, nThreads);
    std::atomic<unsigned int> next{0};
    const auto worker = [&] {
        tSpawned = true;
        for (unsigned int i = next++; i < n; i = next++) {
            tIndex = i;
            func(i, n, customArg);
        }
        tIndex = 0;
        tSpawned = false;
    };
    std::vector<std::thread> threads;
    OfxStatus status = kOfxStatOK;
    try {
        for (unsigned int t = 0; t < std::min(n, cpuCount()); ++t) threads.emplace_back(worker);
    } catch (const std::system_error&) {
        // The threads that did start take every index.
        status = threads.empty() ? kOfxStatFailed : kOfxStatOK;
    }
    for (std::thread& t : threads) t.join();
    return status;
}

OfxStatus OfxTestThreads::mutexCreate(OfxMutexHandle* mutex, int lockCount) {
    if (!mutex) return kOfxStatErrBadHandle;
    auto* m = new OfxMutex;
    if (lockCount > 0) {
        m->owner = std::this_thread::get_id();
        m->count = lockCount;
    }
    *mutex = m;
    return kOfxStatOK;
}

OfxStatus OfxTestThreads::mutexDestroy(OfxMutexHandle mutex) {
    if (!mutex) return kOfxStatErrBadHandle;
    delete mutex;
    return kOfxStatOK;
}

OfxStatus OfxTestThreads::mutexLock(OfxMutexHandle mutex) {
    if (!mutex) return kOfxStatErrBadHandle;
    std::unique_lock<std::mutex> g(mutex->m);
    const auto me = std::this_thread::get_id();
    mutex->freed.wait(g, [&] { return mutex->count == 0 || mutex->owner == me; });
    mutex->owner = me;
    ++mutex->count;
    return kOfxStatOK;
}

OfxStatus OfxTestThreads::mutexTryLock(OfxMutexHandle mutex) {
    if (!mutex) return kOfxStatErrBadHandle;
    std::lock_guard<std::mutex> g(mutex->m);
    const auto me = std::this_thread::get_id();
    if (mutex->count != 0 && mutex->owner != me) return kOfxStatFailed;
    mutex->owner = me;
    ++mutex->count;
    return kOfxStatOK;
}

OfxStatus OfxTestThreads::mutexUnLock(OfxMutexHandle mutex) {
    if (!mutex) return kOfxStatErrBadHandle;
    std::lock_guard<std::mutex> g(mutex->m);
    if (mutex->count == 0 || mutex->owner != std::this_thread::get_id())
        return kOfxStatErrBadHandle;
    if (--mutex->count == 0) {
        mutex->owner = {};
        mutex->freed.notify_all();
    }
    return kOfxStatOK;
}
