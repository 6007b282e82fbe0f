// Storage traits: what the engine's processors need to know about one RGBA
// storage format, one type per format, and the one place that maps a
// format chosen at run time to the code instantiated for it.
//
//   FnStorage8, FnStorage16, FnStorageF32   the traits of each format
//   FnStorageOf<Pixel>                      the traits of a storage pixel
//   fnDispatchFormat(format, f)             f.template operator()<Traits>()
//
// The processors (FnColBalancer, FnToneRender) are one template each over
// these traits; they differ per format only where the formats really
// differ (weight tables or weights evaluated per pixel, integer or float
// shifts, the reference pixel that clamps or does not).  A new storage
// format is one more traits type here, its entry in FnStorageFormats, its
// frame renderer's instantiation (FnFrameRender.h and .cpp), and its vector
// rows in the row tables (FnRowFunctions.h) if it has any.
#pragma once

#include <cstdint>
#include <type_traits>

#include "engine/FnBalanceKernel.h"
#include "engine/FnPixel.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnTexture.h"

// Members of every traits type:
//   kFormat         its FnStorageFormat
//   Pixel, Image    the storage pixel and the image over it
//   MaskImage       the host pixel mask of the same depth
//   Shift           the unit of colour shifts and luminance offsets:
//                   int32_t (whole storage units) or float (whites)
//   ShiftColour     three Shifts, the balancer's unclamped colour
//   kWhite          full intensity: the shifts' scale, full alpha, the
//                   matte's white
//   kLimit          the clamp of balanced channels, 0..kLimit
//                   (kFnUnbounded: float storage has no upper limit)
//   kClamps         results are truncated to storage units and clamped
//                   (the integer reference pixel); otherwise kept as
//                   floats, non-finite colours passed through unchanged
//   kShiftLimit     where shifts and offsets saturate
//   kBalanceKeys    entries of the balancer's weight tables, keyed by the
//                   channel sum; 0: the weights are evaluated per pixel
//   kMatteEntries   entries of the tone matte's table, keyed by the
//                   channel mean (mattePosition(i) the tone position of
//                   entry i); 0: the matte is evaluated per pixel
//   BalanceKernel   the balancer's folded settings for its row loops
//   kBalanceRow     the balancer's row loop in a row table
//                   (FnRowFunctions::*)

// What the integer formats share: shifts in whole storage units, results
// truncated and clamped to 0..max, weight tables over every channel sum
// 0..3 x max, a matte table over every mean 0..max whose entry i stands at
// i / white.
template <class P, class MaskPixel>
struct FnIntegerStorage {
    using Pixel = P;
    using Image = FnTexture<P, FnRGBAf>;
    using MaskImage = FnTexture<MaskPixel, FnChanf>;
    using Shift = int32_t;
    using ShiftColour = FnRGBi;
    static constexpr Shift kWhite = P::kOne;
    static constexpr int32_t kLimit = P::kMax;
    static constexpr bool kClamps = true;
    static constexpr Shift kShiftLimit = kFnShiftLimit;
    static constexpr int32_t kBalanceKeys = 3 * (P::kMax + 1);
    static constexpr int32_t kMatteEntries = P::kMax + 1;
    static float mattePosition(int32_t i) { return float(i) / float(kWhite); }
    using BalanceKernel = FnBalanceKernel;
};

// 8-bit unsigned RGBA, white 255: 768 weight keys, 256 matte entries.
struct FnStorage8 : FnIntegerStorage<FnRGBA8, FnChan8> {
    static constexpr FnStorageFormat kFormat = FnStorageFormat::k8;
    static constexpr auto kBalanceRow = &FnRowFunctions::balance8;
};

// 16-bit signed RGBA (2.14 fixed point), white 16384, super-white up to
// 32767.  The weight tables span sums up to the maximum, 3 x 32767, so
// white sits near their middle; the matte's table places white at 1.0
// (entry i at i / 16384, the top entry about 2.0).
struct FnStorage16 : FnIntegerStorage<FnRGBA16, FnChan16> {
    static constexpr FnStorageFormat kFormat = FnStorageFormat::k16;
    static constexpr auto kBalanceRow = &FnRowFunctions::balance16;
};

// 32-bit float RGBA, white 1.0, no storage limits.  Keys are floats, so the
// weights and the matte are evaluated per pixel (a table would quantise
// them), at the tone positions the same colours have in 16-bit storage.
struct FnStorageF32 {
    static constexpr FnStorageFormat kFormat = FnStorageFormat::kF32;
    using Pixel = FnRGBAF32;
    using Image = FnImageF32;
    using MaskImage = FnMaskImageF32;
    using Shift = float;
    using ShiftColour = FnRGBf;
    static constexpr Shift kWhite = 1.0f;
    static constexpr int32_t kLimit = kFnUnbounded;
    static constexpr bool kClamps = false;
    static constexpr Shift kShiftLimit = kFnShiftLimitF32;
    static constexpr int32_t kBalanceKeys = 0;
    static constexpr int32_t kMatteEntries = 0;
    using BalanceKernel = FnBalanceKernelF32;
    static constexpr auto kBalanceRow = &FnRowFunctions::balanceF32;
};

static_assert(FnStorage8::kBalanceKeys == 768 && FnStorage8::kMatteEntries == 256 &&
              FnStorage16::kBalanceKeys == 98304 && FnStorage16::kMatteEntries == 32768 &&
              std::is_same_v<FnStorage8::Image, FnImage8> &&
              std::is_same_v<FnStorage16::MaskImage, FnMaskImage16>);

template <class... Ts>
struct FnTypeList {};

// Every format the processors render, in FnStorageFormat order.
using FnStorageFormats = FnTypeList<FnStorage8, FnStorage16, FnStorageF32>;

namespace fndetail {
template <class Pixel, class List>
struct StorageOf;
template <class Pixel, class T, class... Ts>
struct StorageOf<Pixel, FnTypeList<T, Ts...>>
    : std::conditional_t<std::is_same_v<typename T::Pixel, Pixel>, std::type_identity<T>,
                         StorageOf<Pixel, FnTypeList<Ts...>>> {};
}  // namespace fndetail

// The traits of the format whose pixel is `Pixel` (an error for others).
template <class Pixel>
using FnStorageOf = typename fndetail::StorageOf<Pixel, FnStorageFormats>::type;

// Calls f.template operator()<Traits>() with the traits of `format` and
// returns what it returns; for a value that names no format nothing is
// called and the result is a value-initialised R (nothing for void).
// Every instantiation of f must return the same type R.
//
//     fnDispatchFormat(format, [&]<class Traits>() {
//         typename Traits::Image output;
//         ...
//     });
template <class F>
auto fnDispatchFormat(FnStorageFormat format, F&& f) {
    using R = decltype(f.template operator()<FnStorage8>());
    return [&]<class... Ts>(FnTypeList<Ts...>) -> R {
        if constexpr (std::is_void_v<R>) {
            (void)((Ts::kFormat == format ? (f.template operator()<Ts>(), true) : false) || ...);
        } else {
            R r{};
            (void)((Ts::kFormat == format ? (r = f.template operator()<Ts>(), true) : false) ||
                   ...);
            return r;
        }
    }(FnStorageFormats{});
}
