// Module-wide state: the instance handle, the lock count that decides when
// the host may unload the module, and the table of served classes.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"
#include "platform/com/Unknown.h"

// The module's instance handle (its DSModuleInstance record).
HINSTANCE fnModuleInstance();

// Live objects, factories and server locks.  Changed only atomically.
std::atomic<int32_t>& fnModuleLockCount();

// One row per class the module serves.  `create` makes the class factory
// (null when out of memory).
struct FnDsClassRow {
    CLSID clsid;
    UINT nameId;
    IUnknown* (*createFactory)();
};

// The served classes, in registration order, and their count.
const FnDsClassRow* fnDsClassTable(size_t* count);
