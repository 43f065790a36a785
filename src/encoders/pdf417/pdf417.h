// PDF417 encoder entries (ISO/IEC 15438): bytes and an argument record in, a raster out.
//
// The ECI designator is process-wide: SetPDF417_ECI sets it for every later PDF417Encode, so the
// encoder is not reentrant and threads must serialise the pair.
#pragma once

#include <cstdint>

#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"
#include "tessaly/pdf417_args.h"

namespace tsy::pdf417 {

using ::PDF417EncodeArgs;

inline constexpr int32_t kPDF417Auto = TSY_PDF417_AUTO;

// The scaled symbol with the process-wide ECI designator; empty when the arguments are bad or
// the message does not fit.
OwnedRaster PDF417Raster(const PDF417EncodeArgs& args) noexcept;

// PDF417Raster for C-style callers: the raster block locked once, or null with the outputs
// untouched.
BlockHandle PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                         void** pixelsOut) noexcept;

// Stores the designator for later symbols and returns it; -1 switches ECI off.
int32_t SetPDF417_ECI(int32_t designator) noexcept;
int32_t GetPDF417_ECI() noexcept;

// Writes "4.9.1.12 " and a NUL; the buffer holds at least 10 bytes.
void GetPDF417EncoderRevString(char* buffer) noexcept;

}  // namespace tsy::pdf417
