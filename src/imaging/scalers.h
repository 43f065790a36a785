// Scaling a module grid into a one-bit raster, and packing linear module rows.
#pragma once

#include <cstdint>

#include "imaging/module_matrix.h"
#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"

namespace tsy {

// height and width: modules on entry, pixels on return. Returns an unlocked block, or null on
// bad arguments or when the raster would exceed the limits of raster_limits.h.
BlockHandle ScaleModuleMatrix(const uint8_t* matrix, int32_t* height, int32_t* width,
                              int32_t moduleWidthPx, int32_t moduleHeightPx, bool reverseVideo,
                              int32_t undercutPx);
BlockHandle ScaleModuleMatrix(const ModuleMatrix& matrix, int32_t* height, int32_t* width,
                              int32_t moduleWidthPx, int32_t moduleHeightPx, bool reverseVideo,
                              int32_t undercutPx);

// ScaleModuleMatrix into an owning raster; empty when the scaler refuses.
OwnedRaster ScaledRaster(const ModuleMatrix& matrix, int32_t moduleWidthPx, int32_t moduleHeightPx,
                         bool reverseVideo, int32_t undercutPx);

// Every pixel row the same: 0 for a bar, 1 for a space, padded with 1 bits.
BlockHandle ScaleLinearRow(const uint8_t* row, int32_t heightPx, int32_t* width,
                           int32_t moduleWidthPx);

// Writes count bits into dest, bit i from row[i] (0 or 1), most significant bit first.
void PackModuleBytes(uint8_t* dest, const uint8_t* row, int32_t count);

// Writes a raster as a 1-bit bottom-up BMP. False when the file cannot be created.
bool WriteRasterBmp(const void* raster, uint16_t heightPx, uint16_t widthPx, const char* path);

}  // namespace tsy
