#include "platform/window/FnFrame.h"

#include <png.h>

#include <cstdio>

const std::uint8_t* FnFrame::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    const size_t index = (static_cast<size_t>(y) * width + x) * 4;
    return index + 4 <= rgba.size() ? rgba.data() + index : nullptr;
}

bool FnFrame::SavePng(const std::string& path, bool withAlpha) const {
    if (Empty() || rgba.size() != static_cast<size_t>(width) * height * 4) return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* pixels = rgba.data();
    if (!withAlpha) {
        image.format = PNG_FORMAT_RGB;
        rgb.reserve(rgba.size() / 4 * 3);
        for (size_t i = 0; i < rgba.size(); i += 4)
            rgb.insert(rgb.end(), rgba.begin() + i, rgba.begin() + i + 3);
        pixels = rgb.data();
    }
    const bool ok = png_image_write_to_file(&image, path.c_str(), 0, pixels, 0, nullptr) != 0;
    png_image_free(&image);
    if (!ok) std::remove(path.c_str());
    return ok;
}
