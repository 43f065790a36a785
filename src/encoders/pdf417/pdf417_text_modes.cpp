#include "encoders/pdf417/pdf417_text_modes.h"

#include <array>

namespace tsy::pdf417 {
namespace {

// Text compaction sub-mode characters, value = position (ISO/IEC 15438, Table 2). Positions
// past the characters are the switch values.
constexpr char kMixedChars[] = "0123456789&\r\t,:#-.$/+%*=^";
constexpr char kPunctChars[] = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";

using ValueTable = std::array<std::array<int8_t, 256>, kTextModeCount>;

constexpr ValueTable BuildValues() {
    ValueTable t{};
    for (auto& row : t) row.fill(-1);
    for (int i = 0; i < 26; ++i) {
        t[kAlpha]['A' + i] = static_cast<int8_t>(i);
        t[kLower]['a' + i] = static_cast<int8_t>(i);
    }
    t[kAlpha][' '] = t[kLower][' '] = t[kMixed][' '] = 26;
    for (int i = 0; kMixedChars[i] != 0; ++i)
        t[kMixed][static_cast<uint8_t>(kMixedChars[i])] = static_cast<int8_t>(i);
    for (int i = 0; kPunctChars[i] != 0; ++i)
        t[kPunct][static_cast<uint8_t>(kPunctChars[i])] = static_cast<int8_t>(i);
    return t;
}

constexpr ValueTable kValues = BuildValues();

}  // namespace

int TextValue(int mode, uint8_t c) {
    return kValues[static_cast<std::size_t>(mode)][c];
}

bool ModeHolds(int mode, uint8_t c) {
    if (mode == kByte) return true;
    if (mode == kNumeric) return IsDigit(c);
    return TextValue(mode, c) >= 0;
}

}  // namespace tsy::pdf417
