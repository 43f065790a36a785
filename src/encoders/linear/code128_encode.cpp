#include "encoders/linear/code128_detail.h"
#include "encoders/linear/linear_encoders.h"
#include "imaging/scalers.h"
#include "platform/row_stride.h"

namespace tsy::linear {
namespace {

OwnedRaster DrawValues(const std::vector<uint8_t>& values, int32_t moduleWidthPx,
                       int32_t barHeightPx) {
    if (values.empty()) return {};
    const std::vector<uint8_t> modules = Code128ModuleRow(values);
    std::vector<uint8_t> packed(static_cast<std::size_t>(WordAlignedRowBytes(modules.size())), 0);
    PackModuleBytes(packed.data(), modules.data(), static_cast<int32_t>(modules.size()));
    // Like the other encoders, sizes below one pixel are taken as one.
    const int32_t x = moduleWidthPx < 1 ? 1 : moduleWidthPx;
    const int32_t height = barHeightPx < 1 ? 1 : barHeightPx;
    int32_t width = static_cast<int32_t>(modules.size());
    BlockHandle block = ScaleLinearRow(packed.data(), height, &width, x);
    return OwnedRaster::Adopt(block, height, width);
}

void ClearOutputs(int32_t* widthOut, void** pixelsOut) {
    if (widthOut) *widthOut = 0;
    if (pixelsOut) *pixelsOut = nullptr;
}

}  // namespace

OwnedRaster Code128Raster(const uint8_t* message, int32_t length, int32_t moduleWidthPx,
                          int32_t barHeightPx) noexcept {
    try {
        return DrawValues(Code128Values(message, length), moduleWidthPx, barHeightPx);
    } catch (...) {
        return {};
    }
}

OwnedRaster Menu128Raster(int32_t menuId, int32_t opcode, int32_t offset, const uint8_t* data,
                          int32_t moduleWidthPx, int32_t barHeightPx) noexcept {
    try {
        return DrawValues(Menu128Values(menuId, opcode, offset, data), moduleWidthPx, barHeightPx);
    } catch (...) {
        return {};
    }
}

BlockHandle EncodeCode128(const uint8_t* message, int32_t length, int32_t moduleWidthPx,
                          int32_t barHeightPx, int32_t* widthOut, void** pixelsOut) noexcept {
    ClearOutputs(widthOut, pixelsOut);
    return Code128Raster(message, length, moduleWidthPx, barHeightPx)
        .Release(nullptr, widthOut, pixelsOut);
}

BlockHandle EncodeMenu128(int32_t menuId, int32_t opcode, int32_t offset, const uint8_t* data,
                          int32_t moduleWidthPx, int32_t barHeightPx, int32_t* widthOut,
                          void** pixelsOut) noexcept {
    ClearOutputs(widthOut, pixelsOut);
    return Menu128Raster(menuId, opcode, offset, data, moduleWidthPx, barHeightPx)
        .Release(nullptr, widthOut, pixelsOut);
}

}  // namespace tsy::linear
