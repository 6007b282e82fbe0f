// Conversions between a file's pixels, as OpenImageIO hands them over, and
// the frame layouts the effect works on (8-bit RGBA top-down, 16-bit signed
// 2.14 RGBA bottom-up, float RGBA top-down), in both directions.  Grey files
// fill red, green and blue; a missing alpha is full; channels past the
// fourth are kept aside and written back unchanged.  No file is touched
// here, so the conversions can be driven by any image description a file
// could have (the intake fuzz target does).
#pragma once

#include <OpenImageIO/imageio.h>

#include <cstdint>
#include <vector>

#include "host/common/FrameImage.h"
#include "host/common/ImageFile.h"

// Half, float and double files.
bool isFloatType(OIIO::TypeDesc t);
// The element type a file is read as on a path: 8-bit files as 8-bit,
// 16-bit ones as 16-bit, everything else as float.
OIIO::TypeDesc readType(const OIIO::ImageSpec& spec, PixelDepth depth);
// The element type a single-channel mask file is read as for a frame of
// `depth`: 8-bit files as 8-bit, float files as float on the float path,
// everything else as 16-bit.
OIIO::TypeDesc maskReadType(const OIIO::ImageSpec& spec, PixelDepth depth);

// The file's pixels as read (spec.nchannels interleaved elements of `t`,
// rows top-down) into `out`, whose depth says the layout (it is reshaped to
// the file's size); channels past the fourth go to `extra`.
void unpackFrame(const OIIO::ImageSpec& spec, OIIO::TypeDesc t, const void* raw, FrameImage& out,
                 std::vector<float>& extra);
// A mask file's first channel as read (elements of `t`, rows top-down) into
// `out`, whose depth says the layout: full at 255, 32767 or 1.0.
void unpackMask(int width, int height, OIIO::TypeDesc t, const void* raw, MaskImage& out);
// The same for counting: unsigned 8-bit or 16-bit RGBA, rows top-down; `raw`
// holds min(nchannels, 4) elements a pixel.
void unpackUnsigned(int nch, const void* raw, UnsignedFrame& out);
// A float frame counted as a float file is: 16-bit unsigned RGBA, rows
// top-down, each value converted as the image library converts float to
// UINT16 when it reads a float file for counting (readUnsigned).
void unsignedFromFloat(const FrameImage& f, UnsignedFrame& out);

// A frame as the elements to write into a file like `like`: `data` points
// into the frame itself where its layout is the file's, else into `buf`.
void packFrame(const FileInfo& like, const FrameImage& img, std::vector<uint8_t>& buf,
               const void*& data, OIIO::TypeDesc& type);

// A frame as a viewer shows it: 8-bit RGBA, rows top-down (16-bit storage
// through its file value, as an 8-bit file would be written).
std::vector<uint8_t> displayPixels(const FrameImage& f);
