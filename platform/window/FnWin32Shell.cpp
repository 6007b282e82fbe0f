// Shell32 and Kernel32 part of the window layer: opening documents with the
// desktop's opener, and the tick count.

#include "platform/window/FnWin32State.h"
#include "platform/window/FnWindowSystem.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

extern char** environ;

namespace {

bool DisplayPresent() {
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

bool FnWindowSystem::DesktopOpen(const std::string& path) {
    return !path.empty() && DisplayPresent() && Launch(path);
}

bool FnWindowSystem::OpenDocument(const std::string&, const std::string& found) {
    return DesktopOpen(found);
}

HINSTANCE WINAPI ShellExecuteW(HWND, const WCHAR* operation, const WCHAR* file, const WCHAR*,
                               const WCHAR*, int) {
    if (operation && FnUtf8(operation) != "open")
        return reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
    const std::string asked = FnUtf8(file);
    const std::string found = LocalDocument(asked);
    if (FnWindowSystem* system = FnWindowSystem::Current())
        system->OpenDocument(asked, found);
    else
        FnWindowSystem::DesktopOpen(found);
    // Above 32: success.
    return reinterpret_cast<HINSTANCE>(found.empty() ? SE_ERR_FNF : std::intptr_t(42));
}

DWORD WINAPI GetTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
