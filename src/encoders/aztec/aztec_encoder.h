// The Aztec encoder entry: message bytes and options in, a scaled one-bit raster out.
#pragma once

#include <cstdint>
#include <ostream>

#include "imaging/symbol_raster.h"
#include "platform/memory_block.h"

namespace tsy::aztec {

// Values of AztecEncodeArgs::sizeChoice; any value not listed gives no symbol.
enum AztecSizeChoice : int32_t {
    kAztecDefaultCorrection = 0,  // 1..99: at least that percentage of error correction
    kAztecCompact1 = 101,         // ..104: compact symbol of 1..4 layers
    kAztecFullRange1 = 201,       // ..232: full-range symbol of 1..32 layers
    kAztecRune = 300,
};

constexpr int32_t AztecCompactSize(int layers) {
    return kAztecCompact1 - 1 + layers;
}
constexpr int32_t AztecFullRangeSize(int layers) {
    return kAztecFullRange1 - 1 + layers;
}

struct AztecEncodeArgs {
    const uint8_t* message = nullptr;  // not NUL-terminated
    int32_t length = 0;
    int32_t moduleSize = 1;                        // pixels a module, both directions
    int32_t escapeProcessing = 0;                  // non-zero: ESC sequences are interpreted
    int32_t sizeChoice = kAztecDefaultCorrection;  // an AztecSizeChoice value
    int32_t menu = 0;                              // non-zero: reader-initialisation symbol
    int32_t symbols = 1;     // structured-append set of 1..26 symbols side by side
    char appendId[28] = {};  // at most 24 characters, NUL-terminated; empty = no ID
    int32_t reverseVideo = 0;
    int32_t undercut = 0;  // pixels, for the scaler
};

// The height and width AztecEncode reports when it gives no symbol.
inline constexpr int32_t kAztecFailedSidePx = 10;

// The scaled symbol; empty when the message cannot be encoded as asked. trace, when given,
// receives the encoder's diagnostics.
OwnedRaster AztecRaster(const AztecEncodeArgs& args, std::ostream* trace = nullptr) noexcept;

// AztecRaster for C-style callers: the block locked once, with its pixel height, width and bits;
// null when there is no symbol, the height and width then being kAztecFailedSidePx.
BlockHandle AztecEncode(const AztecEncodeArgs& args, int32_t* heightOut, int32_t* widthOut,
                        void** pixelsOut, std::ostream* trace = nullptr) noexcept;

}  // namespace tsy::aztec
