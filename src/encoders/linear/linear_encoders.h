// Code 128 (with Menu 128) and Code 39 encoders. The ...Raster entries return the scaled symbol,
// empty when the input is refused. The C-style Encode... entries return its block locked once,
// the pixel width through widthOut and the locked bits through pixelsOut (both zeroed first); the
// pixel height is the bar height passed in (at least 1). Null when the input is refused.
#pragma once

#include <cstdint>
#include <string>

#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"

namespace tsy::linear {

// Bytes 0x00-0x7F are ASCII, 0x80-0x83 stand for FNC1-FNC4. Refused: an empty message, more
// than 256 bytes, bytes 0x84-0xFF, or more than 297 symbol values.
OwnedRaster Code128Raster(const uint8_t* message, int32_t length, int32_t moduleWidthPx,
                          int32_t barHeightPx) noexcept;
BlockHandle EncodeCode128(const uint8_t* message, int32_t length, int32_t moduleWidthPx,
                          int32_t barHeightPx, int32_t* widthOut, void** pixelsOut) noexcept;

// data points at four bytes, d0 (least significant) first, or is null for none. Only the bytes
// from d0 up to the first zero byte are encoded, so data 0x0100 (d0 = 0) carries nothing; this
// is the established Menu 128 layout and is kept unchanged. Refused: menuId outside 0..106, a
// negative opcode or offset, and opcode x 1024 + offset of 10272 or more (no pattern for its first
// digit).
OwnedRaster Menu128Raster(int32_t menuId, int32_t opcode, int32_t offset, const uint8_t* data,
                          int32_t moduleWidthPx, int32_t barHeightPx) noexcept;
BlockHandle EncodeMenu128(int32_t menuId, int32_t opcode, int32_t offset, const uint8_t* data,
                          int32_t moduleWidthPx, int32_t barHeightPx, int32_t* widthOut,
                          void** pixelsOut) noexcept;

// Always full ASCII. Widths and height in pixels. Refused: an empty message and bytes 128-255.
OwnedRaster Code39Raster(const uint8_t* message, int32_t length, int32_t wideWidthPx,
                         int32_t narrowWidthPx, int32_t barHeightPx, bool checkCharacter,
                         bool menuCode) noexcept;
BlockHandle EncodeCode39(const uint8_t* message, int32_t length, int32_t wideWidthPx,
                         int32_t narrowWidthPx, int32_t barHeightPx, int32_t* widthOut,
                         bool checkCharacter, bool menuCode, void** pixelsOut) noexcept;

// Appends the modulo-43 check character over every character after a leading start "*".
void AppendCode39Check(std::string& expanded);

}  // namespace tsy::linear
