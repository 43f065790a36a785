#include "encoders/qr/qr_detail.h"

namespace tsy::qr {
namespace {

constexpr QrBlock Tall(int row, int col) {
    return {row, col, 4, 2};
}
constexpr QrBlock Wide(int row, int col) {
    return {row, col, 2, 4};
}

// Columns and rows whose distance from the far edge is 4 mod 8 start an extension run; the
// walk steps around them except at 9, where no run lies.
bool AtExtensionRun(int s, int pos) {
    return pos != 9 && (s - pos) % 8 == 4;
}

void RightColumns(int s, std::vector<QrBlock>& walk) {
    walk.push_back({s - 4, s - 2, 2, 2});
    for (int r = s - 8; r >= 9; r -= 4)
        if (!AtExtensionRun(s, r)) walk.push_back(Tall(r, s - 2));
    for (int r = s - 4; r >= 9; r -= 4) walk.push_back(Tall(r, s - 4));
    for (int r = s - 2; r >= 9; r -= 2) walk.push_back(Wide(r, s - 8));
}

void MiddleColumns(int s, std::vector<QrBlock>& walk) {
    for (int c = s - 12; c >= 9; c -= 4) {
        for (int r = s - 2; r >= 7; r -= 2)
            if (!(r == s - 2 && AtExtensionRun(s, c))) walk.push_back(Wide(r, c));
        for (int r : {4, 2, 0}) walk.push_back(Wide(r, c));
    }
}

void LeftColumns(int s, std::vector<QrBlock>& walk) {
    for (int r = s - 12; r >= 9; r -= 4) walk.push_back(Tall(r, 7));
    for (int c : {4, 2, 0})
        for (int r = s - 12; r >= 9; r -= 4) walk.push_back(Tall(r, c));
}

}  // namespace

std::vector<QrBlock> QrBlockWalk(int size) {
    std::vector<QrBlock> walk;
    RightColumns(size, walk);
    MiddleColumns(size, walk);
    LeftColumns(size, walk);
    return walk;
}

void QrPlaceCodewords(ModuleMatrix& m, const std::vector<uint8_t>& codewords) {
    const std::vector<QrBlock> walk = QrBlockWalk(m.width());
    const std::size_t count = walk.size() < codewords.size() ? walk.size() : codewords.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QrBlock& b = walk[i];
        int bit = 0;
        for (int r = b.row; r < b.row + b.rows; ++r)
            for (int c = b.col; c < b.col + b.cols; ++c, ++bit) {
                const bool one = (codewords[i] >> bit) & 1;
                m.set(c, r, one != QrMask6(r, c));
            }
    }
}

}  // namespace tsy::qr
