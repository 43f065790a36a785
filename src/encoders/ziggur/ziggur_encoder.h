// The Ziggur entry: Aztec-encoded message layers stacked on a linear host symbol.
#pragma once

#include <cstdint>

#include "encoders/aztec/aztec_encoder.h"
#include "encoders/ziggur/ziggur_host.h"
#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"

namespace tsy::ziggur {

// The scaled symbol, each matrix row drawn twice; empty when the message or the host cannot be
// encoded as asked. Of args, the message, module size, escape processing, size choice (0, 1..99
// or 201..232 for that many layers), menu flag, reverse video and undercut apply.
OwnedRaster ZiggurRaster(const aztec::AztecEncodeArgs& args, const ZiggurHostRecord& host) noexcept;

// ZiggurRaster for C-style callers: the block locked once with its pixel height, width and bits;
// null (outputs untouched) when there is no symbol.
BlockHandle EncodeZiggur(const aztec::AztecEncodeArgs& args, const ZiggurHostRecord& host,
                         int32_t* heightOut, int32_t* widthOut, void** pixelsOut) noexcept;

}  // namespace tsy::ziggur
