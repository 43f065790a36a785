// Replaying a compaction pattern over the message: pattern text -> data codewords.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tsy::pdf417 {

inline constexpr int kTextLatch = 900;
inline constexpr int kByteLatch = 901;
inline constexpr int kNumericLatch = 902;
inline constexpr int kByteShiftCodeword = 913;
inline constexpr int kByteLatchSix = 924;
inline constexpr int kEciCodeword = 927;
inline constexpr int kPadCodeword = 900;

// The data codewords before padding: a slot for the length descriptor (0 here), the ECI pair when
// eci >= 0, then the compacted message. The text sub-mode follows what a reader will do, so a
// half codeword completed with 29 in Punct (where 29 latches to Alpha) is followed by a fresh
// latch before the next Punct values.
std::vector<int> WriteDataCodewords(std::string_view pattern, std::span<const uint8_t> message,
                                    int eci);

// Codewords of one Numeric group of 1..44 digits: "1" and the digits in base 900.
std::vector<int> NumericGroup(std::span<const uint8_t> digits);

}  // namespace tsy::pdf417
