#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {
namespace {

constexpr int kPairColumns = 14;  // two digits of two wide and three narrow elements

// ISO/IEC 16390, table 1: wide elements of each digit, first element first.
constexpr const char* kDigits[10] = {"00110", "10001", "01001", "11000", "00101",
                                     "10100", "01100", "00011", "10010", "01010"};

void DrawPair(HostRowWriter& row, char bars, char spaces) {
    for (int e = 0; e < 5; ++e) {
        row.Element(kDigits[bars - '0'][e] == '1' ? 2 : 1);
        row.Element(kDigits[spaces - '0'][e] == '1' ? 2 : 1);
    }
}

}  // namespace

bool ItfHost(std::string_view message, bool bearers, ZiggurHostRows& rows,
             ZiggurHostLayout& layout) {
    for (char ch : message)
        if (ch < '0' || ch > '9') return false;
    std::string digits(message);
    if (digits.size() % 2) digits.insert(digits.begin(), '0');
    if (digits.size() < 4) return false;
    const int pairs = static_cast<int>(digits.size() / 2);
    const int width = kPairColumns * pairs + 10;
    if (width > kZiggurMaxHostColumns) return false;

    HostRowWriter row(width);
    row.Widths("1111");
    for (std::size_t i = 0; i < digits.size(); i += 2) DrawPair(row, digits[i], digits[i + 1]);
    row.Widths("211");
    rows.bars = row.Take();
    rows.barrier.assign(static_cast<std::size_t>(width), 0);

    layout.width = width;
    // Two pairs refer to both ends; longer symbols to every other pair boundary from the first.
    AddReference(layout, pairs == 2 ? 3 : 17, true);
    std::vector<int> outerColumns;
    for (int j = pairs == 2 ? 0 : 1; j <= pairs; j += 2) {
        AddReference(layout, kPairColumns * j + 4, false);
        AddReference(layout, kPairColumns * j + 5, true);
        outerColumns.push_back(kPairColumns * j + 5);
        rows.barrier[static_cast<std::size_t>(kPairColumns * j + 5)] = 1;
    }
    if (bearers) {
        rows.solidBearer.assign(static_cast<std::size_t>(width), 0);
        for (int x = 1; x <= width - 2; ++x) rows.solidBearer[static_cast<std::size_t>(x)] = 1;
        rows.notchedBearer = rows.solidBearer;
        for (int column : outerColumns)
            for (int x = column - 2; x < column; ++x)
                rows.notchedBearer[static_cast<std::size_t>(x)] = 0;
    }
    return true;
}

}  // namespace tsy::ziggur
