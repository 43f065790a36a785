// The 40-byte BITMAPINFOHEADER of a 24-bit bottom-up DIB, shared by BMP files and metafiles.
#pragma once

#include <cstdint>

#include "platform/le_bytes.h"

namespace tsy {

// Bytes of one 24-bit DIB row: padded to 4 bytes.
inline uint32_t DibStride24(int width) {
    return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

template <class Bytes>
void PutDibHeader24(Bytes& out, int width, int height, uint32_t pixelsPerMetre) {
    PutLe32(out, 40);
    PutLe32(out, static_cast<uint32_t>(width));
    PutLe32(out, static_cast<uint32_t>(height));
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0);  // BI_RGB
    PutLe32(out, DibStride24(width) * static_cast<uint32_t>(height));
    PutLe32(out, pixelsPerMetre);
    PutLe32(out, pixelsPerMetre);
    PutLe32(out, 0);
    PutLe32(out, 0);
}

}  // namespace tsy
