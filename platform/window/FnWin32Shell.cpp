// Shell32 and Kernel32 part of the window layer: opening documents with the
// desktop's opener, and the tick count.

#include "platform/window/FnShell.h"
#include "platform/window/FnWin32State.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

extern char** environ;

namespace {

std::vector<FnShellRequest>& Requests() {
    static auto* requests = new std::vector<FnShellRequest>;
    return *requests;
}

int gAllowLaunch = -1;  // -1: where a display is

bool LaunchAllowed() {
    if (gAllowLaunch >= 0) return gAllowLaunch != 0;
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

bool IsFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The document as a local file: slashes for backslashes, and the HTML
// rendering when the named file is missing.
std::string LocalDocument(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    if (IsFile(path)) return path;
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        const std::string html = path.substr(0, dot) + ".html";
        if (IsFile(html)) return html;
    }
    return {};
}

// The opener runs detached: a shell starts it in the background and ends at
// once, so no child is left to reap.
bool Launch(const std::string& path) {
    const char* argv[] = {"/bin/sh", "-c",         "xdg-open \"$1\" >/dev/null 2>&1 &",
                          "sh",      path.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::vector<FnShellRequest> FnShellRequests() { return Requests(); }
void FnShellClearRequests() { Requests().clear(); }
void FnShellAllowLaunch(const bool* allow) { gAllowLaunch = allow ? (*allow ? 1 : 0) : -1; }

HINSTANCE WINAPI ShellExecuteW(HWND, const WCHAR* operation, const WCHAR* file, const WCHAR*,
                               const WCHAR*, int) {
    FnShellRequest r;
    r.operation = operation ? FnUtf8(operation) : "open";
    r.file = FnUtf8(file);
    std::intptr_t result = SE_ERR_NOASSOC;
    if (r.operation == "open") {
        r.localPath = LocalDocument(r.file);
        if (r.localPath.empty()) {
            result = SE_ERR_FNF;
        } else {
            result = 42;  // above 32: success
            if (LaunchAllowed()) r.launched = Launch(r.localPath);
        }
    }
    Requests().push_back(r);
    return reinterpret_cast<HINSTANCE>(result);
}

DWORD WINAPI GetTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
