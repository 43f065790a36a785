#include <gtest/gtest.h>

#include <cmath>

#include "encoders/pdf417/pdf417_codewords.h"
#include "encoders/pdf417/pdf417_compaction.h"
#include "pdf417_test_util.h"
#include "support/zxing_decode.h"

namespace tsy::pdf417 {
namespace {

using test::Bytes;

struct PatternCase {
    const char* name;
    std::string message;
    const char* pattern;
    int64_t cost;      // in kCostUnit
    int writtenWords;  // data codewords before padding, length descriptor included
};

const PatternCase kPatternCases[] = {
    {"Capitals", "ABC", "3", 15000, 3},
    {"AlphaShiftFromLower", "Hello World", "1L5a4", 65000, 8},
    {"ThirteenDigits", "1234567890123", "N13", 55024, 7},
    {"MixedLatch", "PDF417", "3M3", 35000, 5},
    {"SixBytes", "\x80\x81\x82\x83\x84\x85", "B6", 59998, 7},
    {"SevenBytes", "\x80\x81\x82\x83\x84\x85\x86", "B7", 68331, 8},
    {"ByteShiftInText",
     "AB\x80"
     "CD",
     "2b2", 40000, 5},
    // Zero pending counts stay out of the text.
    {"TwoPunctShifts", "A;;A", "1pp1", 30000, 4},
    {"Empty", "", "", 0, 1},
    // The pad before 913 latches Punct to Alpha, so the second run needs a new latch.
    {"ByteShiftAfterOddPunct", ";;;\x80;;;", "MP3b3", 65000, 9},
};

class PatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, PatternCostAndWrittenWords) {
    const PatternCase& c = GetParam();
    const CompactionResult r = FindCompactionPattern(Bytes(c.message));
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.pattern, c.pattern);
    EXPECT_EQ(r.cost, c.cost);
    EXPECT_EQ(WriteDataCodewords(r.pattern, Bytes(c.message), -1).size(),
              static_cast<std::size_t>(c.writtenWords));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, PatternTest, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CodewordCase {
    const char* name;
    std::string message;
    int eci;
    std::vector<int> words;  // before padding, slot 0 for the length descriptor
};

const CodewordCase kCodewordCases[] = {
    {"TextPairs", "Hello World", -1, {0, 237, 131, 344, 807, 674, 521, 119}},
    {"HalfCompletedWith29", "ABC", -1, {0, 1, 89}},
    {"EciPairFirst", "ABC", 3, {0, 927, 3, 1, 89}},
    {"NumericBase900", "1234567890123", -1, {0, 902, 17, 110, 836, 811, 223}},
    {"SixBytesAfter924", "\x80\x81\x82\x83\x84\x85", -1, {0, 924, 215, 318, 502, 193, 33}},
    {"SevenBytesAfter901",
     "\x80\x81\x82\x83\x84\x85\x86",
     -1,
     {0, 901, 215, 318, 502, 193, 33, 0x86}},
    {"ByteShift",
     "AB\x80"
     "CD",
     -1,
     {0, 1, 913, 128, 63}},
    {"ByteShiftAfterOddPunct", ";;;\x80;;;", -1, {0, 865, 0, 29, 913, 128, 865, 0, 29}},
};

class CodewordTest : public testing::TestWithParam<CodewordCase> {};

TEST_P(CodewordTest, WritesTheStandardCodewords) {
    const CodewordCase& c = GetParam();
    const auto r = FindCompactionPattern(Bytes(c.message));
    EXPECT_EQ(WriteDataCodewords(r.pattern, Bytes(c.message), c.eci), c.words);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CodewordTest, testing::ValuesIn(kCodewordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumericGroupTest, StandardExampleAndSizes) {
    const std::string digits = "000213298174000";
    EXPECT_EQ(NumericGroup(Bytes(digits)), (std::vector<int>{1, 624, 434, 632, 282, 200}));
    for (std::size_t n = 1; n <= 44; ++n) {
        const std::string nines(n, '9');
        const std::size_t expected =
            static_cast<std::size_t>(std::ceil(0.3385 * static_cast<double>(n) + 0.1019));
        EXPECT_EQ(NumericGroup(Bytes(nines)).size(), expected) << n << " digits";
    }
}

TEST(CompactionTest, LongTextsGrowBeyondFiveHundredCharacters) {
    // Alternating cases make a pattern far longer than a 500-byte buffer; it still fits a symbol.
    std::string message;
    for (int i = 0; i < 500; ++i) message += "bA";
    const CompactionResult r = FindCompactionPattern(Bytes(message));
    EXPECT_TRUE(r.complete);
    EXPECT_GT(r.pattern.size(), 500u);
}

TEST(CompactionTest, StopsOnceNoSymbolCanHoldTheMessage) {
    const std::string message(5000, '\xF0');
    const CompactionResult r = FindCompactionPattern(Bytes(message));
    EXPECT_FALSE(r.complete);
    EXPECT_GT(CeilCodewords(r.cost) + 1, 928);
}

// Where the cost model is exact, what is written is ceil(cost) + 1; it never writes less.
TEST(CompactionTest, WrittenWordsFollowTheCostModel) {
    const std::string exactAlphabet = "ABCDEFabcdef 0123456789\xC3\xA9\x01&+";
    const std::string anyAlphabet = exactAlphabet + ";<>@[]!\"";
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        const bool exact = seed % 2 == 0;
        const std::string m =
            test::RandomBytes(seed, 1 + seed % 97, exact ? exactAlphabet : anyAlphabet);
        const auto r = FindCompactionPattern(Bytes(m));
        const auto words = static_cast<int64_t>(WriteDataCodewords(r.pattern, Bytes(m), -1).size());
        if (exact)
            EXPECT_EQ(words, CeilCodewords(r.cost) + 1) << "seed " << seed << " " << r.pattern;
        else
            EXPECT_GE(words, CeilCodewords(r.cost) + 1) << "seed " << seed << " " << r.pattern;
    }
}

}  // namespace
}  // namespace tsy::pdf417
