#include "host/common/StderrCapture.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {
constexpr size_t kMostText = 300;

// The one redirection all live captures share.
std::mutex gLock;
int gSaved = -1;    // the real standard error while redirected
int gCapture = -1;  // the buffer it points at meanwhile
std::vector<StderrCapture*> gLive;
}  // namespace

StderrCapture* StderrCapture::current() {
    std::lock_guard<std::mutex> lock(gLock);
    // The oldest: its text holds whatever the others' do.
    return gLive.empty() ? nullptr : gLive.front();
}

int StderrCapture::terminal() {
    // Taken once, before any capture can have redirected it.
    static const int fd = fcntl(2, F_DUPFD_CLOEXEC, 3);
    return fd;
}

void StderrCapture::toTerminal(std::string_view text) {
    const int fd = terminal() >= 0 ? terminal() : 2;
    std::fflush(stderr);
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(size_t(n));
    }
}

StderrCapture::StderrCapture() {
    (void)terminal();
    std::lock_guard<std::mutex> lock(gLock);
    std::fflush(stderr);
    if (gLive.empty()) {
        // An anonymous in-memory file: a pipe would block a chatty library.
        const int capture = memfd_create("colbalance-stderr", MFD_CLOEXEC);
        if (capture < 0) return;
        // Appending: writes from several threads land after each other, and
        // each capture's start (the end of the buffer) stays before its own
        // text, whatever the shared file position says.
        if (fcntl(capture, F_SETFL, O_APPEND) < 0) {
            close(capture);
            return;
        }
        const int saved = dup(2);
        if (saved < 0 || dup2(capture, 2) < 0) {
            if (saved >= 0) close(saved);
            close(capture);
            return;
        }
        gSaved = saved;
        gCapture = capture;
    }
    const off_t at = lseek(gCapture, 0, SEEK_END);
    start_ = at > 0 ? at : 0;
    active_ = true;
    gLive.push_back(this);
}

StderrCapture::~StderrCapture() { release(); }

void StderrCapture::release() {
    std::lock_guard<std::mutex> lock(gLock);
    if (!active_) return;
    active_ = false;
    gLive.erase(std::remove(gLive.begin(), gLive.end(), this), gLive.end());
    if (!gLive.empty()) return;
    std::fflush(stderr);
    dup2(gSaved, 2);
    close(gSaved);
    close(gCapture);
    gSaved = gCapture = -1;
}

std::string StderrCapture::text() const {
    std::string s(kMostText + 1, '\0');
    ssize_t n = 0;
    {
        std::lock_guard<std::mutex> lock(gLock);
        if (!active_ || gCapture < 0) return {};
        std::fflush(stderr);
        n = pread(gCapture, s.data(), s.size(), start_);
    }
    s.resize(n > 0 ? size_t(n) : 0);
    const bool cut = s.size() > kMostText;
    if (cut) s.resize(kMostText);
    std::string line;
    for (char c : s) {
        if (c == '\n' || c == '\r') {
            if (!line.empty() && line.back() != ' ') line += "; ";
        } else if (static_cast<unsigned char>(c) >= 32 && c != 127) {
            line += c;
        }
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == ';')) line.pop_back();
    return cut ? line + "..." : line;
}
