#include "encoders/pdf417/pdf417_layout.h"

#include "encoders/pdf417/pdf417.h"
#include "encoders/pdf417/pdf417_patterns.h"

namespace tsy::pdf417 {
namespace {

constexpr int kModulesPerCodeword = 17;

int AutomaticLevel(long long n) {
    if (n <= 40) return 2;
    if (n <= 160) return 3;
    if (n <= 320) return 4;
    return 5;
}

int AutomaticColumns(long long total) {
    long long c = total / kMaxRows;
    if (c < 1) c = 1;
    while (34 * c + 138 < (12 * total) / c) ++c;
    return static_cast<int>(c);
}

class RowWriter {
public:
    RowWriter(ModuleMatrix& m, int y) : m_(m), y_(y) {}
    // A dark module, the 15 pattern bits, a light module.
    void Pattern(uint16_t bits) {
        Module(true);
        for (int i = 14; i >= 0; --i) Module((bits >> i) & 1);
        Module(false);
    }
    void Module(bool dark) {
        if (dark) m_.set(x_, y_);
        ++x_;
    }

private:
    ModuleMatrix& m_;
    int y_;
    int x_ = 0;
};

}  // namespace

SizeResult ChooseGeometry(long long dataWords, int level, int columns, Geometry* out) {
    Geometry g;
    g.level = level == kPDF417Auto ? AutomaticLevel(dataWords) : level;
    g.checkWords = 2 << g.level;
    const long long total = dataWords + g.checkWords;
    const long long c = columns == kPDF417Auto ? AutomaticColumns(total) : columns;
    long long r = (total + c - 1) / c;
    if (r < 3) r = 3;
    if (r * c > kMaxCodewords) return SizeResult::TooManyWords;
    if (c > kMaxColumns) return SizeResult::TooManyColumns;
    if (r > kMaxRows) return SizeResult::TooManyRows;
    g.columns = static_cast<int>(c);
    g.rows = static_cast<int>(r);
    *out = g;
    return SizeResult::Ok;
}

int RowWidth(int columns, bool truncated) {
    return kModulesPerCodeword * (columns + (truncated ? 2 : 4)) + 1;
}

ModuleMatrix LayOutRows(std::span<const int> codewords, const Geometry& g, bool truncated) {
    ModuleMatrix m(RowWidth(g.columns, truncated), g.rows);
    const int rowsPart = (g.rows - 1) / 3;
    const int levelPart = 3 * g.level + (g.rows - 1) % 3;
    const int columnsPart = g.columns - 1;
    for (int y = 0; y < g.rows; ++y) {
        const int cluster = y % 3;
        const int t = 30 * (y / 3);
        const int left[3] = {rowsPart, levelPart, columnsPart};
        const int right[3] = {columnsPart, rowsPart, levelPart};
        const uint16_t* patterns = kPDF417Patterns[cluster];
        RowWriter row(m, y);
        row.Pattern(kPDF417StartPattern);
        row.Pattern(patterns[t + left[cluster]]);
        for (int x = 0; x < g.columns; ++x)
            row.Pattern(patterns[codewords[static_cast<std::size_t>(y * g.columns + x)]]);
        if (!truncated) {
            row.Pattern(patterns[t + right[cluster]]);
            row.Pattern(kPDF417StopPattern);
        }
        row.Module(true);
    }
    return m;
}

}  // namespace tsy::pdf417
