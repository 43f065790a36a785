// The ISO 8859 byte-to-character tables (generated, see iso8859_tables.cpp).
#pragma once

#include <cstdint>

namespace tsy::detail {

inline constexpr std::uint16_t kUndefinedChar = 0xFFFF;

struct Iso8859Table {
    int part;  // 1..16, no 12
    std::uint16_t toChar[256];
};

inline constexpr int kIso8859TableCount = 15;
extern const Iso8859Table kIso8859Tables[kIso8859TableCount];

// The forward table of a part, nullptr when the program has none (part 12, out of range).
const std::uint16_t* Iso8859Forward(int part);

// The ISO 8859 part of a code-page number (28591-28599, 285910-285916; 285912 included); 0
// when the number is not one of them.
int Iso8859Part(std::uint32_t codePage);

}  // namespace tsy::detail
