#include <gtest/gtest.h>

#include <map>
#include <random>

#include "encoders/pdf417/pdf417_build.h"
#include "encoders/pdf417/pdf417_error_correction.h"
#include "encoders/pdf417/pdf417_layout.h"
#include "encoders/pdf417/pdf417_patterns.h"
#include "pdf417_test_util.h"

namespace tsy::pdf417 {
namespace {

using test::ArgsFor;

struct GeometryCase {
    const char* name;
    int dataWords;
    int level;
    int columns;
    SizeResult result;
    int expectLevel, expectK, expectColumns, expectRows;
};

const GeometryCase kGeometryCases[] = {
    {"AutoSmall", 3, kPDF417Auto, kPDF417Auto, SizeResult::Ok, 2, 8, 1, 11},
    {"Level4TwoColumns", 3, 4, 2, SizeResult::Ok, 4, 32, 2, 18},
    {"AutoLevel3", 41, kPDF417Auto, kPDF417Auto, SizeResult::Ok, 3, 16, 3, 19},
    {"AutoLevel4", 161, kPDF417Auto, kPDF417Auto, SizeResult::Ok, 4, 32, 7, 28},
    {"AutoLevel5", 321, kPDF417Auto, kPDF417Auto, SizeResult::Ok, 5, 64, 10, 39},
    {"AtLeastThreeRows", 1, 0, 5, SizeResult::Ok, 0, 2, 5, 3},
    {"FullSymbol", 926, 0, 29, SizeResult::Ok, 0, 2, 29, 32},
    {"TooManyWords", 927, 0, 30, SizeResult::TooManyWords, 0, 0, 0, 0},
    {"TooManyRows", 89, 0, 1, SizeResult::TooManyRows, 0, 0, 0, 0},
    {"NinetyRows", 88, 0, 1, SizeResult::Ok, 0, 2, 1, 90},
};

class GeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTest, LevelColumnsRows) {
    const GeometryCase& c = GetParam();
    Geometry g;
    ASSERT_EQ(ChooseGeometry(c.dataWords, c.level, c.columns, &g), c.result);
    if (c.result != SizeResult::Ok) return;
    EXPECT_EQ(g.level, c.expectLevel);
    EXPECT_EQ(g.checkWords, c.expectK);
    EXPECT_EQ(g.columns, c.expectColumns);
    EXPECT_EQ(g.rows, c.expectRows);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeometryTest, testing::ValuesIn(kGeometryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeometryTest, RowWidths) {
    EXPECT_EQ(RowWidth(2, false), 103);
    EXPECT_EQ(RowWidth(2, true), 69);
    EXPECT_EQ(RowWidth(1, false), 86);
    EXPECT_EQ(RowWidth(30, false), 579);
    EXPECT_EQ(RowWidth(30, true), 545);
}

// Every root 3^1..3^k of the generator is a root of the whole codeword polynomial.
TEST(ErrorCorrectionTest, CodewordsVanishAtTheGeneratorRoots) {
    std::mt19937 rng(417);
    for (int level = 0; level <= 8; ++level) {
        const int k = 2 << level;
        std::vector<int> words(
            static_cast<std::size_t>(std::max(1, 928 - k - static_cast<int>(rng() % 50))));
        for (int& w : words) w = static_cast<int>(rng() % 929);
        const std::vector<int> check = CheckCodewords(words, k);
        ASSERT_EQ(check.size(), static_cast<std::size_t>(k));
        words.insert(words.end(), check.begin(), check.end());
        int root = 1;
        for (int i = 1; i <= k; ++i) {
            root = root * 3 % kPrime;
            long long value = 0;
            for (int w : words) value = (value * root + w) % kPrime;
            ASSERT_EQ(value, 0) << "level " << level << " root 3^" << i;
        }
    }
}

// Reads a row back: the codeword of each 17-module pattern through the row's cluster table.
std::vector<int> ReadRow(const ModuleMatrix& m, int y, int patterns) {
    std::map<uint16_t, int> lookup;
    for (int cw = 0; cw < 929; ++cw) lookup[kPDF417Patterns[y % 3][cw]] = cw;
    std::vector<int> out;
    for (int p = 1; p <= patterns; ++p) {
        EXPECT_TRUE(m.get(17 * p, y));
        EXPECT_FALSE(m.get(17 * p + 16, y));
        uint16_t bits = 0;
        for (int i = 1; i <= 15; ++i)
            bits = static_cast<uint16_t>(bits << 1 | m.get(17 * p + i, y));
        auto it = lookup.find(bits);
        out.push_back(it == lookup.end() ? -1 : it->second);
    }
    return out;
}

struct LayoutCase {
    const char* name;
    std::string message;
    int level, columns;
    bool truncate;
    int rows, width;
};

const LayoutCase kLayoutCases[] = {
    {"AbcLevel4", "ABC", 4, 2, false, 18, 103},
    {"AbcTruncated", "ABC", 4, 2, true, 18, 69},
    {"AutoOneColumn", "A", kPDF417Auto, kPDF417Auto, false, 10, 86},
    {"WideLevel8", std::string(300, 'x'), 8, 30, false, 23, 579},
    {"FiveRowsLevel1", "Hello World 123", 1, 3, false, 5, 120},
};

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, RowsIndicatorsAndCodewords) {
    const LayoutCase& c = GetParam();
    PDF417EncodeArgs args = ArgsFor(c.message, c.level, c.columns);
    args.truncate = c.truncate;
    Symbol s;
    ASSERT_EQ(BuildSymbol(args, -1, &s), BuildStatus::Ok);
    const Geometry& g = s.geometry;
    ASSERT_EQ(s.matrix.height(), c.rows);
    ASSERT_EQ(s.matrix.width(), c.width);
    EXPECT_EQ(s.codewords.size(), static_cast<std::size_t>(g.columns * g.rows));
    EXPECT_EQ(s.codewords[0], g.dataWords());
    for (int y = 0; y < g.rows; ++y) {
        uint16_t start = 0;
        for (int i = 1; i <= 15; ++i)
            start = static_cast<uint16_t>(start << 1 | s.matrix.get(i, y));
        EXPECT_EQ(start, kPDF417StartPattern);
        EXPECT_TRUE(s.matrix.get(c.width - 1, y));
        const int t = 30 * (y / 3);
        const int rowsPart = t + (g.rows - 1) / 3;
        const int levelPart = t + 3 * g.level + (g.rows - 1) % 3;
        const int columnsPart = t + g.columns - 1;
        const int left[3] = {rowsPart, levelPart, columnsPart};
        const int right[3] = {columnsPart, rowsPart, levelPart};
        const std::vector<int> row = ReadRow(s.matrix, y, g.columns + (c.truncate ? 1 : 2));
        EXPECT_EQ(row.front(), left[y % 3]) << "row " << y;
        for (int x = 0; x < g.columns; ++x)
            EXPECT_EQ(row[1 + x], s.codewords[static_cast<std::size_t>(y * g.columns + x)]);
        if (!c.truncate) {
            EXPECT_EQ(row.back(), right[y % 3]) << "row " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Symbols, LayoutTest, testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SymbolTest, EciDesignatorFollowsTheLengthDescriptor) {
    const std::string abc = "ABC";
    Symbol s;
    ASSERT_EQ(BuildSymbol(ArgsFor(abc), 3, &s), BuildStatus::Ok);
    EXPECT_EQ(s.writtenWords, 5);
    EXPECT_EQ(s.codewords[1], 927);
    EXPECT_EQ(s.codewords[2], 3);
}

TEST(SymbolTest, PaddingFillsTheSymbol) {
    const std::string abc = "ABC";
    Symbol s;
    ASSERT_EQ(BuildSymbol(ArgsFor(abc, 4, 2), -1, &s), BuildStatus::Ok);
    EXPECT_EQ(s.codewords[0], 36 - 32);
    EXPECT_EQ(s.codewords[3], 900);
}

TEST(SymbolTest, StopPatternModules) {
    const std::string abc = "ABC";
    Symbol s;
    ASSERT_EQ(BuildSymbol(ArgsFor(abc, 4, 2), -1, &s), BuildStatus::Ok);
    std::string stop;
    for (int x = 103 - 18; x < 103; ++x) stop += s.matrix.get(x, 0) ? 'X' : '.';
    EXPECT_EQ(stop, "XXXXXXX.X...X.X..X");
}

}  // namespace
}  // namespace tsy::pdf417
