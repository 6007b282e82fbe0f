// OutputBatch: the outputs of one piece of work (a frame's image, its
// histogram counts, its viewer snapshot; a saved parameters file) landed
// together.  Each is written under a hidden temporary name beside its
// target, so that the rename stays on one file system, and all of them are
// renamed into place on commit.  Until then, and whatever fails, no target
// is touched: a frame whose later step fails leaves nothing of itself.
//
// A commit that fails part-way (a rename refused) takes back the outputs it
// had already renamed that were new; a file that was there before is
// replaced or left, never removed.
//
// Every pending temporary file of the process, of any batch on any thread,
// is removed when an interrupting signal ends the program, and so is every
// new output of a commit in progress (installOutputCleanup).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class OutputBatch {
public:
    OutputBatch() = default;
    // Discards what was not committed.
    ~OutputBatch();
    OutputBatch(const OutputBatch&) = delete;
    OutputBatch& operator=(const OutputBatch&) = delete;

    // Writes the file under `temp`; false with the reason.
    using Writer = std::function<bool(const std::string& temp, std::string& error)>;

    // Writes an output for `path` through `write`, which gets the temporary
    // name (ending in the target's extension, for writers that choose the
    // format by the name).  False with the error; nothing of it stays.
    bool stage(const std::string& path, const Writer& write, std::string& error);
    // A text output (a CSV, a JSON file), written whole.
    bool stageText(const std::string& path, std::string_view text, std::string& error);

    // Renames every staged output into place, in the order staged; the batch
    // is empty afterwards.  False with the error.
    bool commit(std::string& error);
    // Removes every staged temporary file.
    void discard();
    bool empty() const { return staged_.empty(); }

private:
    struct Staged {
        int slot;
        std::string path, temp;
    };
    std::vector<Staged> staged_;
};

// One text output on its own, staged and committed.
bool writeTextFile(const std::string& path, std::string_view text, std::string& error);

// Removes the pending temporary files (and a commit's new outputs) when
// SIGINT, SIGTERM or SIGHUP end the program, and when a library ends it
// with exit() while an output is written: what the library said (caught by
// StderrCapture) then becomes `program`'s one error line.  Call once, early.
void installOutputCleanup(const char* program);

// Refuses, before any work, a path that cannot take an output: a folder, a
// file that may not be written (a rename would replace it regardless; a
// file nobody may write says the user wants it kept), something other than
// a plain file, or a name in a folder that does not exist.  False with the
// reason, worded after `named` (how the user gave the path).
bool checkOutputTarget(const std::string& path, const std::string& named, std::string& error);

// True when both name the same file (or would, once written).
bool samePath(const std::string& a, const std::string& b);
