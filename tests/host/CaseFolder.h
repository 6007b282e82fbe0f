// caseFolder: a folder of the running test case's own under the system's
// temporary folder, <prefix>-<run>-<case name>, made empty when `fresh`.
// `run` tells concurrent runs apart (the process id unless a test's own
// processes share one folder).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

inline std::filesystem::path caseFolder(const std::string& prefix,
                                        const std::string& run = std::to_string(::getpid()),
                                        bool fresh = true) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        (prefix + "-" + run + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    if (fresh) std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}
