#include "encoders/linear/code128_detail.h"
#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {
namespace {

using linear::kCode128Patterns;

constexpr int kSymbolColumns = 11;
constexpr const char* kStopPattern = "2331112";  // with the termination bar
enum class Set { A, B, C };
enum class Next { Control, Lower, Neither };

bool IsDigit(unsigned char ch) {
    return ch >= '0' && ch <= '9';
}
bool IsControl(unsigned char ch) {
    return ch < 0x20;
}
bool IsLower(unsigned char ch) {
    return ch >= 0x60 && ch <= 0x7F;
}

struct Scanner {
    std::string_view msg;

    unsigned char at(std::size_t i) const {
        return i < msg.size() ? static_cast<unsigned char>(msg[i]) : 0;
    }

    // Digit pairs and FNC1 (counting 2) from i, plus 1 for one more digit after them.
    int DigitRun(std::size_t i) const {
        int run = 0;
        while (i < msg.size()) {
            if (at(i) == 0x80) {
                run += 2;
                i += 1;
            } else if (IsDigit(at(i)) && i + 1 < msg.size() && IsDigit(at(i + 1))) {
                run += 2;
                i += 2;
            } else {
                break;
            }
        }
        return run + (i < msg.size() && IsDigit(at(i)) ? 1 : 0);
    }

    // Which of a control character and a 0x60-0x7F character comes first from i.
    Next FirstFrom(std::size_t i) const {
        for (; i < msg.size(); ++i) {
            if (IsControl(at(i))) return Next::Control;
            if (IsLower(at(i))) return Next::Lower;
        }
        return Next::Neither;
    }
};

int FncValue(unsigned char ch, Set set) {
    static constexpr int kFnc[4] = {linear::kC128Fnc1, linear::kC128Fnc2, linear::kC128Fnc3, 0};
    if (ch == 0x83) return set == Set::A ? linear::kC128CodeA : linear::kC128CodeB;
    return kFnc[ch - 0x80];
}

int ValueA(unsigned char ch) {
    return (ch + 64) % 96;
}
int ValueB(unsigned char ch) {
    return ch - 32;
}

}  // namespace

std::vector<int> Code128HostValues(std::string_view message) {
    // Empty is refused as readers read nothing; bytes beyond FNC4 have no value in any set.
    if (message.empty()) return {};
    for (char ch : message)
        if (static_cast<unsigned char>(ch) > 0x83) return {};
    const Scanner s{message};
    std::vector<int> values;
    Set set = Set::C;
    if (s.DigitRun(0) >= 2) {
        values.push_back(linear::kC128StartC);
    } else {
        set = s.FirstFrom(0) == Next::Control ? Set::A : Set::B;
        values.push_back(set == Set::A ? linear::kC128StartA : linear::kC128StartB);
    }
    for (std::size_t i = 0; i < message.size();) {
        const unsigned char ch = s.at(i);
        const int run = s.DigitRun(i);
        if (set == Set::C) {
            if (run < 2) {
                set = s.FirstFrom(i) == Next::Control ? Set::A : Set::B;
                values.push_back(set == Set::A ? linear::kC128CodeA : linear::kC128CodeB);
            } else if (ch == 0x80) {
                values.push_back(linear::kC128Fnc1);
                i += 1;
            } else {
                values.push_back((ch - '0') * 10 + (s.at(i + 1) - '0'));
                i += 2;
            }
            continue;
        }
        if (run >= 4 && run % 2 == 0) {
            values.push_back(linear::kC128CodeC);
            set = Set::C;
            continue;
        }
        if (ch >= 0x80) {
            values.push_back(FncValue(ch, set));
        } else if (set == Set::A && IsLower(ch)) {
            if (s.FirstFrom(i + 1) == Next::Lower) {
                values.push_back(linear::kC128CodeB);
                set = Set::B;
                continue;
            }
            values.push_back(linear::kC128Shift);
            values.push_back(ValueB(ch));
        } else if (set == Set::B && IsControl(ch)) {
            if (s.FirstFrom(i + 1) == Next::Control) {
                values.push_back(linear::kC128CodeA);
                set = Set::A;
                continue;
            }
            values.push_back(linear::kC128Shift);
            values.push_back(ValueA(ch));
        } else {
            values.push_back(set == Set::A ? ValueA(ch) : ValueB(ch));
        }
        ++i;
    }
    // ISO/IEC 15417, 4.3.4.1: modulo 103 over the start value and value x position.
    long sum = values[0];
    for (std::size_t k = 1; k < values.size(); ++k) sum += values[k] * static_cast<long>(k);
    values.push_back(static_cast<int>(sum % 103));
    return values;
}

bool Code128Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout) {
    const std::vector<int> values = Code128HostValues(message);
    if (values.empty()) return false;
    const int c = static_cast<int>(values.size()) + 1;
    const int width = kSymbolColumns * c + 4;
    // Checked before drawing: 47 bytes can need some 800 columns.
    if (width > kZiggurMaxHostColumns) return false;

    HostRowWriter row(width);
    for (int v : values) row.Widths(kCode128Patterns[v]);
    row.Widths(kStopPattern);
    rows.bars = row.Take();
    rows.barrier.assign(static_cast<std::size_t>(width), 0);

    layout.width = width;
    AddReference(layout, 10, true);
    AddReferenceSteps(layout, rows.barrier, c / 3, c - 2, kSymbolColumns, kSymbolColumns);
    return true;
}

}  // namespace tsy::ziggur
