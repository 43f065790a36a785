#include <cstring>

#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {
namespace {

constexpr int kCharacterColumns = 9;
constexpr char kDirect[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
enum Shift { kShiftDollar = 43, kShiftPercent = 44, kShiftSlash = 45, kShiftPlus = 46 };

// Code 93 (AIM USS-93), table 1: widths of values 0..46, bar first.
constexpr const char* kPatterns[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114",
    "131211", "141111", "211113", "211212", "211311", "221112", "221211", "231111",
    "112113", "112212", "112311", "122112", "132111", "111123", "111222", "111321",
    "121122", "131121", "212112", "212211", "211122", "211221", "221121", "222111",
    "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};
constexpr const char* kStart = "111141";
constexpr const char* kStop = "1111411";  // with the termination bar

int DirectValue(char ch) {
    const char* at = std::strchr(kDirect, ch);
    return at ? static_cast<int>(at - kDirect) : -1;
}

// Full ASCII (AIM USS-93, table 2): a shift character and a letter for everything not direct.
void AppendByte(std::vector<int>& values, unsigned char ch) {
    const auto pair = [&](int shift, char letter) {
        values.push_back(shift);
        values.push_back(DirectValue(letter));
    };
    if (ch != 0 && DirectValue(static_cast<char>(ch)) >= 0) {
        values.push_back(DirectValue(static_cast<char>(ch)));
    } else if (ch == 0) {
        pair(kShiftPercent, 'U');
    } else if (ch <= 26) {
        pair(kShiftDollar, static_cast<char>('A' + ch - 1));
    } else if (ch <= 31) {
        pair(kShiftPercent, static_cast<char>('A' + ch - 27));
    } else if (ch <= ',') {
        pair(kShiftSlash, static_cast<char>('A' + ch - '!'));
    } else if (ch == ':') {
        pair(kShiftSlash, 'Z');
    } else if (ch <= '?') {
        pair(kShiftPercent, static_cast<char>('F' + ch - ';'));
    } else if (ch == '@') {
        pair(kShiftPercent, 'V');
    } else if (ch <= '_') {
        pair(kShiftPercent, static_cast<char>('K' + ch - '['));
    } else if (ch == '`') {
        pair(kShiftPercent, 'W');
    } else if (ch <= 'z') {
        pair(kShiftPlus, static_cast<char>('A' + ch - 'a'));
    } else {
        pair(kShiftPercent, static_cast<char>('P' + ch - '{'));
    }
}

int WeightedCheck(const std::vector<int>& values, int maxWeight) {
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += *it * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

}  // namespace

std::vector<int> Code93HostValues(std::string_view message) {
    // An empty host is refused: readers do not read a Code 93 symbol without data.
    if (message.empty()) return {};
    std::vector<int> values;
    for (char ch : message) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte > 127) return {};
        AppendByte(values, byte);
    }
    values.push_back(WeightedCheck(values, 20));
    values.push_back(WeightedCheck(values, 15));
    return values;
}

bool Code93Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout) {
    const std::vector<int> values = Code93HostValues(message);
    if (values.empty()) return false;
    const int c = static_cast<int>(values.size()) + 2;
    const int width = kCharacterColumns * c + 3;
    if (width > kZiggurMaxHostColumns) return false;

    HostRowWriter row(width);
    row.Widths(kStart);
    for (int v : values) row.Widths(kPatterns[v]);
    row.Widths(kStop);
    rows.bars = row.Take();
    rows.barrier.assign(static_cast<std::size_t>(width), 0);

    layout.width = width;
    AddReference(layout, 8, true);
    AddReferenceSteps(layout, rows.barrier, (c + 1) / 4, c - 2, kCharacterColumns,
                      kCharacterColumns);
    return true;
}

}  // namespace tsy::ziggur
