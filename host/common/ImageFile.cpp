#include "host/common/ImageFile.h"

#include <OpenImageIO/filesystem.h>
#include <OpenImageIO/thread.h>

#include "host/common/FrameConvert.h"
#include "host/common/OutputBatch.h"
#include "host/common/StderrCapture.h"
#include "host/common/UserText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

using OIIO::TypeDesc;

namespace {

constexpr int kMaxSide = 1 << 16;
constexpr size_t kMaxPixels = size_t(1) << 29;  // 16 GiB of 16-bit RGBA
// Files with many channels (render passes) are read whole, each channel as
// a float at most: a limit on the samples keeps that within memory.
constexpr int kMaxChannels = 1024;
constexpr size_t kMaxSamples = size_t(1) << 31;

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
        const std::string why = oneLine(OIIO::geterror());
        error = "cannot read " + quotedText(path) + (why.empty() ? "" : ": " + why);
        return false;
    }
    return acceptSpec(in->spec(), path, error);
}

bool failRead(OIIO::ImageInput& in, const std::string& path, std::string& error) {
    const std::string why = oneLine(in.geterror());
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
    const int nch = spec.nchannels;
    const TypeDesc t = readType(spec, depth);
    // Where the file's layout is the host's, read in place.
    if (nch == 4 && ((depth == PixelDepth::Eight && t == TypeDesc::UINT8) ||
                     (depth == PixelDepth::Float && t == TypeDesc::FLOAT))) {
        out.reshape(spec.width, spec.height, depth);
        if (!in->read_image(0, 0, 0, 4, t, out.data())) return failRead(*in, path, error);
        return true;
    }
    out.depth = depth;
    const size_t px = size_t(spec.width) * spec.height;
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
    out.depth = depth == PixelDepth::Auto ? naturalDepth(spec) : depth;
    const TypeDesc t = maskReadType(spec, out.depth);
    std::vector<uint8_t> raw(size_t(spec.width) * spec.height * t.size());
    if (!in->read_image(0, 0, 0, 1, t, raw.data())) return failRead(*in, path, error);
    unpackMask(spec.width, spec.height, t, raw.data(), out);
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

}  // namespace

// Writes the frame as a file like `like` into `temp`, in the format the
// name `path` says.
static bool writeImageFile(const std::string& path, const std::string& temp, const FileInfo& like,
                           const FrameImage& img, std::string& error) {
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

    auto fail = [&](const std::string& why) {
        error = "cannot write " + quotedText(path) + (why.empty() ? "" : ": " + why);
        return false;
    };
    auto out = OIIO::ImageOutput::create(path);
    if (!out) return fail(oneLine(OIIO::geterror()));
    // The writers do not all notice a write the system cut short (a full
    // disk, a size limit); the file they write through does.  The TIFF
    // writer checks its own writes and must read back what it wrote, which
    // this write-only file cannot give it.
    CheckedFile file(temp);
    const bool tiff = std::strcmp(out->format_name(), "tiff") == 0;
    const bool proxied = !tiff && out->supports("ioproxy") && out->set_ioproxy(&file);
    if (!proxied) file.close();
    const bool ok = out->open(temp, spec) && out->write_image(type, data) && out->close();
    const std::string why = oneLine(out->geterror());
    out.reset();
    file.close();
    if (!ok) return fail(why);
    if (file.failed()) return fail(file.why());
    // Other writers without the file: read it back whole before trusting it.
    if (!proxied && !tiff) {
        std::unique_ptr<OIIO::ImageInput> in = OIIO::ImageInput::open(temp);
        std::vector<float> check(size_t(spec.width) * spec.height * spec.nchannels);
        if (!in || !in->read_image(0, 0, 0, spec.nchannels, TypeDesc::FLOAT, check.data()))
            return fail("the written file does not read back (is the disk full?)");
    }
    return true;
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

bool stageFrame(OutputBatch& batch, const std::string& path, const FileInfo& like,
                const FrameImage& img, std::string& error) {
    return captured(error, [&] {
        return batch.stage(
            path,
            [&](const std::string& temp, std::string& why) {
                return writeImageFile(path, temp, like, img, why);
            },
            error);
    });
}

bool writeFrame(const std::string& path, const FileInfo& like, const FrameImage& img,
                std::string& error) {
    OutputBatch batch;
    return stageFrame(batch, path, like, img, error) && batch.commit(error);
}

bool canWriteImage(const std::string& path) {
    const bool ok = OIIO::ImageOutput::create(path) != nullptr;
    if (!ok) OIIO::geterror();  // not left for the next error to report
    return ok;
}

void startImageLibraryThreads() {
    OIIO::thread_pool* pool = OIIO::default_thread_pool();
    if (pool->size() < 2) pool->resize(2);
}

void stopImageLibraryThreads() { OIIO::default_thread_pool()->resize(0); }
