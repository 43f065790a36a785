#include "message/hex_number.h"

#include <algorithm>

namespace tsy::detail {
namespace {

bool IsSpace(char16_t c) {
    return c == u' ' || (c >= 0x09 && c <= 0x0D);
}

}  // namespace

std::int32_t ReadHexLong(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    if (i + 2 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X') &&
        HexDigitValue(s[i + 2]) >= 0) {
        i += 2;
    }
    constexpr std::int64_t kLimit = 0x80000000LL;  // one past INT32_MAX, enough to saturate
    std::int64_t value = 0;
    for (; i < s.size() && HexDigitValue(s[i]) >= 0; ++i) {
        value = std::min(value * 16 + HexDigitValue(s[i]), kLimit);
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, INT32_MAX));
}

}  // namespace tsy::detail
