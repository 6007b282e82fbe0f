#include "host/ImageFile.h"

#include <OpenImageIO/filesystem.h>
#include <OpenImageIO/thread.h>

#include "host/CommandArgs.h"
#include "host/FrameConvert.h"
#include "host/PixelConvert.h"
#include "host/StderrCapture.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <type_traits>

using OIIO::TypeDesc;

namespace {

constexpr int kMaxSide = 1 << 16;
constexpr size_t kMaxPixels = size_t(1) << 29;  // 16 GiB of 16-bit RGBA
// Files with many channels (render passes) are read whole, each channel as
// a float at most: a limit on the samples keeps that within memory.
constexpr int kMaxChannels = 1024;
constexpr size_t kMaxSamples = size_t(1) << 31;

// Path of the temporary file in progress, for the signal handler.
char gTempPath[4096];
std::atomic<bool> gTempActive{false};

// Some image libraries end the program themselves on a write error (exit,
// not a return): the file in progress goes, and what the library said
// becomes colbalance's one line.
char gTargetPath[4096];

void onExit() {
    if (!gTempActive.load()) return;
    ::unlink(gTempPath);
    std::string said;
    if (StderrCapture* c = StderrCapture::current()) said = c->text();
    while (StderrCapture* c = StderrCapture::current()) c->release();
    std::fprintf(stderr, "colbalance: cannot write %s%s%s\n", quotedText(gTargetPath).c_str(),
                 said.empty() ? "" : ": ", said.c_str());
}

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

}  // namespace

bool acceptSpec(const OIIO::ImageSpec& s, const std::string& path, std::string& error) {
    const size_t px = size_t(std::max(s.width, 0)) * size_t(std::max(s.height, 0));
    if (s.width < 1 || s.height < 1 || s.nchannels < 1 || s.width > kMaxSide ||
        s.height > kMaxSide || px > kMaxPixels || s.nchannels > kMaxChannels ||
        px * size_t(s.nchannels) > kMaxSamples) {
        error = quotedText(path) + " has an unusable size (" + std::to_string(s.width) + "x" +
                std::to_string(s.height) + ", " + std::to_string(s.nchannels) + " channels)";
        return false;
    }
    return true;
}

namespace {

bool openInput(const std::string& path, std::unique_ptr<OIIO::ImageInput>& in, std::string& error) {
    // Pixels are balanced as stored: no premultiplication on the way in, so
    // a file rendered with default settings comes back unchanged.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    in = OIIO::ImageInput::open(path, &config);
    if (!in) {
        std::string why = oneLine(OIIO::geterror());
        error = "cannot read " + quotedText(path) + (why.empty() ? "" : ": " + why);
        return false;
    }
    return acceptSpec(in->spec(), path, error);
}

bool failRead(OIIO::ImageInput& in, const std::string& path, std::string& error) {
    std::string why = oneLine(in.geterror());
    error =
        "cannot read " + quotedText(path) + (why.empty() ? " (truncated or corrupt)" : ": " + why);
    return false;
}

}  // namespace

PixelDepth naturalDepth(const OIIO::ImageSpec& spec) {
    if (spec.format == TypeDesc::UINT8) return PixelDepth::Eight;
    return isFloatType(spec.format) ? PixelDepth::Float : PixelDepth::Sixteen;
}

static bool readFrameQuietly(const std::string& path, PixelDepth depth, FrameImage& out,
                             FileInfo& info, std::string& error) {
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
    // The buffer of the frame's depth keeps its size: a sequence reads into
    // the same frames again, without clearing them first.
    if (depth != PixelDepth::Eight) out.rgba8.clear();
    if (depth != PixelDepth::Sixteen) out.rgba16.clear();
    if (depth != PixelDepth::Float) out.rgbaF.clear();

    // Where the file's layout is the host's, read in place.
    if (depth == PixelDepth::Eight && t == TypeDesc::UINT8 && nch == 4) {
        out.rgba8.resize(px * 4);
        if (!in->read_image(0, 0, 0, 4, TypeDesc::UINT8, out.rgba8.data()))
            return failRead(*in, path, error);
        return true;
    }
    if (depth == PixelDepth::Float && t == TypeDesc::FLOAT && nch == 4) {
        out.rgbaF.resize(px * 4);
        if (!in->read_image(0, 0, 0, 4, TypeDesc::FLOAT, out.rgbaF.data()))
            return failRead(*in, path, error);
        return true;
    }
    std::vector<uint8_t> raw(px * nch * t.size());
    if (!in->read_image(0, 0, 0, nch, t, raw.data())) return failRead(*in, path, error);
    unpackFrame(spec, t, raw.data(), out, info.extra);
    return true;
}

static bool readMaskQuietly(const std::string& path, PixelDepth depth, MaskImage& out,
                            std::string& error) {
    std::unique_ptr<OIIO::ImageInput> in;
    if (!openInput(path, in, error)) return false;
    const OIIO::ImageSpec& spec = in->spec();
    const int w = spec.width, h = spec.height;
    const size_t px = size_t(w) * h;
    out.width = w;
    out.height = h;
    out.v8.clear();
    out.v16.clear();
    out.vF.clear();
    const bool eightBitFile = spec.format == TypeDesc::UINT8;
    if (depth == PixelDepth::Float) {
        // Float masks as they are; 8- and 16-bit ones as v / 255, v / 65535.
        out.vF.resize(px);
        if (isFloatType(spec.format)) {
            if (!in->read_image(0, 0, 0, 1, TypeDesc::FLOAT, out.vF.data()))
                return failRead(*in, path, error);
        } else if (eightBitFile) {
            std::vector<uint8_t> v(px);
            if (!in->read_image(0, 0, 0, 1, TypeDesc::UINT8, v.data()))
                return failRead(*in, path, error);
            for (size_t i = 0; i < px; ++i) out.vF[i] = pixconv::u8ToFloat(v[i]);
        } else {
            std::vector<uint16_t> v(px);
            if (!in->read_image(0, 0, 0, 1, TypeDesc::UINT16, v.data()))
                return failRead(*in, path, error);
            for (size_t i = 0; i < px; ++i) out.vF[i] = pixconv::u16ToFloat(v[i]);
        }
        return true;
    }
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

static bool readUnsignedQuietly(const std::string& path, UnsignedFrame& out, std::string& error) {
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
    unpackUnsigned(nch, raw.data(), out);
    return true;
}

namespace {

// A file written through the image library that remembers whether the
// system ever wrote less than it was asked to.
class CheckedFile final : public OIIO::Filesystem::IOFile {
public:
    explicit CheckedFile(const std::string& path) : IOFile(path, Write) {
        if (!m_file) note(errno);
    }
    size_t write(const void* buf, size_t size) override {
        return checked(IOFile::write(buf, size), size);
    }
    size_t pwrite(const void* buf, size_t size, int64_t offset) override {
        return checked(IOFile::pwrite(buf, size, offset), size);
    }
    void close() override {
        if (m_file && (std::fflush(m_file) != 0 || std::ferror(m_file))) note(errno);
        IOFile::close();
    }
    bool failed() const { return err_ != 0; }
    std::string why() const { return std::strerror(err_); }

private:
    size_t checked(size_t done, size_t asked) {
        if (done < asked) note(errno);
        return done;
    }
    void note(int e) {
        if (!err_) err_ = e ? e : EIO;
    }
    int err_ = 0;
};

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

static bool writeFrameQuietly(const std::string& path, const FileInfo& like, const FrameImage& img,
                              std::string& error) {
    OIIO::ImageSpec spec = like.spec;
    spec.width = spec.full_width = img.width;
    spec.height = spec.full_height = img.height;
    spec.x = spec.y = spec.full_x = spec.full_y = 0;
    spec.attribute("oiio:UnassociatedAlpha", 1);

    // Elements to hand to OpenImageIO, in the type closest to the file's,
    // in a buffer that stays with the writing thread from frame to frame.
    thread_local std::vector<uint8_t> buf;
    const void* data = nullptr;
    TypeDesc type;
    packFrame(like, img, buf, data, type);

    const std::string temp = tempNameFor(path);
    if (temp.size() >= sizeof gTempPath) {
        error = "output path too long: " + quotedText(path);
        return false;
    }
    auto out = OIIO::ImageOutput::create(path);
    if (!out) {
        std::string why = oneLine(OIIO::geterror());
        error = "cannot write " + quotedText(path) + (why.empty() ? "" : ": " + why);
        return false;
    }
    std::memcpy(gTempPath, temp.c_str(), temp.size() + 1);
    std::snprintf(gTargetPath, sizeof gTargetPath, "%s", path.c_str());
    gTempActive.store(true);
    bool ok;
    std::string why;
    {
        // The writers do not all notice a write the system cut short (a full
        // disk, a size limit); the file they write through does.  The TIFF
        // writer checks its own writes and must read back what it wrote,
        // which this write-only file cannot give it.
        CheckedFile file(temp);
        const bool tiff = std::strcmp(out->format_name(), "tiff") == 0;
        const bool proxied = !tiff && out->supports("ioproxy") && out->set_ioproxy(&file);
        if (!proxied) file.close();
        ok = out->open(temp, spec) && out->write_image(type, data) && out->close();
        why = oneLine(out->geterror());
        out.reset();
        file.close();
        if (ok && file.failed()) {
            ok = false;
            why = file.why();
        }
        // Other writers without the file: read it back whole before trusting it.
        if (ok && !proxied && !tiff) {
            std::unique_ptr<OIIO::ImageInput> in = OIIO::ImageInput::open(temp);
            std::vector<float> check(size_t(spec.width) * spec.height * spec.nchannels);
            if (!in || !in->read_image(0, 0, 0, spec.nchannels, TypeDesc::FLOAT, check.data())) {
                ok = false;
                why = "the written file does not read back (is the disk full?)";
            }
        }
    }
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
        error = "cannot write " + quotedText(path) + (why.empty() ? "" : ": " + why);
    }
    gTempActive.store(false);
    return ok;
}

std::vector<uint8_t> displayPixels(const FrameImage& f) {
    if (f.depth == PixelDepth::Eight) return f.rgba8;
    std::vector<uint8_t> px(size_t(f.width) * f.height * 4);
    if (f.depth == PixelDepth::Float) {
        for (size_t i = 0; i < px.size(); ++i) px[i] = pixconv::floatToU8(f.rgbaF[i]);
        return px;
    }
    for (int y = 0; y < f.height; ++y) {
        const int16_t* row = f.rgba16.data() + size_t(f.height - 1 - y) * f.width * 4;
        for (size_t i = 0; i < size_t(f.width) * 4; ++i)
            px[size_t(y) * f.width * 4 + i] = pixconv::u16ToU8(pixconv::toU16(row[i]));
    }
    return px;
}

// The image libraries may print their own messages beside returning an
// error; they are caught and folded into the one line of the error.
template <class F>
static bool captured(std::string& error, F&& f) {
    StderrCapture capture;
    if (f()) return true;
    const std::string said = capture.text();
    if (!said.empty() && error.find(said) == std::string::npos) error += " (" + said + ")";
    return false;
}

bool readFrame(const std::string& path, PixelDepth depth, FrameImage& out, FileInfo& info,
               std::string& error) {
    return captured(error, [&] { return readFrameQuietly(path, depth, out, info, error); });
}

bool readMask(const std::string& path, PixelDepth depth, MaskImage& out, std::string& error) {
    return captured(error, [&] { return readMaskQuietly(path, depth, out, error); });
}

bool readUnsigned(const std::string& path, UnsignedFrame& out, std::string& error) {
    return captured(error, [&] { return readUnsignedQuietly(path, out, error); });
}

bool writeFrame(const std::string& path, const FileInfo& like, const FrameImage& img,
                std::string& error) {
    return captured(error, [&] { return writeFrameQuietly(path, like, img, error); });
}

bool canWriteImage(const std::string& path) {
    const bool ok = OIIO::ImageOutput::create(path) != nullptr;
    if (!ok) OIIO::geterror();  // not left for the next error to report
    return ok;
}

void installInterruptCleanup() {
    static const bool atExit = std::atexit(onExit) == 0;
    (void)atExit;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
}

void startImageLibraryThreads() {
    OIIO::thread_pool* pool = OIIO::default_thread_pool();
    if (pool->size() < 2) pool->resize(2);
}

void stopImageLibraryThreads() { OIIO::default_thread_pool()->resize(0); }
