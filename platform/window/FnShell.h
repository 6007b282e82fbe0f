#pragma once
// What ShellExecuteW does on this platform.
//
// "open" of a document turns the Windows path into a local one (backslashes
// become slashes).  This platform ships documents as HTML: when the named
// file is missing, its sibling with the extension ".html" is opened
// instead.  The desktop's opener (xdg-open) runs only when launching is
// allowed, which by default it is where a display is (DISPLAY or
// WAYLAND_DISPLAY set); every request is recorded either way, so that tests
// see what would have been opened.

#include <string>
#include <vector>

struct FnShellRequest {
    std::string operation;  // as asked, UTF-8
    std::string file;       // as asked, UTF-8
    std::string localPath;  // the file found, or empty when none was
    bool launched = false;
};

// Every request since the start or the last clear, oldest first.
std::vector<FnShellRequest> FnShellRequests();
void FnShellClearRequests();
// Whether the opener may run (null restores the default: where a display is).
void FnShellAllowLaunch(const bool* allow);
