// Pieces of the Code 128 encoder, exposed for tests.
#pragma once

#include <cstdint>
#include <vector>

namespace tsy::linear {

inline constexpr int kCode128MaxMessage = 256;
inline constexpr int kCode128MaxValues = 297;
inline constexpr int kCode128QuietZone = 10;

enum Code128Value : uint8_t {
    kC128Fnc3 = 96,
    kC128Fnc2 = 97,
    kC128Shift = 98,
    kC128CodeC = 99,
    kC128CodeB = 100,  // FNC4 in set B
    kC128CodeA = 101,  // FNC4 in set A
    kC128Fnc1 = 102,
    kC128StartA = 103,
    kC128StartB = 104,
    kC128StartC = 105,
    kC128StartMenu128 = 106,
};

// Bar and space widths of values 0-106, bar first.
extern const char* const kCode128Patterns[107];

// Symbol values from start to check character; empty when the message is refused.
std::vector<uint8_t> Code128Values(const uint8_t* message, int length);
// Menu 128 values from its start to the check character; empty when refused.
std::vector<uint8_t> Menu128Values(int menuId, int opcode, int offset, const uint8_t* data);
// (first value + sum of value x position) mod 103, positions from 1 after the first.
uint8_t Code128CheckValue(const std::vector<uint8_t>& values);
// One byte a module, 1 for bar: quiet zone, every value, stop, quiet zone.
std::vector<uint8_t> Code128ModuleRow(const std::vector<uint8_t>& values);

}  // namespace tsy::linear
