// The scaled one-bit symbol image and the result contract of every encoder entry.
//
// An entry takes its argument record plus out-parameters for pixel height, pixel width and the
// locked pixel pointer; it returns the block handle (locked once) or null. Rows are top first,
// padded to 16 bits; in normal video bit 0 is dark and bit 1 light.
#pragma once

#include <cstdint>

#include "platform/memory_block.h"

namespace tsy {

struct EncoderRasterResult {
    int32_t heightPx = 0;
    int32_t widthPx = 0;
    void* bits = nullptr;
};

// Owns a raster an entry returned: unlocks and frees it on destruction.
class OwnedRaster {
public:
    OwnedRaster() = default;
    OwnedRaster(BlockHandle block, int32_t heightPx, int32_t widthPx, void* bits)
        : block_(block), height_(heightPx), width_(widthPx), bits_(static_cast<uint8_t*>(bits)) {}
    OwnedRaster(OwnedRaster&& o) noexcept { *this = static_cast<OwnedRaster&&>(o); }
    OwnedRaster& operator=(OwnedRaster&& o) noexcept;
    OwnedRaster(const OwnedRaster&) = delete;
    OwnedRaster& operator=(const OwnedRaster&) = delete;
    ~OwnedRaster() { reset(); }

    explicit operator bool() const { return block_ != nullptr; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t stride() const { return (width_ + 15) / 16 * 2; }
    const uint8_t* bits() const { return bits_; }
    BlockHandle handle() const { return block_; }
    // Raw bit value of pixel (x, y): 0 or 1 as stored (0 = dark in normal video).
    int bit(int x, int y) const {
        return (bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride()) +
                      static_cast<std::size_t>(x / 8)] >>
                (7 - x % 8)) &
               1;
    }
    void reset();

private:
    BlockHandle block_ = nullptr;
    int32_t height_ = 0;
    int32_t width_ = 0;
    uint8_t* bits_ = nullptr;
};

// Locks a scaled block once and fills the entry's out-parameters; returns the handle.
BlockHandle FinishRaster(BlockHandle block, int32_t heightPx, int32_t widthPx, int32_t* outHeight,
                         int32_t* outWidth, void** outBits);

}  // namespace tsy
