// Fuzz target: the host's image intake.  Rather than fuzzing the image
// library itself, it hands our conversions whatever the library could hand
// back: any size, channel count, element type, data-window offset and tile
// layout, with any pixel values.  The description is accepted or refused in
// one line; an accepted one converts into every frame layout and back into
// the file's elements without a read or write out of bounds, and 8-bit and
// float files come back with their own values, as colbalance promises at
// default settings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/common/FrameConvert.h"
#include "host/common/ImageFile.h"

using OIIO::TypeDesc;

namespace {

constexpr int kMaxSide = 48;

OIIO::ImageSpec spec(FuzzedDataProvider& in) {
    const TypeDesc types[] = {TypeDesc::UINT8,  TypeDesc::INT8,   TypeDesc::UINT16, TypeDesc::INT16,
                              TypeDesc::UINT32, TypeDesc::INT32,  TypeDesc::HALF,   TypeDesc::FLOAT,
                              TypeDesc::DOUBLE, TypeDesc::UNKNOWN};
    // Fields set one by one: a file's header can say what no constructor
    // would accept (negative sizes and channel counts).
    OIIO::ImageSpec s;
    s.width = in.ConsumeIntegralInRange(-2, kMaxSide);
    s.height = in.ConsumeIntegralInRange(-2, kMaxSide);
    s.nchannels = in.ConsumeIntegralInRange(-1, 9);
    s.format = types[in.ConsumeIntegralInRange<size_t>(0, std::size(types) - 1)];
    s.x = in.ConsumeIntegral<int32_t>();
    s.y = in.ConsumeIntegral<int32_t>();
    s.full_x = in.ConsumeIntegral<int32_t>();
    s.full_width = in.ConsumeIntegral<int32_t>();
    s.tile_width = in.ConsumeIntegralInRange(0, 64);
    s.tile_height = in.ConsumeIntegralInRange(0, 64);
    s.alpha_channel = in.ConsumeIntegralInRange(-1, 9);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const OIIO::ImageSpec s = spec(in);
    std::string error;
    if (!acceptSpec(s, "fuzz.exr", error)) {
        if (error.empty() || error.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    if (s.width > kMaxSide || s.height > kMaxSide || s.nchannels < 1) std::abort();
    const size_t px = size_t(s.width) * s.height;
    const int nch = s.nchannels;
    const PixelDepth depths[] = {naturalDepth(s), PixelDepth::Eight, PixelDepth::Sixteen,
                                 PixelDepth::Float};
    for (const PixelDepth depth : depths) {
        const TypeDesc t = readType(s, depth);
        std::vector<uint8_t> raw(px * nch * t.size());
        const std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(raw.size());
        if (!bytes.empty()) std::memcpy(raw.data(), bytes.data(), bytes.size());
        FrameImage frame;
        frame.width = s.width;
        frame.height = s.height;
        frame.depth = depth;
        FileInfo like;
        like.spec = s;
        unpackFrame(s, t, raw.data(), frame, like.extra);
        if (frame.bytes.size() != px * 4 * frame.facts().sampleBytes) std::abort();
        std::vector<uint8_t> buf;
        const void* out = nullptr;
        TypeDesc type;
        packFrame(like, frame, buf, out, type);
        if (!out) std::abort();
        if (out == buf.data() && buf.size() != px * nch * type.size()) std::abort();
        // Colour files of the types that run in their own storage come back
        // as they were (grey files keep the mean, which is their value).
        const bool own = (depth == PixelDepth::Eight && t == TypeDesc::UINT8 && type == t) ||
                         (depth == PixelDepth::Float && t == TypeDesc::FLOAT && type == t);
        if (own && nch >= 3 && std::memcmp(out, raw.data(), raw.size()) != 0) std::abort();
    }
    // The histogram's intake: 8-bit files as 8-bit, the others as 16-bit.
    UnsignedFrame counts;
    counts.width = s.width;
    counts.height = s.height;
    counts.eightBit = naturalDepth(s) == PixelDepth::Eight;
    const int kept = std::min(nch, 4);
    std::vector<uint8_t> raw(px * kept * (counts.eightBit ? 1 : 2));
    const std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(raw.size());
    if (!bytes.empty()) std::memcpy(raw.data(), bytes.data(), bytes.size());
    if (counts.eightBit)
        counts.rgba8.resize(px * 4);
    else
        counts.rgba16.resize(px * 4);
    unpackUnsigned(kept, raw.data(), counts);
    return 0;
}
