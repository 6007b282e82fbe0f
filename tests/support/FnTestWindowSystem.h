#pragma once
// The window system the GL tests run on: the headless system with
// software rendering pinned to llvmpipe, so frames repeat byte for byte,
// and the shell's "open" recorded instead of run.  FnTestWindowSystem()
// gives the one the program installs before its first test (a GoogleTest
// environment, which calling it links in) and removes after its last; null
// when it could not open.

#include <string>
#include <vector>

#include "platform/window/FnHeadlessWindowSystem.h"

// What ShellExecuteW was asked to open: the path as asked and the local
// file it found (empty when none).
struct FnShellRequest {
    std::string asked;
    std::string found;
};

class FnRecordingWindowSystem final : public FnHeadlessWindowSystem {
public:
    // Records the request; opens nothing.
    bool OpenDocument(const std::string& asked, const std::string& found) override;

    std::vector<FnShellRequest> requests;
};

FnRecordingWindowSystem* FnTestWindowSystem();
