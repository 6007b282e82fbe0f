#include "openfx/ColBalanceOfxRender.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <type_traits>

#include "engine/FnFrameRender.h"
#include "engine/FnParallel.h"
#include "engine/FnRowFunctions.h"
#include "engine/FnStorageTraits.h"
#include "host/common/PixelConvert.h"
#include "openfx/ColBalanceOfxRows.h"

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
bool wrap(Texture& tex, const ColBalanceOfxImage& image) {
    if (!tex.wrap(image.width(), image.height(), image.data(), image.rowBytes())) return false;
    place(tex, image.bounds().x1, image.bounds().y1);
    return true;
}

// A texture of `width` x `height`; false when it cannot be had.
template <class Texture>
bool allocate(std::optional<Texture>& tex, int32_t width, int32_t height) {
    tex.emplace(width, height);
    return tex->pixels() != nullptr;
}

// Storage bytes per image a piece holds: a piece's source, output and mask
// rows then stay in a core's cache from their conversion through the
// render to the conversion back.
constexpr size_t kPieceBytes = size_t(128) << 10;

template <class Traits>
class Pass {
public:
    using Host = HostElements<Traits>;
    using H = typename Host::T;
    using Image = typename Traits::Image;
    using MaskImage = typename Traits::MaskImage;
    using Pixel = typename Image::StorageColour;
    // The pixels' channels lie side by side (engine/FnPixel.h).
    static_assert(sizeof(Pixel) == 4 * sizeof(typename Pixel::Elem));
    using MaskPixel = typename MaskImage::StorageColour;

    explicit Pass(const ColBalanceOfxRenderArgs& a)
        : a_(a),
          w_(a.window),
          premultiplied_(a.source->channels() == 4 && a.source->premultiplied()),
          options_{.channelMask = true, .paint = a.mask != nullptr} {}

    OfxStatus run(std::string& why) {
        const OfxStatus st = Host::kAsStored && a_.output->channels() == 4 && !premultiplied_
                                 ? inPlace()
                                 : inPieces();
        if (st == kOfxStatErrImageFormat) why = "the images cannot be addressed";
        if (st == kOfxStatErrMemory) why = "no memory for the render";
        return st;
    }

private:
    FnFrameContext frameOf(int32_t y1, int32_t y2) const {
        return {.region = {.x0 = w_.x1, .y0 = y1, .x1 = w_.x2, .y1 = y2},
                .interrupt = a_.interrupt};
    }

    // Byte and float RGBA, not premultiplied: the engine reads and writes
    // the host's images as they are.
    OfxStatus inPlace() const {
        Image output, source;
        MaskImage mask;
        if (!wrap(output, *a_.output) || !wrap(source, *a_.source) ||
            (a_.mask && !wrap(mask, *a_.mask)))
            return kOfxStatErrImageFormat;
        if (!fnRenderFrame(a_.params, frameOf(w_.y1, w_.y2), options_, output, source, mask).ok())
            return kOfxStatErrMemory;
        return kOfxStatOK;
    }

    // Everything else goes a piece of rows at a time, in one band per
    // processor: the piece's source (and mask) converted into storage, the
    // piece rendered, the result converted into the host's output, while
    // the piece's rows are in the caches.
    OfxStatus inPieces() const {
        const int32_t width = w_.x2 - w_.x1;
        const size_t outBytes =
            size_t(width) * size_t(a_.output->channels()) * sizeof(H) * size_t(w_.y2 - w_.y1);
        // Frames past the caches go to the host's memory with streaming
        // stores, as the engine writes them.
        const FnCopyBytesFn stream = fnStreamStores(FnStoreMode::kAuto, outBytes, {}, {})
                                         ? fnStreamCopyFunction(FnBalancePath::kAuto)
                                         : nullptr;
        std::atomic<OfxStatus> failure{kOfxStatOK};
        runParallel([&] {
            const FnBandRange b = fnBandRows(w_.y2 - w_.y1, threadCount(), threadIndex());
            if (b.first >= b.end) return;
            const OfxStatus st = band(w_.y1 + b.first, w_.y1 + b.end, stream);
            OfxStatus ok = kOfxStatOK;
            if (st != kOfxStatOK) failure.compare_exchange_strong(ok, st);
        });
        return failure.load();
    }

    // Rows [first, end) of the window.
    OfxStatus band(int32_t first, int32_t end, FnCopyBytesFn stream) const {
        const int32_t width = w_.x2 - w_.x1;
        const int32_t rows = int32_t(std::clamp<size_t>(
            kPieceBytes / (size_t(width) * sizeof(Pixel)), 1, size_t(end - first)));
        FnFrameRenderer<Traits> renderer(a_.params, options_);
        std::optional<Image> output, source;
        std::optional<MaskImage> mask(std::in_place);
        std::unique_ptr<H[]> hostRow;
        if (stream)
            hostRow.reset(new (std::nothrow) H[size_t(width) * size_t(a_.output->channels())]);
        if (!renderer.ok() || !allocate(output, width, rows) || !allocate(source, width, rows) ||
            (stream && !hostRow))
            return kOfxStatErrMemory;
        // Byte and float masks are read where they are.
        const bool maskRows = a_.mask && !Host::kAsStored;
        if (maskRows && !allocate(mask, width, rows)) return kOfxStatErrMemory;
        if (a_.mask && !maskRows && !wrap(*mask, *a_.mask)) return kOfxStatErrImageFormat;

        for (int32_t y1 = first; y1 < end; y1 += rows) {
            if (fnShouldStop(a_.interrupt)) break;
            const int32_t y2 = std::min(end, y1 + rows);
            place(*output, w_.x1, y1);
            place(*source, w_.x1, y1);
            if (maskRows) place(*mask, w_.x1, y1);
            for (int32_t y = y1; y < y2; ++y) {
                sourceRow(y, source->at(w_.x1, y));
                if (maskRows) maskRow(y, mask->at(w_.x1, y));
            }
            const FnFrameContext frame = frameOf(y1, y2);
            if (!renderer.render(frame, *output, *source, *mask).ok()) return kOfxStatErrMemory;
            // An interrupted piece has rows the engine did not reach.
            if (frame.interrupted()) break;
            for (int32_t y = y1; y < y2; ++y)
                outputRow(y, output->at(w_.x1, y), hostRow.get(), stream);
        }
        return kOfxStatOK;
    }

    // Row y of `image` over the window into `d`: zero where the image has
    // no pixels (transparent black, no mask, as the engine reads a missing
    // pixel), `convert(host, storage, count)` over the columns it covers.
    template <class P, class Convert>
    void coverRow(const ColBalanceOfxImage& image, int32_t y, P* d, Convert&& convert) const {
        const OfxRectI& b = image.bounds();
        const bool inside = y >= b.y1 && y < b.y2;
        const int32_t x1 = inside ? std::clamp(b.x1, w_.x1, w_.x2) : w_.x1;
        const int32_t x2 = inside ? std::clamp(b.x2, x1, w_.x2) : w_.x1;
        std::fill(d, d + (x1 - w_.x1), P{});
        std::fill(d + (x2 - w_.x1), d + (w_.x2 - w_.x1), P{});
        if (x1 < x2) convert(image.at<const H>(x1, y), d + (x1 - w_.x1), x2 - x1);
    }

    void sourceRow(int32_t y, Pixel* d) const {
        coverRow(*a_.source, y, d, [&](const H* s, Pixel* o, int32_t n) {
            if (a_.source->channels() == 3)
                toStorage<3, false>(s, o, n);
            else if (premultiplied_)
                toStorage<4, true>(s, o, n);
            else
                toStorage<4, false>(s, o, n);
        });
    }

    template <int N, bool Premultiplied>
    static void toStorage(const H* s, Pixel* o, int32_t n) {
        using Elem = typename Pixel::Elem;
        if constexpr (N == 4 && !Premultiplied && !Host::kAsStored) {
            colBalanceOfxRows16().toStorage(s, reinterpret_cast<Elem*>(o), size_t(n) * 4);
            return;
        } else if constexpr (N == 4 && !Premultiplied) {
            // Channel for channel: one flat loop the compiler vectorises.
            Elem* e = reinterpret_cast<Elem*>(o);
            for (int32_t i = 0; i < 4 * n; ++i) e[i] = Host::in(s[i]);
            return;
        }
        for (int32_t i = 0; i < n; ++i, s += N) {
            const H alpha = N == 4 ? s[N - 1] : fullOf<H>();
            H c[3] = {s[0], s[1], s[2]};
            if constexpr (Premultiplied)
                for (H& v : c) v = unpremultiply(v, alpha);
            o[i].r = Host::in(c[0]);
            o[i].g = Host::in(c[1]);
            o[i].b = Host::in(c[2]);
            o[i].a = Host::in(alpha);
        }
    }

    void maskRow(int32_t y, MaskPixel* d) const {
        coverRow(*a_.mask, y, d, [](const H* s, MaskPixel* o, int32_t n) {
            if constexpr (!Host::kAsStored && sizeof(MaskPixel) == sizeof(int16_t)) {
                colBalanceOfxRows16().maskToStorage(s, reinterpret_cast<int16_t*>(o), size_t(n));
                return;
            }
            for (int32_t i = 0; i < n; ++i) o[i].v = Host::mask(s[i]);
        });
    }

    // Output row y from storage into the host's image (through `buffer`
    // and streaming stores when `stream` is set).
    void outputRow(int32_t y, const Pixel* p, H* buffer, FnCopyBytesFn stream) const {
        const ColBalanceOfxImage& out = *a_.output;
        const int32_t n = w_.x2 - w_.x1;
        H* d = out.at<H>(w_.x1, y);
        if constexpr (!Host::kAsStored) {
            const auto streaming = colBalanceOfxRows16().fromStorageStreaming;
            if (stream && streaming && out.channels() == 4 && !premultiplied_) {
                streaming(reinterpret_cast<const int16_t*>(p), d, size_t(n) * 4);
                return;
            }
        }
        H* to = stream ? buffer : d;
        if (out.channels() == 3)
            fromStorage<3, false>(p, to, n);
        else if (premultiplied_)
            fromStorage<4, true>(p, to, n);
        else
            fromStorage<4, false>(p, to, n);
        if (stream) stream(buffer, d, size_t(n) * size_t(out.channels()) * sizeof(H));
    }

    template <int N, bool Premultiplied>
    static void fromStorage(const Pixel* p, H* d, int32_t n) {
        if constexpr (N == 4 && !Premultiplied && !Host::kAsStored) {
            colBalanceOfxRows16().fromStorage(reinterpret_cast<const int16_t*>(p), d,
                                              size_t(n) * 4);
            return;
        } else if constexpr (N == 4 && !Premultiplied) {
            const auto* e = reinterpret_cast<const typename Pixel::Elem*>(p);
            for (int32_t i = 0; i < 4 * n; ++i) d[i] = Host::out(e[i]);
            return;
        }
        for (int32_t i = 0; i < n; ++i, d += N) {
            const H alpha = Host::out(p[i].a);
            H c[3] = {Host::out(p[i].r), Host::out(p[i].g), Host::out(p[i].b)};
            if constexpr (Premultiplied)
                for (H& v : c) v = premultiply(v, alpha);
            d[0] = c[0];
            d[1] = c[1];
            d[2] = c[2];
            if constexpr (N == 4) d[3] = alpha;
        }
    }

    const ColBalanceOfxRenderArgs& a_;
    const OfxRectI w_;
    const bool premultiplied_;
    const FnFrameOptions options_;
};

}  // namespace

OfxStatus ColBalanceOfxRender::run(const ColBalanceOfxRenderArgs& args, std::string& why) {
    const OfxRectI& w = args.window;
    if (w.x2 <= w.x1 || w.y2 <= w.y1) return kOfxStatOK;
    return fnDispatchFormat(formatOf(args.output->depth()),
                            [&]<class Traits>() { return Pass<Traits>(args).run(why); });
}
