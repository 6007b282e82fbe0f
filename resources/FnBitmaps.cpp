// The product logo, drawn once when first asked for: three overlapping
// discs of red, green and blue light on a dark tile (they add up to white
// where all three meet), over a ramp from black to white in the three
// tonal ranges that the effect works on.
#include "resources/FnBitmaps.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kWidth = 64, kHeight = 60;

struct Logo {
    std::array<uint8_t, kWidth * kHeight * 4> bgra{};
    DSBitmapResource resource{kWidth, kHeight, nullptr};

    Logo() {
        // Disc centres and radius in pixels; distances compared squared.
        constexpr int cx[3] = {24, 40, 32}, cy[3] = {20, 20, 34};
        constexpr int r2 = 14 * 14;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                int rgb[3] = {28, 32, 38};
                const bool edge = x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1;
                if (edge) rgb[0] = rgb[1] = rgb[2] = 90;
                if (y >= 50 && y < 57 && x >= 4 && x < 60) {
                    // Lowlights, midtones, highlights: three steps of grey.
                    const int band = (x - 4) * 3 / 56;
                    rgb[0] = rgb[1] = rgb[2] = 40 + band * 100;
                } else if (!edge) {
                    for (int c = 0; c < 3; ++c) {
                        const int dx = x - cx[c], dy = y - cy[c];
                        if (dx * dx + dy * dy <= r2) rgb[c] = std::min(255, rgb[c] + 200);
                    }
                }
                uint8_t* p = &bgra[size_t(y * kWidth + x) * 4];
                p[0] = uint8_t(rgb[2]);
                p[1] = uint8_t(rgb[1]);
                p[2] = uint8_t(rgb[0]);
                p[3] = 255;
            }
        }
        resource.bgra = bgra.data();
    }
};

}  // namespace

const DSBitmapResource* fnFindBitmap(uint32_t id) {
    if (id != 103) return nullptr;
    static const Logo logo;
    return &logo.resource;
}
