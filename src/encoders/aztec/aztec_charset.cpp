#include "encoders/aztec/aztec_charset.h"

#include <array>
#include <cstring>

namespace tsy::aztec {

// ISO/IEC 24778, table 3 (latch and shift costs follow from its code widths).
const int kAztecLatchCost[5][kAztecModeCount] = {
    {0, 5, 5, 10, 5, 10},    // Upper
    {10, 0, 5, 10, 5, 10},   // Lower
    {5, 5, 0, 5, 10, 10},    // Mixed
    {5, 10, 10, 0, 10, 15},  // Punct
    {4, 9, 9, 14, 0, 14},    // Digit
};

const char* const kAztecLatchLetters[kAztecModeCount][kAztecModeCount] = {
    {"", "L", "M", "MP", "D", "B"},      // Upper
    {"MU", "", "M", "MP", "D", "B"},     // Lower
    {"U", "L", "", "P", "UD", "B"},      // Mixed
    {"U", "UL", "UM", "", "UD", "UB"},   // Punct
    {"U", "UL", "UM", "UMP", "", "UB"},  // Digit
    {"U", "L", "M", "", "", ""},         // Binary: the mode of return
};

namespace {

using CodeTable = detail::AztecCodeTable;

constexpr void Put(CodeTable& t, int mode, int value, int code) {
    t[mode][value].count = 1;
    t[mode][value].code[0] = code;
}

constexpr void PutPair(CodeTable& t, int mode, int value, int first, int second) {
    t[mode][value].count = 2;
    t[mode][value].code[0] = first;
    t[mode][value].code[1] = second;
}

// ISO/IEC 24778, table 2: the character values of the five character modes.
constexpr CodeTable MakeCodeTable() {
    CodeTable t{};
    for (int mode : {kUpper, kLower, kMixed, kDigit}) Put(t, mode, ' ', 1);
    for (int i = 0; i < 26; ++i) {
        Put(t, kUpper, 'A' + i, 2 + i);
        Put(t, kLower, 'a' + i, 2 + i);
    }
    for (int i = 1; i <= 13; ++i) Put(t, kMixed, i, 1 + i);
    for (int i = 27; i <= 31; ++i) Put(t, kMixed, i, i - 12);
    const char* mixed = "@\\^_`|~";
    for (int i = 0; mixed[i]; ++i) Put(t, kMixed, static_cast<unsigned char>(mixed[i]), 20 + i);
    Put(t, kMixed, 127, 27);
    PutPair(t, kMixed, kAztecCrLf, 14, 11);

    Put(t, kPunct, kAztecFlg, 0);
    Put(t, kPunct, '\r', 1);
    for (int i = 0; i < 4; ++i) Put(t, kPunct, kAztecCrLf + i, 2 + i);
    const char* punct = "!\"#$%&'()*+,-./:;<=>?[]{}";
    for (int i = 0; punct[i]; ++i) Put(t, kPunct, static_cast<unsigned char>(punct[i]), 6 + i);

    for (int i = 0; i < 10; ++i) Put(t, kDigit, '0' + i, 2 + i);
    Put(t, kDigit, ',', 12);
    Put(t, kDigit, '.', 13);
    PutPair(t, kDigit, kAztecPeriodSpace, 13, 1);
    PutPair(t, kDigit, kAztecCommaSpace, 12, 1);
    return t;
}

}  // namespace

// Built by the compiler: the searches look codes up several times a byte.
constexpr CodeTable detail::kAztecCodes = MakeCodeTable();

}  // namespace tsy::aztec
