// The Aztec character set: code values per mode, latch costs and latch letters.
#pragma once

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

// Codes of value (0..260) in a character mode Upper..Digit; in Binary the codes are bytes.
AztecCodes AztecCharCodes(int value, int mode);

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
