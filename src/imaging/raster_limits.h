// Limits every raster and picture respects, so sizes from any source cannot wrap or exhaust memory.
#pragma once

#include <cstdint>

#include "platform/row_stride.h"

namespace tsy {

inline constexpr int64_t kMaxRasterSide = 32767;
inline constexpr int64_t kMaxRasterBytes = int64_t{256} * 1024 * 1024;

// Bytes of one raster row: padded to 16 bits.
inline constexpr int64_t RasterStride(int64_t widthPx) {
    return WordAlignedRowBytes(widthPx);
}

// True when a widthPx x heightPx one-bit raster is within the limits (both sides at least 1).
inline constexpr bool RasterSizeOk(int64_t widthPx, int64_t heightPx) {
    return widthPx >= 1 && heightPx >= 1 && widthPx <= kMaxRasterSide &&
           heightPx <= kMaxRasterSide && RasterStride(widthPx) * heightPx <= kMaxRasterBytes;
}

// Same limits for a 24-bit picture (3 bytes a pixel, rows padded to 4 bytes).
inline constexpr bool PictureSizeOk(int64_t widthPx, int64_t heightPx) {
    return widthPx >= 1 && heightPx >= 1 && widthPx <= kMaxRasterSide &&
           heightPx <= kMaxRasterSide && (widthPx * 3 + 3) / 4 * 4 * heightPx <= kMaxRasterBytes;
}

}  // namespace tsy
