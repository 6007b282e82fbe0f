// The image library's image interface and pixel formats.
//
// Memory layout of the formats, as this host keeps its images: rows are
// packed (stride = width x pixel size) and
//   MFIF_RGBA_RAW_32  8-bit R, G, B, A; white 255; rows top-down
//   MFIF_RGBA_S2_14   signed 16-bit R, G, B, A (2.14 fixed point, white
//                     16384, up to 32767); rows bottom-up: the first row in
//                     memory is the image's bottom row
//   MFIF_RGBA_RAW_64  unsigned 16-bit R, G, B, A; rows bottom-up
//   MFIF_A_RAW_8      one 8-bit value per pixel (pixel masks); top-down
//   MFIF_A_S2_14      one signed 16-bit value per pixel, full = 32767;
//                     bottom-up
// and two formats of our own, for scene-linear float work:
//   MFIF_RGBA_FLOAT_128  32-bit IEEE float R, G, B, A; white 1.0, no limits
//                        (values above 1, below 0, NaN and infinities are
//                        stored as they are); rows top-down, as image files
//                        keep them, so a float RGBA file is used in place
//   MFIF_A_FLOAT_32      one 32-bit float per pixel (pixel masks), full =
//                        1.0; top-down like its RGBA format
// Image coordinates count rows from the top whatever the memory order.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"

inline constexpr IID IID_IDSImage = "{5899B47E-ED28-4C43-BF8C-407D8235CE94}"_guid;

inline constexpr GUID MFIF_RGBA_RAW_32 = "{E49AB06F-A9CE-4483-B85C-57F13EF8CC54}"_guid;
inline constexpr GUID MFIF_RGBA_S2_14 = "{3BD8A566-818F-409A-95C9-ABB790CAE28F}"_guid;
inline constexpr GUID MFIF_RGBA_RAW_64 = "{C0D93C7A-5F75-417D-B23F-F422AECF3120}"_guid;
inline constexpr GUID MFIF_A_RAW_8 = "{77F50A79-4277-4D25-B059-E02A9857BFDF}"_guid;
inline constexpr GUID MFIF_A_S2_14 = "{2C674798-7C11-46C9-9852-A43E7D2D8234}"_guid;
inline constexpr GUID MFIF_RGBA_FLOAT_128 = "{37265E8D-83A7-42F8-AA6E-922B06D72A46}"_guid;
inline constexpr GUID MFIF_A_FLOAT_32 = "{E85EDF4F-3656-4716-9464-0EF96E0FF56B}"_guid;

class IDSImage : public IUnknown {
public:
    // Makes the pixels readable and writable; S_OK when they are.
    virtual HRESULT PrepareForAccess() = 0;
    virtual HRESULT GetSize(int32_t* width, int32_t* height) = 0;
    // The first pixel in memory (null for an empty image).
    virtual HRESULT GetBuffer(void** firstPixel) = 0;
    virtual HRESULT GetPixelFormat(GUID* format) = 0;
    // Placement in world space: the image's top-left corner (x0, y0) and
    // bottom-right corner (x1, y1); y grows downward, the project frame's
    // top-left corner is the origin.
    virtual HRESULT GetWorldPlacement(double* x0, double* y0, double* x1, double* y1) = 0;

protected:
    ~IDSImage() = default;
};
