#include "encoders/linear/code128_detail.h"

namespace tsy::linear {
namespace {

constexpr uint8_t kFnc1Byte = 0x80;
constexpr uint8_t kFnc4Byte = 0x83;

enum class CodeSet { A, B, C };

bool IsDigit(uint8_t b) {
    return b >= '0' && b <= '9';
}
// Bytes above 0x84 would also ask for set A, but they are refused before this is asked.
bool NeedsSetA(uint8_t b) {
    return b < 0x20;
}
bool NeedsSetB(uint8_t b) {
    return b >= 0x60 && b <= 0x7F;
}

// FNC1 bytes and digit pairs from pos on, up to the first byte that is neither.
int CountCodeCUnits(const uint8_t* m, int length, int pos) {
    int units = 0;
    while (pos < length) {
        if (m[pos] == kFnc1Byte) {
            ++pos;
        } else if (pos + 1 < length && IsDigit(m[pos]) && IsDigit(m[pos + 1])) {
            pos += 2;
        } else {
            break;
        }
        ++units;
    }
    return units;
}

uint8_t FunctionValue(uint8_t b, CodeSet set) {
    switch (b) {
        case 0x80:
            return kC128Fnc1;
        case 0x81:
            return kC128Fnc2;
        case 0x82:
            return kC128Fnc3;
        default:
            return set == CodeSet::A ? kC128CodeA : kC128CodeB;  // FNC4
    }
}

// Appends the value of the byte(s) at pos in the current set; returns the bytes used.
int EncodeAt(const uint8_t* m, int pos, CodeSet set, std::vector<uint8_t>& out) {
    const uint8_t b = m[pos];
    if (set == CodeSet::C) {
        if (b == kFnc1Byte) {
            out.push_back(kC128Fnc1);
            return 1;
        }
        out.push_back(static_cast<uint8_t>((b - '0') * 10 + (m[pos + 1] - '0')));
        return 2;
    }
    if (b > 0x7F)
        out.push_back(FunctionValue(b, set));
    else if (set == CodeSet::A)
        out.push_back(static_cast<uint8_t>((b + 64) % 96));
    else
        out.push_back(static_cast<uint8_t>(b - 32));
    return 1;
}

void SwitchBefore(const uint8_t* m, int length, int pos, CodeSet& set, std::vector<uint8_t>& out) {
    const int units = CountCodeCUnits(m, length, pos);
    const uint8_t next = m[pos];
    if (set == CodeSet::C) {
        if (units >= 1) return;
        set = NeedsSetA(next) ? CodeSet::A : CodeSet::B;
        out.push_back(set == CodeSet::A ? kC128CodeA : kC128CodeB);
        return;
    }
    if (units >= 3) {
        set = CodeSet::C;
        out.push_back(kC128CodeC);
    } else if (NeedsSetA(next) && set != CodeSet::A) {
        set = CodeSet::A;
        out.push_back(kC128CodeA);
    } else if (NeedsSetB(next) && set != CodeSet::B) {
        set = CodeSet::B;
        out.push_back(kC128CodeB);
    }
}

bool Encodable(const uint8_t* m, int length) {
    if (!m || length < 1 || length > kCode128MaxMessage) return false;
    for (int i = 0; i < length; ++i)
        if (m[i] > kFnc4Byte) return false;
    return true;
}

void AppendBase96(int v, std::vector<uint8_t>& out) {
    out.push_back(static_cast<uint8_t>(v / 96));
    out.push_back(static_cast<uint8_t>(v % 96));
}

// d0 .. d3 as base-96 digits, by the number of bytes before the first zero byte.
void AppendMenuData(const uint8_t* d, std::vector<uint8_t>& out) {
    int n = 0;
    while (d && n < 4 && d[n] != 0) ++n;
    if (n == 1) AppendBase96(d[0], out);
    if (n < 2) return;
    const int w = (d[1] % 32) * 256 + d[0];
    if (n == 2) out.push_back(static_cast<uint8_t>(d[1] / 32));
    if (n == 3) AppendBase96(d[1] / 32 + 8 * d[2], out);
    if (n == 4) {
        out.push_back(static_cast<uint8_t>(d[3] / 4));
        AppendBase96(d[1] / 32 + 8 * ((d[3] % 4) * 256 + d[2]), out);
    }
    AppendBase96(w, out);
}

}  // namespace

uint8_t Code128CheckValue(const std::vector<uint8_t>& values) {
    if (values.empty()) return 0;
    long sum = values[0];
    for (std::size_t i = 1; i < values.size(); ++i) sum += static_cast<long>(values[i] * i);
    return static_cast<uint8_t>(sum % 103);
}

std::vector<uint8_t> Code128Values(const uint8_t* m, int length) {
    if (!Encodable(m, length)) return {};
    CodeSet set = CodeSet::B;
    if (CountCodeCUnits(m, length, 0) >= 2)
        set = CodeSet::C;
    else if (NeedsSetA(m[0]))
        set = CodeSet::A;
    std::vector<uint8_t> values{set == CodeSet::C   ? kC128StartC
                                : set == CodeSet::A ? kC128StartA
                                                    : kC128StartB};
    for (int pos = 0; pos < length;) {
        pos += EncodeAt(m, pos, set, values);
        if (pos < length) SwitchBefore(m, length, pos, set, values);
        if (static_cast<int>(values.size()) >= kCode128MaxValues) return {};
    }
    values.push_back(Code128CheckValue(values));
    return values;
}

std::vector<uint8_t> Menu128Values(int menuId, int opcode, int offset, const uint8_t* data) {
    if (menuId < 0 || menuId > kC128StartMenu128 || opcode < 0 || offset < 0) return {};
    const long long v = static_cast<long long>(opcode) * 1024 + offset;
    if (v / 96 > kC128StartMenu128) return {};
    std::vector<uint8_t> values{kC128StartMenu128, static_cast<uint8_t>(menuId)};
    AppendBase96(static_cast<int>(v), values);
    AppendMenuData(data, values);
    values.push_back(Code128CheckValue(values));
    return values;
}

std::vector<uint8_t> Code128ModuleRow(const std::vector<uint8_t>& values) {
    std::vector<uint8_t> row(kCode128QuietZone, 0);
    auto draw = [&row](const char* widths) {
        for (int e = 0; widths[e]; ++e) row.insert(row.end(), widths[e] - '0', e % 2 == 0);
    };
    for (uint8_t v : values) draw(kCode128Patterns[v]);
    draw("2331112");  // stop
    row.insert(row.end(), kCode128QuietZone, 0);
    return row;
}

}  // namespace tsy::linear
