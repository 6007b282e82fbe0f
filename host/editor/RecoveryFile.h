// RecoveryFile: the parameters an editor has not saved, kept for the image
// or sequence it shows, so that an editor killed or crashed can offer them
// again when it is started on the same input.
//
// One file per input, in the user's state folder ($XDG_STATE_HOME, else
// ~/.local/state, in colbalance-editor/), named by a hash of the input's
// absolute path or pattern: recovery-<16 hex digits>.json.  It is JSON:
//
//   {"format": "colbalance-editor recovery", "version": 1,
//    "input": "/shots/a/shot.%04d.exr",       the input, absolute
//    "paramsFile": "/shots/a/look.json",       where Save writes ("" none)
//    "params": {...},                          every parameter and the grading
//                                              space, as a params file
//    "undo": {"index": 3, "clean": 1,          steps done; steps at the last save
//             "steps": [{"label": "Change Highlights",
//                        "changes": [{"before": {"Highlights": 100},
//                                     "after": {"Highlights": 70}}]},
//                       {"label": "Change Working Space", "changes": [],
//                        "space": {"before": {}, "after": {"workingSpace": "ACEScct"}}}]}}
//
// Values are written as a params file writes them (numbers to the last
// bit, keys as [[time, value], ...]), so they come back exactly.  While an
// editor keeps an input it holds a lock beside the file, so that a second
// editor on the same input neither offers nor overwrites the first one's
// work; a killed editor's lock is stale at once (its process is gone).
#pragma once

#include <memory>
#include <string>

#include "host/common/ParamValues.h"
#include "host/editor/ParamDocument.h"

class QLockFile;

// What a recovery file holds.
struct RecoveryState {
    std::string input;       // absolute path or pattern
    std::string paramsFile;  // absolute; empty before the first save or open
    std::vector<ParamSetting> settings;
    GradingSpace grading;
    ParamHistory history;
};

class RecoveryFile {
public:
    // $XDG_STATE_HOME/colbalance-editor, else ~/.local/state/colbalance-editor.
    static std::string defaultFolder();
    // An input as its file names it: absolute, its folder's links resolved.
    static std::string inputKey(const std::string& input);

    RecoveryFile(const std::string& folder, const std::string& input);
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    const std::string& path() const { return path_; }
    const std::string& input() const { return input_; }
    bool exists() const;

    // Takes the lock kept while an editor keeps this input; false with the
    // reason when a running editor holds it or the folder cannot be
    // written.  Released by the destructor.
    bool lock(std::string& error);

    // Writes the state atomically (the folder is made when missing).
    bool write(const std::vector<ParamInfo>& params, const RecoveryState& state,
               std::string& error) const;
    // Reads the file; false with why it cannot be used: it does not read as
    // a recovery file, names parameters the effect lacks, or keeps another
    // input's work.
    bool read(const std::vector<ParamInfo>& params, RecoveryState& state, std::string& error) const;
    // Renames the file aside, beside itself; the new path, or empty with
    // the error.
    std::string setAside(std::string& error) const;
    void remove() const;

private:
    std::string folder_, input_, path_;
    std::unique_ptr<QLockFile> lock_;
};
