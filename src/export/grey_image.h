// 8-bit grey copies of a picture, for JPEG and the C++ source table.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace tsy {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // rows top first, width bytes a row

    const uint8_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

inline uint8_t GreyLevel(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint8_t>((306 * r + 601 * g + 117 * b) / 1024);
}

// The picture in grey with `margin` white pixels added on every side.
GreyImage ToGrey(const RgbImage& picture, int margin);

}  // namespace tsy
