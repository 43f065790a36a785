// The ISO 646 tables of the seven-bit code pages (20127 and the national variants 80-94).
#pragma once

#include <array>
#include <cstdint>

namespace tsy::detail {

using SevenBitTable = std::array<std::uint16_t, 256>;

inline constexpr int kSevenBitTableCount = 16;

// Index of the seven-bit table of a code-page number, -1 when it has none.
constexpr int SevenBitIndex(std::uint32_t codePage) {
    if (codePage == 20127) return 0;
    if (codePage >= 80 && codePage <= 94) return static_cast<int>(codePage - 80) + 1;
    return -1;
}

// Byte to character; 0x80-0xFF are U+0000, undefined positions 0xFFFF.
const SevenBitTable& SevenBitForward(int index);

}  // namespace tsy::detail
