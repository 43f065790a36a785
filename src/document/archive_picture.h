// The picture of the base section: W, H and H rows of 2 * ceil(W / 16) bytes, 1 = white.
#pragma once

#include <cstdint>
#include <optional>

#include "document/archive.h"
#include "platform/bitmap.h"

namespace tsy {

// Larger sides are refused when reading files from untrusted sources.
inline constexpr int32_t kMaxPictureSide = 32767;

// Writes the picture, or W = 1, H = 1 and two zero bytes when there is none (null or empty).
void WritePicture(CArchive& ar, const Bitmap1* picture);

// Reads W, H and the bits. W or H outside 1..kMaxPictureSide: no bitmap can be made; returns
// nullopt right after H (the caller stops reading its section there). Bits reaching past the end
// of the data throw endOfFile before anything is allocated.
std::optional<Bitmap1> ReadPicture(CArchive& ar);

}  // namespace tsy
