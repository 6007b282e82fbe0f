#include "host/FrameConvert.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "host/PixelConvert.h"

using OIIO::TypeDesc;

namespace {

// One file element as 16-bit storage (16-bit path).
template <class T>
int16_t toStorage(T v);
template <>
int16_t toStorage(uint8_t v) {
    return pixconv::fromU16(pixconv::u8ToU16(v));
}
template <>
int16_t toStorage(uint16_t v) {
    return pixconv::fromU16(v);
}
template <>
int16_t toStorage(float v) {
    return pixconv::fromFloat(v);
}
// One file element as 8-bit storage (8-bit path).
template <class T>
uint8_t to8(T v);
template <>
uint8_t to8(uint8_t v) {
    return v;
}
template <>
uint8_t to8(uint16_t v) {
    return pixconv::u16ToU8(v);
}
// One file element as float storage (float path).
float toF(uint8_t v) { return pixconv::u8ToFloat(v); }
float toF(uint16_t v) { return pixconv::u16ToFloat(v); }
float toF(float v) { return v; }

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

bool isFloatType(TypeDesc t) {
    return t == TypeDesc::HALF || t == TypeDesc::FLOAT || t == TypeDesc::DOUBLE;
}

void unpackFrame(const OIIO::ImageSpec& spec, TypeDesc t, const void* raw, FrameImage& out,
                 std::vector<float>& extra) {
    const size_t px = size_t(spec.width) * spec.height;
    const int nch = spec.nchannels;
    const PixelDepth depth = out.depth;
    out.rgba8.clear();
    out.rgba16.clear();
    out.rgbaF.clear();
    extra.clear();
    const int w = spec.width, h = spec.height;
    if (depth == PixelDepth::Float) {
        out.rgbaF.resize(px * 4);
        float* dst = out.rgbaF.data();
        if (t == TypeDesc::UINT8)
            spreadRows((const uint8_t*)raw, nch, w, h, dst, false, 1.0f,
                       [](uint8_t v) { return toF(v); }, extra);
        else if (t == TypeDesc::UINT16)
            spreadRows((const uint16_t*)raw, nch, w, h, dst, false, 1.0f,
                       [](uint16_t v) { return toF(v); }, extra);
        else
            spreadRows((const float*)raw, nch, w, h, dst, false, 1.0f,
                       [](float v) { return toF(v); }, extra);
        return;
    }
    if (depth == PixelDepth::Eight) {
        out.rgba8.resize(px * 4);
        if (t == TypeDesc::UINT8)
            spreadRows((const uint8_t*)raw, nch, w, h, out.rgba8.data(), false, uint8_t(255),
                       to8<uint8_t>, extra);
        else
            spreadRows((const uint16_t*)raw, nch, w, h, out.rgba8.data(), false, uint8_t(255),
                       to8<uint16_t>, extra);
        return;
    }
    out.rgba16.resize(px * 4);
    const int16_t full = 16384;
    if (t == TypeDesc::UINT8)
        spreadRows((const uint8_t*)raw, nch, w, h, out.rgba16.data(), true, full,
                   toStorage<uint8_t>, extra);
    else if (t == TypeDesc::UINT16)
        spreadRows((const uint16_t*)raw, nch, w, h, out.rgba16.data(), true, full,
                   toStorage<uint16_t>, extra);
    else
        spreadRows((const float*)raw, nch, w, h, out.rgba16.data(), true, full, toStorage<float>,
                   extra);
}

void unpackUnsigned(int nch, const void* raw, UnsignedFrame& out) {
    const int w = out.width, h = out.height;
    std::vector<float> none;  // only channels past the fourth would land here
    if (out.eightBit)
        spreadRows(static_cast<const uint8_t*>(raw), nch, w, h, out.rgba8.data(), false,
                   uint8_t(255), to8<uint8_t>, none);
    else
        spreadRows(
            static_cast<const uint16_t*>(raw), nch, w, h, out.rgba16.data(), false, uint16_t(65535),
            [](uint16_t v) { return v; }, none);
}

void packFrame(const FileInfo& like, const FrameImage& img, std::vector<uint8_t>& buf,
               const void*& data, TypeDesc& type) {
    const int nch = like.spec.nchannels;
    const int w = img.width, h = img.height;
    const size_t px = size_t(w) * h;
    const TypeDesc fileType = like.spec.format;
    data = nullptr;
    if (img.depth == PixelDepth::Eight) {
        if (fileType == TypeDesc::UINT8 && nch == 4) {
            data = img.rgba8.data();
            type = TypeDesc::UINT8;
        } else if (fileType == TypeDesc::UINT8) {
            buf.resize(px * nch);
            gatherRows((const uint8_t*)img.rgba8.data(), nch, w, h, false,
                       [](uint8_t v) { return v; }, like.extra, buf.data());
            type = TypeDesc::UINT8;
        } else {
            buf.resize(px * nch * 2);
            gatherRows(
                img.rgba8.data(), nch, w, h, false, [](uint8_t v) { return pixconv::u8ToU16(v); },
                like.extra, (uint16_t*)buf.data());
            type = TypeDesc::UINT16;
        }
    } else if (img.depth == PixelDepth::Float) {
        // Float files get the floats (OpenImageIO rounds them to nearest for
        // half files); 8- and 16-bit files the nearest level.
        if (fileType == TypeDesc::UINT8) {
            buf.resize(px * nch);
            gatherRows(img.rgbaF.data(), nch, w, h, false, pixconv::floatToU8, like.extra,
                       buf.data());
            type = TypeDesc::UINT8;
        } else if (fileType == TypeDesc::UINT16) {
            buf.resize(px * nch * 2);
            gatherRows(img.rgbaF.data(), nch, w, h, false, pixconv::floatToU16, like.extra,
                       (uint16_t*)buf.data());
            type = TypeDesc::UINT16;
        } else if (nch == 4 && fileType == TypeDesc::HALF && like.spec.channelformats.empty()) {
            // Halves made here with the library's own conversion: handed
            // floats, it would make them the same way in a buffer of its
            // own, new for every frame.
            buf.resize(px * 4 * 2);
            OIIO::convert_pixel_values(TypeDesc::FLOAT, img.rgbaF.data(), TypeDesc::HALF,
                                       buf.data(), int(px * 4));
            type = TypeDesc::HALF;
        } else if (nch == 4) {
            data = img.rgbaF.data();
            type = TypeDesc::FLOAT;
        } else {
            buf.resize(px * nch * 4);
            gatherRows(
                img.rgbaF.data(), nch, w, h, false, [](float v) { return v; }, like.extra,
                (float*)buf.data());
            type = TypeDesc::FLOAT;
        }
    } else if (fileType == TypeDesc::UINT8) {
        buf.resize(px * nch);
        gatherRows(
            img.rgba16.data(), nch, w, h, true,
            [](int16_t s) { return pixconv::u16ToU8(pixconv::toU16(s)); }, like.extra, buf.data());
        type = TypeDesc::UINT8;
    } else if (fileType == TypeDesc::UINT16) {
        buf.resize(px * nch * 2);
        gatherRows(
            img.rgba16.data(), nch, w, h, true, [](int16_t s) { return pixconv::toU16(s); },
            like.extra, (uint16_t*)buf.data());
        type = TypeDesc::UINT16;
    } else {
        buf.resize(px * nch * 4);
        gatherRows(
            img.rgba16.data(), nch, w, h, true, [](int16_t s) { return pixconv::toFloat(s); },
            like.extra, (float*)buf.data());
        type = TypeDesc::FLOAT;
    }
    if (!data) data = buf.data();
}
