// The recovery file on its own: what it holds comes back exactly (values and
// key times to the last bit, list texts, check boxes, the undo steps and
// their position, the working space and its undo steps), one input has one
// file wherever it is named from, only
// one editor keeps an input at a time, and the folder follows the XDG base
// directory rules.
#include "host/editor/RecoveryFile.h"
#include "tests/host/CaseFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<ParamInfo> someParams() {
    std::vector<ParamInfo> p(3);
    p[0].name = "Master Hue";
    p[0].animatable = true;
    p[1].name = "Render Tone";
    p[1].kind = ParamInfo::Kind::Integer;
    p[1].items = {"None", "Lowlights", "Midtones", "Highlights"};
    p[2].name = "Preserve Luminance";
    p[2].kind = ParamInfo::Kind::Boolean;
    return p;
}

class RecoveryFileTest : public ::testing::Test {
protected:
    void SetUp() override { dir = caseFolder("recovery-file"); }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

}  // namespace

TEST_F(RecoveryFileTest, WhatIsWrittenComesBackExactly) {
    const std::vector<ParamInfo> params = someParams();
    RecoveryState state;
    state.input = RecoveryFile::inputKey((dir / "shot.%04d.exr").string());
    state.paramsFile = (dir / "look.json").string();
    const double third = 1.0 / 3.0, tiny = 0.1 + 0.2;
    state.settings = {
        {0, third, {{0.1, third}, {24.5, -1e-300}, {1e9, tiny}}}, {1, 2, {}}, {2, 1, {}}};
    state.grading = {"ACEScct", "ACEScg"};
    state.history.steps = {
        {"Change Master Hue", {{0, {0, 0, {}}, state.settings[0]}}, std::nullopt},
        {"Change Render Tone and 1 more",
         {{1, {1, 0, {}}, {1, 2, {}}}, {2, {2, 0, {}}, {2, 1, {}}}},
         std::nullopt},
        {"Change Working Space", {}, SpaceChange{{}, state.grading}}};
    state.history.index = 1;
    state.history.clean = -1;

    const RecoveryFile file((dir / "state").string(), state.input);
    std::string error;
    ASSERT_TRUE(file.write(params, state, error)) << error;
    RecoveryState back;
    ASSERT_TRUE(file.read(params, back, error)) << error;
    EXPECT_EQ(back.input, state.input);
    EXPECT_EQ(back.paramsFile, state.paramsFile);
    ASSERT_EQ(back.settings.size(), 3u);
    // In any order: each names its parameter.
    std::sort(back.settings.begin(), back.settings.end(),
              [](const ParamSetting& a, const ParamSetting& b) { return a.index < b.index; });
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.settings[i].index, state.settings[i].index);
        EXPECT_EQ(back.settings[i].value, state.settings[i].value) << i;
        EXPECT_EQ(back.settings[i].keys, state.settings[i].keys) << i;
    }
    EXPECT_EQ(back.grading, state.grading);
    ASSERT_EQ(back.history.steps.size(), 3u);
    EXPECT_FALSE(back.history.steps[1].space);
    ASSERT_TRUE(back.history.steps[2].space);
    EXPECT_EQ(back.history.steps[2].space->before, GradingSpace{});
    EXPECT_EQ(back.history.steps[2].space->after, state.grading);
    EXPECT_TRUE(back.history.steps[2].changes.empty());
    EXPECT_EQ(back.history.steps[1].label, "Change Render Tone and 1 more");
    ASSERT_EQ(back.history.steps[1].changes.size(), 2u);
    EXPECT_EQ(back.history.steps[1].changes[1].index, 2u);
    EXPECT_EQ(back.history.steps[1].changes[1].after.value, 1);
    EXPECT_EQ(back.history.steps[0].changes[0].after.keys, state.settings[0].keys);
    EXPECT_EQ(back.history.index, 1);
    EXPECT_EQ(back.history.clean, -1);

    // Read for another input, the same file is another's work.
    const RecoveryFile other((dir / "state").string(), (dir / "other.exr").string());
    fs::copy_file(file.path(), other.path());
    EXPECT_FALSE(other.read(params, back, error));
    EXPECT_NE(error.find("another input"), std::string::npos) << error;
}

TEST_F(RecoveryFileTest, OneInputOneFileAndOneKeeper) {
    const std::string folder = (dir / "state").string();
    fs::create_directories(dir / "shots");
    const std::string absolute = (dir / "shots" / "a.png").string();
    const std::string roundabout = (dir / "shots" / ".." / "shots" / "a.png").string();
    RecoveryFile a(folder, absolute), b(folder, roundabout);
    EXPECT_EQ(a.path(), b.path());
    EXPECT_NE(a.path(), RecoveryFile(folder, (dir / "shots" / "b.png").string()).path());
    EXPECT_EQ(fs::path(a.path()).parent_path(), fs::path(folder));
    EXPECT_EQ(fs::path(a.path()).filename().string().size(),
              std::string("recovery-0123456789abcdef.json").size());

    std::string error;
    ASSERT_TRUE(a.lock(error)) << error;
    EXPECT_FALSE(b.lock(error));
    EXPECT_NE(error.find("another colbalance-editor"), std::string::npos) << error;
}

TEST(RecoveryFolder, FollowsTheXdgStateHome) {
    const char* home = std::getenv("HOME");
    const char* state = std::getenv("XDG_STATE_HOME");
    const std::string savedHome = home ? home : "", savedState = state ? state : "";
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_STATE_HOME", "/var/state", 1);
    EXPECT_EQ(RecoveryFile::defaultFolder(), "/var/state/colbalance-editor");
    // A relative one does not count.
    setenv("XDG_STATE_HOME", "state", 1);
    EXPECT_EQ(RecoveryFile::defaultFolder(), "/home/someone/.local/state/colbalance-editor");
    unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryFile::defaultFolder(), "/home/someone/.local/state/colbalance-editor");
    if (home) setenv("HOME", savedHome.c_str(), 1);
    if (state) setenv("XDG_STATE_HOME", savedState.c_str(), 1);
}
