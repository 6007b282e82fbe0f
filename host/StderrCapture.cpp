#include "host/StderrCapture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>

namespace {
constexpr size_t kMostText = 300;
StderrCapture* gCurrent = nullptr;
}  // namespace

StderrCapture* StderrCapture::current() { return gCurrent; }

StderrCapture::StderrCapture() {
    std::fflush(stderr);
    // An anonymous in-memory file: a pipe would block a chatty library.
    capture_ = memfd_create("colbalance-stderr", MFD_CLOEXEC);
    if (capture_ < 0) return;
    saved_ = dup(2);
    if (saved_ < 0 || dup2(capture_, 2) < 0) {
        if (saved_ >= 0) close(saved_);
        close(capture_);
        saved_ = capture_ = -1;
        return;
    }
    gCurrent = this;
}

StderrCapture::~StderrCapture() {
    release();
    if (capture_ >= 0) close(capture_);
}

void StderrCapture::release() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    saved_ = -1;
    if (gCurrent == this) gCurrent = nullptr;
}

std::string StderrCapture::text() const {
    if (capture_ < 0) return {};
    std::fflush(stderr);
    std::string s(kMostText + 1, '\0');
    const ssize_t n = pread(capture_, s.data(), s.size(), 0);
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
