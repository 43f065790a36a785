// Device-independent one-bit and screen-compatible (24-bit RGB) bitmaps.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/row_stride.h"

namespace tsy {

// One-bit bitmap in CreateBitmap layout: rows top first, padded to 16 bits, bit 0 = black.
struct Bitmap1 {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bits;

    int stride() const { return static_cast<int>(WordAlignedRowBytes(width)); }
    bool empty() const { return width <= 0 || height <= 0; }
    bool isBlack(int x, int y) const {
        return ((bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride()) +
                      static_cast<std::size_t>(x / 8)] >>
                 (7 - x % 8)) &
                1) == 0;
    }
    void setBlack(int x, int y, bool black) {
        uint8_t& byte = bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride()) +
                             static_cast<std::size_t>(x / 8)];
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (x % 8));
        byte = black ? static_cast<uint8_t>(byte & ~mask) : static_cast<uint8_t>(byte | mask);
    }
};

// Screen-compatible picture: 24-bit RGB, rows top first, 3 * width bytes a row, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    std::size_t rowBytes() const { return static_cast<std::size_t>(width) * 3; }
    uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * rowBytes(); }
    const uint8_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * rowBytes();
    }
    bool isBlack(int x, int y) const {
        const uint8_t* p = row(y) + 3 * x;
        return p[0] == 0 && p[1] == 0 && p[2] == 0;
    }
    bool isWhite(int x, int y) const {
        const uint8_t* p = row(y) + 3 * x;
        return p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
    void setPixel(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = row(y) + 3 * x;
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

}  // namespace tsy
