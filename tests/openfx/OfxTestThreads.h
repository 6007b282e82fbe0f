// The host's multithread suite (OfxMultiThreadSuiteV1), for real: HostSupport
// forwards every call of it to the host, which answers through this.
//
// multiThread runs the function once for each index 0..n-1 on at most
// cpuCount() threads of its own and returns when all have; a call from one
// of those threads is refused (kOfxStatErrExists), as the suite asks.
// Mutexes count their locks per owning thread; unlocking a mutex the
// calling thread does not hold is refused rather than undefined.
#pragma once

#include "ofxCore.h"
#include "ofxMultiThread.h"

class OfxTestThreads {
public:
    static OfxStatus multiThread(OfxThreadFunctionV1 func, unsigned int nThreads, void* customArg);
    static unsigned int cpuCount();
    // The index of the calling thread's current call; 0 outside one.
    static unsigned int index();
    static bool isSpawnedThread();

    static OfxStatus mutexCreate(OfxMutexHandle* mutex, int lockCount);
    static OfxStatus mutexDestroy(OfxMutexHandle mutex);
    static OfxStatus mutexLock(OfxMutexHandle mutex);
    static OfxStatus mutexUnLock(OfxMutexHandle mutex);
    static OfxStatus mutexTryLock(OfxMutexHandle mutex);
};
