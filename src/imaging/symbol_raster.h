// The scaled one-bit symbol image every encoder returns.
//
// Rows are top first, padded to 16 bits; in normal video bit 0 is dark and bit 1 light. The C-style
// entries hand the block out locked once, with pixel height, width and pointer as out-parameters.
#pragma once

#include <cstdint>

#include "platform/memory_block.h"
#include "platform/row_stride.h"

namespace tsy {

// Owns a raster: unlocks and frees it on destruction.
class OwnedRaster {
public:
    // Locks a freshly scaled block once and owns it; empty when block is null or cannot be locked.
    static OwnedRaster Adopt(BlockHandle block, int32_t heightPx, int32_t widthPx) noexcept;

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
    int32_t stride() const { return static_cast<int32_t>(WordAlignedRowBytes(width_)); }
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
    // Gives the still locked block to a C-style caller and stores its size and pixels where asked;
    // null (outputs untouched) when empty.
    BlockHandle Release(int32_t* heightOut, int32_t* widthOut, void** bitsOut) noexcept;

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
