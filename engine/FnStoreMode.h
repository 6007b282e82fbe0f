// How the processors' vector rows write a frame: through the caches, or
// around them with streaming (non-temporal) stores.
//
// A plain store first reads the destination's cache line in, then writes
// it back later: three memory passes for a frame copied from one buffer to
// another.  Streaming stores skip the read, which is worth it when the
// frame is larger than the caches (it would leave them before anybody read
// it again) and not worth it when it fits (the next step would find it
// there).  The bytes written are the same either way.
#pragma once

#include <cstddef>
#include <cstdint>

enum class FnStoreMode : int32_t {
    kAuto = 0,       // stream runs that write at least kFnStreamBytes
    kCached = 1,     // plain stores
    kStreaming = 2,  // streaming stores wherever a vector row writes
};

// About a 1920x1080 8-bit frame: the caches of one core group are 16 to
// 32 MiB, shared with whatever else runs.
constexpr size_t kFnStreamBytes = size_t(8) << 20;

// [begin, end) of memory, for telling whether two images share bytes.
struct FnByteRange {
    const unsigned char* begin = nullptr;
    const unsigned char* end = nullptr;

    bool overlaps(const FnByteRange& o) const {
        return begin && o.begin && begin < o.end && o.begin < end;
    }
};

// Whether a run that writes `bytes` bytes into `dst` while reading `src`
// streams its stores.  Rows written over their own source are not
// streamed: their lines are in the caches already.
inline bool fnStreamStores(FnStoreMode mode, size_t bytes, const FnByteRange& src,
                           const FnByteRange& dst) {
    if (mode == FnStoreMode::kCached || src.overlaps(dst)) return false;
    return mode == FnStoreMode::kStreaming || bytes >= kFnStreamBytes;
}
