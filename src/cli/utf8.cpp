#include "cli/utf8.h"

#include "platform/utf8_text.h"

#include <cstdint>

namespace tsy {
namespace {

// Length and value of the UTF-8 sequence at s[i], or 0 when it is not well formed.
int DecodeOne(std::string_view s, std::size_t i, char32_t* out) {
    const auto b0 = static_cast<uint8_t>(s[i]);
    int len = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) return 0;
    char32_t cp = len == 1 ? b0 : b0 & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<uint8_t>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    *out = cp;
    return len;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const int len = DecodeOne(text, i, &cp);
        if (len == 0) {
            out += static_cast<char16_t>(static_cast<uint8_t>(text[i++]));
            continue;
        }
        i += static_cast<std::size_t>(len);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Utf16ToUtf8Text(text);
}

}  // namespace tsy
