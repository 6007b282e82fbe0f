// Pixel storage formats.
//
// Each storage template names an element type, its numeric range and the
// value of full intensity ("one", white).  Colour arithmetic happens directly
// in storage units, so an 8-bit sample lies in 0..255 and a 16-bit signed
// sample in -32768..32767 with white at 16384 (signed 2.14 fixed point).
// 32-bit float storage has white 1.0 and no storage limits: scene-linear
// values far above 1, negative values, NaN and infinities are all stored.
#pragma once

#include <climits>
#include <cstdint>

// The channels of one stored pixel, in memory order.
template <class T>
struct FnRGBAChannels {
    T r, g, b, a;  // interleaved in memory in exactly this order
};
template <class T>
struct FnOneChannel {
    T v;
};
template <class T>
struct FnRGBChannels {
    T r, g, b;
};

// A storage base: the channels (the only data, so a pixel stays an
// aggregate written {{r, g, b, a}}) and the format's range.
template <template <class> class Channels, class T, int Min, int Max, int One, int Integer>
struct FnStorageBase : Channels<T> {
    using Elem = T;
    static constexpr int kMin = Min;
    static constexpr int kMax = Max;
    static constexpr int kOne = One;
    static constexpr bool kInteger = Integer != 0;
    static constexpr int kChannels = int(sizeof(Channels<T>) / sizeof(T));
};

template <class T, int Min, int Max, int One, int Integer>
using FnRGBABase = FnStorageBase<FnRGBAChannels, T, Min, Max, One, Integer>;
template <class T, int Min, int Max, int One, int Integer>
using FnChannelBase = FnStorageBase<FnOneChannel, T, Min, Max, One, Integer>;
template <class T, int Min, int Max, int One, int Integer>
using FnRGBBase = FnStorageBase<FnRGBChannels, T, Min, Max, One, Integer>;

template <class Base>
struct FnRGBACol : Base {};
template <class Base>
struct FnChannel : Base {};
template <class Base>
struct FnRGBCol : Base {};

// The formats in use.
using FnRGBA8 = FnRGBACol<FnRGBABase<unsigned char, 0, 255, 255, 1>>;
using FnRGBA16 = FnRGBACol<FnRGBABase<short, -32768, 32767, 16384, 1>>;
using FnRGBA16U = FnRGBACol<FnRGBABase<unsigned short, 0, 65535, 65535, 1>>;
using FnRGBAf = FnRGBACol<FnRGBABase<float, 0, 1, 1, 0>>;
using FnChan8 = FnChannel<FnChannelBase<unsigned char, 0, 255, 255, 1>>;
using FnChan16 = FnChannel<FnChannelBase<short, -32768, 32767, 16384, 1>>;
using FnChanf = FnChannel<FnChannelBase<float, 0, 1, 1, 0>>;
using FnRGBi = FnRGBCol<FnRGBBase<int, INT_MIN, INT_MAX, INT_MAX, 1>>;

// Float storage.  The template's bounds are ints, so an unbounded format
// names the int range as its Min and Max, as FnRGBi does; kFnUnbounded is
// that Max, the "limit" of the float processors (no upper clamp).  The
// float mask channel is the float channel format itself: 0 empty, 1 full.
constexpr int kFnUnbounded = INT_MAX;
using FnRGBAF32 = FnRGBACol<FnRGBABase<float, INT_MIN, kFnUnbounded, 1, 0>>;
using FnChanF32 = FnChanf;
// Unclamped intermediate colour of the float balancer and its clamp.
using FnRGBf = FnRGBCol<FnRGBBase<float, INT_MIN, kFnUnbounded, 1, 0>>;

// The RGBA storage formats the processors render, as one value for the
// places that choose between them at run time (FnStorageTraits.h).
enum class FnStorageFormat : int32_t { k8 = 0, k16 = 1, kF32 = 2 };
constexpr int kFnStorageFormats = 3;

static_assert(sizeof(FnRGBA8) == 4 && sizeof(FnRGBA16) == 8 && sizeof(FnChan16) == 2 &&
                  sizeof(FnRGBAF32) == 16 && sizeof(FnChanF32) == 4 && FnRGBA8::kChannels == 4 &&
                  FnChan8::kChannels == 1 && FnRGBi::kChannels == 3,
              "storage pixels must be packed");

// Channel access by index (0 red .. 3 alpha) for code that loops over
// components; the storage order in memory is the index order.  A
// single-channel value has only index 0.
template <class P>
inline auto& fnChannel(P& p, int c) {
    if constexpr (P::kChannels == 1) {
        (void)c;
        return p.v;
    } else {
        return (&p.r)[c];
    }
}
