// PDF417 encoder entries (ISO/IEC 15438): bytes and an argument record in, a raster out.
//
// The ECI designator is process-wide: SetPDF417_ECI sets it for every later PDF417Encode, so the
// encoder is not reentrant and threads must serialise the pair.
#pragma once

#include <cstdint>

#include "platform/memory_block.h"
#include "tessaly/pdf417_args.h"

namespace tsy {

using ::PDF417EncodeArgs;

inline constexpr int32_t kPDF417Auto = TSY_PDF417_AUTO;

// EncoderRasterResult contract: the raster block locked once, or null with the outputs untouched.
BlockHandle PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                         void** pixelsOut);

// Stores the designator for later symbols and returns it; -1 switches ECI off.
int32_t SetPDF417_ECI(int32_t designator);
int32_t GetPDF417_ECI();

// Writes "4.9.1.12 " and a NUL; the buffer holds at least 10 bytes.
void GetPDF417EncoderRevString(char* buffer);

}  // namespace tsy
