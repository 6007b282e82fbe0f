#include "openfx/ColBalanceOfxRender.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

#include "engine/FnFrameRender.h"
#include "engine/FnStorageTraits.h"
#include "host/common/PixelConvert.h"

namespace {

// How a host's elements meet one storage format: the host element type,
// and the conversions of colour and of masks, both ways for colour.
template <class Traits>
struct HostElements {
    using T = typename Traits::Pixel::Elem;  // byte and float: as stored
    static constexpr bool kAsStored = true;
    static T in(T v) { return v; }
    static T out(T v) { return v; }
    static auto mask(T v) { return v; }
};
template <>
struct HostElements<FnStorage16> {
    using T = uint16_t;
    static constexpr bool kAsStored = false;
    static int16_t in(uint16_t v) { return pixconv::fromU16(v); }
    static uint16_t out(int16_t s) { return pixconv::toU16(s); }
    static int16_t mask(uint16_t v) { return pixconv::maskFromU16(v); }
};

// Full alpha in host elements.
template <class T>
constexpr T fullOf() {
    if constexpr (std::is_floating_point_v<T>)
        return T(1);
    else
        return std::numeric_limits<T>::max();
}

// Colour c over alpha a, and back (see the header for the rules).
template <class T>
T unpremultiply(T c, T a) {
    if constexpr (std::is_floating_point_v<T>) {
        return a > 0 ? c / a : T(0);
    } else {
        constexpr uint64_t kMax = std::numeric_limits<T>::max();
        if (a == 0) return 0;
        return T(std::min<uint64_t>(kMax, (uint64_t(c) * kMax + a / 2) / a));
    }
}
template <class T>
T premultiply(T c, T a) {
    if constexpr (std::is_floating_point_v<T>) {
        return a > 0 ? c * a : T(0);
    } else {
        constexpr uint64_t kMax = std::numeric_limits<T>::max();
        return T((uint64_t(c) * a + kMax / 2) / kMax);
    }
}

FnStorageFormat formatOf(ColBalanceOfxImage::Depth d) {
    switch (d) {
    case ColBalanceOfxImage::Depth::Short: return FnStorageFormat::k16;
    case ColBalanceOfxImage::Depth::Float: return FnStorageFormat::kF32;
    default: return FnStorageFormat::k8;
    }
}

// Places a texture at `x0, y0` in the host's pixel coordinates.
template <class Texture>
void place(Texture& tex, int x0, int y0) {
    tex.setOffset(x0, y0);
    tex.setDataOrigin(x0, y0);
}

// Wraps a host image in place; false when the engine cannot address it.
template <class Texture>
bool wrap(std::optional<Texture>& tex, const ColBalanceOfxImage& image) {
    tex.emplace();
    if (!tex->wrap(image.width(), image.height(), image.data(), image.rowBytes())) return false;
    place(*tex, image.bounds().x1, image.bounds().y1);
    return true;
}

// A texture of the window's size, placed on it; false when it cannot be had.
template <class Texture>
bool allocate(std::optional<Texture>& tex, const OfxRectI& w) {
    tex.emplace(w.x2 - w.x1, w.y2 - w.y1);
    if (!tex->pixels()) return false;
    place(*tex, w.x1, w.y1);
    return true;
}

template <class Traits>
class Pass {
public:
    using Host = HostElements<Traits>;
    using H = typename Host::T;
    using Image = typename Traits::Image;
    using MaskImage = typename Traits::MaskImage;

    explicit Pass(const ColBalanceOfxRenderArgs& a) : a_(a), w_(a.window) {}

    OfxStatus run(std::string& why) {
        const bool premultiplied = a_.source->channels() == 4 && a_.source->premultiplied();
        const bool direct = Host::kAsStored && a_.output->channels() == 4 && !premultiplied;
        std::optional<Image> output, source;
        std::optional<MaskImage> mask(std::in_place);
        if (direct) {
            if (!wrap(output, *a_.output) || !wrap(source, *a_.source)) {
                why = "the images cannot be addressed";
                return kOfxStatErrImageFormat;
            }
        } else if (!allocate(output, w_) || !allocate(source, w_)) {
            why = "no memory for the render window";
            return kOfxStatErrMemory;
        } else {
            copySource(*source, premultiplied);
        }
        if (a_.mask) {
            if constexpr (Host::kAsStored) {
                if (!wrap(mask, *a_.mask)) {
                    why = "the mask cannot be addressed";
                    return kOfxStatErrImageFormat;
                }
            } else {
                if (!allocate(mask, w_)) {
                    why = "no memory for the render window";
                    return kOfxStatErrMemory;
                }
                copyMask(*mask);
            }
        }
        const FnFrameContext frame{.region = {.x0 = w_.x1, .y0 = w_.y1, .x1 = w_.x2, .y1 = w_.y2},
                                   .interrupt = a_.interrupt};
        const FnFrameOptions options{.channelMask = true, .paint = a_.mask != nullptr};
        if (!fnRenderFrame(a_.params, frame, options, *output, *source, *mask).ok()) {
            why = "no memory for the render";
            return kOfxStatErrMemory;
        }
        if (!direct && !frame.interrupted()) copyOutput(*output, premultiplied);
        return kOfxStatOK;
    }

private:
    // The source over the window in storage; outside the source's bounds
    // transparent black, as the engine reads a missing pixel.
    void copySource(Image& dst, bool premultiplied) const {
        const ColBalanceOfxImage& src = *a_.source;
        const int n = src.channels();
        for (int y = w_.y1; y < w_.y2; ++y) {
            for (int x = w_.x1; x < w_.x2; ++x) {
                auto& p = *dst.at(x, y);
                if (!src.contains(x, y)) {
                    p = {};
                    continue;
                }
                const H* s = src.at<const H>(x, y);
                const H alpha = n == 4 ? s[3] : fullOf<H>();
                H c[3] = {s[0], s[1], s[2]};
                if (premultiplied)
                    for (H& v : c) v = unpremultiply(v, alpha);
                p.r = Host::in(c[0]);
                p.g = Host::in(c[1]);
                p.b = Host::in(c[2]);
                p.a = Host::in(alpha);
            }
        }
    }

    void copyMask(MaskImage& dst) const {
        const ColBalanceOfxImage& src = *a_.mask;
        for (int y = w_.y1; y < w_.y2; ++y)
            for (int x = w_.x1; x < w_.x2; ++x)
                dst.at(x, y)->v = src.contains(x, y) ? Host::mask(*src.at<const H>(x, y)) : 0;
    }

    void copyOutput(const Image& src, bool premultiplied) const {
        const ColBalanceOfxImage& out = *a_.output;
        const int n = out.channels();
        for (int y = w_.y1; y < w_.y2; ++y) {
            for (int x = w_.x1; x < w_.x2; ++x) {
                const auto& p = *src.at(x, y);
                H* d = out.at<H>(x, y);
                const H alpha = Host::out(p.a);
                H c[3] = {Host::out(p.r), Host::out(p.g), Host::out(p.b)};
                if (premultiplied)
                    for (H& v : c) v = premultiply(v, alpha);
                d[0] = c[0];
                d[1] = c[1];
                d[2] = c[2];
                if (n == 4) d[3] = alpha;
            }
        }
    }

    const ColBalanceOfxRenderArgs& a_;
    const OfxRectI w_;
};

}  // namespace

OfxStatus ColBalanceOfxRender::run(const ColBalanceOfxRenderArgs& args, std::string& why) {
    const OfxRectI& w = args.window;
    if (w.x2 <= w.x1 || w.y2 <= w.y1) return kOfxStatOK;
    return fnDispatchFormat(formatOf(args.output->depth()),
                            [&]<class Traits>() { return Pass<Traits>(args).run(why); });
}
