#include "host/StagedFile.h"

#include "host/CommandArgs.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

bool StagedFile::stage(const std::string& path, const std::string& text, std::string& error) {
    discard();
    const std::filesystem::path target(path);
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp";
    name += std::to_string(::getpid());
    temp_ = (target.parent_path() / name).string();
    path_ = path;
    sigset_t block;
    sigemptyset(&block);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&block, sig);
    sigprocmask(SIG_BLOCK, &block, &saved_);
    blocked_ = true;
    std::FILE* f = std::fopen(temp_.c_str(), "w");
    int err = f ? 0 : errno;
    if (f && std::fwrite(text.data(), 1, text.size(), f) != text.size()) err = errno;
    if (f && std::fclose(f) != 0 && !err) err = errno;
    if (err) {
        error = "cannot write " + quotedText(path) + ": " + std::strerror(err);
        discard();
        return false;
    }
    return true;
}

bool StagedFile::commit(std::string& error) {
    std::error_code ec;
    std::filesystem::rename(temp_, path_, ec);
    if (ec) {
        error = "cannot write " + quotedText(path_) + ": " + ec.message();
        discard();
        return false;
    }
    temp_.clear();
    discard();
    return true;
}

void StagedFile::discard() {
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
        temp_.clear();
    }
    if (blocked_) sigprocmask(SIG_SETMASK, &saved_, nullptr);
    blocked_ = false;
}
