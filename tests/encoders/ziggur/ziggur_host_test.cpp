#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoders/ziggur/ziggur_host_detail.h"
#include "ziggur_test_util.h"

namespace tsy::ziggur {
namespace {

using test::Host;

std::vector<int> Columns(const HostRow& row) {
    std::vector<int> marked;
    for (std::size_t x = 0; x < row.size(); ++x)
        if (row[x]) marked.push_back(static_cast<int>(x));
    return marked;
}

struct LayoutCase {
    const char* name;
    char letter;
    std::string message;
    int width;
    std::vector<ZiggurReference> references;
    std::vector<int> barrier;
};

// The hosts' worked examples: W, the reference list in its order and the barrier marks.
TEST(ZiggurHost, LayoutOfWorkedExamples) {
    const LayoutCase cases[] = {
        {"Code 39 AB",
         '3',
         "AB",
         53,
         {{12, true}, {13, false}, {14, true}, {39, false}, {40, true}},
         {14, 40}},
        {"EAN fixed",
         'U',
         "123456789012",
         97,
         {{17, true}, {18, false}, {47, true}, {48, false}, {49, true}, {78, false}, {79, true}},
         {17, 49, 79}},
        {"ITF 123 padded",
         'I',
         "123",
         38,
         {{3, true}, {4, false}, {5, true}, {32, false}, {33, true}},
         {5, 33}},
        {"ITF 3 pairs",
         'i',
         "123456",
         52,
         {{17, true}, {18, false}, {19, true}, {46, false}, {47, true}},
         {19, 47}},
        {"Code 93 A",
         '9',
         "A",
         48,
         {{8, true}, {9, false}, {10, true}, {36, false}, {37, true}},
         {10, 37}},
        {"Code 128 12AB",
         '1',
         "12AB",
         81,
         {{10, true}, {11, false}, {12, true}, {44, false}, {45, true}, {66, false}, {67, true}},
         {12, 45, 67}},
    };
    for (const LayoutCase& c : cases) {
        ZiggurHostRows rows;
        ZiggurHostLayout layout;
        ASSERT_TRUE(EncodeZiggurHost(Host(c.letter, c.message), rows, layout)) << c.name;
        EXPECT_EQ(layout.width, c.width) << c.name;
        EXPECT_EQ(layout.references, c.references) << c.name;
        EXPECT_EQ(Columns(rows.barrier), c.barrier) << c.name;
        ASSERT_EQ(rows.bars.size(), static_cast<std::size_t>(c.width)) << c.name;
        // one light margin column each side, a bar right after the left one
        EXPECT_EQ(rows.bars[0], 0) << c.name;
        EXPECT_EQ(rows.bars[1], 1) << c.name;
        EXPECT_EQ(rows.bars.back(), 0) << c.name;
        EXPECT_EQ(rows.bars[rows.bars.size() - 2], 1) << c.name;
    }
}

TEST(ZiggurHost, EanCheckDigitAndPadding) {
    EXPECT_EQ(EanDigits("123456789012"), "1234567890128");
    EXPECT_EQ(EanDigits("999999999999"), "9999999999994");
    EXPECT_EQ(EanDigits("12345"), "0000000123457");
    EXPECT_EQ(EanDigits(""), "0000000000000");
    EXPECT_EQ(EanDigits("1234567890123"), "");
    EXPECT_EQ(EanDigits("12a"), "");
}

TEST(ZiggurHost, BearerRowsNotchBeforeOuterReferences) {
    ZiggurHostRows rows;
    ZiggurHostLayout layout;
    ASSERT_TRUE(EncodeZiggurHost(Host('B', "0123"), rows, layout));
    std::vector<int> solid;
    for (int x = 1; x <= 36; ++x) solid.push_back(x);
    EXPECT_EQ(Columns(rows.solidBearer), solid);
    std::vector<int> notched;
    for (int x : solid)
        if (x != 3 && x != 4 && x != 31 && x != 32) notched.push_back(x);
    EXPECT_EQ(Columns(rows.notchedBearer), notched);

    ASSERT_TRUE(EncodeZiggurHost(Host('I', "0123"), rows, layout));
    EXPECT_TRUE(rows.solidBearer.empty());
    EXPECT_TRUE(rows.notchedBearer.empty());
}

TEST(ZiggurHost, Code128SetChoices) {
    struct Case {
        const char* name;
        std::string message;
        std::vector<int> values;  // without the check value
    } const cases[] = {
        {"pair then CODE B", "12AB", {105, 12, 100, 33, 34}},
        {"lone digit starts B", "1AB", {104, 17, 33, 34}},
        {"control by SHIFT in B",
         "a\x01"
         "b",
         {104, 65, 98, 65, 66}},
        {"controls latch A", "\x01\x02", {103, 65, 66}},
        {"lower by SHIFT in A",
         "\x01"
         "a\x02",
         {103, 65, 98, 65, 66}},
        {"even run of four to C", "A1234", {104, 33, 99, 12, 34}},
        {"odd run stays", "A123", {104, 33, 17, 18, 19}},
        {"FNC1 in C",
         "\x80"
         "12",
         {105, 102, 12}},
        {"leave C for controls", "12\x01", {105, 12, 101, 65}},
    };
    for (const Case& c : cases) {
        std::vector<int> v = Code128HostValues(c.message);
        ASSERT_FALSE(v.empty()) << c.name;
        v.pop_back();
        EXPECT_EQ(v, c.values) << c.name;
    }
}

TEST(ZiggurHost, Code93ShiftsAndChecks) {
    // "a" is (+)A; C = 46 x 2 + 10 = 102 mod 47 = 8; K = 46 x 3 + 10 x 2 + 8 = 166 mod 47 = 25
    EXPECT_EQ(Code93HostValues("a"), (std::vector<int>{46, 10, 8, 25}));
    EXPECT_EQ(Code93HostValues("$"), (std::vector<int>{39, 39, 23}));
    EXPECT_TRUE(Code93HostValues("\x80").empty());
}

// 47 bytes, each control character by SHIFT: 73 symbols, 807 columns.
std::string AlternatingShifts() {
    std::string s;
    while (s.size() < 47) s += s.size() % 2 ? '\x01' : 'a';
    return s;
}

// Every way a host is refused; none may draw anything.
TEST(ZiggurHost, RefusedHosts) {
    ZiggurHostRecord wide = Host('3', "A");
    wide.wideWidth = 3;
    ZiggurHostRecord narrow = Host('3', "A");
    narrow.narrowWidth = 2;
    ZiggurHostRecord unterminated = Host('3', "A");
    std::memset(unterminated.hostMessage, 'A', sizeof unterminated.hostMessage);
    const struct {
        const char* name;
        ZiggurHostRecord host;
    } cases[] = {
        {"Code 39 lower case", Host('3', "ab")},
        {"Code 39 empty", Host('3', "")},
        {"EAN 13 digits", Host('U', "1234567890123")},
        {"EAN letter", Host('U', "12A")},
        {"ITF 12", Host('I', "12")},
        {"ITF letter", Host('B', "12a4")},
        {"Code 93 byte above 127", Host('9', "\xE9")},
        {"Code 93 empty", Host('9', "")},
        {"Code 128 empty", Host('1', "")},
        {"Code 128 byte above FNC4", Host('1', "A\x84")},
        {"Code 128 of 807 columns", Host('1', AlternatingShifts())},
        {"Code 93 too wide", Host('9', std::string(40, 'a'))},
        {"unknown letter", Host('X', "A")},
        {"48 bytes", Host('3', std::string(48, 'A'))},
        {"no NUL", unterminated},
        {"wide 3", wide},
        {"narrow 2", narrow},
    };
    for (const auto& c : cases) {
        ZiggurHostRows rows;
        ZiggurHostLayout layout;
        EXPECT_FALSE(EncodeZiggurHost(c.host, rows, layout)) << c.name;
        EXPECT_EQ(layout.width, 0) << c.name;
        EXPECT_TRUE(rows.bars.empty()) << c.name;
    }
}

}  // namespace
}  // namespace tsy::ziggur
