#include <cctype>

#include "encoders/aztec/aztec_symbol.h"
#include "encoders/common/reed_solomon.h"

namespace tsy::aztec {
namespace {

// ISO/IEC 24778, 7.2.2: the mode message is protected in GF(16) with x^4 + x + 1.
std::vector<int> WithChecks(std::vector<int> words, int checks) {
    static const GaloisField gf(16, 19);
    const std::vector<int> ecc =
        RsCheckWords(gf, words.data(), static_cast<int>(words.size()), checks, 1);
    words.insert(words.end(), ecc.begin(), ecc.end());
    return words;
}

}  // namespace

std::vector<int> AztecModeMessage(bool compact, int layers, int dataCodewords, bool menu) {
    const int l = layers - 1;
    const int d = dataCodewords - 1;
    if (compact) return WithChecks({l * 4 + d / 16 + (menu ? 2 : 0), d % 16}, 5);
    return WithChecks({l / 2, (l % 2) * 8 + d / 256 + (menu ? 4 : 0), (d / 16) % 16, d % 16}, 6);
}

std::vector<int> AztecRuneModeMessage(int value) {
    std::vector<int> words = WithChecks({value / 16, value % 16}, 5);
    for (int& w : words) w ^= 10;
    return words;
}

int AztecRuneValue(const AztecJob& job) {
    // Read modulo 256 as it goes, so any length of digits has its exact residue.
    int32_t i = 0;
    const auto at = [&](int32_t k) {
        return k < job.length ? job.message[static_cast<std::size_t>(k)] : 0;
    };
    while (at(i) == ' ' || (at(i) >= '\t' && at(i) <= '\r')) ++i;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') negative = at(i++) == '-';
    int value = 0;
    for (; at(i) >= '0' && at(i) <= '9'; ++i) value = (value * 10 + (at(i) - '0')) % 256;
    return negative ? (256 - value) % 256 : value;
}

}  // namespace tsy::aztec
