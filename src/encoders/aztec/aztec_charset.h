// The Aztec character set: code values per mode, latch costs and latch letters.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tsy::aztec {

enum AztecMode : int { kUpper = 0, kLower, kMixed, kPunct, kDigit, kBinary, kAztecModeCount };

// Input values beyond the bytes: the four pairs and FLG(n).
inline constexpr int kAztecCrLf = 256;
inline constexpr int kAztecPeriodSpace = 257;
inline constexpr int kAztecCommaSpace = 258;
inline constexpr int kAztecColonSpace = 259;
inline constexpr int kAztecFlg = 260;
inline constexpr int kAztecEndOfInput = -1;
inline constexpr int kAztecBadEscape = -2;

// The 11-bit length field holds n - 31 up to 2047; a longer run needs a further Binary Shift.
inline constexpr int kAztecMaxBinaryRun = 2078;

// One input value written in one mode: no code (not encodable), one code, or a pair as two.
struct AztecCodes {
    int count = 0;
    int code[2] = {0, 0};
};

namespace detail {
using AztecCodeTable = std::array<std::array<AztecCodes, kAztecFlg + 1>, 5>;
extern const AztecCodeTable kAztecCodes;  // ISO/IEC 24778, table 2, modes Upper..Digit
}  // namespace detail

// Codes of value (0..260) in a character mode Upper..Digit; in Binary the codes are bytes.
inline AztecCodes AztecCharCodes(int value, int mode) {
    if (value < 0 || value > kAztecFlg || mode < kUpper || mode > kBinary) return {};
    if (mode != kBinary)
        return detail::kAztecCodes[static_cast<std::size_t>(mode)][static_cast<std::size_t>(value)];
    AztecCodes c;
    if (value < 256) {
        c.count = 1;
        c.code[0] = value;
    } else if (value < kAztecFlg) {
        static constexpr char kPairs[4][2] = {{'\r', '\n'}, {'.', ' '}, {',', ' '}, {':', ' '}};
        c.count = 2;
        c.code[0] = kPairs[value - kAztecCrLf][0];
        c.code[1] = kPairs[value - kAztecCrLf][1];
    }
    return c;
}

// Bits of one code value: 5, 4 in Digit, 8 in Binary.
inline constexpr int AztecCodeBits(int mode) {
    return mode == kDigit ? 4 : (mode == kBinary ? 8 : 5);
}

// From a character mode (row) to any mode (column); Binary means entering Binary Shift with its
// 5-bit length field.
extern const int kAztecLatchCost[5][kAztecModeCount];
// The pattern letters of each latch; the Binary row names the mode a Binary run returns to.
extern const char* const kAztecLatchLetters[kAztecModeCount][kAztecModeCount];

}  // namespace tsy::aztec
