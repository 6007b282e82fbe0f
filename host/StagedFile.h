// StagedFile: a text file written beside its target under a hidden
// temporary name and renamed over it only on commit, so that it never
// exists half-written.  A frame's files are staged before its image is
// written and committed after, so that a failure in between leaves neither;
// the interrupting signals wait until then, so that no temporary file
// outlives the program.
#pragma once

#include <csignal>
#include <string>

class StagedFile {
public:
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile() { discard(); }

    // Writes `text` under the temporary name; the interrupting signals wait
    // from here until commit or discard.
    bool stage(const std::string& path, const std::string& text, std::string& error);
    // Renames the temporary file over the target.
    bool commit(std::string& error);
    // Removes the temporary file, if any, and lets the signals in again.
    void discard();

private:
    std::string path_, temp_;
    sigset_t saved_{};
    bool blocked_ = false;
};
