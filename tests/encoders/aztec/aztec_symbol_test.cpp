#include <gtest/gtest.h>

#include <sstream>

#include "encoders/aztec/aztec_layout.h"
#include "encoders/aztec/aztec_test_util.h"

namespace tsy::test {
namespace {

struct SizeCase {
    const char* name;
    int bits;
    int choice;
    bool menu;
    int symbols;
    const char* appendId;
    bool compact;
    int layers;  // 0 = no size
    int size;
    int width;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class AztecSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(AztecSizeTest, ChoosesTypeAndLayers) {
    const SizeCase& c = GetParam();
    AztecJob job = JobOf("");
    job.sizeChoice = c.choice;
    job.menu = c.menu;
    job.symbols = c.symbols;
    job.appendId = c.appendId;
    AztecWork w;
    w.messageBits = c.bits;
    const int bytes = SelectAztecSize(job, w);
    if (c.layers == 0) {
        EXPECT_EQ(bytes, 0);
        return;
    }
    ASSERT_GT(bytes, 0);
    EXPECT_EQ(w.compact, c.compact);
    EXPECT_EQ(w.layers, c.layers);
    EXPECT_EQ(w.size, c.size);
    EXPECT_EQ(w.width, c.width);
    EXPECT_EQ(bytes, (c.width + 7) / 8 * c.size);
}

INSTANTIATE_TEST_SUITE_P(
    SizeRule, AztecSizeTest,
    testing::Values(SizeCase{"Abc15Bits", 15, 0, false, 1, "", true, 1, 15, 15},
                    SizeCase{"Bits450Compact", 450, 0, false, 1, "", true, 4, 27, 27},
                    SizeCase{"Bits451FullRange", 451, 0, false, 1, "", false, 4, 31, 31},
                    SizeCase{"Menu61Compact", 61, 0, true, 1, "", true, 1, 15, 15},
                    SizeCase{"Menu62FullRange", 62, 0, true, 1, "", false, 1, 19, 19},
                    SizeCase{"Fixed104", 10, 104, false, 1, "", true, 4, 27, 27},
                    SizeCase{"Fixed232", 10, 232, false, 1, "", false, 32, 151, 151},
                    SizeCase{"Fixed212", 10, 212, false, 1, "", false, 12, 67, 67},
                    SizeCase{"Fixed205", 10, 205, false, 1, "", false, 5, 37, 37},
                    SizeCase{"Fixed105", 10, 105, false, 1, "", false, 0, 0, 0},
                    SizeCase{"Fixed100", 10, 100, false, 1, "", false, 0, 0, 0},
                    SizeCase{"Fixed200", 10, 200, false, 1, "", false, 0, 0, 0},
                    SizeCase{"Fixed233", 10, 233, false, 1, "", false, 0, 0, 0},
                    SizeCase{"Fixed301", 10, 301, false, 1, "", false, 0, 0, 0},
                    SizeCase{"Negative", 10, -1, false, 1, "", false, 0, 0, 0},
                    SizeCase{"FixedBelowBits", 103, 101, false, 1, "", false, 0, 0, 0},
                    SizeCase{"MenuCompact2", 10, 102, true, 1, "", false, 0, 0, 0},
                    SizeCase{"MenuFull23", 10, 223, true, 1, "", false, 0, 0, 0},
                    SizeCase{"MenuFull22", 10, 222, true, 1, "", false, 22, 109, 109},
                    SizeCase{"TwoSymbols13Bits", 13, 0, false, 2, "", true, 1, 15, 31},
                    SizeCase{"FourSymbolsWithId", 400, 0, false, 4, "AB", true, 2, 19, 79},
                    SizeCase{"TooLarge", 19000, 0, false, 1, "", false, 0, 0, 0}),
    [](const testing::TestParamInfo<SizeCase>& i) { return std::string(i.param.name); });

TEST(AztecSize, RuneReportsNoLayers) {
    AztecJob job = JobOf("0");
    job.sizeChoice = kAztecRune;
    AztecWork w;
    EXPECT_EQ(SelectAztecSize(job, w), 2 * 11);
    EXPECT_TRUE(w.rune);
}

TEST(AztecSize, BudgetOfASetMember) {
    AztecJob job = JobOf("");
    job.symbols = 4;
    job.appendId = "AB";
    AztecWork w;
    w.messageBits = 400;
    ASSERT_GT(SelectAztecSize(job, w), 0);
    EXPECT_EQ(w.budget, 140);
    job.symbols = 2;
    job.appendId.clear();
    w.messageBits = 13;
    ASSERT_GT(SelectAztecSize(job, w), 0);
    EXPECT_EQ(w.budget, 26);
}

// The grid and symbol sizes that the layer walk must fill exactly.
TEST(AztecLayout, CapacitiesAndSizes) {
    EXPECT_EQ(AztecCapacity(true, 4), 608);
    EXPECT_EQ(AztecCapacity(false, 32), 19968);
    EXPECT_EQ(AztecSymbolSize(false, 1), 19);
    EXPECT_EQ(AztecSymbolSize(false, 4), 31);
    EXPECT_EQ(AztecSymbolSize(false, 5), 37);
    EXPECT_EQ(AztecSymbolSize(false, 12), 67);
    EXPECT_EQ(AztecSymbolSize(false, 32), 151);
    EXPECT_EQ(AztecCapacity(false, 32) / AztecCodewordBits(32), 1664);
}

std::string Trace(const std::string& message, const AztecOptions& o = {}) {
    AztecJob job = JobOf(message, o.escapes);
    job.sizeChoice = o.sizeChoice;
    job.menu = o.menu;
    job.symbols = o.symbols;
    job.appendId = o.appendId;
    ModuleMatrix m;
    std::ostringstream out;
    if (BuildAztecMatrix(job, m, false) == 0 || BuildAztecMatrix(job, m, true, &out) == 0)
        return "no symbol";
    return out.str();
}

TEST(AztecTrace, AbcCompactOneLayer) {
    const std::string t = Trace("ABC");
    EXPECT_NE(t.find("INPUT MESSAGE: ABC\n"), std::string::npos) << t;
    EXPECT_NE(t.find("BEST PATTERN: 3\n # of BITS: 15\n"), std::string::npos) << t;
    EXPECT_NE(t.find("SIZE: Compact Symbol with 1 Layers; 15 x 15 Modules => 30 Byte Image\n"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("ERROR CORRECTION: GF(64) with 67 as Prime Modulus Polynomial\n"),
              std::string::npos);
    EXPECT_NE(t.find("MESSAGE ENCODING:  2   3   4   1   1   1 \n"), std::string::npos) << t;
    EXPECT_NE(t.find("CODEWORDS (3 Data + 14 Checks, 82.4% Redundancy):\n    4   12   39\n"),
              std::string::npos)
        << t;
}

struct FixedCase {
    const char* name;
    int choice;
    const char* sizeLine;
    const char* field;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.name;
}

class AztecFixedSizeTest : public testing::TestWithParam<FixedCase> {};

TEST_P(AztecFixedSizeTest, TraceNamesSizeAndField) {
    AztecOptions o;
    o.sizeChoice = GetParam().choice;
    const std::string t = Trace("Tiny", o);
    EXPECT_NE(t.find(GetParam().sizeLine), std::string::npos) << t;
    EXPECT_NE(t.find(GetParam().field), std::string::npos) << t;
}

INSTANTIATE_TEST_SUITE_P(
    FixedSizes, AztecFixedSizeTest,
    testing::Values(
        FixedCase{"Compact4", 104, "Compact Symbol with 4 Layers; 27 x 27", "GF(256) with 301"},
        FixedCase{"Full32", 232, "Full-Range Symbol with 32 Layers; 151 x 151",
                  "GF(4096) with 4201"},
        FixedCase{"Full9", 209, "Full-Range Symbol with 9 Layers", "GF(1024) with 1033"}),
    [](const testing::TestParamInfo<FixedCase>& i) { return std::string(i.param.name); });

TEST(AztecTrace, Full32HasT1664) {
    AztecOptions o;
    o.sizeChoice = 232;
    const std::string t = Trace("Tiny", o);
    const auto p = t.find("CODEWORDS (");
    ASSERT_NE(p, std::string::npos);
    int d = 0, k = 0;
    ASSERT_EQ(std::sscanf(t.c_str() + p, "CODEWORDS (%d Data + %d Checks", &d, &k), 2);
    EXPECT_EQ(d + k, 1664);
}

std::vector<std::string> Art(const ModuleMatrix& m) {
    std::vector<std::string> rows;
    for (int y = 0; y < m.height(); ++y) {
        std::string r;
        for (int x = 0; x < m.width(); ++x) r += m.get(x, y) ? 'X' : '.';
        rows.push_back(r);
    }
    return rows;
}

TEST(AztecRune, ZeroIsGolden) {
    AztecOptions o;
    o.sizeChoice = kAztecRune;
    // Finder, orientation marks and the mode message 1010 1010 ... in ring 5.
    const std::vector<std::string> expected = {
        "XXX.X.X.X.X",  //
        "XXXXXXXXXXX",  //
        ".X.......X.",  //
        "XX.XXXXX.XX",  //
        ".X.X...X.X.",  //
        "XX.X.X.X.XX",  //
        ".X.X...X.X.",  //
        "XX.XXXXX.XX",  //
        ".X.......X.",  //
        ".XXXXXXXXXX",  //
        "..X.X.X.X..",
    };
    EXPECT_EQ(Art(MatrixOf("0", o)), expected);
}

TEST(AztecRune, ModeMessageWords) {
    const std::vector<int> zero = AztecRuneModeMessage(0);
    EXPECT_EQ(zero, std::vector<int>(7, 10));
    const std::vector<int> v44 = AztecRuneModeMessage(44);
    EXPECT_EQ(v44[0], 2 ^ 10);
    EXPECT_EQ(v44[1], 12 ^ 10);
    for (const auto& [text, value] : std::vector<std::pair<std::string, int>>{
             {"300", 44}, {"  +7x", 7}, {"255", 255}, {"256", 0}, {"abc", 0}, {"", 0}})
        EXPECT_EQ(AztecRuneValue(JobOf(text)), value) << text;
    EXPECT_EQ(AztecRuneValue(JobOf("18446744073709551872")), 0);  // 2^64 + 256
}

TEST(AztecRune, MessageIsReadModulo256) {
    AztecOptions o;
    o.sizeChoice = kAztecRune;
    EXPECT_EQ(MatrixOf("300", o), MatrixOf("44", o));
    EXPECT_NE(MatrixOf("45", o), MatrixOf("44", o));
}

// Every full-range module whose coordinates from the centre are both even and one of them a
// multiple of 16 is dark: the grid survives whatever the data.
TEST(AztecDrawing, ReferenceGridOnEvenModules) {
    AztecOptions o;
    o.sizeChoice = 232;
    const ModuleMatrix m = MatrixOf(std::string(1000, '\x01'), o);
    ASSERT_EQ(m.width(), 151);
    for (int i = -75; i <= 75; ++i)
        for (int line : {-64, -48, -32, -16, 0, 16, 32, 48, 64}) {
            if (i % 2 == 0) {
                EXPECT_TRUE(m.get(75 + line, 75 + i)) << line << "," << i;
                EXPECT_TRUE(m.get(75 + i, 75 + line)) << i << "," << line;
            } else if (std::abs(i) > 7) {
                EXPECT_FALSE(m.get(75 + line, 75 + i)) << line << "," << i;
                EXPECT_FALSE(m.get(75 + i, 75 + line)) << i << "," << line;
            }
        }
}

TEST(AztecMatrix, SetsStandSideBySide) {
    AztecOptions o;
    o.symbols = 2;
    const ModuleMatrix m = MatrixOf("12", o);
    ASSERT_EQ(m.width(), 31);
    ASSERT_EQ(m.height(), 15);
    for (int centre : {7, 23}) EXPECT_TRUE(m.get(centre, 7));
    for (int y = 0; y < 15; ++y) EXPECT_FALSE(m.get(15, y));
    o.symbols = 4;
    o.appendId = "AB";
    const ModuleMatrix four = MatrixOf(std::string(80, 'Q'), o);
    EXPECT_EQ(four.width(), 79);
    EXPECT_EQ(four.height(), 19);
}

TEST(AztecRaster, ReverseVideoOnlyInvertsTheRaster) {
    AztecEncodeArgs args;
    const std::string msg = "REVERSE";
    args.message = reinterpret_cast<const uint8_t*>(msg.data());
    args.length = static_cast<int32_t>(msg.size());
    const OwnedRaster normal = AztecRaster(args);
    args.reverseVideo = 1;
    const OwnedRaster reverse = AztecRaster(args);
    ASSERT_TRUE(normal && reverse);
    ASSERT_EQ(normal.width(), 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) EXPECT_EQ(normal.bit(x, y), 1 - reverse.bit(x, y));
    EXPECT_EQ(normal.bit(7, 7), 0);  // the centre is dark
    EXPECT_EQ(BlockLockCount(normal.handle()), 1);
}

// The producer sizes and fills in one pass, and skips replaying a single symbol's pattern: the
// matrix and the trace must be those of the two passes.
TEST(AztecOnePass, SameSymbolAndTraceAsTwoPasses) {
    const std::string mixed(700, 'a');
    struct Case {
        const char* name;
        std::string message;
        int32_t sizeChoice = 0;
        int32_t symbols = 1;
        bool menu = false;
        bool escapes = false;
    };
    const Case cases[] = {
        {"small", "Tessaly 0123456789 abc"},
        {"large", mixed + "Z9.,:\r\n" + std::string(300, '\xE9')},
        {"fixed size", "ABC", 30},
        {"menu", "Menu", 0, 1, true},
        {"escapes",
         "A\x1b"
         "0"
         "1",
         0, 1, false, true},
        {"set", std::string(200, 'Q'), 0, 3},
        {"rune", "77", kAztecRune},
        {"refused", std::string(5000, '\xFF')},
    };
    for (const Case& c : cases) {
        AztecOptions o;
        o.sizeChoice = c.sizeChoice;
        o.symbols = c.symbols;
        o.appendId = c.symbols > 1 ? "ID" : "";
        o.menu = c.menu;
        o.escapes = c.escapes;
        for (bool traced : {false, true}) {
            AztecJob job = JobOf(c.message, o.escapes);
            job.sizeChoice = o.sizeChoice;
            job.menu = o.menu;
            job.symbols = o.symbols;
            job.appendId = o.appendId;
            ModuleMatrix m;
            std::ostringstream out;
            const int bytes = MakeAztecMatrix(job, m, traced ? &out : nullptr);
            EXPECT_EQ(bytes == 0 ? ModuleMatrix() : m, MatrixOf(c.message, o)) << c.name;
            if (traced) {
                EXPECT_EQ(bytes == 0 ? "no symbol" : out.str(), Trace(c.message, o)) << c.name;
            }
        }
    }
}

}  // namespace
}  // namespace tsy::test
