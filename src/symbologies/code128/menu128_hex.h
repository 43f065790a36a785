// Reading the Menu 128 offset and data texts as hexadecimal.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tsy {

// Upper-cased; everything up to and including the first "X" dropped (so 0x1F reads 1F); digits
// accumulated up to the first other character. Empty or non-hexadecimal text reads as 0; values
// beyond 32 bits saturate.
uint32_t ReadMenuHex(std::u16string_view text);

// Pairs of digits taken from the end: the last two give d0 (element 0), the two before them d1,
// at most four bytes; with an odd count of digits the first is not used.
std::array<uint8_t, 4> ReadMenuData(std::u16string_view text);

}  // namespace tsy
