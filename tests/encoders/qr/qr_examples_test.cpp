#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoders/qr/qr_detail.h"
#include "tessaly/qr_args.h"

namespace tsy::qr {
namespace {

constexpr int M = TSY_QR_LEVEL_M, L = TSY_QR_LEVEL_L, H = TSY_QR_LEVEL_H, Q = TSY_QR_LEVEL_Q;

TEST(QrExamples, VersionChoice) {
    struct {
        int length, level, version;
    } cases[] = {
        {17, L, 1},   {18, L, 2},   {0, M, 1},    {14, M, 1},    {15, M, 2},   {7, H, 1},
        {184, M, 9},  {185, M, 10}, {300, M, 13}, {1289, H, 40}, {1290, H, 0}, {2048, L, 33},
        {2049, L, 0}, {2049, M, 0}, {2049, H, 0}, {2049, Q, 0},  {-1, M, 0},   {10, 4, 0},
        {10, -1, 0},  {409, M, 15}, {410, M, 16}, {637, M, 16},  {638, M, 20},
    };
    for (auto c : cases)
        EXPECT_EQ(QrChooseVersion(c.length, c.level), c.version)
            << c.length << " bytes at level " << c.level;
}

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(QrExamples, DataCodewords) {
    const auto full = Bytes(std::string(17, 'x'));
    auto words = QrMessageCodewords(full.data(), 17, 1, L);
    ASSERT_EQ(words.size(), 19u);  // no room for the terminator
    EXPECT_EQ(words[0], 4);
    EXPECT_EQ(words[1], 17);
    EXPECT_EQ(words[18], 'x');

    const auto abc = Bytes("ABC");
    words = QrMessageCodewords(abc.data(), 3, 1, M);
    EXPECT_EQ(words, (std::vector<uint8_t>{4, 3, 'A', 'B', 'C', 0, 236, 17, 236, 17, 236, 17, 236,
                                           17, 236, 17}));

    const auto long300 = Bytes(std::string(300, 'y'));
    words = QrMessageCodewords(long300.data(), 300, 13, M);
    ASSERT_EQ(words.size(), 332u);
    EXPECT_EQ(words[1], 1);
    EXPECT_EQ(words[2], 44);
    EXPECT_EQ(words[3], 'y');
}

TEST(QrExamples, CheckCodewordsAndTrailingFill) {
    // Version 1-M: one block of 16 data codewords and 10 check codewords, nothing after them.
    const auto msg = Bytes("01234567");
    auto all = QrAddErrorCorrection(QrMessageCodewords(msg.data(), 8, 1, M), 1, M);
    EXPECT_EQ(all.size(), 26u);
    // Version 16-L: 609 data and 3 x 50 check codewords leave one fill codeword, 17.
    const auto m16 = Bytes(std::string(600, 'z'));
    all = QrAddErrorCorrection(QrMessageCodewords(m16.data(), 600, 16, L), 16, L);
    ASSERT_EQ(all.size(), 760u);
    EXPECT_EQ(all[759], 17);
}

TEST(QrExamples, FormatWords) {
    EXPECT_EQ(QrFormatWord(M), 0x33A0);
    EXPECT_EQ(QrFormatWord(L), 0x1076);
    EXPECT_EQ(QrFormatWord(H), 0x713B);
    EXPECT_EQ(QrFormatWord(Q), 0x52ED);
}

ModuleMatrix FunctionOnly(int version, int level) {
    ModuleMatrix m(QrSymbolSize(version), QrSymbolSize(version));
    QrDrawFunctionPatterns(m, level);
    return m;
}

std::vector<std::string> Art(const ModuleMatrix& m) {
    std::vector<std::string> rows;
    for (int y = 0; y < m.height(); ++y) {
        std::string row;
        for (int x = 0; x < m.width(); ++x) row += m.get(x, y) ? 'X' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(QrExamples, Version1FunctionPatternsAtLevelM) {
    // Format 0x33A0 in both copies, timing, dark module at (13, 8), corner module, no runs.
    const std::vector<std::string> golden = {
        "XXXXXXX.......XXXXXXX", "X.....X.......X.....X", "X.XXX.X.......X.XXX.X",
        "X.XXX.X.......X.XXX.X", "X.XXX.X.......X.XXX.X", "X.....X.X.....X.....X",
        "XXXXXXX.X.X.X.XXXXXXX", ".....................", ".XX..XXXX....X.X.....",
        ".....................", "......X..............", ".....................",
        "......X..............", "........X............", "XXXXXXX.X............",
        "X.....X.X............", "X.XXX.X..............", "X.XXX.X..............",
        "X.XXX.X.X............", "X.....X.X............", "XXXXXXX.............X",
    };
    EXPECT_EQ(Art(FunctionOnly(1, M)), golden);
}

TEST(QrExamples, ExtensionRuns) {
    struct {
        int version;
        std::vector<int> runStarts;
    } cases[] = {{1, {}}, {2, {13}}, {4, {21, 13}}, {6, {29, 21, 13}}, {40, {}}};
    cases[4].runStarts.clear();
    for (int n = 177 - 12; n > 9; n -= 8) cases[4].runStarts.push_back(n);
    for (const auto& c : cases) {
        const int s = QrSymbolSize(c.version);
        const ModuleMatrix m = FunctionOnly(c.version, L);
        std::vector<bool> expected(static_cast<std::size_t>(s), false);
        for (int n : c.runStarts)
            for (int k = 0; k < 4; ++k) expected[static_cast<std::size_t>(n + k)] = true;
        // Between the finder areas, the right column and the bottom row carry only the runs.
        for (int i = 9; i < s - 8; ++i) {
            EXPECT_EQ(m.get(s - 1, i), expected[static_cast<std::size_t>(i)])
                << "version " << c.version << " right column row " << i;
            EXPECT_EQ(m.get(i, s - 1), expected[static_cast<std::size_t>(i)])
                << "version " << c.version << " bottom row column " << i;
        }
    }
}

TEST(QrExamples, FormatCopiesCarryTheSameWord) {
    for (int level = 0; level < kQrLevels; ++level)
        for (int version : {1, 7, 40}) {
            const int s = QrSymbolSize(version);
            const ModuleMatrix m = FunctionOnly(version, level);
            const int firstRows[15] = {0,     1,     2,     3,     4,     5,     7,    8,
                                       s - 7, s - 6, s - 5, s - 4, s - 3, s - 2, s - 1};
            const int secondCols[15] = {s - 1, s - 2, s - 3, s - 4, s - 5, s - 6, s - 7, s - 8,
                                        7,     5,     4,     3,     2,     1,     0};
            int first = 0, second = 0;
            for (int bit = 0; bit < 15; ++bit) {
                first |= m.get(8, firstRows[bit]) << bit;
                second |= m.get(secondCols[bit], 8) << bit;
            }
            EXPECT_EQ(first, QrFormatWord(level)) << "version " << version;
            EXPECT_EQ(second, QrFormatWord(level)) << "version " << version;
        }
}

}  // namespace
}  // namespace tsy::qr
