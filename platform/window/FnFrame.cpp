#include "FnFrame.h"

#include <png.h>

#include <cstdio>

const std::uint8_t* FnFrame::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return nullptr;
  const size_t index = (static_cast<size_t>(y) * width + x) * 4;
  return index + 4 <= rgba.size() ? rgba.data() + index : nullptr;
}

bool FnFrame::SavePng(const std::string& path) const {
  if (Empty() || rgba.size() != static_cast<size_t>(width) * height * 4) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  if (!ok) std::remove(path.c_str());
  return ok;
}
