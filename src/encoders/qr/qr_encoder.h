// QR encoder entry: a byte message in 8-bit byte mode, always mask 6, versions 1 to 40 of the
// encoder's own capacity table, laid out without alignment patterns or version information.
#pragma once

#include <cstdint>

#include "platform/memory_block.h"
#include "tessaly/qr_args.h"

namespace tsy {

// Returns the raster block locked once (EncoderRasterResult), or null when the arguments are
// bad or no version holds the message at the chosen level. The outputs are zeroed first.
BlockHandle QREncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                     void** pixelsOut);

// Writes the revision text, NUL-terminated, into a buffer of at least 11 bytes.
void GetQREncoderRevString(char* buffer);

}  // namespace tsy
