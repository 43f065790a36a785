// Cost-based choice of compaction modes: message bytes -> pattern text.
//
// Pattern tokens: a decimal count = that many bytes in the current mode; a capital letter = a
// latch (A Alpha, L Lower, M Mixed, P Punct, N Numeric, B Byte); "a" Alpha Shift, "p" Punct
// Shift, "b" Byte Shift, each with one byte.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "encoders/pdf417/pdf417_layout.h"

namespace tsy::pdf417 {

// Costs are counted in ten-thousandths of a codeword, so the model's fractions are exact.
inline constexpr int64_t kCostUnit = 10000;

// The search stops once every mode costs more than this: no symbol holds that many codewords.
inline constexpr int64_t kCostCeiling = kMaxCodewords * kCostUnit;

struct CompactionResult {
    std::string pattern;
    int64_t cost = 0;      // in kCostUnit
    bool complete = true;  // false: stopped early, the message cannot fit any symbol
};

CompactionResult FindCompactionPattern(std::span<const uint8_t> message);

inline int64_t CeilCodewords(int64_t cost) {
    return (cost + kCostUnit - 1) / kCostUnit;
}

}  // namespace tsy::pdf417
