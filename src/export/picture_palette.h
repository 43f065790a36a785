// A picture of few colours as palette indices: symbols are black and white, captions too in the
// default colours, so most pictures reach the file at one bit a pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace tsy {

struct PalettePicture {
    int width = 0;
    int height = 0;
    // 1 when the picture has at most two colours, else 8.
    int bits = 8;
    // 0xRRGGBB, ascending, so black comes first; at most 2 entries at 1 bit, 256 at 8.
    std::vector<uint32_t> colours;
    // Rows top first, stride bytes each; at 1 bit the leftmost pixel is the high bit and the
    // unused low bits of a row's last byte are 0.
    std::size_t stride = 0;
    std::vector<uint8_t> indices;

    const uint8_t* row(int y) const {
        return indices.data() + static_cast<std::size_t>(y) * stride;
    }
};

// False when the picture has more than 256 colours; the picture has been checked already.
bool MakePalettePicture(const RgbImage& picture, PalettePicture* out);
// The same result as for the picture's RGB form, straight from its bits.
void MakePalettePicture(const Bitmap1& picture, PalettePicture* out);

}  // namespace tsy
