// The editor's render worker with the real module: only the newest waiting
// job is rendered, results match a render on the interface thread, a frame
// that cannot be read is reported and the next one renders, a source is
// read once for many renders, and stopping in the middle of a render
// delivers nothing more.  Jobs come from this thread while the worker
// renders, for ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "host/common/ModuleSession.h"
#include "host/editor/RenderWorker.h"

namespace {

// A frame with every kind of tone in it.
FrameImage gradient(int w, int h) {
    FrameImage f;
    f.reshape(w, h, PixelDepth::Eight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &f.u8()[(size_t(y) * w + x) * 4];
            p[0] = uint8_t(x * 255 / (w - 1));
            p[1] = uint8_t(y * 255 / (h - 1));
            p[2] = uint8_t((x + y) * 127 / (w + h));
            p[3] = 255;
        }
    return f;
}

// Results as the interface thread would receive them.
class Inbox {
public:
    void put(RenderResult&& r) {
        std::lock_guard<std::mutex> g(lock_);
        results_.push_back(std::move(r));
        arrived_.notify_all();
    }
    // Waits for a result of `serial` (or later); false after 60 s.
    bool waitFor(uint64_t serial) {
        std::unique_lock<std::mutex> g(lock_);
        return arrived_.wait_for(g, std::chrono::seconds(60), [&] {
            return !results_.empty() && results_.back().serial >= serial;
        });
    }
    std::vector<RenderResult> take() {
        std::lock_guard<std::mutex> g(lock_);
        return std::move(results_);
    }

private:
    std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<RenderResult> results_;
};

// Opens the loader until released, so that jobs pile up behind it.
class Gate {
public:
    void open() {
        std::lock_guard<std::mutex> g(lock_);
        open_ = true;
        changed_.notify_all();
    }
    void pass() {
        std::unique_lock<std::mutex> g(lock_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(g, [&] { return open_; });
    }
    void waitReached() {
        std::unique_lock<std::mutex> g(lock_);
        changed_.wait(g, [&] { return reached_; });
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool open_ = false, reached_ = false;
};

class RenderWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(session.open(FN_MODULE_PATH, false, error)) << error;
        props = session.properties();
        ASSERT_EQ(props->SetValue(ColBalanceParam::MasterSaturation, 40), S_OK);
    }

    RenderJob job(uint64_t serial, double hue, SourceLoader load, const std::string& key = "a") {
        props->SetValue(ColBalanceParam::MasterHue, hue);
        std::string error;
        RenderJob j;
        j.serial = serial;
        j.effect = session.cloneEffect(error);
        j.sourceKey = key;
        j.load = std::move(load);
        return j;
    }

    // The frame rendered here, on this thread, by the effect itself.
    std::vector<uint8_t> direct(const FrameImage& source, double hue) {
        props->SetValue(ColBalanceParam::MasterHue, hue);
        FrameImage in = source, out = source;
        std::string error;
        EXPECT_TRUE(session.render(in, out, nullptr, {}, error)) << error;
        return out.bytes;
    }

    ModuleSession session;
    IDSPropertyContainer* props = nullptr;
};

TEST_F(RenderWorkerTest, RendersOnlyTheNewestWaitingJobAndReadsTheSourceOnce) {
    const FrameImage frame = gradient(256, 128);
    std::atomic<int> reads{0};
    Gate gate;
    Inbox inbox;
    {
        RenderWorker worker([&](RenderResult&& r) { inbox.put(std::move(r)); });
        // The first job holds the worker in its read while eight more come.
        worker.submit(job(1, 10, [&](FrameImage& f, std::string&) {
            ++reads;
            gate.pass();
            f = frame;
            return true;
        }));
        gate.waitReached();
        auto load = [&](FrameImage& f, std::string&) {
            ++reads;
            f = frame;
            return true;
        };
        for (uint64_t s = 2; s <= 9; ++s) worker.submit(job(s, 10.0 * s, load));
        gate.open();
        ASSERT_TRUE(inbox.waitFor(9));
        EXPECT_EQ(worker.dropped(), 7u);
    }
    const std::vector<RenderResult> got = inbox.take();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].serial, 1u);
    EXPECT_EQ(got[1].serial, 9u);
    EXPECT_EQ(reads.load(), 1) << "renders of one source read it once";
    for (const RenderResult& r : got) {
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_TRUE(r.before && r.after);
        EXPECT_EQ(r.before->rgba, frame.bytes);
        EXPECT_EQ(r.after->width, 256);
    }
    EXPECT_EQ(got[0].after->rgba, direct(frame, 10));
    EXPECT_EQ(got[1].after->rgba, direct(frame, 90));
    EXPECT_NE(got[0].after->rgba, got[1].after->rgba);
}

TEST_F(RenderWorkerTest, AFrameThatCannotBeReadIsReportedAndTheNextRenders) {
    const FrameImage frame = gradient(64, 32);
    Inbox inbox;
    RenderWorker worker([&](RenderResult&& r) { inbox.put(std::move(r)); });
    worker.submit(job(
        1, 30,
        [](FrameImage&, std::string& error) {
            error = "cannot read \"shot.0003.exr\": truncated";
            return false;
        },
        "shot.0003.exr"));
    ASSERT_TRUE(inbox.waitFor(1));
    worker.submit(job(
        2, 30,
        [&](FrameImage& f, std::string&) {
            f = frame;
            return true;
        },
        "shot.0004.exr"));
    ASSERT_TRUE(inbox.waitFor(2));
    const std::vector<RenderResult> got = inbox.take();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_FALSE(got[0].ok);
    EXPECT_EQ(got[0].error, "cannot read \"shot.0003.exr\": truncated");
    EXPECT_FALSE(got[0].before || got[0].after);
    ASSERT_TRUE(got[1].ok) << got[1].error;
    EXPECT_EQ(got[1].after->rgba, direct(frame, 30));
}

TEST_F(RenderWorkerTest, StoppingDuringARenderDeliversNothingMore) {
    const FrameImage big = gradient(3840, 2160);
    std::atomic<int> delivered{0};
    Gate started;
    auto worker = std::make_unique<RenderWorker>([&](RenderResult&&) { ++delivered; });
    worker->submit(job(1, 45, [&](FrameImage& f, std::string&) {
        f = big;
        started.pass();
        return true;
    }));
    // Jobs keep coming while it renders; then the editor closes.
    started.waitReached();
    for (uint64_t s = 2; s < 50; ++s)
        worker->submit(job(s, double(s), [&](FrameImage& f, std::string&) {
            f = big;
            return true;
        }));
    started.open();
    worker.reset();
    const int after = delivered.load();
    EXPECT_LE(after, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(delivered.load(), after);
}

}  // namespace
