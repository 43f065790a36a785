// Standard QR Code (ISO/IEC 18004 Model 2) by libqrencode: the message bytes in 8-bit mode, the
// smallest version that holds them, the mask libqrencode finds best. The program's own QR
// encoder (encoders/qr) stays as it is; this one sits beside it for readers that want Model 2.
#pragma once

#include <cstdint>
#include <optional>

#include "imaging/module_matrix.h"
#include "platform/memory_block.h"
#include "tessaly/qr_args.h"

namespace tsy {

// The symbol without quiet zone, 1 = dark; empty when no version up to 40 holds the message at
// the level (0 M, 1 L, 2 H, 3 Q), or the level is out of range.
std::optional<ModuleMatrix> QrIsoBuildMatrix(const uint8_t* message, int length, int level);

// The raster contract of QREncode, scaled the same way (module size, reverse video, undercut);
// args->model is not looked at.
BlockHandle QrIsoEncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                        void** pixelsOut);

}  // namespace tsy
