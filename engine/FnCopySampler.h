// The copy family.
//
//   SimpleLineCopier  copies one source row into an output row, honouring
//                     the source's edge modes
//   SimpleCopySampler copies a source into the map over the region
//   FnRGBCopySampler  copies only the components selected by a mask
//                     (bit 0 red, 1 green, 2 blue, 3 alpha)
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "engine/FnRowFunctions.h"
#include "engine/FnStoreMode.h"
#include "engine/Imager.h"

// The components of mask M (bit 0 red .. bit 3 alpha) of one pixel as a
// bit mask over its bytes, in words of the pixel's element size or 8 bytes,
// whichever is smaller, so that a copy of the components is a select.
template <class Storage, uint32_t M>
struct FnComponentBits {
    static constexpr size_t kElem = sizeof(typename Storage::Elem);
    static constexpr size_t kWordBytes = sizeof(Storage) < 8 ? sizeof(Storage) : 8;
    using Word = std::conditional_t<kWordBytes == 4, uint32_t, uint64_t>;
    static constexpr size_t kWords = sizeof(Storage) / kWordBytes;
    // Bits of word w selected by the mask (little-endian element order).
    static constexpr Word bits(size_t w) {
        Word v = 0;
        for (size_t c = 0; c < 4; ++c) {
            if (!((M >> c) & 1u)) continue;
            const size_t first = c * kElem, word = first / kWordBytes;
            if (word != w) continue;
            const size_t shift = (first % kWordBytes) * 8;
            const Word ones = kElem == 8 ? ~Word(0) : ((Word(1) << (kElem * 8)) - 1);
            v |= ones << shift;
        }
        return v;
    }
};

template <class Storage, class Working>
class SimpleLineCopier {
public:
    using Image = FnTexture<Storage, Working>;

    // Copies one whole pixel; contiguous runs move as one block, around the
    // caches when `copy` is a streaming copy.
    struct WholePixel {
        void (*copy)(const void*, void*, size_t) = nullptr;
        void operator()(Storage& d, const Storage& s) const { d = s; }
        void run(Storage* d, const Storage* s, int32_t n) const {
            if (copy)
                copy(s, d, size_t(n) * sizeof(Storage));
            else
                std::memmove(d, s, size_t(n) * sizeof(Storage));
        }
    };

    // Copies the components of mask M: per pixel, and over contiguous runs
    // as a select of whole words, which the compiler turns into vector
    // code.
    template <uint32_t M>
    struct Components {
        using Bits = FnComponentBits<Storage, M>;
        using Word = typename Bits::Word;
        void operator()(Storage& d, const Storage& s) const {
            if constexpr ((M & 1u) != 0) d.r = s.r;
            if constexpr ((M & 2u) != 0) d.g = s.g;
            if constexpr ((M & 4u) != 0) d.b = s.b;
            if constexpr ((M & 8u) != 0) d.a = s.a;
        }
        void run(Storage* d, const Storage* s, int32_t n) const {
            unsigned char* dp = reinterpret_cast<unsigned char*>(d);
            const unsigned char* sp = reinterpret_cast<const unsigned char*>(s);
            for (int32_t i = 0; i < n; ++i) {
                for (size_t w = 0; w < Bits::kWords; ++w) {
                    constexpr size_t kW = sizeof(Word);
                    Word dw, sw;
                    const size_t at = (size_t(i) * Bits::kWords + w) * kW;
                    std::memcpy(&dw, dp + at, kW);
                    std::memcpy(&sw, sp + at, kW);
                    const Word m = Bits::bits(w);
                    dw = (dw & ~m) | (sw & m);
                    std::memcpy(dp + at, &dw, kW);
                }
            }
        }
    };

    // Copies source row y from position x0 to x1 into `out`, honouring the
    // source's edge modes; `apply(dst, src)` copies one pixel and
    // `apply.run(dst, src, n)` a contiguous run.
    template <class Apply = WholePixel>
    static void copyRow(Storage* out, const Image& src, int32_t y, int32_t x0, int32_t x1,
                        Apply apply = {}) {
        const Storage fill = src.fillValue();
        src.forEachRun(
            y, x0, x1,
            [&](int32_t n) {
                for (int32_t k = 0; k < n; ++k) apply(*out++, fill);
            },
            [&](const Storage* in, int32_t step, int32_t n) {
                if (step == 1) {
                    apply.run(out, in, n);
                    out += n;
                    return;
                }
                for (int32_t k = 0; k < n; ++k, in += step) apply(*out++, *in);
            });
    }
};

template <class Storage, class Working>
class SimpleCopySampler : public Sampler<FnTexture<Storage, Working>, FnTexture<Storage, Working>>,
                          public SimpleLineCopier<Storage, Working> {
public:
    using Image = FnTexture<Storage, Working>;

    void processBand(Image& src, Image& map) override { copyBand(src, map); }

    // How whole-pixel runs store (FnStoreMode.h): large copies stream.
    void setStoreMode(FnStoreMode m) { storeMode_ = m; }
    void setRowPath(FnBalancePath p) { path_ = p; }

protected:
    const typename SimpleLineCopier<Storage, Working>::WholePixel& wholePixel() const {
        return whole_;
    }

    void prepare(Image& src, Image& map) override {
        const FnRect r = this->region();
        whole_.copy =
            fnStreamStores(storeMode_, size_t(r.width()) * size_t(r.height()) * sizeof(Storage),
                           src.byteRange(), map.byteRange())
                ? fnStreamCopyFunction(path_)
                : nullptr;
    }

    // Every map pixel of the band's field rows becomes the source pixel at
    // the same position (or what the source's edge modes put there).
    void copyBand(const Image& src, Image& map) {
        const FnRect r = this->region();
        const FnBandRange b = this->bandRows();
        for (int32_t y = this->alignToField(b.first); y < b.end; y += this->fieldStep()) {
            this->copyRow(map.at(r.x0, y), src, y, r.x0, r.x1, whole_);
            if (this->shouldStop()) return;
        }
    }

private:
    FnStoreMode storeMode_ = FnStoreMode::kAuto;
    FnBalancePath path_ = FnBalancePath::kAuto;
    typename SimpleLineCopier<Storage, Working>::WholePixel whole_;
};

template <class Storage, class Working>
class FnRGBCopySampler : public SimpleCopySampler<Storage, Working> {
public:
    using Image = FnTexture<Storage, Working>;

    void setComponentMask(uint32_t m) { mask_ = m & 15u; }
    uint32_t componentMask() const { return mask_; }

    // Whether a row is this step's: the full copy keeps to the field, a
    // partial one takes every row (FnFrameSteps.h).
    int32_t rowFieldMode() const { return mask_ == 15 ? this->fieldMode() : 0; }

    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(const Image& src, int32_t y, Storage* out) const {
        const FnRect r = this->region();
        switch (mask_) {
        case 0: return;
        case 15: this->copyRow(out, src, y, r.x0, r.x1, this->wholePixel()); return;
        case 1: partialRow<1>(src, y, out); return;
        case 2: partialRow<2>(src, y, out); return;
        case 3: partialRow<3>(src, y, out); return;
        case 4: partialRow<4>(src, y, out); return;
        case 5: partialRow<5>(src, y, out); return;
        case 6: partialRow<6>(src, y, out); return;
        case 7: partialRow<7>(src, y, out); return;
        case 8: partialRow<8>(src, y, out); return;
        case 9: partialRow<9>(src, y, out); return;
        case 10: partialRow<10>(src, y, out); return;
        case 11: partialRow<11>(src, y, out); return;
        case 12: partialRow<12>(src, y, out); return;
        case 13: partialRow<13>(src, y, out); return;
        case 14: partialRow<14>(src, y, out); return;
        }
    }

    void processBand(Image& src, Image& map) override {
        switch (mask_) {
        case 0: return;
        case 15: this->copyBand(src, map); return;
        case 1: partialBand<1>(src, map); return;
        case 2: partialBand<2>(src, map); return;
        case 3: partialBand<3>(src, map); return;
        case 4: partialBand<4>(src, map); return;
        case 5: partialBand<5>(src, map); return;
        case 6: partialBand<6>(src, map); return;
        case 7: partialBand<7>(src, map); return;
        case 8: partialBand<8>(src, map); return;
        case 9: partialBand<9>(src, map); return;
        case 10: partialBand<10>(src, map); return;
        case 11: partialBand<11>(src, map); return;
        case 12: partialBand<12>(src, map); return;
        case 13: partialBand<13>(src, map); return;
        case 14: partialBand<14>(src, map); return;
        }
    }

private:
    // A partial copy touches every row of the band: the field mode applies
    // to whole-pixel copies only.
    template <uint32_t M>
    void partialRow(const Image& src, int32_t y, Storage* out) const {
        const FnRect r = this->region();
        this->copyRow(out, src, y, r.x0, r.x1,
                      typename SimpleLineCopier<Storage, Working>::template Components<M>{});
    }

    template <uint32_t M>
    void partialBand(const Image& src, Image& map) {
        const FnRect r = this->region();
        const FnBandRange b = this->bandRows();
        for (int32_t y = b.first; y < b.end; ++y) {
            if (this->shouldStop()) return;
            partialRow<M>(src, y, map.at(r.x0, y));
        }
    }

    uint32_t mask_ = 15;
};
