// The text compaction sub-modes and the compaction modes of the pattern search.
#pragma once

#include <cstdint>

namespace tsy::pdf417 {

// Indexes fixed by the search: tables and tie-breaks follow this order.
enum Mode : int { kAlpha = 0, kLower = 1, kMixed = 2, kPunct = 3, kNumeric = 4, kByte = 5 };
inline constexpr int kModeCount = 6;
inline constexpr int kTextModeCount = 4;

// Sub-mode switch values inside text compaction (ISO/IEC 15438, 5.4.1).
inline constexpr int kLatchLower = 27;       // from Alpha or Mixed
inline constexpr int kShiftAlpha = 27;       // from Lower
inline constexpr int kLatchMixed = 28;       // from Alpha or Lower
inline constexpr int kLatchAlphaMixed = 28;  // from Mixed
inline constexpr int kLatchPunct = 25;       // from Mixed
inline constexpr int kShiftPunct = 29;       // from Alpha, Lower or Mixed
inline constexpr int kLatchAlphaPunct = 29;  // from Punct

// Value of byte c in a text sub-mode (0..29), or -1 when the sub-mode lacks it.
int TextValue(int mode, uint8_t c);
inline bool IsDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}
// True when the mode (text sub-mode, Numeric or Byte) holds c.
bool ModeHolds(int mode, uint8_t c);

}  // namespace tsy::pdf417
