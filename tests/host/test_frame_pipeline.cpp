// The sequence pipeline with stages that stand in for files (no image
// library: these run under ThreadSanitizer), and standard error captured
// from several threads at once.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <new>
#include <numeric>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "host/common/FramePipeline.h"
#include "host/common/StderrCapture.h"

namespace {

// Stages that write the frame number into the pixels and check it on the
// way out, recording what they saw.
struct Recorder {
    std::mutex m;
    std::vector<long> decoded, rendered, encoded;
    std::set<const void*> decodedSlots, renderedSlots;
    std::atomic<long> inFlight{0}, mostInFlight{0};
    long failDecode = -1, failRender = -1, failEncode = -1, throwAt = -1;
    bool mismatch = false;

    FrameStages stages() {
        FrameStages s;
        s.decode = [this](long f, DecodedFrame& in, std::string& error) {
            if (f == throwAt) throw std::bad_alloc();
            {
                std::lock_guard<std::mutex> lock(m);
                decoded.push_back(f);
                decodedSlots.insert(&in);
            }
            const long now = ++inFlight;
            long most = mostInFlight.load();
            while (now > most && !mostInFlight.compare_exchange_weak(most, now)) {
            }
            if (f == failDecode) {
                error = "cannot read frame " + std::to_string(f);
                return false;
            }
            in.source.width = int(f);
            in.source.bytes.assign(16, uint8_t(f));
            in.info.extra.assign(1, float(f));
            // Uneven stage times, so that the hand-overs are exercised.
            if (f % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(300));
            return true;
        };
        s.render = [this](long f, DecodedFrame& in, RenderedFrame& out, std::string& error) {
            {
                std::lock_guard<std::mutex> lock(m);
                rendered.push_back(f);
                renderedSlots.insert(&out);
                if (in.source.width != int(f)) mismatch = true;
            }
            if (f == failRender) {
                error = "cannot render frame " + std::to_string(f);
                return false;
            }
            out.image = in.source;
            for (uint8_t& v : out.image.bytes) v = uint8_t(v + 1);
            out.info = std::move(in.info);
            return true;
        };
        s.encode = [this](long f, const RenderedFrame& out, std::string& error) {
            if (f % 4 == 1) std::this_thread::sleep_for(std::chrono::microseconds(500));
            std::lock_guard<std::mutex> lock(m);
            encoded.push_back(f);
            if (out.image.width != int(f) || out.image.bytes.size() != 16 ||
                out.image.bytes[0] != uint8_t(f + 1) || out.info.extra.size() != 1 ||
                out.info.extra[0] != float(f))
                mismatch = true;
            --inFlight;
            if (f == failEncode) {
                error = "cannot write frame " + std::to_string(f);
                return false;
            }
            return true;
        };
        return s;
    }
};

std::vector<long> range(long a, long b) {
    std::vector<long> frames(size_t(b - a + 1));
    std::iota(frames.begin(), frames.end(), a);
    return frames;
}

}  // namespace

TEST(FramePipeline, FramesArriveInOrderWithTheirOwnPixels) {
    for (int round = 0; round < 20; ++round) {
        Recorder r;
        std::string error;
        ASSERT_TRUE(runFramePipeline(1001, 1040, r.stages(), error)) << error;
        EXPECT_EQ(r.decoded, range(1001, 1040));
        EXPECT_EQ(r.rendered, range(1001, 1040));
        EXPECT_EQ(r.encoded, range(1001, 1040));
        EXPECT_FALSE(r.mismatch);
        // The buffers go round: two of each kind, and never more than the
        // slots allow between decoding and encoding.
        EXPECT_EQ(r.decodedSlots.size(), 2u);
        EXPECT_EQ(r.renderedSlots.size(), 2u);
        EXPECT_LE(r.mostInFlight.load(), 4);
    }
}

// The first frame that fails, in frame order, ends the sequence: every
// frame before it is written, none after it, and its error is the one.
TEST(FramePipeline, TheFirstFailingFrameEndsTheSequence) {
    for (int stage = 0; stage < 3; ++stage)
        for (long at : {1L, 2L, 7L, 12L}) {
            Recorder r;
            (stage == 0 ? r.failDecode : stage == 1 ? r.failRender : r.failEncode) = at;
            std::string error;
            EXPECT_FALSE(runFramePipeline(1, 12, r.stages(), error));
            const char* what[] = {"cannot read", "cannot render", "cannot write"};
            EXPECT_EQ(error, std::string(what[stage]) + " frame " + std::to_string(at));
            std::vector<long> want = range(1, at - 1);
            if (stage == 2) want.push_back(at);  // the failed write was tried
            EXPECT_EQ(r.encoded, want) << "stage " << stage << " frame " << at;
            EXPECT_FALSE(r.mismatch);
        }

    // A later frame failing in an earlier stage does not hide an earlier
    // frame's failure in a later stage.
    Recorder r;
    r.failEncode = 3;
    r.failDecode = 4;
    std::string error;
    EXPECT_FALSE(runFramePipeline(1, 12, r.stages(), error));
    EXPECT_EQ(error, "cannot write frame 3");
    EXPECT_EQ(r.encoded, range(1, 3));
}

TEST(FramePipeline, MemoryTheStagesCannotGetIsAnError) {
    Recorder r;
    r.throwAt = 5;
    std::string error;
    EXPECT_FALSE(runFramePipeline(1, 9, r.stages(), error));
    EXPECT_EQ(error, "out of memory");
    EXPECT_EQ(r.encoded, range(1, 4));
}

// Captures on several threads at once: each sees what was written since it
// began (unless the other threads wrote more than a capture keeps before
// its own message, when the text says it was cut), and standard error is
// the terminal's again when the last ends.
TEST(StderrCapture, OverlappingCapturesOnSeveralThreads) {
    const int before = dup(2);
    ASSERT_GE(before, 0);
    struct stat was {};
    ASSERT_EQ(fstat(2, &was), 0);
    std::atomic<int> good{0}, cut{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &good, &cut] {
            for (int i = 0; i < 50; ++i) {
                StderrCapture capture;
                const std::string said =
                    "thread " + std::to_string(t) + " message " + std::to_string(i) + "\n";
                if (::write(2, said.data(), said.size()) < 0) return;
                const std::string text = capture.text();
                if (text.find(said.substr(0, said.size() - 1)) != std::string::npos)
                    ++good;
                else if (text.size() > 3 && text.compare(text.size() - 3, 3, "...") == 0)
                    ++cut;
            }
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(good.load() + cut.load(), 200);
    EXPECT_GT(good.load(), 100);
    EXPECT_EQ(StderrCapture::current(), nullptr);
    struct stat now {};
    ASSERT_EQ(fstat(2, &now), 0);
    EXPECT_EQ(now.st_ino, was.st_ino);
    EXPECT_EQ(now.st_dev, was.st_dev);
    close(before);
}
