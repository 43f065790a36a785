// One-bit pictures store rows padded to whole 16-bit words, as the monochrome bitmaps and
// raster blocks they stand in for did.
#pragma once

#include <cstdint>

namespace tsy {

inline constexpr int64_t WordAlignedRowBytes(int64_t widthBits) {
    return (widthBits + 15) / 16 * 2;
}

}  // namespace tsy
