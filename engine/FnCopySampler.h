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

#include "engine/Imager.h"

template <class Storage, class Working>
class SimpleLineCopier {
public:
    using Image = FnTexture<Storage, Working>;

    // Copies one whole pixel.
    struct WholePixel {
        void operator()(Storage& d, const Storage& s) const { d = s; }
    };

    // Copies source row y from position x0 to x1 into `out`, honouring the
    // source's edge modes; `apply(dst, src)` copies one pixel.  Forward runs
    // of whole pixels move as one block.
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
                if constexpr (std::is_same_v<Apply, WholePixel>) {
                    if (step == 1) {
                        std::memmove(out, in, size_t(n) * sizeof(Storage));
                        out += n;
                        return;
                    }
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

protected:
    // Every map pixel of the band's field rows becomes the source pixel at
    // the same position (or what the source's edge modes put there).
    void copyBand(const Image& src, Image& map) {
        const FnRect r = this->region();
        const FnBandRange b = this->bandRows();
        for (int32_t y = this->alignToField(b.first); y < b.end; y += this->fieldStep()) {
            this->copyRow(map.at(r.x0, y), src, y, r.x0, r.x1);
            if (this->shouldStop()) return;
        }
    }
};

template <class Storage, class Working>
class FnRGBCopySampler : public SimpleCopySampler<Storage, Working> {
public:
    using Image = FnTexture<Storage, Working>;

    void setComponentMask(uint32_t m) { mask_ = m & 15u; }
    uint32_t componentMask() const { return mask_; }

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
    template <uint32_t M>
    static void copyComponents(Storage& d, const Storage& s) {
        if constexpr ((M & 1u) != 0) d.r = s.r;
        if constexpr ((M & 2u) != 0) d.g = s.g;
        if constexpr ((M & 4u) != 0) d.b = s.b;
        if constexpr ((M & 8u) != 0) d.a = s.a;
    }

    // A partial copy touches every row of the band: the field mode applies
    // to whole-pixel copies only.
    template <uint32_t M>
    void partialBand(const Image& src, Image& map) {
        const FnRect r = this->region();
        const FnBandRange b = this->bandRows();
        for (int32_t y = b.first; y < b.end; ++y) {
            if (this->shouldStop()) return;
            this->copyRow(map.at(r.x0, y), src, y, r.x0, r.x1, &copyComponents<M>);
        }
    }

    uint32_t mask_ = 15;
};
