// DsImage: a host image in this host's memory layout (see platform/dssdk/IDSImage.h): 8-bit
// RGBA rows top-down, 16-bit S2_14 rows bottom-up, 32-bit float rows
// top-down, single-channel masks in the same row order as their format's
// RGBA images.
//
// The pixel accessors take image coordinates (row 0 at the top) and hide
// the memory order.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/dssdk/IDSImage.h"

enum class DsImageKind {
    Rgba8,    // MFIF_RGBA_RAW_32
    Rgba16,   // MFIF_RGBA_S2_14
    Mask8,    // MFIF_A_RAW_8
    Mask16,   // MFIF_A_S2_14
    Rgba64,   // MFIF_RGBA_RAW_64 (unsigned 16-bit; not rendered by effects)
    RgbaF32,  // MFIF_RGBA_FLOAT_128
    MaskF32,  // MFIF_A_FLOAT_32
};

class DsImage final : public ComObject<IDSImage> {
public:
    // Owns zeroed pixels.  Null for a negative size or when the memory
    // cannot be had; a zero size gives an empty image.
    static ComPtr<DsImage> create(DsImageKind kind, int32_t width, int32_t height);
    // Wraps `memory`, laid out as the kind says; the caller keeps it alive
    // and unmoved for the image's lifetime.
    static ComPtr<DsImage> wrap(DsImageKind kind, int32_t width, int32_t height, void* memory);

    static size_t pixelSize(DsImageKind kind);
    static bool bottomUp(DsImageKind kind) {
        return kind == DsImageKind::Rgba16 || kind == DsImageKind::Mask16 ||
               kind == DsImageKind::Rgba64;
    }

    DsImageKind kind() const { return kind_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    void* data() const { return data_; }
    size_t byteSize() const { return size_t(width_) * size_t(height_) * pixelSize(kind_); }

    // Pixel (x, y), row 0 at the top; null outside the image.
    void* pixel(int32_t x, int32_t y) const;
    uint8_t* rgba8(int32_t x, int32_t y) const { return static_cast<uint8_t*>(pixel(x, y)); }
    int16_t* rgba16(int32_t x, int32_t y) const { return static_cast<int16_t*>(pixel(x, y)); }
    uint8_t* mask8(int32_t x, int32_t y) const { return static_cast<uint8_t*>(pixel(x, y)); }
    int16_t* mask16(int32_t x, int32_t y) const { return static_cast<int16_t*>(pixel(x, y)); }
    float* rgbaF32(int32_t x, int32_t y) const { return static_cast<float*>(pixel(x, y)); }
    float* maskF32(int32_t x, int32_t y) const { return static_cast<float*>(pixel(x, y)); }

    // World placement reported to effects; (0, 0)-(width, height) at first.
    void setWorldPlacement(double x0, double y0, double x1, double y1);
    // What PrepareForAccess answers (S_OK at first).
    void setPrepareResult(HRESULT hr) { prepareResult_ = hr; }
    // Reports another pixel format than the kind's (for trying effects out).
    void setReportedFormat(const GUID& format) { format_ = format; }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    HRESULT PrepareForAccess() override { return prepareResult_; }
    HRESULT GetSize(int32_t* width, int32_t* height) override;
    HRESULT GetBuffer(void** firstPixel) override;
    HRESULT GetPixelFormat(GUID* format) override;
    HRESULT GetWorldPlacement(double* x0, double* y0, double* x1, double* y1) override;

private:
    DsImage(DsImageKind kind, int32_t width, int32_t height);
    ~DsImage() override;

    DsImageKind kind_;
    int32_t width_, height_;
    void* data_ = nullptr;
    bool owns_ = false;
    GUID format_;
    HRESULT prepareResult_ = S_OK;
    double placement_[4];
};
