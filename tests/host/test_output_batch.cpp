// The outputs of one piece of work land together or not at all: nothing
// is in place before the commit, a step that fails takes back everything of
// its batch, a commit that fails part-way removes the outputs it added (and
// never a file that was there before), and an interrupting signal or a
// library's exit() removes every pending temporary file of the process.
#include "host/common/OutputBatch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "host/common/FrameImage.h"
#include "host/common/ImageFile.h"
#include "tests/host/CaseFolder.h"

namespace fs = std::filesystem;

namespace {

class OutputBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The same folder in a death test's process as in this one.
        setenv("FN_OUTPUT_BATCH_TEST", std::to_string(::getpid()).c_str(), 0);
        dir = caseFolder("output-batch", std::getenv("FN_OUTPUT_BATCH_TEST"),
                         !::testing::internal::InDeathTestChild());
    }
    void TearDown() override {
        if (::testing::internal::InDeathTestChild()) return;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }
    std::string text(const std::string& name) const {
        std::ifstream in(path(name));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir;
};

FrameImage grey(int w, int h) {
    FrameImage f;
    f.reshape(w, h, PixelDepth::Eight);
    for (size_t i = 0; i < f.bytes.size(); ++i) f.bytes[i] = uint8_t(i * 7);
    return f;
}

FileInfo pngLike(const FrameImage& f) {
    FileInfo info;
    info.spec = OIIO::ImageSpec(f.width, f.height, 4, OIIO::TypeDesc::UINT8);
    return info;
}

}  // namespace

TEST_F(OutputBatchTest, NothingLandsBeforeTheCommitAndEverythingAfter) {
    const FrameImage f = grey(8, 4);
    std::string error;
    {
        OutputBatch batch;
        ASSERT_TRUE(batch.stageText(path("counts.csv"), "bin,grey\n0,32\n", error)) << error;
        ASSERT_TRUE(stageFrame(batch, path("out.png"), pngLike(f), f, error)) << error;
        ASSERT_TRUE(batch.stageText(path("report.txt"), "done\n", error)) << error;
        // Only hidden temporary files so far, one an output.
        const std::set<std::string> pending = files();
        EXPECT_EQ(pending.size(), 3u);
        for (const std::string& n : pending) EXPECT_EQ(n[0], '.') << n;
        ASSERT_TRUE(batch.commit(error)) << error;
        EXPECT_TRUE(batch.empty());
    }
    EXPECT_EQ(files(), (std::set<std::string>{"counts.csv", "out.png", "report.txt"}));
    EXPECT_EQ(text("counts.csv"), "bin,grey\n0,32\n");
    FrameImage back;
    FileInfo info;
    ASSERT_TRUE(readFrame(path("out.png"), PixelDepth::Auto, back, info, error)) << error;
    EXPECT_EQ(back.bytes, f.bytes);
}

TEST_F(OutputBatchTest, AFailedStepTakesBackTheWholeBatchAndKeepsWhatWasThere) {
    std::ofstream(path("old.csv")) << "kept";
    std::string error;
    {
        OutputBatch batch;
        ASSERT_TRUE(batch.stageText(path("old.csv"), "new", error)) << error;
        ASSERT_TRUE(batch.stageText(path("fresh.csv"), "new", error)) << error;
        // A later step of the frame fails: its writer leaves half a file.
        EXPECT_FALSE(batch.stage(
            path("view.png"),
            [](const std::string& temp, std::string& why) {
                std::ofstream(temp) << "half";
                why = "the viewer could not draw";
                return false;
            },
            error));
        EXPECT_EQ(error, "the viewer could not draw");
    }  // not committed
    EXPECT_EQ(files(), std::set<std::string>{"old.csv"});
    EXPECT_EQ(text("old.csv"), "kept");
}

TEST_F(OutputBatchTest, ACommitThatFailsPartWayRemovesOnlyWhatItAdded) {
    std::ofstream(path("there.csv")) << "before";
    // A folder with something in it cannot be replaced by a rename.
    fs::create_directories(dir / "blocked.csv" / "inside");
    std::string error;
    OutputBatch batch;
    ASSERT_TRUE(batch.stageText(path("added.csv"), "a", error)) << error;
    ASSERT_TRUE(batch.stageText(path("there.csv"), "b", error)) << error;
    ASSERT_TRUE(batch.stageText(path("blocked.csv"), "c", error)) << error;
    EXPECT_FALSE(batch.commit(error));
    EXPECT_NE(error.find("blocked.csv"), std::string::npos) << error;
    // The new output went again; the one that was there is replaced, not
    // removed; no temporary file is left.
    EXPECT_EQ(files(), (std::set<std::string>{"blocked.csv", "there.csv"}));
    EXPECT_EQ(text("there.csv"), "b");
    EXPECT_TRUE(fs::is_directory(dir / "blocked.csv" / "inside"));
}

TEST_F(OutputBatchTest, TextThatCannotBeWrittenIsOneLineAndLeavesNothing) {
    fs::create_directories(dir / "ro");
    fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    if (::access((dir / "ro").c_str(), W_OK) == 0) GTEST_SKIP() << "running with every permission";
    EXPECT_FALSE(writeTextFile(path("ro/x.json"), "{}", error));
    EXPECT_EQ(error.rfind("cannot write \"", 0), 0u) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir / "ro"));
}

TEST_F(OutputBatchTest, TargetsThatCannotTakeAnOutputAreRefusedBeforeAnyWork) {
    fs::create_directories(dir / "folder");
    std::ofstream(path("ro.png")) << "keep";
    fs::permissions(path("ro.png"), fs::perms::owner_read);
    std::string error;
    EXPECT_FALSE(checkOutputTarget(path("folder"), "-o x", error));
    EXPECT_EQ(error, "-o x is a folder");
    EXPECT_FALSE(checkOutputTarget(path("ro.png"), "-o x", error));
    EXPECT_EQ(error, "-o x is read-only");
    EXPECT_FALSE(checkOutputTarget(path("none/x.png"), "-o x", error));
    EXPECT_EQ(error.rfind("-o x: no folder", 0), 0u) << error;
    EXPECT_TRUE(checkOutputTarget(path("new.png"), "-o x", error));
    EXPECT_TRUE(samePath(path("a/../new.png"), path("new.png")));
}

// Pending outputs of several batches, on two threads, when SIGTERM comes:
// none of their files outlives the program.  (A death test in a process
// started anew: a forked copy of this one would lack the libraries' own
// threads.)
TEST_F(OutputBatchTest, ASignalRemovesEveryPendingFileOfTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            installOutputCleanup("test");
            std::string error;
            OutputBatch a;
            OutputBatch b;
            bool ok =
                a.stageText(path("a1.csv"), "1", error) && a.stageText(path("a2.csv"), "2", error);
            std::thread other([&] { ok = ok && b.stageText(path("b1.csv"), "3", error); });
            other.join();
            if (ok) std::raise(SIGTERM);
            std::_Exit(3);
        },
        ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(files(), std::set<std::string>{});
}

// A library that ends the program itself while it writes (some call exit
// on a write error): the file in progress goes, and the program says which
// output it could not write, in one line.
TEST_F(OutputBatchTest, ALibraryExitingMidWriteLeavesNothingAndSaysWhichOutput) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            installOutputCleanup("test");
            std::string error;
            OutputBatch batch;
            batch.stage(
                path("out.exr"),
                [](const std::string& temp, std::string&) {
                    std::ofstream(temp) << "half a file";
                    std::exit(4);
                    return true;
                },
                error);
            std::_Exit(5);
        },
        ::testing::ExitedWithCode(4), "^test: cannot write \"[^\n]*/out\\.exr\"\n$");
    EXPECT_EQ(files(), std::set<std::string>{});
}
