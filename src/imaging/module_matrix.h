// The grid of modules every encoder produces: rows top first, ceil(w / 8) bytes a row,
// most significant bit first, 1 = dark.
#pragma once

#include <cstdint>
#include <vector>

namespace tsy {

class ModuleMatrix {
public:
    ModuleMatrix() = default;
    ModuleMatrix(int width, int height)
        : width_(width),
          height_(height),
          stride_((width + 7) / 8),
          bits_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height), 0) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }

    bool get(int x, int y) const { return (bits_[index(x, y)] >> (7 - (x & 7))) & 1; }
    void set(int x, int y, bool dark = true) {
        uint8_t& b = bits_[index(x, y)];
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (x & 7));
        b = dark ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
    }

    const uint8_t* data() const { return bits_.data(); }
    uint8_t* data() { return bits_.data(); }
    const std::vector<uint8_t>& bytes() const { return bits_; }

    friend bool operator==(const ModuleMatrix& a, const ModuleMatrix& b) {
        if (a.width_ != b.width_ || a.height_ != b.height_) return false;
        for (int y = 0; y < a.height_; ++y)
            for (int x = 0; x < a.width_; ++x)
                if (a.get(x, y) != b.get(x, y)) return false;
        return true;
    }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) +
               static_cast<std::size_t>(x >> 3);
    }

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<uint8_t> bits_;
};

}  // namespace tsy
