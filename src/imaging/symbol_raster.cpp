#include "imaging/symbol_raster.h"

namespace tsy {

OwnedRaster& OwnedRaster::operator=(OwnedRaster&& o) noexcept {
    if (this != &o) {
        reset();
        block_ = o.block_;
        height_ = o.height_;
        width_ = o.width_;
        bits_ = o.bits_;
        o.block_ = nullptr;
        o.bits_ = nullptr;
    }
    return *this;
}

void OwnedRaster::reset() {
    if (block_) {
        while (BlockUnlock(block_)) {
        }
        BlockFree(block_);
    }
    block_ = nullptr;
    bits_ = nullptr;
    height_ = width_ = 0;
}

OwnedRaster OwnedRaster::Adopt(BlockHandle block, int32_t heightPx, int32_t widthPx) noexcept {
    if (!block) return {};
    void* bits = BlockLock(block);
    if (!bits) {
        BlockFree(block);
        return {};
    }
    return OwnedRaster(block, heightPx, widthPx, bits);
}

BlockHandle OwnedRaster::Release(int32_t* heightOut, int32_t* widthOut, void** bitsOut) noexcept {
    if (!block_) return nullptr;
    if (heightOut) *heightOut = height_;
    if (widthOut) *widthOut = width_;
    if (bitsOut) *bitsOut = bits_;
    BlockHandle block = block_;
    block_ = nullptr;
    bits_ = nullptr;
    height_ = width_ = 0;
    return block;
}

BlockHandle FinishRaster(BlockHandle block, int32_t heightPx, int32_t widthPx, int32_t* outHeight,
                         int32_t* outWidth, void** outBits) {
    if (!block) return nullptr;
    void* bits = BlockLock(block);
    if (!bits) {
        BlockFree(block);
        return nullptr;
    }
    if (outHeight) *outHeight = heightPx;
    if (outWidth) *outWidth = widthPx;
    if (outBits) *outBits = bits;
    return block;
}

}  // namespace tsy
