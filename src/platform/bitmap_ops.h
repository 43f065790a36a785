// Stand-ins for the GDI bitmap calls the pictures are made with: CreateBitmap from raster bits,
// BitBlt between one-bit and screen-compatible (RGB) bitmaps, StretchBlt with COLORONCOLOR.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace tsy {

// One-bit bitmap of width x height from bits in CreateBitmap layout (rows top first, padded to
// 16 bits, bit 0 black). Null bits give an all-black bitmap, as a fresh zero-filled one would.
// Non-positive sizes give an empty bitmap; callers check the raster limits first.
Bitmap1 MakeBitmap1(int width, int height, const uint8_t* bits);

// One-bit bitmap filled with white (true) or black (false); padding bits carry the same value.
Bitmap1 MakeFilledBitmap1(int width, int height, bool white);

// Screen-compatible picture filled with one grey level (255 = white).
RgbImage MakeRgbImage(int width, int height, uint8_t fill = 255);

// The monochrome-to-colour rule of BitBlt: 1 becomes white, 0 black.
RgbImage Bitmap1ToRgb(const Bitmap1& mono);

// The colour-to-monochrome rule of BitBlt: pixels equal to the background colour (white) become
// 1, all others 0.
Bitmap1 RgbToBitmap1(const RgbImage& picture);

// BitBlt SRCCOPY of the whole source to (x, y); whatever falls outside the destination is
// clipped.
void Blit(RgbImage& dst, int x, int y, const RgbImage& src);
void Blit(Bitmap1& dst, int x, int y, const Bitmap1& src);

// StretchBlt SRCCOPY in COLORONCOLOR mode: nearest neighbour, source column
// sx + (i * sw) / dw for destination column i (rows likewise), so shrinking drops whole rows
// and columns instead of blending them. Clipped to both images; empty rectangles draw nothing.
void StretchBlit(RgbImage& dst, int dx, int dy, int dw, int dh, const RgbImage& src, int sx, int sy,
                 int sw, int sh);
void StretchBlit(Bitmap1& dst, int dx, int dy, int dw, int dh, const Bitmap1& src, int sx, int sy,
                 int sw, int sh);

}  // namespace tsy
