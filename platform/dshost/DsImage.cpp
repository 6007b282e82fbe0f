#include "platform/dshost/DsImage.h"

#include <cstdlib>
#include <new>

namespace {
GUID formatOf(DsImageKind kind) {
    switch (kind) {
    case DsImageKind::Rgba8: return MFIF_RGBA_RAW_32;
    case DsImageKind::Rgba16: return MFIF_RGBA_S2_14;
    case DsImageKind::Mask8: return MFIF_A_RAW_8;
    case DsImageKind::Mask16: return MFIF_A_S2_14;
    case DsImageKind::Rgba64: return MFIF_RGBA_RAW_64;
    case DsImageKind::RgbaF32: return MFIF_RGBA_FLOAT_128;
    case DsImageKind::MaskF32: return MFIF_A_FLOAT_32;
    }
    return GUID_NULL;
}

bool sizeFits(DsImageKind kind, int32_t w, int32_t h) {
    if (w < 0 || h < 0) return false;
    return w == 0 || h == 0 || size_t(w) <= SIZE_MAX / DsImage::pixelSize(kind) / size_t(h);
}
}  // namespace

size_t DsImage::pixelSize(DsImageKind kind) {
    switch (kind) {
    case DsImageKind::Rgba8: return 4;
    case DsImageKind::Rgba16: return 8;
    case DsImageKind::Mask8: return 1;
    case DsImageKind::Mask16: return 2;
    case DsImageKind::Rgba64: return 8;
    case DsImageKind::RgbaF32: return 16;
    case DsImageKind::MaskF32: return 4;
    }
    return 1;
}

DsImage::DsImage(DsImageKind kind, int32_t width, int32_t height)
    : kind_(kind),
      width_(width),
      height_(height),
      format_(formatOf(kind)),
      placement_{0, 0, double(width), double(height)} {}

DsImage::~DsImage() {
    if (owns_) std::free(data_);
}

ComPtr<DsImage> DsImage::create(DsImageKind kind, int32_t width, int32_t height) {
    if (!sizeFits(kind, width, height)) return {};
    auto* img = new (std::nothrow) DsImage(kind, width, height);
    if (!img) return {};
    ComPtr<DsImage> p = ComPtr<DsImage>::adopt(img);
    const size_t bytes = img->byteSize();
    if (bytes > 0) {
        img->data_ = std::calloc(bytes, 1);
        if (!img->data_) return {};
        img->owns_ = true;
    }
    return p;
}

ComPtr<DsImage> DsImage::wrap(DsImageKind kind, int32_t width, int32_t height, void* memory) {
    if (!sizeFits(kind, width, height) || (!memory && width > 0 && height > 0)) return {};
    auto* img = new (std::nothrow) DsImage(kind, width, height);
    if (!img) return {};
    img->data_ = memory;
    return ComPtr<DsImage>::adopt(img);
}

void* DsImage::pixel(int32_t x, int32_t y) const {
    if (!data_ || x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    const size_t row = bottomUp(kind_) ? size_t(height_ - 1 - y) : size_t(y);
    return static_cast<char*>(data_) + (row * size_t(width_) + size_t(x)) * pixelSize(kind_);
}

void DsImage::setWorldPlacement(double x0, double y0, double x1, double y1) {
    placement_[0] = x0;
    placement_[1] = y0;
    placement_[2] = x1;
    placement_[3] = y1;
}

HRESULT DsImage::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDSImage)
        return Answer(static_cast<IDSImage*>(this), out);
    return E_NOINTERFACE;
}

HRESULT DsImage::GetSize(int32_t* width, int32_t* height) {
    if (!width || !height) return E_POINTER;
    *width = width_;
    *height = height_;
    return S_OK;
}

HRESULT DsImage::GetBuffer(void** firstPixel) {
    if (!firstPixel) return E_POINTER;
    *firstPixel = data_;
    return S_OK;
}

HRESULT DsImage::GetPixelFormat(GUID* format) {
    if (!format) return E_POINTER;
    *format = format_;
    return S_OK;
}

HRESULT DsImage::GetWorldPlacement(double* x0, double* y0, double* x1, double* y1) {
    if (!x0 || !y0 || !x1 || !y1) return E_POINTER;
    *x0 = placement_[0];
    *y0 = placement_[1];
    *x1 = placement_[2];
    *y1 = placement_[3];
    return S_OK;
}
