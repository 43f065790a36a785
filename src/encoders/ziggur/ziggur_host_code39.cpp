#include <cstring>

#include "encoders/linear/code39_detail.h"
#include "encoders/ziggur/ziggur_host_detail.h"

namespace tsy::ziggur {
namespace {

using linear::kCode39Charset;
using linear::kCode39Patterns;

constexpr int kStartStop = 43;
constexpr int kCharacterColumns = 13;  // nine elements and the gap, with narrow 1 and wide 2

void DrawCharacter(HostRowWriter& row, int value, bool gap) {
    const uint16_t pattern = kCode39Patterns[value];
    for (int e = 8; e >= 0; --e) row.Element((pattern >> e) & 1 ? 2 : 1);
    if (gap) row.Element(1);
}

}  // namespace

bool Code39Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout) {
    // No full ASCII and no check character: the host stays the plainest Code 39.
    if (message.empty()) return false;
    std::vector<int> values;
    for (char ch : message) {
        const char* at = ch ? std::strchr(kCode39Charset, ch) : nullptr;
        if (!at) return false;
        values.push_back(static_cast<int>(at - kCode39Charset));
    }
    const int c = static_cast<int>(values.size()) + 2;
    const int width = kCharacterColumns * c + 1;
    if (width > kZiggurMaxHostColumns) return false;

    HostRowWriter row(width);
    DrawCharacter(row, kStartStop, true);
    for (int v : values) DrawCharacter(row, v, true);
    DrawCharacter(row, kStartStop, false);
    rows.bars = row.Take();
    rows.barrier.assign(static_cast<std::size_t>(width), 0);

    layout.width = width;
    AddReference(layout, 12, true);
    AddReferenceSteps(layout, rows.barrier, (c - 1) / 2, c - 2, kCharacterColumns,
                      kCharacterColumns);
    return true;
}

}  // namespace tsy::ziggur
