#include <gtest/gtest.h>

#include "encoders/aztec/aztec_charset.h"
#include "encoders/aztec/aztec_test_util.h"

namespace tsy::test {
namespace {

const std::string kEsc = "\x1b";

struct PatternCase {
    const char* name;
    std::string message;
    bool escapes;
    const char* pattern;
    int bits;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name;
}

class AztecPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(AztecPatternTest, FindsCheapestPatternAndBitCount) {
    const PatternCase& c = GetParam();
    const PatternResult r = SearchOf(c.message, c.escapes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pattern, c.pattern);
    EXPECT_EQ(r.bits, c.bits);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AztecPatternTest,
    testing::Values(PatternCase{"ABC", "ABC", false, "3", 15},
                    PatternCase{"abc", "abc", false, "L3", 20},
                    PatternCase{"Digits", "123", false, "D3", 17},
                    PatternCase{"a", "a", false, "L1", 10},
                    PatternCase{"Ab", "Ab", false, "1L1", 15},
                    PatternCase{"aBUpperShift", "aB", false, "L1u", 20},
                    PatternCase{"HelloWorld", "Hello World", false, "1L5u4", 65},
                    PatternCase{"AB12ab", "AB12ab", false, "2D2UL2", 42},
                    PatternCase{"Mixed12", "ABCDEFabc123", false, "6L3D3", 67},
                    PatternCase{"PeriodSpacePair", "A. B", false, "1p1", 20},
                    PatternCase{"PairInDigit", "12. 34", false, "D6", 29},
                    PatternCase{"CrLfPair", "A\r\nB", false, "1p1", 20},
                    PatternCase{"TrailingCrLfIsPair", "A\r\n", false, "1p", 15},
                    PatternCase{"TrailingCrStaysCr", "A\r", false, "1p", 15},
                    PatternCase{"Fnc1", kEsc + "0AB", true, "p2", 23},
                    PatternCase{"Eci26", kEsc + "226AB", true, "p2", 31},
                    PatternCase{"DoubledEscIsLiteral", kEsc + kEsc, true, "M1", 10},
                    PatternCase{"EscWithoutProcessing", kEsc + kEsc, false, "M2", 15},
                    PatternCase{"TrailingEscIsLiteral", "A" + kEsc, true, "1M1", 15},
                    PatternCase{"Binary31", std::string(31, '\x80'), false, "B31", 258},
                    PatternCase{"Binary32LongLength", std::string(32, '\x80'), false, "B32", 277},
                    PatternCase{"Binary33", std::string(33, '\x80'), false, "B33", 285},
                    PatternCase{"BinaryReturnsToUpper",
                                "AB\x80"
                                "CD",
                                false, "2B1U2", 38}),
    [](const testing::TestParamInfo<PatternCase>& i) { return std::string(i.param.name); });

TEST(AztecPattern, BadEscapesFailTheSearch) {
    for (const std::string& m :
         {kEsc + "22X", kEsc + "7", kEsc + "A", kEsc + "3" + "12", "AB" + kEsc + "6123"})
        EXPECT_FALSE(SearchOf(m, true).ok) << m;
}

// Runs longer than one length field holds continue in a new Binary Shift from the same mode.
TEST(AztecPattern, LongBinaryRunIsSplit) {
    const PatternResult r = SearchOf(std::string(2100, '\x80'));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pattern, "B2078UB22");
    EXPECT_EQ(r.bits, 10 + 11 + 2078 * 8 + 10 + 22 * 8);
}

TEST(AztecPattern, AppendHeaderIsSearchedBeforeTheMessage) {
    const PatternResult r = SearchOf("ABC", false, " X BC");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pattern, "8");
    EXPECT_EQ(r.bits, 40);
}

// The search of a set member may stop on its budget, but never inside the header.
TEST(AztecPattern, LimitAppliesOnlyAfterTheHeader) {
    const PatternResult r = SearchOf("abcdef", false, " LONGID AD", 12);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pattern, "10");
    EXPECT_EQ(r.bits, 50);
}

TEST(AztecReader, PairsAndEscapes) {
    AztecJob job = JobOf("A. " + kEsc + kEsc + kEsc + "0:", true);
    AztecEncoding enc;
    enc.header = ",";  // a pair never spans from the header into the message
    std::vector<int> values;
    for (int v; (v = ReadAztecChar(job, enc)) != kAztecEndOfInput;) values.push_back(v);
    EXPECT_EQ(values, (std::vector<int>{',', 'A', kAztecPeriodSpace, 27, kAztecFlg, '0', ':'}));
}

// The append ID is plain text: an ESC in it starts no escape sequence.
TEST(AztecReader, EscInHeaderIsPlain) {
    AztecJob job = JobOf("A", true);
    AztecEncoding enc;
    enc.header =
        " \x1b"
        "0 AB";
    std::vector<int> values;
    for (int v; (v = ReadAztecChar(job, enc)) != kAztecEndOfInput;) values.push_back(v);
    EXPECT_EQ(values, (std::vector<int>{' ', 27, '0', ' ', 'A', 'B', 'A'}));
}

struct StuffCase {
    const char* name;
    std::string message;
    std::vector<int> codewords;
};

void PrintTo(const StuffCase& c, std::ostream* os) {
    *os << c.name;
}

class AztecStuffingTest : public testing::TestWithParam<StuffCase> {};

TEST_P(AztecStuffingTest, SixBitCodewords) {
    AztecJob job = JobOf(GetParam().message);
    AztecEncoding enc;
    ASSERT_TRUE(FindBestPattern(job, enc, 20000));
    enc.codewordBits = 6;
    enc.totalCodewords = 100;
    ASSERT_TRUE(EncodePattern(job, enc));
    EXPECT_EQ(enc.codewords, GetParam().codewords);
    EXPECT_EQ(enc.dataCodewords, static_cast<int>(GetParam().codewords.size()));
    EXPECT_EQ(enc.checkCodewords, 100 - enc.dataCodewords);
}

INSTANTIATE_TEST_SUITE_P(
    BitStuffing, AztecStuffingTest,
    testing::Values(
        // P/S 00000 gets a stuffed 1; the punct code 00110 starts the next codeword.
        StuffCase{"ZerosGetOne", "!", {0b000001, 0b001101}},
        // 00010 01111: the padded 1111 + 1 would be all ones, so it ends in 0.
        StuffCase{"PaddedOnesGetZero", "AN", {0b000100, 0b111110}},
        // B/S 11111 gets a stuffed 0; the length and byte then run 00001 1 | 00000 + 1 | 00 + pad.
        StuffCase{"OnesGetZero", "\x80", {0b111110, 0b000011, 0b000001, 0b001111}}),
    [](const testing::TestParamInfo<StuffCase>& i) { return std::string(i.param.name); });

TEST(AztecReplay, CodewordsBeyondCapacityAreCountedNotWritten) {
    AztecJob job = JobOf("ABCDEFGHIJKLMNOP");
    AztecEncoding enc;
    ASSERT_TRUE(FindBestPattern(job, enc, 20000));
    enc.codewordBits = 6;
    enc.totalCodewords = 5;
    ASSERT_TRUE(EncodePattern(job, enc));
    EXPECT_EQ(enc.codewords.size(), 5u);
    EXPECT_GT(enc.dataCodewords, 5);
    EXPECT_LT(enc.checkCodewords, 0);
    EXPECT_EQ(enc.messagePos, 16);
}

}  // namespace
}  // namespace tsy::test
