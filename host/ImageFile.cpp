#include "host/ImageFile.h"

#include "host/PixelConvert.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

using OIIO::TypeDesc;

namespace {

constexpr int kMaxSide = 1 << 16;
constexpr size_t kMaxPixels = size_t(1) << 29;  // 16 GiB of 16-bit RGBA

// Path of the temporary file in progress, for the signal handler.
char gTempPath[4096];
std::atomic<bool> gTempActive{false};

void onSignal(int sig) {
    if (gTempActive.load()) ::unlink(gTempPath);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// Library messages can span lines; an error is reported on one.
std::string oneLine(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    for (size_t i = 0; (i = s.find('\n', i)) != std::string::npos;) s.replace(i, 1, "; ");
    return s;
}

bool openInput(const std::string& path, std::unique_ptr<OIIO::ImageInput>& in, std::string& error) {
    // Pixels are balanced as stored: no premultiplication on the way in, so
    // a file rendered with default settings comes back unchanged.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    in = OIIO::ImageInput::open(path, &config);
    if (!in) {
        std::string why = oneLine(OIIO::geterror());
        error = "cannot read \"" + path + "\"" + (why.empty() ? "" : ": " + why);
        return false;
    }
    const OIIO::ImageSpec& s = in->spec();
    if (s.width < 1 || s.height < 1 || s.nchannels < 1 || s.width > kMaxSide ||
        s.height > kMaxSide || size_t(s.width) * size_t(s.height) > kMaxPixels) {
        error = "\"" + path + "\" has an unusable size (" + std::to_string(s.width) + "x" +
                std::to_string(s.height) + ", " + std::to_string(s.nchannels) + " channels)";
        return false;
    }
    return true;
}

bool failRead(OIIO::ImageInput& in, const std::string& path, std::string& error) {
    std::string why = oneLine(in.geterror());
    error = "cannot read \"" + path + "\"" + (why.empty() ? " (truncated or corrupt)" : ": " + why);
    return false;
}

// Element type the file is read as on a given path.
TypeDesc readType(const OIIO::ImageSpec& spec, PixelDepth depth) {
    const TypeDesc f = spec.format;
    if (depth == PixelDepth::Eight)
        return f == TypeDesc::UINT8 ? TypeDesc::UINT8 : TypeDesc::UINT16;
    if (f == TypeDesc::UINT8 || f == TypeDesc::UINT16) return f;
    return TypeDesc::FLOAT;
}

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

}  // namespace

PixelDepth naturalDepth(const OIIO::ImageSpec& spec) {
    return spec.format == TypeDesc::UINT8 ? PixelDepth::Eight : PixelDepth::Sixteen;
}

bool readFrame(const std::string& path, PixelDepth depth, FrameImage& out, FileInfo& info,
               std::string& error) {
    std::unique_ptr<OIIO::ImageInput> in;
    if (!openInput(path, in, error)) return false;
    const OIIO::ImageSpec& spec = in->spec();
    if (depth == PixelDepth::Auto) depth = naturalDepth(spec);
    info.spec = spec;
    info.extra.clear();
    out.width = spec.width;
    out.height = spec.height;
    out.depth = depth;
    const size_t px = size_t(spec.width) * spec.height;
    const int nch = spec.nchannels;
    const TypeDesc t = readType(spec, depth);
    out.rgba8.clear();
    out.rgba16.clear();

    if (depth == PixelDepth::Eight && t == TypeDesc::UINT8 && nch == 4) {
        // The file's layout is the host's: read in place.
        out.rgba8.resize(px * 4);
        if (!in->read_image(0, 0, 0, 4, TypeDesc::UINT8, out.rgba8.data()))
            return failRead(*in, path, error);
        return true;
    }
    std::vector<uint8_t> raw(px * nch * t.size());
    if (!in->read_image(0, 0, 0, nch, t, raw.data())) return failRead(*in, path, error);
    const int w = spec.width, h = spec.height;
    if (depth == PixelDepth::Eight) {
        out.rgba8.resize(px * 4);
        if (t == TypeDesc::UINT8)
            spreadRows((const uint8_t*)raw.data(), nch, w, h, out.rgba8.data(), false, uint8_t(255),
                       to8<uint8_t>, info.extra);
        else
            spreadRows((const uint16_t*)raw.data(), nch, w, h, out.rgba8.data(), false,
                       uint8_t(255), to8<uint16_t>, info.extra);
        return true;
    }
    out.rgba16.resize(px * 4);
    const int16_t full = 16384;
    if (t == TypeDesc::UINT8)
        spreadRows((const uint8_t*)raw.data(), nch, w, h, out.rgba16.data(), true, full,
                   toStorage<uint8_t>, info.extra);
    else if (t == TypeDesc::UINT16)
        spreadRows((const uint16_t*)raw.data(), nch, w, h, out.rgba16.data(), true, full,
                   toStorage<uint16_t>, info.extra);
    else
        spreadRows((const float*)raw.data(), nch, w, h, out.rgba16.data(), true, full,
                   toStorage<float>, info.extra);
    return true;
}

bool readMask(const std::string& path, PixelDepth depth, MaskImage& out, std::string& error) {
    std::unique_ptr<OIIO::ImageInput> in;
    if (!openInput(path, in, error)) return false;
    const OIIO::ImageSpec& spec = in->spec();
    const int w = spec.width, h = spec.height;
    const size_t px = size_t(w) * h;
    out.width = w;
    out.height = h;
    out.v8.clear();
    out.v16.clear();
    const bool eightBitFile = spec.format == TypeDesc::UINT8;
    if (eightBitFile) {
        std::vector<uint8_t> v(px);
        if (!in->read_image(0, 0, 0, 1, TypeDesc::UINT8, v.data()))
            return failRead(*in, path, error);
        if (depth == PixelDepth::Eight) {
            out.v8 = std::move(v);
        } else {
            out.v16.resize(px);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    out.v16[size_t(h - 1 - y) * w + x] =
                        pixconv::maskFromU16(pixconv::u8ToU16(v[size_t(y) * w + x]));
        }
        return true;
    }
    std::vector<uint16_t> v(px);
    if (!in->read_image(0, 0, 0, 1, TypeDesc::UINT16, v.data())) return failRead(*in, path, error);
    if (depth == PixelDepth::Eight) {
        out.v8.resize(px);
        for (size_t i = 0; i < px; ++i) out.v8[i] = pixconv::u16ToU8(v[i]);
    } else {
        out.v16.resize(px);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.v16[size_t(h - 1 - y) * w + x] = pixconv::maskFromU16(v[size_t(y) * w + x]);
    }
    return true;
}

bool readUnsigned(const std::string& path, UnsignedFrame& out, std::string& error) {
    std::unique_ptr<OIIO::ImageInput> in;
    if (!openInput(path, in, error)) return false;
    const OIIO::ImageSpec& spec = in->spec();
    const int w = spec.width, h = spec.height, nch = std::min(spec.nchannels, 4);
    const size_t px = size_t(w) * h;
    out.width = w;
    out.height = h;
    out.eightBit = naturalDepth(spec) == PixelDepth::Eight;
    out.rgba8.clear();
    out.rgba16.clear();
    const TypeDesc t = out.eightBit ? TypeDesc::UINT8 : TypeDesc::UINT16;
    void* dst = nullptr;
    if (out.eightBit) {
        out.rgba8.resize(px * 4);
        dst = out.rgba8.data();
    } else {
        out.rgba16.resize(px * 4);
        dst = out.rgba16.data();
    }
    // Four channels or more are the layout already: read them in place.
    if (nch == 4) return in->read_image(0, 0, 0, 4, t, dst) || failRead(*in, path, error);
    std::vector<uint8_t> raw(px * nch * t.size());
    if (!in->read_image(0, 0, 0, nch, t, raw.data())) return failRead(*in, path, error);
    std::vector<float> none;  // only channels past the fourth would land here
    if (out.eightBit)
        spreadRows(raw.data(), nch, w, h, out.rgba8.data(), false, uint8_t(255), to8<uint8_t>,
                   none);
    else
        spreadRows((const uint16_t*)raw.data(), nch, w, h, out.rgba16.data(), false,
                   uint16_t(65535), [](uint16_t v) { return v; }, none);
    return true;
}

namespace {

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
                // Grey files keep the mean of the balanced colour.
                o[0] = conv(S((int32_t(row[0]) + row[1] + row[2]) / 3));
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

std::string tempNameFor(const std::filesystem::path& target) {
    const std::string ext = target.extension().string();
    std::filesystem::path dir = target.parent_path();
    // Hidden, beside the target (so the rename stays on one file system),
    // ending in the target's extension so the writer picks the same format.
    std::string name = target.filename().string();
    name.insert(0, 1, '.');
    name.append(".tmp").append(std::to_string(::getpid())).append(ext);
    return (dir / name).string();
}

}  // namespace

bool writeFrame(const std::string& path, const FileInfo& like, const FrameImage& img,
                std::string& error) {
    OIIO::ImageSpec spec = like.spec;
    spec.width = spec.full_width = img.width;
    spec.height = spec.full_height = img.height;
    spec.x = spec.y = spec.full_x = spec.full_y = 0;
    const int nch = spec.nchannels;
    const int w = img.width, h = img.height;
    const size_t px = size_t(w) * h;
    const TypeDesc fileType = spec.format;
    spec.attribute("oiio:UnassociatedAlpha", 1);

    // Elements to hand to OpenImageIO, in the type closest to the file's.
    std::vector<uint8_t> buf;
    const void* data = nullptr;
    TypeDesc type;
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

    const std::string temp = tempNameFor(path);
    if (temp.size() >= sizeof gTempPath) {
        error = "output path too long: \"" + path + "\"";
        return false;
    }
    auto out = OIIO::ImageOutput::create(path);
    if (!out) {
        std::string why = oneLine(OIIO::geterror());
        error = "cannot write \"" + path + "\"" + (why.empty() ? "" : ": " + why);
        return false;
    }
    std::memcpy(gTempPath, temp.c_str(), temp.size() + 1);
    gTempActive.store(true);
    bool ok = out->open(temp, spec) && out->write_image(type, data) && out->close();
    std::string why = oneLine(out->geterror());
    out.reset();
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            ok = false;
            why = ec.message();
        }
    }
    if (!ok) {
        std::filesystem::remove(temp, ec);
        error = "cannot write \"" + path + "\"" + (why.empty() ? "" : ": " + why);
    }
    gTempActive.store(false);
    return ok;
}

std::vector<uint8_t> displayPixels(const FrameImage& f) {
    if (f.depth == PixelDepth::Eight) return f.rgba8;
    std::vector<uint8_t> px(size_t(f.width) * f.height * 4);
    for (int y = 0; y < f.height; ++y) {
        const int16_t* row = f.rgba16.data() + size_t(f.height - 1 - y) * f.width * 4;
        for (size_t i = 0; i < size_t(f.width) * 4; ++i)
            px[size_t(y) * f.width * 4 + i] = pixconv::u16ToU8(pixconv::toU16(row[i]));
    }
    return px;
}

void installInterruptCleanup() {
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
}
