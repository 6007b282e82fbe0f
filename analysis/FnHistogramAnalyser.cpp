// FnHistogramAnalyser: the band counting and the merge of the bands.
#include "analysis/FnHistogramAnalyser.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>

namespace {

constexpr uint32_t kRed = 0, kGreen = 1, kBlue = 2, kAlpha = 3, kGrey = 4;

// Pixels are taken in blocks: the keys of a block are computed in one
// (vectorisable) loop before its increments, and its alpha is checked for
// being uniform.
constexpr int32_t kBlock = 256;

// The two pair tables of the 8-bit count: red + 256 green, and blue + 256
// grey.
constexpr size_t kPairWords = 2 * 65536;

template <class Storage>
inline uint32_t greyOf(const Storage& p) {
    return (uint32_t(p.r) + p.g + p.b) / 3;
}

// The blue-grey keys of one 8-bit block (blue + 256 grey); non-zero when
// the block's alpha is not uniform.  One loop, compiled for each vector
// width and picked at run time: the keys cost as much as the increments
// unless they are computed many pixels at a time.
using PairKeysFn = uint32_t (*)(const FnRGBA8* p, int32_t m, uint16_t* blueGrey);

[[gnu::always_inline]] inline uint32_t pairKeysBody(const FnRGBA8* p, int32_t m,
                                                    uint16_t* blueGrey) {
    const uint32_t a0 = p[0].a;
    uint32_t differ = 0;
    for (int32_t k = 0; k < m; ++k) {
        const uint32_t r = p[k].r, g = p[k].g, b = p[k].b;
        // (s * 21846) >> 16 is s / 3 for every sum s up to 765 (the error
        // s / 98304 stays below 1/3), and it vectorises.
        const uint32_t grey = ((r + g + b) * 21846u) >> 16;
        blueGrey[k] = uint16_t(b | grey << 8);
        differ |= p[k].a ^ a0;
    }
    return differ;
}

uint32_t pairKeys(const FnRGBA8* p, int32_t m, uint16_t* blueGrey) {
    return pairKeysBody(p, m, blueGrey);
}
#if defined(FN_HAVE_X86_SIMD)
[[gnu::target("avx2")]] uint32_t pairKeysAvx2(const FnRGBA8* p, int32_t m, uint16_t* blueGrey) {
    return pairKeysBody(p, m, blueGrey);
}
[[gnu::target("avx512f,avx512bw,avx512dq,avx512vl")]] uint32_t pairKeysAvx512(const FnRGBA8* p,
                                                                              int32_t m,
                                                                              uint16_t* blueGrey) {
    return pairKeysBody(p, m, blueGrey);
}
#endif

PairKeysFn pairKeysFor(FnBalancePath path) {
    if (path == FnBalancePath::kAuto)
        path = fnBalancePathSupported(FnBalancePath::kAvx512) ? FnBalancePath::kAvx512
               : fnBalancePathSupported(FnBalancePath::kAvx2) ? FnBalancePath::kAvx2
                                                              : FnBalancePath::kScalar;
    if (!fnBalancePathSupported(path)) return pairKeys;
#if defined(FN_HAVE_X86_SIMD)
    if (path == FnBalancePath::kAvx2) return pairKeysAvx2;
    if (path == FnBalancePath::kAvx512) return pairKeysAvx512;
#endif
    return pairKeys;
}

// Alpha is the same over whole runs in most frames (opaque ones): such a
// block adds its length once, so consecutive pixels do not all wait on one
// counter.
template <class Storage>
inline void countAlpha(const Storage* p, int32_t m, uint32_t* alpha) {
    const auto a0 = p[0].a;
    uint32_t differ = 0;
    for (int32_t k = 0; k < m; ++k) differ |= uint32_t(p[k].a ^ a0);
    if (differ == 0) {
        alpha[a0] += uint32_t(m);
        return;
    }
    for (int32_t k = 0; k < m; ++k) ++alpha[p[k].a];
}

// Counts one band into five channel arrays.  Runs of stored pixels are
// counted pixel by pixel; a run of one repeated pixel (the fill value, or a
// clamped edge) adds its length once.
template <class Storage>
class BandCounter {
public:
    // The 8-bit count goes through the pair tables when it is given some.
    static constexpr bool kCanPair = std::is_same_v<Storage, FnRGBA8>;

    BandCounter(FnDynamicHistogram& h, uint32_t* pairTables, FnBalancePath path)
        : pairs_(pairTables) {
        for (uint32_t c = 0; c < 5; ++c) bin_[c] = h.bins(c);
        if constexpr (kCanPair)
            if (pairs_) pairKeys_ = pairKeysFor(path);
    }

    void addRepeated(const Storage& p, uint32_t n) {
        bin_[kRed][p.r] += n;
        bin_[kGreen][p.g] += n;
        bin_[kBlue][p.b] += n;
        bin_[kAlpha][p.a] += n;
        bin_[kGrey][greyOf(p)] += n;
    }

    void addRun(const Storage* p, int32_t n) {
        for (int32_t i = 0; i < n; i += kBlock) {
            const int32_t m = std::min(kBlock, n - i);
            if constexpr (kCanPair) {
                if (pairs_) {
                    addPairedBlock(p + i, m);
                    continue;
                }
            }
            addBlock(p + i, m);
        }
    }

    // Splits the pairs up into their channels.
    void finish() {
        if constexpr (kCanPair) {
            if (!pairsUsed_) return;
            foldPairs(pairs_, bin_[kRed], bin_[kGreen]);
            foldPairs(pairs_ + 65536, bin_[kBlue], bin_[kGrey]);
        }
    }

private:
    void addBlock(const Storage* p, int32_t m) {
        for (int32_t k = 0; k < m; ++k) {
            ++bin_[kRed][p[k].r];
            ++bin_[kGreen][p[k].g];
            ++bin_[kBlue][p[k].b];
            ++bin_[kGrey][greyOf(p[k])];
        }
        countAlpha(p, m, bin_[kAlpha]);
    }

    // Two increments a pixel instead of four: each pair table's row and
    // column sums give two channels.
    void addPairedBlock(const Storage* p, int32_t m) {
        if (!pairsUsed_) {
            std::memset(pairs_, 0, kPairWords * sizeof(uint32_t));
            pairsUsed_ = true;
        }
        alignas(64) uint16_t blueGrey[kBlock];
        const uint32_t alphaDiffers = pairKeys_(p, m, blueGrey);
        uint32_t* rg = pairs_;
        uint32_t* bk = pairs_ + 65536;
        for (int32_t k = 0; k < m; ++k) {
            ++rg[redGreenOf(p[k])];
            ++bk[blueGrey[k]];
        }
        if (!alphaDiffers)
            bin_[kAlpha][p[0].a] += uint32_t(m);
        else
            for (int32_t k = 0; k < m; ++k) ++bin_[kAlpha][p[k].a];
    }

    // Red + 256 green: on a little-endian machine the pixel's first two
    // bytes as they lie.
    static uint32_t redGreenOf(const Storage& p) {
        if constexpr (std::endian::native == std::endian::little) {
            uint16_t v;
            std::memcpy(&v, &p, sizeof v);
            return v;
        } else {
            return uint32_t(p.r) | uint32_t(p.g) << 8;
        }
    }

    // table[x + 256 y] holds the pixels whose channels are x and y.
    static void foldPairs(const uint32_t* table, uint32_t* xBins, uint32_t* yBins) {
        for (uint32_t y = 0; y < 256; ++y) {
            const uint32_t* row = table + 256 * y;
            uint32_t sum = 0;
            for (uint32_t x = 0; x < 256; ++x) {
                xBins[x] += row[x];
                sum += row[x];
            }
            yBins[y] += sum;
        }
    }

    uint32_t* bin_[5];
    uint32_t* pairs_;
    PairKeysFn pairKeys_ = nullptr;
    bool pairsUsed_ = false;
};

}  // namespace

template <class S, class W, int M>
FnHistogramAnalyser<S, W, M>::~FnHistogramAnalyser() = default;

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::run(Image* input, FnDynamicHistogram* target) {
    Image none;
    setTarget(target);
    this->analyse(input ? *input : none);
}

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::prepare(Image&) {
    release();
    if (!targetFits()) return;
    target_->Clear();
    bands_ = std::max(threadCount(), 1);
    if (bands_ > 1) {
        // A histogram that cannot be had stays unshaped; finish then counts
        // that band's rows itself.
        perThread_.reset(new (std::nothrow) FnDynamicHistogram[size_t(bands_ - 1)]);
        if (perThread_) {
            for (int i = 0; i < bands_ - 1; ++i) {
                perThread_[i].SetShape(kChannels, kBins);
                perThread_[i].Clear();
            }
        }
    }
    // Without pair tables the bands count straight into their histograms.
    if constexpr (BandCounter<S>::kCanPair)
        pairTables_.reset(new (std::nothrow) uint32_t[size_t(bands_) * kPairWords]);
}

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::processBand(Image& input) {
    if (!targetFits()) return;
    const int i = threadIndex();
    if (i < 0 || i >= bands_) return;
    FnDynamicHistogram* h = i == 0 ? target_ : (perThread_ ? &perThread_[i - 1] : nullptr);
    if (!h || !h->hasShape(kChannels, kBins)) return;
    h->Clear();
    countRows(input, *h, pairTablesOf(i), this->bandRows());
}

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::finish(Image& input) {
    if (!targetFits()) {
        release();
        return;
    }
    for (int i = 1; i < bands_; ++i) {
        const FnDynamicHistogram* h = perThread_ ? &perThread_[i - 1] : nullptr;
        if (!h || !h->hasShape(kChannels, kBins)) {
            // Its band had nowhere to count: count its rows here instead.
            countRows(input, *target_, pairTablesOf(i), rowsOfBand(i));
            continue;
        }
        for (uint32_t c = 0; c < kChannels; ++c) {
            uint32_t* to = target_->bins(c);
            const uint32_t* from = h->bins(c);
            for (uint32_t b = 0; b < kBins; ++b) to[b] += from[b];
        }
    }
    target_->ComputeRange();
    release();
}

template <class S, class W, int M>
FnBandRange FnHistogramAnalyser<S, W, M>::rowsOfBand(int band) const {
    const FnRect& r = this->region();
    const FnBandRange b = fnBandRows(r.height(), bands_, band);
    return {r.y0 + b.first, r.y0 + b.end};
}

template <class S, class W, int M>
uint32_t* FnHistogramAnalyser<S, W, M>::pairTablesOf(int band) const {
    return pairTables_ ? pairTables_.get() + size_t(band) * kPairWords : nullptr;
}

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::countRows(const Image& input, FnDynamicHistogram& into,
                                             uint32_t* pairTables, FnBandRange rows) {
    const FnRect r = this->region();
    if (rows.first >= rows.end || r.x1 <= r.x0) return;
    if ((int64_t(rows.end) - rows.first) * (int64_t(r.x1) - r.x0) < kPairTablesMinPixels)
        pairTables = nullptr;
    BandCounter<S> counter(into, pairTables, keyPath_);
    const S fill = input.fillValue();
    const int32_t step = this->fieldStep();
    // 64-bit rows: a region may end at INT32_MAX.
    for (int64_t y = this->alignToField(rows.first); y < rows.end; y += step) {
        if (this->shouldStop()) break;
        input.forEachRun(
            int32_t(y), r.x0, r.x1, [&](int32_t n) { counter.addRepeated(fill, uint32_t(n)); },
            [&](const S* in, int32_t dir, int32_t n) {
                // Counts do not depend on order: a backward run is the same
                // pixels as the forward run that ends where it starts.
                if (dir == 1)
                    counter.addRun(in, n);
                else if (dir == -1)
                    counter.addRun(in - (n - 1), n);
                else if (dir == 0)
                    counter.addRepeated(*in, uint32_t(n));
                else
                    for (int32_t k = 0; k < n; ++k) counter.addRun(in + ptrdiff_t(k) * dir, 1);
            });
    }
    counter.finish();
}

template <class S, class W, int M>
void FnHistogramAnalyser<S, W, M>::release() {
    perThread_.reset();
    pairTables_.reset();
    bands_ = 0;
}

template class FnHistogramAnalyser<FnRGBA8, FnRGBAf, 255>;
template class FnHistogramAnalyser<FnRGBA16U, FnRGBAf, 65535>;
