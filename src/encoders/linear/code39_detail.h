// Pieces of the Code 39 encoder, exposed for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tsy::linear {

// Character values 0-42, the order of the modulo-43 check.
inline constexpr char kCode39Charset[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Nine elements, bar first; bit 8 is the first element, set for a wide one. Index = value,
// 43 is the start/stop "*".
extern const uint16_t kCode39Patterns[44];
// Full ASCII expansion of bytes 0-127, one or two characters each.
extern const char* const kCode39FullAscii[128];

// Start, expansion, optional check, stop; empty when a byte is above 127.
std::string Code39Expand(const uint8_t* message, int length, bool checkCharacter, bool menuCode);
// One byte a pixel column, 1 for bar, quiet zones and gaps included.
std::vector<uint8_t> Code39PixelRow(const std::string& expanded, int narrow, int wide);
// L x (3 wide + 7 narrow) + 20 narrow.
int64_t Code39PixelWidth(int64_t characters, int64_t narrow, int64_t wide);

}  // namespace tsy::linear
