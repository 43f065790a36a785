// Standard QR Code (ISO/IEC 18004 Model 2) by libqrencode: the message bytes in 8-bit mode, the
// smallest version that holds them, the mask libqrencode finds best. The program's own QR
// encoder (encoders/qr) stays as it is; this one sits beside it for readers that want Model 2.
#pragma once

#include <cstdint>
#include <optional>

#include "imaging/module_matrix.h"
#include "imaging/symbol_raster.h"
#include "tessaly/qr_args.h"

namespace tsy::qr_iso {

// The symbol without quiet zone, 1 = dark; empty when no version up to 40 holds the message at
// the level (0 M, 1 L, 2 H, 3 Q), or the level is out of range.
std::optional<ModuleMatrix> QRModel2Matrix(const uint8_t* message, int length, int level) noexcept;

// Scaled as qr::QRRaster scales (module size, reverse video, undercut); args.model is not looked
// at. Empty when there is no symbol.
OwnedRaster QRModel2Raster(const QREncodeArgs& args) noexcept;

}  // namespace tsy::qr_iso
