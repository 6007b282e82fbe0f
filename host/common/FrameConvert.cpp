#include "host/common/FrameConvert.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <type_traits>

#include "host/common/PixelConvert.h"

using OIIO::TypeDesc;

namespace {

// How file elements (8-bit, 16-bit, float) meet each storage depth, both
// ways, for frames and for masks.  Everything per depth below is written
// once over these.
struct Store8 {
    using Sample = uint8_t;
    static constexpr Sample kFull = 255;
    // The widest element this path writes: a 16-bit or float file takes
    // 16-bit values.
    static constexpr bool kWritesFloat = false;
    template <class Img>
    static auto of(Img& img) {
        return img.u8();
    }
    static Sample from(uint8_t v) { return v; }
    static Sample from(uint16_t v) { return pixconv::u16ToU8(v); }
    static Sample from(float v) { return pixconv::floatToU8(v); }
    static uint8_t toU8(Sample s) { return s; }
    static uint16_t toU16(Sample s) { return pixconv::u8ToU16(s); }
    static float toFloat(Sample s) { return pixconv::u8ToFloat(s); }
    // Masks on the frames' scale.
    template <class T>
    static Sample maskFrom(T v) {
        return from(v);
    }
};

struct Store16 {
    using Sample = int16_t;
    static constexpr Sample kFull = 16384;
    static constexpr bool kWritesFloat = true;
    template <class Img>
    static auto of(Img& img) {
        return img.s16();
    }
    static Sample from(uint8_t v) { return pixconv::fromU16(pixconv::u8ToU16(v)); }
    static Sample from(uint16_t v) { return pixconv::fromU16(v); }
    static Sample from(float v) { return pixconv::fromFloat(v); }
    static uint8_t toU8(Sample s) { return pixconv::u16ToU8(pixconv::toU16(s)); }
    static uint16_t toU16(Sample s) { return pixconv::toU16(s); }
    static float toFloat(Sample s) { return pixconv::toFloat(s); }
    // Masks at full range: white is 32767 here.
    static Sample maskFrom(uint8_t v) { return pixconv::maskFromU16(pixconv::u8ToU16(v)); }
    static Sample maskFrom(uint16_t v) { return pixconv::maskFromU16(v); }
    static Sample maskFrom(float v) { return pixconv::maskFromU16(pixconv::floatToU16(v)); }
};

struct StoreF {
    using Sample = float;
    static constexpr Sample kFull = 1.0f;
    static constexpr bool kWritesFloat = true;
    template <class Img>
    static auto of(Img& img) {
        return img.f32();
    }
    static Sample from(uint8_t v) { return pixconv::u8ToFloat(v); }
    static Sample from(uint16_t v) { return pixconv::u16ToFloat(v); }
    static Sample from(float v) { return v; }
    static uint8_t toU8(Sample s) { return pixconv::floatToU8(s); }
    static uint16_t toU16(Sample s) { return pixconv::floatToU16(s); }
    static float toFloat(Sample s) { return s; }
    // Masks on the frames' scale.
    template <class T>
    static Sample maskFrom(T v) {
        return from(v);
    }
};

// Calls f with the storage of the depth.
template <class F>
decltype(auto) withStorage(PixelDepth depth, F&& f) {
    switch (depth) {
    case PixelDepth::Sixteen: return f(Store16{});
    case PixelDepth::Float: return f(StoreF{});
    default: return f(Store8{});
    }
}

// Calls f with a pointer to `raw` as the elements `t` says (8-bit, 16-bit,
// or float for every other type, as the file was read).
template <class F>
void withElements(TypeDesc t, const void* raw, F&& f) {
    if (t == TypeDesc::UINT8)
        f(static_cast<const uint8_t*>(raw));
    else if (t == TypeDesc::UINT16)
        f(static_cast<const uint16_t*>(raw));
    else
        f(static_cast<const float*>(raw));
}

// Spreads n-channel file pixels into RGBA storage: grey fills R, G and B;
// a missing alpha is full.
template <class T, class S, class Conv>
void spreadRows(const T* src, int nch, int w, int h, S* dst, bool bottomUp, S full, Conv conv,
                std::vector<float>& extra) {
    const int kept = std::max(0, nch - 4);
    if (kept) extra.resize(size_t(w) * h * kept);
    for (int y = 0; y < h; ++y) {
        S* row = dst + size_t(bottomUp ? h - 1 - y : y) * w * 4;
        const T* in = src + size_t(y) * w * nch;
        for (int x = 0; x < w; ++x, in += nch, row += 4) {
            if (nch <= 2) {
                row[0] = row[1] = row[2] = conv(in[0]);
                row[3] = nch == 2 ? conv(in[1]) : full;
            } else {
                row[0] = conv(in[0]);
                row[1] = conv(in[1]);
                row[2] = conv(in[2]);
                row[3] = nch >= 4 ? conv(in[3]) : full;
                for (int c = 0; c < kept; ++c)
                    extra[(size_t(y) * w + x) * kept + c] = float(in[4 + c]);
            }
        }
    }
}

// Grey files keep the mean of the balanced colour.  Float storage: equal
// channels (a grey file at default settings) give their value bit for bit,
// NaN included; other colours the mean, taken in double so that it cannot
// overflow.
template <class S>
S greyOf(const S* px) {
    if constexpr (std::is_floating_point_v<S>) {
        if (std::memcmp(&px[0], &px[1], sizeof(S)) == 0 &&
            std::memcmp(&px[0], &px[2], sizeof(S)) == 0)
            return px[0];
        return S((double(px[0]) + double(px[1]) + double(px[2])) / 3.0);
    } else {
        return S((int32_t(px[0]) + px[1] + px[2]) / 3);
    }
}

// Gathers RGBA storage back into the file's channel count as elements of T.
template <class T, class S, class Conv>
void gatherRows(const S* src, int nch, int w, int h, bool bottomUp, Conv conv,
                const std::vector<float>& extra, T* dst) {
    const int kept = std::max(0, nch - 4);
    for (int y = 0; y < h; ++y) {
        const S* row = src + size_t(bottomUp ? h - 1 - y : y) * w * 4;
        T* o = dst + size_t(y) * w * nch;
        for (int x = 0; x < w; ++x, row += 4, o += nch) {
            if (nch <= 2) {
                o[0] = conv(greyOf(row));
                if (nch == 2) o[1] = conv(row[3]);
            } else {
                o[0] = conv(row[0]);
                o[1] = conv(row[1]);
                o[2] = conv(row[2]);
                if (nch >= 4) o[3] = conv(row[3]);
                for (int c = 0; c < kept; ++c)
                    o[4 + c] = T(extra.empty() ? 0 : extra[(size_t(y) * w + x) * kept + c]);
            }
        }
    }
}

}  // namespace

TypeDesc readType(const OIIO::ImageSpec& spec, PixelDepth depth) {
    const TypeDesc f = spec.format;
    if (depth == PixelDepth::Eight)
        return f == TypeDesc::UINT8 ? TypeDesc::UINT8 : TypeDesc::UINT16;
    if (f == TypeDesc::UINT8 || f == TypeDesc::UINT16) return f;
    return TypeDesc::FLOAT;
}

TypeDesc maskReadType(const OIIO::ImageSpec& spec, PixelDepth depth) {
    if (spec.format == TypeDesc::UINT8) return TypeDesc::UINT8;
    if (depth == PixelDepth::Float && isFloatType(spec.format)) return TypeDesc::FLOAT;
    return TypeDesc::UINT16;
}

bool isFloatType(TypeDesc t) {
    return t == TypeDesc::HALF || t == TypeDesc::FLOAT || t == TypeDesc::DOUBLE;
}

void unpackFrame(const OIIO::ImageSpec& spec, TypeDesc t, const void* raw, FrameImage& out,
                 std::vector<float>& extra) {
    const int w = spec.width, h = spec.height, nch = spec.nchannels;
    out.reshape(w, h, out.depth);
    extra.clear();
    withStorage(out.depth, [&](auto store) {
        using St = decltype(store);
        using S = typename St::Sample;
        S* dst = St::of(out).data();
        withElements(t, raw, [&](const auto* src) {
            spreadRows(
                src, nch, w, h, dst, out.facts().bottomUp, St::kFull,
                [](auto v) { return St::from(v); }, extra);
        });
    });
}

void unpackMask(int w, int h, TypeDesc t, const void* raw, MaskImage& out) {
    out.reshape(w, h, out.depth);
    const bool bottomUp = out.facts().bottomUp;
    withStorage(out.depth, [&](auto store) {
        using St = decltype(store);
        auto* dst = St::of(out).data();
        withElements(t, raw, [&](const auto* src) {
            for (int y = 0; y < h; ++y) {
                auto* row = dst + size_t(bottomUp ? h - 1 - y : y) * w;
                const auto* in = src + size_t(y) * w;
                for (int x = 0; x < w; ++x) row[x] = St::maskFrom(in[x]);
            }
        });
    });
}

void unpackUnsigned(int nch, const void* raw, UnsignedFrame& out) {
    const int w = out.width, h = out.height;
    std::vector<float> none;  // only channels past the fourth would land here
    if (out.eightBit)
        spreadRows(
            static_cast<const uint8_t*>(raw), nch, w, h, out.rgba8.data(), false, uint8_t(255),
            [](uint8_t v) { return v; }, none);
    else
        spreadRows(
            static_cast<const uint16_t*>(raw), nch, w, h, out.rgba16.data(), false, uint16_t(65535),
            [](uint16_t v) { return v; }, none);
}

void unsignedFromFloat(const FrameImage& f, UnsignedFrame& out) {
    out.width = f.width;
    out.height = f.height;
    out.eightBit = false;
    out.rgba8.clear();
    out.rgba16.resize(f.f32().size());
    const size_t row = size_t(f.width) * 4;
    for (size_t at = 0; at < out.rgba16.size(); at += row)
        OIIO::convert_pixel_values(TypeDesc::FLOAT, f.f32().data() + at, TypeDesc::UINT16,
                                   out.rgba16.data() + at, int(row));
}

void packFrame(const FileInfo& like, const FrameImage& img, std::vector<uint8_t>& buf,
               const void*& data, TypeDesc& type) {
    const int nch = like.spec.nchannels;
    const int w = img.width, h = img.height;
    const size_t px = size_t(w) * h;
    const TypeDesc fileType = like.spec.format;
    data = nullptr;
    withStorage(img.depth, [&](auto store) {
        using St = decltype(store);
        using S = typename St::Sample;
        const S* src = St::of(img).data();
        const bool bottomUp = img.facts().bottomUp;
        // The frame's elements, converted, into `buf` as T.
        auto gather = [&]<class T>(std::type_identity<T>, TypeDesc t, auto conv) {
            buf.resize(px * nch * sizeof(T));
            gatherRows(src, nch, w, h, bottomUp, conv, like.extra,
                       reinterpret_cast<T*>(buf.data()));
            type = t;
        };
        // The frame itself where its layout is the file's.
        auto direct = [&](TypeDesc t) {
            data = src;
            type = t;
        };
        if (fileType == TypeDesc::UINT8) {
            if constexpr (std::is_same_v<S, uint8_t>)
                if (nch == 4) return direct(TypeDesc::UINT8);
            return gather(std::type_identity<uint8_t>{}, TypeDesc::UINT8,
                          [](S s) { return St::toU8(s); });
        }
        if (fileType == TypeDesc::UINT16 || !St::kWritesFloat)
            return gather(std::type_identity<uint16_t>{}, TypeDesc::UINT16,
                          [](S s) { return St::toU16(s); });
        if constexpr (std::is_same_v<S, float>) {
            if (nch == 4 && fileType == TypeDesc::HALF && like.spec.channelformats.empty()) {
                // Halves made here with the library's own conversion: handed
                // floats, it would make them the same way in a buffer of its
                // own, new for every frame.
                buf.resize(px * 4 * 2);
                OIIO::convert_pixel_values(TypeDesc::FLOAT, src, TypeDesc::HALF, buf.data(),
                                           int(px * 4));
                type = TypeDesc::HALF;
                return;
            }
            // Float files get the floats (OpenImageIO rounds them to
            // nearest for half files).
            if (nch == 4) return direct(TypeDesc::FLOAT);
        }
        gather(std::type_identity<float>{}, TypeDesc::FLOAT, [](S s) { return St::toFloat(s); });
    });
    if (!data) data = buf.data();
}

std::vector<uint8_t> displayPixels(const FrameImage& f) {
    return withStorage(f.depth, [&](auto store) {
        using St = decltype(store);
        if constexpr (std::is_same_v<St, Store8>) {
            return f.bytes;
        } else {
            const size_t row = size_t(f.width) * 4;
            std::vector<uint8_t> px(f.sampleCount());
            const auto* src = St::of(f).data();
            for (int y = 0; y < f.height; ++y) {
                const auto* in = src + size_t(f.facts().bottomUp ? f.height - 1 - y : y) * row;
                for (size_t i = 0; i < row; ++i) px[size_t(y) * row + i] = St::toU8(in[i]);
            }
            return px;
        }
    });
}
