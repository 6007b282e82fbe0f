#include "tests/openfx/OfxTestFrame.h"

#include <OpenImageIO/imageio.h>

#include <cstring>

#include "ofxImageEffect.h"

namespace {

int channelsOf(const std::string& components) {
    if (components == kOfxImageComponentRGBA) return 4;
    if (components == kOfxImageComponentRGB) return 3;
    if (components == kOfxImageComponentAlpha) return 1;
    return 0;
}

OIIO::TypeDesc typeOf(const std::string& depth) {
    if (depth == kOfxBitDepthByte) return OIIO::TypeDesc::UINT8;
    if (depth == kOfxBitDepthShort) return OIIO::TypeDesc::UINT16;
    if (depth == kOfxBitDepthFloat) return OIIO::TypeDesc::FLOAT;
    return OIIO::TypeDesc::UNKNOWN;
}

}  // namespace

OfxTestFrame::OfxTestFrame(std::string depth, std::string components, OfxRectI bounds, Rows rows)
    : depth_(std::move(depth)),
      components_(std::move(components)),
      channels_(channelsOf(components_)),
      elemBytes_(int(typeOf(depth_).size())),
      bounds_(bounds),
      rows_(rows) {
    if (!empty() && bytesPerPixel() > 0)
        bytes_.assign(size_t(width()) * size_t(height()) * size_t(bytesPerPixel()), 0);
}

int OfxTestFrame::rowBytes() const {
    const int stride = width() * bytesPerPixel();
    return rows_ == Rows::BottomUp ? stride : -stride;
}

const void* OfxTestFrame::pixel(int x, int y) const {
    if (x < bounds_.x1 || x >= bounds_.x2 || y < bounds_.y1 || y >= bounds_.y2 || bytes_.empty())
        return nullptr;
    const int row = rows_ == Rows::BottomUp ? y - bounds_.y1 : bounds_.y2 - 1 - y;
    const size_t stride = size_t(width()) * size_t(bytesPerPixel());
    return bytes_.data() + size_t(row) * stride + size_t(x - bounds_.x1) * size_t(bytesPerPixel());
}

void* OfxTestFrame::pixel(int x, int y) {
    return const_cast<void*>(static_cast<const OfxTestFrame*>(this)->pixel(x, y));
}

double OfxTestFrame::channel(int x, int y, int c) const {
    const auto* p = static_cast<const unsigned char*>(pixel(x, y));
    if (elemBytes_ == 1) return p[c];
    if (elemBytes_ == 2) {
        uint16_t v;
        std::memcpy(&v, p + 2 * c, 2);
        return v;
    }
    float f;
    std::memcpy(&f, p + 4 * c, 4);
    return f;
}

void OfxTestFrame::setChannel(int x, int y, int c, double v) {
    auto* p = static_cast<unsigned char*>(pixel(x, y));
    if (elemBytes_ == 1) {
        p[c] = uint8_t(v);
    } else if (elemBytes_ == 2) {
        const auto s = uint16_t(v);
        std::memcpy(p + 2 * c, &s, 2);
    } else {
        const auto f = float(v);
        std::memcpy(p + 4 * c, &f, 4);
    }
}

void OfxTestFrame::fill(uint8_t byte) { std::memset(bytes_.data(), byte, bytes_.size()); }

OfxTestFrame OfxTestFrame::read(const std::string& path, const std::string& depth,
                                std::string& error) {
    // Values as stored: no alpha association applied either way, as
    // colbalance reads and writes them.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto in = OIIO::ImageInput::open(path, &config);
    if (!in) {
        error = "cannot read " + path + ": " + OIIO::geterror();
        return {};
    }
    in->threads(1);  // frames are small: no pool threads
    const OIIO::ImageSpec& spec = in->spec();
    if (spec.nchannels < 1 || spec.nchannels == 2 || typeOf(depth) == OIIO::TypeDesc::UNKNOWN) {
        error = "cannot read " + path + " as " + depth;
        return {};
    }
    const int channels = spec.nchannels >= 4 ? 4 : spec.nchannels;
    const char* components = channels == 4   ? kOfxImageComponentRGBA
                             : channels == 3 ? kOfxImageComponentRGB
                                             : kOfxImageComponentAlpha;
    OfxTestFrame frame(depth, components, {0, 0, spec.width, spec.height});
    // The file's top row lands on the frame's top row, y = height - 1.
    const int stride = frame.rowBytes();
    auto* bottom = static_cast<unsigned char*>(frame.pixel(0, 0));
    if (!in->read_image(0, 0, 0, channels, typeOf(depth),
                        bottom + ptrdiff_t(spec.height - 1) * stride, OIIO::AutoStride,
                        -ptrdiff_t(stride))) {
        error = "cannot read " + path + ": " + in->geterror();
        return {};
    }
    return frame;
}

bool OfxTestFrame::write(const std::string& path, std::string& error) const {
    auto out = OIIO::ImageOutput::create(path);
    if (!out || empty()) {
        error = "cannot write " + path;
        return false;
    }
    out->threads(1);
    OIIO::ImageSpec spec(width(), height(), channels(), typeOf(depth_));
    spec.attribute("oiio:UnassociatedAlpha", 1);
    // The top row first, as files hold it.
    const auto* top = static_cast<const unsigned char*>(pixel(bounds_.x1, bounds_.y2 - 1));
    if (!out->open(path, spec) ||
        !out->write_image(typeOf(depth_), top, OIIO::AutoStride, -ptrdiff_t(rowBytes())) ||
        !out->close()) {
        error = "cannot write " + path + ": " + out->geterror();
        return false;
    }
    return true;
}
