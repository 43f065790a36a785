// Helpers for readable UTF-16 expectations in the message tests.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tsy::testing {

// "A\x0d" style rendering so failures show control characters and non-ASCII units.
inline std::string Show(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "<%04X>", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out;
}

inline std::string ShowBytes(std::string_view s) {
    std::string out;
    for (unsigned char c : s) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    return out;
}

}  // namespace tsy::testing
