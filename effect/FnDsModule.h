// Module-wide state: the instance handle and the lock count that decides
// when the host may unload the module.
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
