// FnDynamicHistogram: shaping, clearing and the count range.
#include "analysis/FnDynamicHistogram.h"

#include <algorithm>
#include <new>

FnDynamicHistogram::~FnDynamicHistogram() { Free(); }

void FnDynamicHistogram::SetShape(uint32_t channels, uint32_t binCount) {
    if (channels == channels_ && binCount == binCount_) return;
    Free();
    if (channels == 0 || binCount == 0) return;
    if (uint64_t(channels) * binCount > kMaxCounts) return;
    // smallest and largest start at 0 rather than undefined: they are read
    // through accessors before anyone has had a reason to clear.
    smallest_ = new (std::nothrow) uint32_t[channels]();
    largest_ = new (std::nothrow) uint32_t[channels]();
    bins_ = new (std::nothrow) uint32_t*[channels]();
    if (!smallest_ || !largest_ || !bins_) {
        Free();
        return;
    }
    // Recorded before the channel arrays so that Free releases the ones
    // already allocated should a later one fail.
    channels_ = channels;
    binCount_ = binCount;
    for (uint32_t c = 0; c < channels; ++c) {
        bins_[c] = new (std::nothrow) uint32_t[binCount];
        if (!bins_[c]) {
            Free();
            return;
        }
    }
}

void FnDynamicHistogram::Clear() {
    if (!bins_ || channels_ == 0) return;
    for (uint32_t c = 0; c < channels_; ++c) std::fill_n(bins_[c], binCount_, 0u);
    std::fill_n(smallest_, channels_, 0u);
    std::fill_n(largest_, channels_, 0u);
}

void FnDynamicHistogram::ComputeRange() {
    if (!bins_) return;
    for (uint32_t c = 0; c < channels_; ++c) {
        uint32_t lo = 0x7FFFFFFFu, hi = 0;
        const uint32_t* b = bins_[c];
        for (uint32_t i = 0; i < binCount_; ++i) {
            lo = std::min(lo, b[i]);
            hi = std::max(hi, b[i]);
        }
        smallest_[c] = lo;
        largest_[c] = hi;
    }
}

void FnDynamicHistogram::Free() {
    if (bins_)
        for (uint32_t c = 0; c < channels_; ++c) delete[] bins_[c];
    delete[] bins_;
    delete[] smallest_;
    delete[] largest_;
    bins_ = nullptr;
    smallest_ = nullptr;
    largest_ = nullptr;
    channels_ = 0;
    binCount_ = 0;
}
