#include <algorithm>

#include "encoders/common/reed_solomon.h"
#include "encoders/ziggur/ziggur_matrix.h"

namespace tsy::ziggur {
namespace {

bool Bearers(const ZiggurWork& w) {
    return !w.rows.solidBearer.empty();
}

// Rows between the lowest odd layer and the host side of the layers above it.
int LayersBelow(const ZiggurHostRecord& host, const ZiggurWork& w) {
    return host.symmetry == kZiggurNoSymmetry ? 0 : w.layers / 2;
}

void DrawRow(ModuleMatrix& m, int y, const HostRow& row) {
    for (int x = 0; x < m.width() && x < static_cast<int>(row.size()); ++x)
        if (row[static_cast<std::size_t>(x)]) m.set(x, y);
}

// Host section from the bottom row up: bearer, bars, bearer, barrier; with symmetry a barrier
// row also under it and both bearers notched.
void DrawHost(ModuleMatrix& m, const ZiggurHostRecord& host, const ZiggurWork& w) {
    int y = w.height - 1 - 2 * LayersBelow(host, w);
    const bool symmetric = host.symmetry != kZiggurNoSymmetry;
    if (symmetric && host.barrierRows) DrawRow(m, y--, w.rows.barrier);
    if (Bearers(w)) DrawRow(m, y--, symmetric ? w.rows.notchedBearer : w.rows.solidBearer);
    for (int i = 0; i < w.hostHeight; ++i) DrawRow(m, y--, w.rows.bars);
    if (Bearers(w)) DrawRow(m, y--, w.rows.notchedBearer);
    if (host.barrierRows) DrawRow(m, y--, w.rows.barrier);
}

// Two bits a column from the last codeword to the first, each from its least significant bit:
// the lower bit of a pair to the inner row.
class PairStream {
public:
    PairStream(const std::vector<int>& codewords, int bits) : cw_(codewords), bits_(bits) {
        index_ = static_cast<int>(cw_.size()) - 1;
    }

    bool Next(int& pair) {
        if (index_ < 0) return false;
        pair = (cw_[static_cast<std::size_t>(index_)] >> shift_) & 3;
        shift_ += 2;
        if (shift_ >= bits_) {
            shift_ = 0;
            --index_;
        }
        return true;
    }

private:
    const std::vector<int>& cw_;
    int bits_;
    int index_;
    int shift_ = 0;
};

void SetPair(ModuleMatrix& m, int x, ZiggurLayerRows rows, int outerBit, int innerBit) {
    if (outerBit) m.set(x, rows.outer);
    if (innerBit) m.set(x, rows.inner);
}

void DrawLayer(ModuleMatrix& m, const ZiggurHostRecord& host, const ZiggurWork& w, int layer,
               PairStream& data, const std::vector<int>& modeMessage) {
    const ZiggurLayerRows rows = LayerRows(host, w, layer);
    const int last = w.width - 1;
    for (int y : {rows.outer, rows.inner}) {
        m.set(0, y);
        m.set(last, y);
    }
    for (const ZiggurReference& r : w.layout.references)
        m.set(r.column, r.outer ? rows.outer : rows.inner);

    const std::vector<int> columns = LayerDataColumns(w.layout, layer);
    const std::vector<int> mode = layer == 0 ? ModeColumnPositions(w.layout) : std::vector<int>{};
    std::size_t nextMode = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int x = columns[i];
        if (nextMode < mode.size() && static_cast<std::size_t>(mode[nextMode]) == i) {
            // word k in mode columns 2k and 2k + 1: bits 3 and 1 outer, 2 and 0 inner
            const int word = modeMessage[nextMode / 2];
            const int shift = nextMode % 2 ? 0 : 2;
            SetPair(m, x, rows, (word >> (shift + 1)) & 1, (word >> shift) & 1);
            ++nextMode;
            continue;
        }
        int pair = 0;
        if (!data.Next(pair)) continue;
        SetPair(m, x, rows, pair >> 1, pair & 1);
    }
}

}  // namespace

ZiggurLayerRows LayerRows(const ZiggurHostRecord& host, const ZiggurWork& w, int layer) {
    const int below = LayersBelow(host, w);
    if (layer % 2 && host.symmetry != kZiggurNoSymmetry) {
        const int inner = w.height - 2 * below + 2 * (layer / 2);
        return {inner + 1, inner};
    }
    // Above the host, layer L - 1 (or the highest even one) on rows 0 and 1.
    const int above = host.symmetry == kZiggurNoSymmetry ? layer : layer / 2;
    const int count = host.symmetry == kZiggurNoSymmetry ? w.layers : (w.layers + 1) / 2;
    const int outer = 2 * (count - 1 - above);
    return {outer, outer + 1};
}

std::vector<int> LayerDataColumns(const ZiggurHostLayout& layout, int layer) {
    std::vector<uint8_t> reference(static_cast<std::size_t>(layout.width), 0);
    for (const ZiggurReference& r : layout.references)
        if (r.column >= 0 && r.column < layout.width)
            reference[static_cast<std::size_t>(r.column)] = 1;
    std::vector<int> columns;
    for (int x = 1; x <= layout.width - 2; ++x)
        if (!reference[static_cast<std::size_t>(x)]) columns.push_back(x);
    if (layer % 2) std::reverse(columns.begin(), columns.end());
    return columns;
}

std::vector<int> ModeColumnPositions(const ZiggurHostLayout& layout) {
    // x, the last data column's position, is at least 19 for every host, so these are distinct.
    const int x = layout.width - static_cast<int>(layout.references.size()) - 3;
    std::vector<int> positions;
    for (int n = 0; n < kZiggurModeColumns; ++n) positions.push_back((2 * x * n + 19) / 38);
    return positions;
}

std::vector<int> ZiggurModeMessage(int layers, int symmetry, bool menu, int dataCodewords) {
    const int d = dataCodewords - 1;
    std::vector<int> words = {
        (layers - 1) / 2,
        (layers % 2 ? 0 : 8) + (symmetry != kZiggurNoSymmetry ? 4 : 0) + (menu ? 2 : 0) + d / 256,
        (d / 16) % 16,
        d % 16,
    };
    // ISO/IEC 24778, 7.2.2: as Aztec's mode message, GF(16) with x^4 + x + 1.
    static const GaloisField gf(16, 19);
    const std::vector<int> checks = RsCheckWords(gf, words.data(), 4, 6, 1);
    words.insert(words.end(), checks.begin(), checks.end());
    return words;
}

void DrawZiggur(ModuleMatrix& matrix, const ZiggurHostRecord& host, const ZiggurWork& work,
                const std::vector<int>& codewords, const std::vector<int>& modeMessage) {
    DrawHost(matrix, host, work);
    PairStream data(codewords, work.enc.codewordBits);
    for (int layer = 0; layer < work.layers; ++layer)
        DrawLayer(matrix, host, work, layer, data, modeMessage);
}

}  // namespace tsy::ziggur
