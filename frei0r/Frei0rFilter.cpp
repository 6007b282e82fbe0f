#include "frei0r/Frei0rFilter.h"

#include <cstring>
#include <new>

#include "engine/FnFrameRender.h"

namespace {
// Coordinates stay far inside 32 bits (regions add offsets to sizes), and a
// frame's bytes inside the address space.
constexpr uint64_t kMaxSide = uint64_t(1) << 30;
constexpr uint64_t kMaxBytes = uint64_t(PTRDIFF_MAX) / 2;
}  // namespace

std::unique_ptr<Frei0rFilter> Frei0rFilter::create(unsigned width, unsigned height) {
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide ||
        uint64_t(width) * height > kMaxBytes / sizeof(uint32_t))
        return nullptr;
    return std::unique_ptr<Frei0rFilter>(new (std::nothrow)
                                             Frei0rFilter(int32_t(width), int32_t(height)));
}

Frei0rFilter::Frei0rFilter(int32_t width, int32_t height) : width_(width), height_(height) {
    for (size_t i = 0; i < kFrei0rParamCount; ++i) {
        const Frei0rParam& p = kFrei0rParams[i];
        fractions_[i] = p.fractionOf(p.row().defaultValue);
    }
}

void Frei0rFilter::setParam(int index, double hostValue) {
    if (index < 0 || size_t(index) >= kFrei0rParamCount) return;
    const auto f = Frei0rParam::fraction(hostValue);
    if (!f) return;
    fractions_[size_t(index)] = *f;
    kFrei0rParams[size_t(index)].store(values_, *f);
}

std::optional<double> Frei0rFilter::param(int index) const {
    if (index < 0 || size_t(index) >= kFrei0rParamCount) return std::nullopt;
    return fractions_[size_t(index)];
}

void Frei0rFilter::update(const uint32_t* in, uint32_t* out) const {
    if (!in || !out) return;
    const ptrdiff_t rowBytes = ptrdiff_t(width_) * ptrdiff_t(sizeof(uint32_t));
    FnImage8 output, source;
    FnMaskImage8 mask;  // no pixels: no mask
    // The engine only reads the source.
    const bool wrapped = output.wrap(width_, height_, out, rowBytes) &&
                         source.wrap(width_, height_, const_cast<uint32_t*>(in), rowBytes);
    const FnFrameContext frame{.region = {.x0 = 0, .y0 = 0, .x1 = width_, .y1 = height_}};
    if (wrapped && fnRenderFrame(values_, frame, FnFrameOptions{}, output, source, mask).ok())
        return;
    if (in != out) std::memcpy(out, in, size_t(rowBytes) * size_t(height_));
}
