// A module that carries the toolkit, as the effect module does: the reload
// test loads it, opens a GL window from it, unloads it and loads it again.
#include "platform/window/FnWin32.h"
#include "ui/toolkit/FnToolkitModule.h"
#include "ui/toolkit/FnwTrouser.h"

#define FN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
const int kInstance = 0;  // its address is this load's instance handle
FnwTrouser* gWindow = nullptr;

__attribute__((destructor)) void detach() { fnToolkitDetach(); }
}  // namespace

FN_EXPORT HINSTANCE fnReloadInstance() { return const_cast<int*>(&kInstance); }

FN_EXPORT HWND fnReloadOpen(HWND parent) {
    FnwWindow::SetModuleInstance(fnReloadInstance());
    if (!gWindow) gWindow = new FnwTrouser;
    const int rect[4] = {0, 0, 39, 29};
    return gWindow->Create(parent, "reload", rect);
}

FN_EXPORT void fnReloadClose() {
    if (!gWindow) return;
    if (gWindow->Window()) DestroyWindow(gWindow->Window());
    delete gWindow;
    gWindow = nullptr;
}
