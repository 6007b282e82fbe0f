// colbalance-editor survives its own death: the real program, driven by a
// Qt input plug-in that plays the user (driver/EditorDriver.cpp), edits a
// value and a key and is killed with SIGKILL; started again on the same
// image it offers the work back.  Restored and saved, the parameters file
// holds exactly what was edited (and the undo steps came back with it);
// discarded, nothing is left and nothing is offered again; an unreadable or
// another input's recovery file is reported once and set aside, never
// deleted.  Each editor is a process of its own on the Xvfb display this
// program runs on.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "host/editor/RecoveryFile.h"
#include "tests/host/CaseFolder.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class EditorRecovery : public ::testing::Test {
protected:
    void SetUp() override {
        dir = caseFolder("editor-recovery");
        fs::create_directories(dir / "state");
        image = (dir / "chart.png").string();
        fs::copy_file(FN_SOURCE_DIR "/resources/samples/chart.png", image);
        params = (dir / "start.json").string();
        std::ofstream(params) << R"({"Midtones Saturation": 12})";
        folder = (dir / "state" / "colbalance-editor").string();
        recovery = RecoveryFile(folder, image).path();
    }
    void TearDown() override {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (!HasFailure()) fs::remove_all(dir);
    }

    // Starts the editor on the image with the driver's steps.
    void start(const std::string& steps, const std::vector<std::string>& extra = {}) {
        ASSERT_EQ(pid, -1);
        err = (dir / ("editor-" + std::to_string(++runs) + ".stderr")).string();
        pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid != 0) return;
        if (!std::freopen(err.c_str(), "w", stderr)) ::_exit(126);
        ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
        ::setenv("QT_PLUGIN_PATH", FN_DRIVER_DIR, 1);
        ::setenv("QT_QPA_GENERIC_PLUGINS", "fneditordriver", 1);
        ::setenv("FN_EDITOR_DRIVE", steps.c_str(), 1);
        // The leak checker cannot run in the window's process (see
        // CMakeLists.txt); the address checks stay.
        ::setenv("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1", 1);
        std::vector<std::string> args{COLBALANCE_EDITOR_PATH, image};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(COLBALANCE_EDITOR_PATH, argv.data());
        ::_exit(127);
    }
    // Its exit status once it ends by itself (-1 when killed or too slow).
    int finish() {
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(180);
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the editor did not end: " << slurp(err);
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                pid = -1;
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void kill9() {
        ASSERT_EQ(::kill(pid, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status));
        pid = -1;
    }

    // The recovery file's parameters once `ready` says they are the edits.
    template <class Ready>
    Json waitForRecovery(Ready ready) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(180);
        while (std::chrono::steady_clock::now() < deadline) {
            const Json doc = Json::parse(slurp(recovery), nullptr, false);
            if (!doc.is_discarded() && doc.contains("params") && ready(doc["params"])) return doc;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "no recovery file with the edits; the editor said: " << slurp(err);
        return {};
    }

    // Edits a value and a key, waits for them in the recovery file, and
    // kills the editor.  The recovery file as it was then.
    Json editAndKill() {
        start("tab:All parameters;type:Highlights=70;key:Master Hue;type:Master Hue=25",
              {"--params", params});
        const Json doc = waitForRecovery([](const Json& p) {
            return p.value("Highlights", Json()) == 70 &&
                   p.value("Master Hue", Json()) == Json::parse("[[0.0, 25.0]]");
        });
        kill9();
        EXPECT_TRUE(fs::exists(recovery)) << "killed, the editor leaves its work";
        return doc;
    }

    std::vector<std::string> setAside() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename().string().find(".unreadable-") != std::string::npos)
                out.push_back(e.path().string());
        return out;
    }
    // Started again with `steps`, the editor ends by itself and leaves no
    // recovery file and the parameters file as it was.
    void runAndLeaveNothing(const std::string& steps) {
        start(steps);
        EXPECT_EQ(finish(), 0) << slurp(err);
        EXPECT_FALSE(fs::exists(recovery));
        EXPECT_EQ(slurp(params), R"({"Midtones Saturation": 12})");
    }
    size_t recoveryLines() const {
        std::ifstream in(err);
        size_t n = 0;
        for (std::string line; std::getline(in, line);)
            if (line.rfind("colbalance-editor: ", 0) == 0 && line.find("recovery") != line.npos)
                ++n;
        return n;
    }

    fs::path dir;
    std::string image, params, folder, recovery, err;
    pid_t pid = -1;
    int runs = 0;
};

}  // namespace

TEST_F(EditorRecovery, KilledRestoredAndSavedTheParametersAreWhatWasEdited) {
    const Json kept = editAndKill();
    ASSERT_FALSE(kept.is_null());
    EXPECT_EQ(kept["paramsFile"], params);
    EXPECT_EQ(kept["input"], RecoveryFile::inputKey(image));
    EXPECT_EQ(kept["params"]["Midtones Saturation"], 12);
    // The opened file, then a typed value, a key and a value typed at the
    // key: four steps, all done, the file saved after the first.
    ASSERT_EQ(kept["undo"]["steps"].size(), 4u);
    EXPECT_EQ(kept["undo"]["steps"][0]["label"], "Open start.json");
    EXPECT_EQ(kept["undo"]["index"], 4);
    EXPECT_EQ(kept["undo"]["clean"], 1);

    // Started again without the parameters file: restored, saved where the
    // killed editor would have saved.
    start("answer:restore;action:save;action:quit");
    EXPECT_EQ(finish(), 0) << slurp(err);
    EXPECT_EQ(Json::parse(slurp(params), nullptr, false), kept["params"]);
    EXPECT_FALSE(fs::exists(recovery)) << "saved, nothing is left to recover";
    EXPECT_TRUE(setAside().empty());
}

TEST_F(EditorRecovery, TheUndoStepsComeBackWithTheParameters) {
    const Json kept = editAndKill();
    ASSERT_FALSE(kept.is_null());
    // Undone once after the restore: the key holds what it held before 25
    // was typed, as the last step says.
    start("answer:restore;action:undo;action:save;action:quit");
    EXPECT_EQ(finish(), 0) << slurp(err);
    Json expected = kept["params"];
    const Json& last = kept["undo"]["steps"].back();
    ASSERT_EQ(last["changes"].size(), 1u);
    for (const auto& [name, value] : last["changes"][0]["before"].items()) expected[name] = value;
    EXPECT_EQ(expected["Master Hue"], Json::parse("[[0.0, 0.0]]"));
    EXPECT_EQ(Json::parse(slurp(params), nullptr, false), expected);
}

// Undone back to the opened file, the restored editor has nothing unsaved:
// it closes without asking, and leaves no recovery file.
TEST_F(EditorRecovery, TheSavedMarkComesBackWithTheSteps) {
    ASSERT_FALSE(editAndKill().is_null());
    runAndLeaveNothing("answer:restore;action:undo;action:undo;action:undo;action:quit");
}

TEST_F(EditorRecovery, DiscardedTheWorkIsGoneAndNotOfferedAgain) {
    ASSERT_FALSE(editAndKill().is_null());
    runAndLeaveNothing("answer:discard;action:quit");
    // Nothing is asked: the quit goes through at once.
    runAndLeaveNothing("action:quit");
    EXPECT_EQ(recoveryLines(), 0u) << slurp(err);
}

TEST_F(EditorRecovery, AnUnusableRecoveryFileIsReportedOnceAndSetAside) {
    fs::create_directories(folder);
    const Json usable = {{"format", "colbalance-editor recovery"},
                         {"version", 1},
                         {"input", RecoveryFile::inputKey(image)},
                         {"paramsFile", ""},
                         {"params", Json::object()},
                         {"undo", {{"index", 0}, {"clean", 0}, {"steps", Json::array()}}}};
    Json foreign = usable, unknown = usable;
    foreign["input"] = "/elsewhere/shot.png";
    unknown["params"] = {{"No Such Parameter", 1}};
    const std::vector<std::string> bad = {usable.dump().substr(0, 80), foreign.dump(),
                                          unknown.dump()};
    for (size_t i = 0; i < bad.size(); ++i) {
        std::ofstream(recovery) << bad[i];
        start("action:quit");
        EXPECT_EQ(finish(), 0) << slurp(err);
        EXPECT_EQ(recoveryLines(), 1u) << slurp(err);
        EXPECT_FALSE(fs::exists(recovery));
        const std::vector<std::string> aside = setAside();
        ASSERT_EQ(aside.size(), i + 1);
        bool kept = false;
        for (const std::string& a : aside) kept = kept || slurp(a) == bad[i];
        EXPECT_TRUE(kept) << "set aside whole";
        // Once: the next start finds nothing to say.
        start("action:quit");
        EXPECT_EQ(finish(), 0) << slurp(err);
        EXPECT_EQ(recoveryLines(), 0u) << slurp(err);
    }
}
