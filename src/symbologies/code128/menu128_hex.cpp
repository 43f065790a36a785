#include "symbologies/code128/menu128_hex.h"

#include "message/hex_number.h"

namespace tsy {

uint32_t ReadMenuHex(std::u16string_view text) {
    const std::size_t x = text.find_first_of(u"xX");
    if (x != std::u16string_view::npos) text.remove_prefix(x + 1);
    uint64_t value = 0;
    for (char16_t c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

std::array<uint8_t, 4> ReadMenuData(std::u16string_view text) {
    std::array<uint8_t, 4> bytes{};
    std::size_t end = text.size();
    for (std::size_t i = 0; i < bytes.size() && end >= 2; ++i, end -= 2)
        bytes[i] = static_cast<uint8_t>(ReadMenuHex(text.substr(end - 2, 2)));
    return bytes;
}

}  // namespace tsy
