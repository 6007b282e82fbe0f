// FnDynamicHistogram: channels x bins of unsigned 32-bit counts, with the
// smallest and largest count of each channel.
//
// The tone-curves page owns one and the histogram widget draws from it; the
// histogram analyser fills it.  A new shape's counts hold whatever the
// allocator left there until Clear: an analysis clears before it counts, so
// shaping a page's histogram once does not pay for zeroing it twice.
#pragma once

#include <cstdint>

class FnDynamicHistogram {
public:
    // Shapes with more counts than this in total are refused (the histogram
    // stays empty): no sensible histogram needs a gigabyte.
    static constexpr uint64_t kMaxCounts = uint64_t(1) << 28;

    FnDynamicHistogram() = default;
    FnDynamicHistogram(const FnDynamicHistogram&) = delete;
    FnDynamicHistogram& operator=(const FnDynamicHistogram&) = delete;
    virtual ~FnDynamicHistogram();

    // The same shape keeps the counts.  Any other shape frees the storage
    // and, when both sizes are non-zero, allocates the new one with its
    // counts not yet cleared.  A zero size, a refused shape or a failed
    // allocation leaves the histogram empty (0 x 0).
    void SetShape(uint32_t channels, uint32_t binCount);
    // Every count, smallest and largest to 0.
    void Clear();
    // Smallest and largest count of each channel.
    void ComputeRange();
    // Releases all storage; the shape becomes 0 x 0.
    void Free();

    uint32_t channels() const { return channels_; }
    uint32_t binCount() const { return binCount_; }
    bool hasStorage() const { return bins_ != nullptr; }
    bool hasShape(uint32_t channels, uint32_t binCount) const {
        return bins_ && channels_ == channels && binCount_ == binCount;
    }
    // The counts of one channel; null for a channel the shape does not have.
    uint32_t* bins(uint32_t channel) { return channel < channels_ ? bins_[channel] : nullptr; }
    const uint32_t* bins(uint32_t channel) const {
        return channel < channels_ ? bins_[channel] : nullptr;
    }
    // From the last ComputeRange (or Clear); 0 for a channel the shape does
    // not have.
    uint32_t smallest(uint32_t channel) const {
        return channel < channels_ ? smallest_[channel] : 0;
    }
    uint32_t largest(uint32_t channel) const { return channel < channels_ ? largest_[channel] : 0; }

private:
    uint32_t** bins_ = nullptr;  // one separately allocated array per channel
    uint32_t* smallest_ = nullptr;
    uint32_t* largest_ = nullptr;
    uint32_t channels_ = 0;
    uint32_t binCount_ = 0;
};
