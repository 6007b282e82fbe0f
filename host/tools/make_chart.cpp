// Writes the bundled test chart: grey ramps for the tonal ranges, a hue and
// saturation field for the colour shifts, and patches of everyday colours.
//
//   make_chart OUT [WIDTH HEIGHT]
#include <OpenImageIO/imageio.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
    float r, g, b;
};

Rgb hsv(float h, float s, float v) {
    h = h - std::floor(h);
    const float f = h * 6.0f;
    const int k = int(f) % 6;
    const float t = f - std::floor(f);
    const float p = v * (1 - s), q = v * (1 - s * t), u = v * (1 - s * (1 - t));
    switch (k) {
    case 0: return {v, u, p};
    case 1: return {q, v, p};
    case 2: return {p, v, u};
    case 3: return {p, q, v};
    case 4: return {u, p, v};
    default: return {v, p, q};
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: make_chart OUT [WIDTH HEIGHT]\n");
        return 2;
    }
    const int w = argc == 4 ? std::atoi(argv[2]) : 1280;
    const int h = argc == 4 ? std::atoi(argv[3]) : 720;
    if (w < 64 || h < 64 || w > 16384 || h > 16384) {
        std::fprintf(stderr, "make_chart: size must be 64..16384\n");
        return 2;
    }
    std::vector<unsigned char> px(size_t(w) * h * 4);
    auto put = [&](int x, int y, Rgb c) {
        unsigned char* p = &px[(size_t(y) * w + x) * 4];
        p[0] = (unsigned char)std::lround(std::clamp(c.r, 0.0f, 1.0f) * 255);
        p[1] = (unsigned char)std::lround(std::clamp(c.g, 0.0f, 1.0f) * 255);
        p[2] = (unsigned char)std::lround(std::clamp(c.b, 0.0f, 1.0f) * 255);
        p[3] = 255;
    };
    const int rampH = h / 8, wedgeH = h / 8, fieldH = h / 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float fx = float(x) / float(w - 1);
            if (y < rampH) {
                put(x, y, {fx, fx, fx});  // smooth ramp, black to white
            } else if (y < rampH + wedgeH) {
                const float v = std::floor(fx * 11.0f) / 10.0f;  // 11 steps
                put(x, y, {v, v, v});
            } else if (y < rampH + wedgeH + fieldH) {
                // Hue across, brightness down the upper half and saturation
                // down the lower half, so every tonal range has colour.
                const float fy = float(y - rampH - wedgeH) / float(fieldH - 1);
                const Rgb c = fy < 0.5f ? hsv(fx, 1.0f, 0.15f + 1.7f * fy)
                                        : hsv(fx, 1.0f - (fy - 0.5f) * 1.8f, 1.0f);
                put(x, y, c);
            } else {
                static const Rgb patches[] = {
                    {0.45f, 0.32f, 0.26f}, {0.76f, 0.58f, 0.50f}, {0.36f, 0.48f, 0.61f},
                    {0.35f, 0.42f, 0.26f}, {0.51f, 0.50f, 0.69f}, {0.40f, 0.74f, 0.66f},
                    {0.84f, 0.49f, 0.18f}, {0.29f, 0.36f, 0.65f}, {0.76f, 0.33f, 0.38f},
                    {0.36f, 0.24f, 0.42f}, {0.62f, 0.74f, 0.25f}, {0.88f, 0.63f, 0.18f},
                };
                const int n = int(sizeof(patches) / sizeof(patches[0]));
                const int i = std::min(n - 1, x * n / w);
                const int top = rampH + wedgeH + fieldH;
                const bool border = (x * n) % w < n * 2 || y < top + 4 || y > h - 5;
                put(x, y, border ? Rgb{0.1f, 0.1f, 0.1f} : patches[i]);
            }
        }
    }
    auto out = OIIO::ImageOutput::create(argv[1]);
    if (!out) {
        std::fprintf(stderr, "make_chart: %s\n", OIIO::geterror().c_str());
        return 1;
    }
    OIIO::ImageSpec spec(w, h, 4, OIIO::TypeDesc::UINT8);
    if (!out->open(argv[1], spec) || !out->write_image(OIIO::TypeDesc::UINT8, px.data()) ||
        !out->close()) {
        std::fprintf(stderr, "make_chart: %s\n", out->geterror().c_str());
        return 1;
    }
    return 0;
}
