#include "encoders/qr/qr_detail.h"

namespace tsy::qr {
namespace {

constexpr int kMask = 6;
constexpr uint16_t kFormatMask = 0x2825;  // QR Code Model 1's, not Model 2's 0x5412
constexpr int kFormatGenerator = 0x537;

void DrawFinder(ModuleMatrix& m, int top, int left) {
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
            const bool ring = r == 0 || r == 6 || c == 0 || c == 6;
            const bool centre = r >= 2 && r <= 4 && c >= 2 && c <= 4;
            if (ring || centre) m.set(left + c, top + r);
        }
}

void DrawExtensionRuns(ModuleMatrix& m) {
    const int s = m.width();
    for (int n = s - 12; n > 9; n -= 8)
        for (int k = 0; k < 4; ++k) {
            m.set(s - 1, n + k);
            m.set(n + k, s - 1);
        }
}

// Positions (row, col) of format bits 14 down to 0, first and second copy.
struct FormatPos {
    int row;
    int col;
};
FormatPos FirstCopy(int s, int bit) {
    if (bit >= 8) return {s - 1 - (14 - bit), 8};
    if (bit == 7) return {8, 8};
    if (bit == 6) return {7, 8};
    return {bit, 8};
}
FormatPos SecondCopy(int s, int bit) {
    if (bit >= 9) return {8, 14 - bit};
    if (bit == 8) return {8, 7};
    return {8, s - 1 - bit};
}

}  // namespace

uint16_t QrFormatWord(int level) {
    const int data = (level << 3) | kMask;
    int rem = data << 10;
    for (int bit = 14; bit >= 10; --bit)
        if (rem & (1 << bit)) rem ^= kFormatGenerator << (bit - 10);
    return static_cast<uint16_t>(((data << 10) | rem) ^ kFormatMask);
}

void QrDrawFunctionPatterns(ModuleMatrix& m, int level) {
    const int s = m.width();
    DrawFinder(m, 0, 0);
    DrawFinder(m, 0, s - 7);
    DrawFinder(m, s - 7, 0);
    for (int i = 8; i <= s - 9; i += 2) {
        m.set(i, 6);
        m.set(6, i);
    }
    m.set(8, s - 8);
    m.set(s - 1, s - 1);
    DrawExtensionRuns(m);
    const uint16_t format = QrFormatWord(level);
    for (int bit = 14; bit >= 0; --bit) {
        if (!((format >> bit) & 1)) continue;
        const FormatPos a = FirstCopy(s, bit), b = SecondCopy(s, bit);
        m.set(a.col, a.row);
        m.set(b.col, b.row);
    }
}

}  // namespace tsy::qr
