// Hexadecimal numbers read the way the C library's string-to-long conversion reads them.
#pragma once

#include <cstdint>
#include <string_view>

namespace tsy {

// The value of a hexadecimal digit in either case; -1 for any other character.
constexpr int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

}  // namespace tsy

namespace tsy::detail {

// Leading white space, an optional sign and an optional "0x" are accepted; reading stops at
// the first non-digit; no digit gives 0; out-of-range values saturate at the 32-bit limits.
std::int32_t ReadHexLong(std::u16string_view s);

}  // namespace tsy::detail
