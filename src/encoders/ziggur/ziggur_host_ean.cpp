#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {
namespace {

constexpr int kEanWidth = 97;

// ISO/IEC 15420, table 1: set A (L) widths, space first; set C (R) has the same widths bar first
// and set B (G) is set A reversed.
constexpr const char* kSetA[10] = {"3211", "2221", "2122", "1411", "1132",
                                   "1231", "1114", "1312", "1213", "3112"};
// ISO/IEC 15420, table 7: the sets of digits 2..7 chosen by the first digit, 1 for set B.
constexpr const char* kParity[10] = {"000000", "001011", "001101", "001110", "010011",
                                     "011001", "011100", "010101", "010110", "011010"};

}  // namespace

std::string EanDigits(std::string_view message) {
    if (message.size() > 12) return {};
    for (char ch : message)
        if (ch < '0' || ch > '9') return {};
    std::string digits = std::string(12 - message.size(), '0') + std::string(message);
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i) sum += (digits[i] - '0') * (i % 2 ? 3 : 1);
    digits += static_cast<char>('0' + (10 - sum % 10) % 10);
    return digits;
}

bool EanHost(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout) {
    const std::string digits = EanDigits(message);
    if (digits.empty()) return false;
    HostRowWriter row(kEanWidth);
    row.Widths("111");
    const char* parity = kParity[digits[0] - '0'];
    for (int i = 1; i <= 6; ++i) {
        std::string widths = kSetA[digits[static_cast<std::size_t>(i)] - '0'];
        if (parity[i - 1] == '1') widths.assign(widths.rbegin(), widths.rend());
        row.Widths(widths);
    }
    row.Widths("11111");
    for (std::size_t i = 7; i <= 12; ++i) row.Widths(kSetA[digits[i] - '0']);
    row.Widths("111");
    rows.bars = row.Take();

    layout.width = kEanWidth;
    rows.barrier.assign(kEanWidth, 0);
    static constexpr ZiggurReference kReferences[] = {
        {17, true}, {18, false}, {47, true}, {48, false}, {49, true}, {78, false}, {79, true}};
    layout.references.assign(std::begin(kReferences), std::end(kReferences));
    for (int column : {17, 49, 79}) rows.barrier[static_cast<std::size_t>(column)] = 1;
    return true;
}

}  // namespace tsy::ziggur
