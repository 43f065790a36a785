// Hexadecimal numbers read the way the C library's string-to-long conversion reads them.
#pragma once

#include <cstdint>
#include <string_view>

namespace tsy::detail {

// Leading white space, an optional sign and an optional "0x" are accepted; reading stops at
// the first non-digit; no digit gives 0; out-of-range values saturate at the 32-bit limits.
std::int32_t ReadHexLong(std::u16string_view s);

}  // namespace tsy::detail
