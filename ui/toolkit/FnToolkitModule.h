// What a module that carries the toolkit does when it is unloaded.
//
// The window layer outlives every module (it is shared by the host and all
// modules), so classes registered by a module would otherwise keep window
// procedures that are no longer mapped, and the next load of the module
// could not register its classes under the same names.  The module's detach
// calls this after its last window is gone (the module cannot be unloaded
// while a page, and so a window, is alive); the next load registers the
// classes again on first use.
#pragma once

void fnToolkitDetach();
