#include "tests/support/FnTestWindowSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

FnRecordingWindowSystem* gSystem = nullptr;

class HeadlessEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Before the first EGL call: software rendering only.
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        setenv("GALLIUM_DRIVER", "llvmpipe", 1);
        gSystem = new FnRecordingWindowSystem;
        ASSERT_TRUE(gSystem->Open()) << gSystem->Error();
        FnWindowSystem::Install(gSystem);
    }
    void TearDown() override {
        FnWindowSystem::Install(nullptr);
        delete gSystem;
        gSystem = nullptr;
    }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

}  // namespace

bool FnRecordingWindowSystem::OpenDocument(const std::string& asked, const std::string& found) {
    requests.push_back({asked, found});
    return false;
}

FnRecordingWindowSystem* FnTestWindowSystem() { return gSystem; }
