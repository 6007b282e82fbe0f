// FnDsPaintCombiner: mixes the effect's result with the source through the
// host's pixel mask.  Where the mask is empty the source shows, where it is
// full (255, or 32767 for 16-bit storage) the result stays, and in between
//     d = s + (d - s) * m / F
// in 32-bit integers, truncating toward zero.  Mask values below 0 (16-bit
// storage is signed) count as empty.
//
// Float storage (mask full at 1.0): a mask value at or below 0, or NaN, is
// empty, one at or above 1 full, and in between every component becomes
// fnMixF32(s, d, m).
//
// Runs where source and mask both move forward pixel by pixel go through
// the vector rows of FnPaintCombinerSimd.h where the processor has them
// (the same bytes); blendRun below stays the reference.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/FnFrameContext.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnStorageTraits.h"
#include "engine/Imager.h"

// s + (d - s) m for 0 < m < 1, in double and rounded to single once, so no
// finite pair can overflow.  Equal ends stay as they are (infinities too).
// Otherwise, where an end is not finite, the blend is (1 - m) s + m d, whose
// IEEE value is the infinite end, or NaN for opposite infinities or a NaN
// end, where the form above would give NaN for any infinity.  Of two NaN
// ends the source's passes (made quiet): IEEE leaves that choice to the
// instruction's operand order, which a compiler may swap.
inline float fnMixF32(float s, float d, float m) {
    if (s == d) return d;
    const double ds = s, dd = d, dm = m;
    if (std::isfinite(s) && std::isfinite(d)) return float(ds + (dd - ds) * dm);
    if (std::isnan(s)) return std::bit_cast<float>(std::bit_cast<uint32_t>(s) | 0x00400000u);
    return float(ds * (1.0 - dm) + dd * dm);
}

template <class Storage, class Working, class MaskStorage, class MaskWorking>
class FnDsPaintCombiner
    : public Combiner<FnTexture<Storage, Working>, FnTexture<MaskStorage, MaskWorking>,
                      FnTexture<Storage, Working>> {
public:
    using Image = FnTexture<Storage, Working>;
    using MaskImage = FnTexture<MaskStorage, MaskWorking>;
    static constexpr int32_t kFull = MaskStorage::kMax;
    static constexpr bool kFloat = !MaskStorage::kInteger;
    static constexpr FnStorageFormat kFormat = FnStorageOf<Storage>::kFormat;

    // Which blend loop runs (kScalar: blendRun).
    void setRowPath(FnBalancePath p) { path_ = p; }

    void prepare(Image&, MaskImage&, Image&) override {
        rowFn_ = fnRowFunctions(path_).combine[size_t(kFormat)];
    }

    // One row's columns [x0, x1) of row y, blended into `d` (the map's
    // pixel x0 of that row); srow and mrow are the rows the source and mask
    // read for y.
    void blendRow(const Image& src, const MaskImage& mask, int32_t srow, int32_t mrow, Storage* d,
                  int32_t x0, int32_t x1) const {
        for (int32_t x = x0; x < x1;) {
            // Both images' runs, cut where either changes.
            const auto s = src.runAt(x, srow, x1);
            const auto m = mask.runAt(x, mrow, x1);
            const int32_t n = s.n < m.n ? s.n : m.n;
            if (s.in && m.in) {
                if (rowFn_ && s.step == 1 && m.step == 1)
                    rowFn_(s.in, m.in, d, n);
                else
                    blendRun(d, s.in, s.step, m.in, m.step, n);
            } else if (s.in) {
                copyRun(d, s.in, s.step, n);
            } else if (m.in) {
                scaleRun(d, m.in, m.step, n);
            } else {
                clearRun(d, n);
            }
            d += n;
            x += n;
        }
    }

    // The region's columns of row y into `out` (FnFrameSteps.h).
    void processRow(const Image& src, const MaskImage& mask, int32_t y, Storage* out) const {
        const FnRect r = this->region();
        blendRow(src, mask, src.storedRow(y), mask.storedRow(y), out, r.x0, r.x1);
    }

    void processBand(Image& src, MaskImage& mask, Image& map) override {
        const FnRect r = this->region();
        const FnBandRange b = this->bandRows();
        for (int32_t y = this->alignToField(b.first); y < b.end; y += this->fieldStep()) {
            if (this->shouldStop()) return;
            blendRow(src, mask, src.storedRow(y), mask.storedRow(y), map.at(r.x0, y), r.x0, r.x1);
        }
    }

private:
    static void mix(Storage& d, const Storage& s, int32_t m) {
        d.r = typename Storage::Elem(s.r + (int32_t(d.r) - s.r) * m / kFull);
        d.g = typename Storage::Elem(s.g + (int32_t(d.g) - s.g) * m / kFull);
        d.b = typename Storage::Elem(s.b + (int32_t(d.b) - s.b) * m / kFull);
        d.a = typename Storage::Elem(s.a + (int32_t(d.a) - s.a) * m / kFull);
    }
    static void mixF32(Storage& d, const Storage& s, float m) {
        d.r = fnMixF32(s.r, d.r, m);
        d.g = fnMixF32(s.g, d.g, m);
        d.b = fnMixF32(s.b, d.b, m);
        d.a = fnMixF32(s.a, d.a, m);
    }
    static void blendRun(Storage* d, const Storage* s, int32_t sstep, const MaskStorage* m,
                         int32_t mstep, int32_t n) {
        for (int32_t k = 0; k < n; ++k, s += sstep, m += mstep) {
            if constexpr (kFloat) {
                const float v = m->v;
                if (!(v > 0.0f))
                    d[k] = *s;
                else if (v < 1.0f)
                    mixF32(d[k], *s, v);
            } else {
                const int32_t v = m->v;
                if (v <= 0)
                    d[k] = *s;
                else if (v < kFull)
                    mix(d[k], *s, v);
            }
        }
    }
    static void copyRun(Storage* d, const Storage* s, int32_t sstep, int32_t n) {
        for (int32_t k = 0; k < n; ++k, s += sstep) d[k] = *s;
    }
    static void scaleRun(Storage* d, const MaskStorage* m, int32_t mstep, int32_t n) {
        for (int32_t k = 0; k < n; ++k, m += mstep) {
            if constexpr (kFloat) {
                const float v = m->v;
                if (!(v > 0.0f))
                    d[k] = Storage{};
                else if (v < 1.0f)
                    mixF32(d[k], Storage{}, v);
            } else {
                const int32_t v = m->v;
                if (v <= 0)
                    d[k] = Storage{};
                else if (v < kFull)
                    mix(d[k], Storage{}, v);
            }
        }
    }
    static void clearRun(Storage* d, int32_t n) {
        for (int32_t k = 0; k < n; ++k) d[k] = Storage{};
    }

    FnBalancePath path_ = FnBalancePath::kAuto;
    FnCombineRowFn rowFn_ = nullptr;
};

// Blends `output` with `source` through `mask` over the frame's region.
// Positions outside the source have no source pixel.
template <class Storage, class Working, class MaskStorage, class MaskWorking>
void runPaintCombiner(const FnFrameContext& ctx, FnTexture<Storage, Working>& output,
                      const FnTexture<Storage, Working>& source,
                      FnTexture<MaskStorage, MaskWorking>& mask) {
    FnTexture<Storage, Working> view;
    view.share(source);
    view.resetRegion();
    view.setEdgeModes(kFnEdgeFill, kFnEdgeFill);
    FnDsPaintCombiner<Storage, Working, MaskStorage, MaskWorking> combiner;
    combiner.setRegion(ctx.region);
    combiner.setFieldMode(ctx.fieldMode);
    combiner.setInterrupt(ctx.interrupt);
    combiner.process(view, mask, &output);
}
