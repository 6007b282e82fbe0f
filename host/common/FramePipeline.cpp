#include "host/common/FramePipeline.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

namespace {

// A first-in first-out hand-over between two threads, holding at most
// `capacity` items.  close() lets the receiver take what is left and then
// tells it the end; abort() ends both sides at once.
template <class T>
class Handoff {
public:
    explicit Handoff(size_t capacity) : capacity_(capacity) {}

    // Blocks while full; false once closed or aborted.
    bool push(T v) {
        std::unique_lock<std::mutex> lock(m_);
        room_.wait(lock, [&] { return items_.size() < capacity_ || closed_ || aborted_; });
        if (closed_ || aborted_) return false;
        items_.push_back(std::move(v));
        ready_.notify_one();
        return true;
    }

    // Blocks while empty; nothing once closed and empty, or aborted.
    std::optional<T> pop() {
        std::unique_lock<std::mutex> lock(m_);
        ready_.wait(lock, [&] { return !items_.empty() || closed_ || aborted_; });
        if (aborted_ || items_.empty()) return std::nullopt;
        T v = std::move(items_.front());
        items_.pop_front();
        room_.notify_one();
        return v;
    }

    void close() { end(closed_); }
    void abort() { end(aborted_); }

private:
    void end(bool& flag) {
        std::lock_guard<std::mutex> lock(m_);
        flag = true;
        ready_.notify_all();
        room_.notify_all();
    }

    std::mutex m_;
    std::condition_variable ready_, room_;
    std::deque<T> items_;
    size_t capacity_;
    bool closed_ = false, aborted_ = false;
};

struct Decoded {
    long frame;
    DecodedFrame* slot;
    bool ok;
    std::string error;
};

struct Rendered {
    long frame;
    RenderedFrame* slot;
};

// The error of the earliest frame that failed, whichever stage found it.
class FirstError {
public:
    void note(long frame, std::string error) {
        std::lock_guard<std::mutex> lock(m_);
        if (failed_ && frame >= frame_) return;
        failed_ = true;
        frame_ = frame;
        error_ = std::move(error);
    }
    bool take(std::string& error) {
        std::lock_guard<std::mutex> lock(m_);
        if (failed_) error = error_;
        return failed_;
    }

private:
    std::mutex m_;
    bool failed_ = false;
    long frame_ = 0;
    std::string error_;
};

// A stage's work, with memory the libraries cannot get as its error: the
// stages run on threads of their own, where an exception would end the
// program.
template <class F>
bool guarded(std::string& error, F&& f) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        error = "out of memory";
    } catch (const std::exception& e) {
        error = e.what();
    }
    return false;
}

}  // namespace

bool runFramePipeline(long first, long last, const FrameStages& stages, std::string& error) {
    constexpr size_t kSlots = 2;  // of each kind: one in its stage, one handed over
    DecodedFrame decodedSlots[kSlots];
    RenderedFrame renderedSlots[kSlots];
    Handoff<DecodedFrame*> freeDecoded(kSlots);
    Handoff<RenderedFrame*> freeRendered(kSlots);
    Handoff<Decoded> toRender(1);
    Handoff<Rendered> toEncode(1);
    for (size_t i = 0; i < kSlots; ++i) {
        freeDecoded.push(&decodedSlots[i]);
        freeRendered.push(&renderedSlots[i]);
    }
    FirstError failure;

    std::thread decoder([&] {
        for (long f = first; f <= last; ++f) {
            const std::optional<DecodedFrame*> slot = freeDecoded.pop();
            if (!slot) break;
            Decoded d{f, *slot, false, {}};
            d.ok = guarded(d.error, [&] { return stages.decode(f, **slot, d.error); });
            const bool ok = d.ok;
            if (!toRender.push(std::move(d)) || !ok) break;
        }
        toRender.close();
    });
    std::thread encoder([&] {
        while (const std::optional<Rendered> r = toEncode.pop()) {
            std::string why;
            const bool ok = guarded(why, [&] { return stages.encode(r->frame, *r->slot, why); });
            freeRendered.push(r->slot);
            if (!ok) {
                failure.note(r->frame, why);
                // Nothing after a frame that failed is written.
                toEncode.abort();
                freeRendered.abort();
                break;
            }
        }
    });

    while (std::optional<Decoded> d = toRender.pop()) {
        if (!d->ok) {
            failure.note(d->frame, d->error);
            break;
        }
        const std::optional<RenderedFrame*> out = freeRendered.pop();
        if (!out) break;  // the encoder failed
        std::string why;
        const bool ok = guarded(why, [&] { return stages.render(d->frame, *d->slot, **out, why); });
        freeDecoded.push(d->slot);
        if (!ok) {
            failure.note(d->frame, why);
            break;
        }
        if (!toEncode.push(Rendered{d->frame, *out})) break;
    }
    // The frames handed over are encoded; nothing more is decoded.
    toEncode.close();
    freeDecoded.abort();
    toRender.abort();
    decoder.join();
    encoder.join();
    return !failure.take(error);
}
