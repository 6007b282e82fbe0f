#include "host/common/OutputBatch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "host/common/StderrCapture.h"
#include "host/common/UserText.h"

namespace {

// Every output in progress in the process, where a signal handler can find
// it: a fixed table of paths, each slot's state one lock-free atomic.
constexpr size_t kPathMax = 4096;
constexpr int kSlots = 32;

enum SlotState : int {
    kFree,
    kClaimed,  // being filled in
    kPending,  // the temporary file may exist
    kLanding,  // being renamed over a target that did not exist: both go
};

struct Slot {
    std::atomic<int> state{kFree};
    char temp[kPathMax];
    char target[kPathMax];
};
static_assert(std::atomic<int>::is_always_lock_free, "read by signal handlers");

Slot gSlots[kSlots];
std::atomic<unsigned> gSerial{0};
char gProgram[64] = "";

// A slot holding both names; -1 when a name is too long, -2 when every slot
// is taken.
int claim(const std::string& target, const std::string& temp) {
    if (target.size() >= kPathMax || temp.size() >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!gSlots[i].state.compare_exchange_strong(expected, kClaimed)) continue;
        std::memcpy(gSlots[i].temp, temp.c_str(), temp.size() + 1);
        std::memcpy(gSlots[i].target, target.c_str(), target.size() + 1);
        gSlots[i].state.store(kPending);
        return i;
    }
    return -2;
}

void setState(int slot, SlotState s) { gSlots[slot].state.store(s); }

// Only what a signal handler may call.
int removeInProgress() {
    int first = -1;
    for (int i = 0; i < kSlots; ++i) {
        const int s = gSlots[i].state.load();
        if (s != kPending && s != kLanding) continue;
        ::unlink(gSlots[i].temp);
        if (s == kLanding) ::unlink(gSlots[i].target);
        if (first < 0) first = i;
    }
    return first;
}

void onSignal(int sig) {
    removeInProgress();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// Some image libraries end the program themselves on a write error (exit,
// not a return): the files in progress go, and what the library said
// becomes the program's one line.
void onExit() {
    const int first = removeInProgress();
    if (first < 0) return;
    std::string said;
    if (StderrCapture* c = StderrCapture::current()) said = c->text();
    while (StderrCapture* c = StderrCapture::current()) c->release();
    std::fprintf(stderr, "%s: cannot write %s%s%s\n", gProgram,
                 quotedText(gSlots[first].target).c_str(), said.empty() ? "" : ": ", said.c_str());
}

// Hidden, beside the target (so the rename stays on one file system),
// ending in the target's extension so that a writer picks the same format.
std::string tempNameFor(const std::string& path) {
    const std::filesystem::path target(path);
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(gSerial.fetch_add(1));
    name += target.extension().string();
    return (target.parent_path() / name).string();
}

}  // namespace

OutputBatch::~OutputBatch() { discard(); }

bool OutputBatch::stage(const std::string& path, const Writer& write, std::string& error) {
    const std::string temp = tempNameFor(path);
    const int slot = claim(path, temp);
    if (slot < 0) {
        error = slot == -1 ? "output path too long: " + quotedText(path)
                           : "cannot write " + quotedText(path) + ": too many outputs at once";
        return false;
    }
    auto abandon = [&] {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        setState(slot, kFree);
    };
    bool written;
    try {
        written = write(temp, error);
    } catch (...) {  // memory a library could not get: nothing of it stays
        abandon();
        throw;
    }
    if (!written) {
        abandon();
        return false;
    }
    staged_.push_back({slot, path, temp});
    return true;
}

bool OutputBatch::stageText(const std::string& path, std::string_view text, std::string& error) {
    return stage(
        path,
        [&](const std::string& temp, std::string& why) {
            std::FILE* f = std::fopen(temp.c_str(), "w");
            int err = f ? 0 : errno;
            if (f && std::fwrite(text.data(), 1, text.size(), f) != text.size()) err = errno;
            if (f && std::fclose(f) != 0 && !err) err = errno;
            if (err) why = "cannot write " + quotedText(path) + ": " + std::strerror(err);
            return err == 0;
        },
        error);
}

bool OutputBatch::commit(std::string& error) {
    std::vector<bool> added;
    bool ok = true;
    for (const Staged& s : staged_) {
        struct stat st {};
        const bool isNew = ::lstat(s.path.c_str(), &st) != 0;
        if (isNew) setState(s.slot, kLanding);
        std::error_code ec;
        std::filesystem::rename(s.temp, s.path, ec);
        if (ec) {
            setState(s.slot, kPending);
            error = "cannot write " + quotedText(s.path) + ": " + ec.message();
            ok = false;
            break;
        }
        added.push_back(isNew);
    }
    // A commit that failed takes back the new outputs it had renamed.
    for (size_t i = 0; i < added.size(); ++i) {
        if (!ok && added[i]) {
            std::error_code ec;
            std::filesystem::remove(staged_[i].path, ec);
        }
        setState(staged_[i].slot, kFree);
    }
    staged_.erase(staged_.begin(), staged_.begin() + ptrdiff_t(added.size()));
    discard();
    return ok;
}

void OutputBatch::discard() {
    for (const Staged& s : staged_) {
        std::error_code ec;
        std::filesystem::remove(s.temp, ec);
        setState(s.slot, kFree);
    }
    staged_.clear();
}

bool writeTextFile(const std::string& path, std::string_view text, std::string& error) {
    OutputBatch batch;
    return batch.stageText(path, text, error) && batch.commit(error);
}

void installOutputCleanup(const char* program) {
    std::snprintf(gProgram, sizeof gProgram, "%s", program);
    static const bool atExit = std::atexit(onExit) == 0;
    (void)atExit;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
}

bool checkOutputTarget(const std::string& path, const std::string& named, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return (error = named + " is a folder"), false;
        if ((st.st_mode & 0222) == 0) return (error = named + " is read-only"), false;
        if (!S_ISREG(st.st_mode)) return (error = named + " is not a plain file"), false;
    }
    std::error_code ec;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) parent = ".";
    if (!std::filesystem::is_directory(parent, ec))
        return (error = named + ": no folder " + quotedText(parent.string())), false;
    return true;
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ea, eb;
    const auto ca = std::filesystem::weakly_canonical(a, ea),
               cb = std::filesystem::weakly_canonical(b, eb);
    return ea || eb ? a == b : ca == cb;
}
