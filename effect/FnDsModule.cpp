// The module's state: its instance handle and its lock count.
#include "effect/FnDsModule.h"

#include "platform/dssdk/DSModuleInstance.h"
#include "resources/FnBitmaps.h"
#include "resources/FnDialogs.h"
#include "resources/FnStrings.h"

namespace {

// The instance record: its address is the module's instance handle.
const DSModuleInstance kInstance{&fnLoadString, &fnFindDialog, &fnFindBitmap};

std::atomic<int32_t> g_lockCount{0};

}  // namespace

HINSTANCE fnModuleInstance() { return const_cast<DSModuleInstance*>(&kInstance); }

std::atomic<int32_t>& fnModuleLockCount() { return g_lockCount; }
