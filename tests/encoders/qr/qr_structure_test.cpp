#include <gtest/gtest.h>

#include <vector>

#include "encoders/qr/qr_detail.h"
#include "support/zxing_decode.h"

namespace tsy::qr {
namespace {

// The reserved areas, written down apart from the encoder: finders with their separators,
// timing row and column, both format copies, the dark module, the corner and the runs.
bool IsFunctionModule(int s, int row, int col) {
    const auto inCorner = [](int r, int c) { return r <= 7 && c <= 7; };
    if (inCorner(row, col) || inCorner(row, s - 1 - col) || inCorner(s - 1 - row, col)) return true;
    if (row == 6 || col == 6) return true;
    if (row == 8 && (col <= 8 || col >= s - 8)) return true;
    if (col == 8 && (row <= 8 || row >= s - 8)) return true;
    if (row == s - 1 && col == s - 1) return true;
    for (int n = s - 12; n > 9; n -= 8)
        if ((col == s - 1 && row >= n && row < n + 4) || (row == s - 1 && col >= n && col < n + 4))
            return true;
    return false;
}

TEST(QrStructure, WalkCoversExactlyTheCodewordsAndNoFunctionModule) {
    for (int version = 1; version <= kQrMaxVersion; ++version) {
        const int s = QrSymbolSize(version);
        const std::vector<QrBlock> walk = QrBlockWalk(s);
        ASSERT_EQ(static_cast<int>(walk.size()), QrTotalCodewords(version))
            << "version " << version;
        std::vector<int> owner(static_cast<std::size_t>(s * s), -1);
        for (std::size_t i = 0; i < walk.size(); ++i) {
            const QrBlock& b = walk[i];
            EXPECT_EQ(b.rows * b.cols, i == 0 ? 4 : 8);
            for (int r = b.row; r < b.row + b.rows; ++r)
                for (int c = b.col; c < b.col + b.cols; ++c) {
                    ASSERT_TRUE(r >= 0 && r < s && c >= 0 && c < s) << "version " << version;
                    EXPECT_FALSE(IsFunctionModule(s, r, c))
                        << "version " << version << " block " << i << " at " << r << "," << c;
                    int& o = owner[static_cast<std::size_t>(r * s + c)];
                    EXPECT_EQ(o, -1)
                        << "version " << version << " blocks overlap at " << r << "," << c;
                    o = static_cast<int>(i);
                }
        }
    }
}

TEST(QrStructure, CapacityTableFitsEveryVersion) {
    for (int version = 1; version <= kQrMaxVersion; ++version)
        for (int level = 0; level < kQrLevels; ++level) {
            const QrCapacity cap = QrCapacityOf(version, level);
            const int t = QrTotalCodewords(version);
            EXPECT_GT((t - cap.dataCodewords) / cap.blocks, 0) << version << "/" << level;
            EXPECT_LE(cap.dataCodewords + (t - cap.dataCodewords) / cap.blocks * cap.blocks, t);
        }
}

std::vector<uint8_t> ReadCodewords(const ModuleMatrix& m) {
    std::vector<uint8_t> words;
    for (const QrBlock& b : QrBlockWalk(m.width())) {
        int value = 0, bit = 0;
        for (int r = b.row; r < b.row + b.rows; ++r)
            for (int c = b.col; c < b.col + b.cols; ++c, ++bit)
                value |= (m.get(c, r) != QrMask6(r, c)) << bit;
        words.push_back(static_cast<uint8_t>(value));
    }
    return words;
}

// Every version and level, with a message that fills the version: the function patterns come
// out as drawn alone, and unmasking and walking again gives back the codewords and the message.
TEST(QrStructure, PlacedSymbolReadsBack) {
    for (int level = 0; level < kQrLevels; ++level)
        for (int version = 1; version <= kQrMaxVersion; ++version) {
            const int length =
                QrCapacityOf(version, level).dataCodewords - 2 - (version >= 10 ? 1 : 0);
            if (QrChooseVersion(length, level) != version) continue;  // table not monotonic at 16-M
            const std::string msg = test::RandomBytes(static_cast<uint32_t>(version * 4 + level),
                                                      static_cast<std::size_t>(length));
            const auto* bytes = reinterpret_cast<const uint8_t*>(msg.data());
            const auto symbol = QrBuildMatrix(bytes, length, level);
            ASSERT_TRUE(symbol) << version << "/" << level;
            const int s = QrSymbolSize(version);
            ASSERT_EQ(symbol->width(), s);
            ModuleMatrix functions(s, s);
            QrDrawFunctionPatterns(functions, level);
            for (int r = 0; r < s; ++r)
                for (int c = 0; c < s; ++c)
                    if (IsFunctionModule(s, r, c)) {
                        ASSERT_EQ(symbol->get(c, r), functions.get(c, r)) << r << "," << c;
                    }

            const auto expected = QrAddErrorCorrection(
                QrMessageCodewords(bytes, length, version, level), version, level);
            auto words = ReadCodewords(*symbol);
            EXPECT_EQ(words[0], 4);  // only the low four bits are placed
            words[0] = expected[0];
            ASSERT_EQ(words, expected) << "version " << version << " level " << level;
            const int skip = version >= 10 ? 3 : 2;
            EXPECT_EQ(std::string(words.begin() + skip, words.begin() + skip + length), msg);
        }
}

}  // namespace
}  // namespace tsy::qr
