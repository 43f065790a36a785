// QR encoder entry: a byte message in 8-bit byte mode, always mask 6, versions 1 to 40 of the
// encoder's own capacity table, laid out without alignment patterns or version information.
#pragma once

#include <cstdint>

#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"
#include "tessaly/qr_args.h"

namespace tsy::qr {

// The scaled symbol; empty when no version holds the message at the chosen level.
OwnedRaster QRRaster(const QREncodeArgs& args) noexcept;

// QRRaster for C-style callers: the raster block locked once, or null when the arguments are bad
// or there is no symbol. The outputs are zeroed first.
BlockHandle QREncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                     void** pixelsOut) noexcept;

// Writes the revision text, NUL-terminated, into a buffer of at least 11 bytes.
void GetQREncoderRevString(char* buffer) noexcept;

}  // namespace tsy::qr
