#include <gtest/gtest.h>

#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/platform_codepage.h"
#include "message/prepare_message.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::Show;
using testing::ShowBytes;

struct BytesCase {
    const char* name;
    std::uint32_t codePage;
    std::u16string text;
    std::string bytes;
    bool accurate;
};

class TranslateTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(TranslateTest, BytesAndAccuracy) {
    const BytesCase& c = GetParam();
    const PreparedMessage r = TranslateToCodepage(c.text, static_cast<int>(c.codePage));
    EXPECT_EQ(ShowBytes(r.bytes), ShowBytes(c.bytes));
    EXPECT_EQ(r.accurate, c.accurate);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslateTest,
    ::testing::Values(
        BytesCase{"GermanyUmlaut", 84, u"\u00c4", "\x5b", true},
        BytesCase{"GermanyBracketDropped", 84, u"a[b", "ab", false},
        BytesCase{"IrvDropsVariantPositions", 80,
                  u"#$@[\\]^_`{|}~\x7f"
                  u"A",
                  "A", false},
        BytesCase{"IrvPlain", 80, u"Hello, World!", "Hello, World!", true},
        BytesCase{"NorwayOverlineHasNoByte", 94, u"\u203e~", "", false},
        BytesCase{"AsciiHighDropped", 20127, u"a\u00e9b", "ab", false},
        BytesCase{"AsciiControls", 20127, u"\r\n\x1d\x7f", "\r\n\x1d\x7f", true},
        BytesCase{"Latin1Ydiaeresis", 28591, u"\u00ff", "\xff", true},
        BytesCase{"Latin1Euro", 28591, u"\u20ac", "?", false},
        BytesCase{"Latin1C1", 28591, u"\u0085", "?", false},
        BytesCase{"Latin9Euro", 285915, u"\u20ac", "\xa4", true},
        BytesCase{"ArabicAsciiDigit", 28596, u"5", "?", false},
        BytesCase{"ArabicIndicDigit", 28596, u"\u0665", "5", true},
        BytesCase{"GreekOldQuotes", 28597, u"\u02bd\u02bc", "\xa1\xa2", true},
        BytesCase{"GreekEuroUndefined", 28597, u"\u20ac", "?", false},
        BytesCase{"HebrewOverline", 28598, u"\u203e", "\xaf", true},
        BytesCase{"HebrewLrmUndefined", 28598, u"\u200e", "?", false},
        BytesCase{"NordicC1", 285910, u"\u0085", "\x85", true},
        BytesCase{"ThaiNbspUndefined", 285911, u"\u00a0", "?", false},
        BytesCase{"NoTable285912", 285912, u"A", "", false},
        BytesCase{"BinaryWideUnit", 30, u"A\u0100", "A\0"s, false},
        BytesCase{"BinaryLatin1", 30, u"\u00ff\0"s, "\xff\0"s, true},
        BytesCase{"Utf16Be", 1201, u"AB", "\0A\0B"s, true},
        BytesCase{"Utf16BeLoneSurrogate", 1201, u"\xd800", "\xd8\0"s, true},
        BytesCase{"Utf16Le", 1200, u"A\u20ac", "A\0\xac\x20"s, true},
        BytesCase{"Utf8", 65001, u"A\u00e9\u20ac", "A\xc3\xa9\xe2\x82\xac", true},
        BytesCase{"Utf8Pair", 65001, u"\xd83d\xde00", "\xf0\x9f\x98\x80", true},
        BytesCase{"Utf8LoneSurrogate", 65001,
                  u"a\xdc00"
                  u"b",
                  "a\xef\xbf\xbd"
                  "b",
                  false},
        BytesCase{"Cp1252Euro", 1252, u"\u20ac", "\x80", true},
        BytesCase{"Cp1252Missing", 1252, u"\u0100x", "?x", false},
        BytesCase{"Cp1250", 1250, u"\u0160", "\x8a", true},
        BytesCase{"Cp1251", 1251, u"\u0416", "\xc6", true},
        BytesCase{"Cp1256", 1256, u"\u0627", "\xc7", true},
        BytesCase{"Cp437", 437, u"\u00c7\u2591", "\x80\xb0", true},
        BytesCase{"Cp437PairMissing", 437,
                  u"\xd83d\xde00"
                  u"A",
                  "?A", false},
        BytesCase{"UnknownPlatform", 999999, u"A", "", false},
        // Deviation: the whole counted strings are compared; a NUL must not hide the loss.
        BytesCase{"NulThenLossLatin1", 28591, u"\0\u20ac"s, "\0?"s, false},
        BytesCase{"NulThenLossPlatform", 1252, u"\0\u0100"s, "\0?"s, false},
        // Deviation: U+FFFF is not a character of any part, whatever bytes are undefined.
        BytesCase{"FfffLatin1", 28591, u"\uffff", "?", false},
        BytesCase{"FfffThai", 285911, u"\uffff", "?", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Translate, EmptyTextIsEmptyAndAccurateEverywhere) {
    for (const CodepageEntry& e : CodepageTable()) {
        const PreparedMessage r = TranslateToCodepage(u"", static_cast<int>(e.codePage));
        EXPECT_TRUE(r.bytes.empty());
        EXPECT_TRUE(r.accurate) << e.codePage;
    }
    EXPECT_TRUE(TranslateToCodepage(u"", 285912).accurate);
}

TEST(ToText, ByKind) {
    EXPECT_EQ(ToText("\x80\xff", 84).text, std::u16string(u"\0\0", 2));
    EXPECT_EQ(ToText("\x5b\x7e", 84).text, u"\u00c4\u00df");
    EXPECT_EQ(ToText("\x23", 80).text, u"\uffff");
    EXPECT_EQ(ToText("\x7e", 94).text, u"\u203e");
    EXPECT_EQ(ToText("\xa4\x30", 28596).text, u"\u00a4\u0660");
    EXPECT_EQ(ToText("\x80\xa5", 28593).text, u"\uffff\uffff");
    EXPECT_EQ(ToText("\x85", 285916).text, u"\u0085");
    EXPECT_EQ(ToText("\xff\x41", 30).text, u"\u00ffA");
    EXPECT_EQ(ToText("\x00\x41\x20"s, 1201).text, u"A");  // odd byte ignored
    EXPECT_EQ(ToText("\x41\x00\x20"s, 1200).text, u"A");
    EXPECT_FALSE(ToText("A", 285912).ok);
    EXPECT_TRUE(ToText("A", 99999).ok);
    EXPECT_EQ(ToText("A", 99999).text, u"");
    EXPECT_EQ(Show(ToText("a\xff"
                          "b",
                          65001)
                       .text),
              Show(u"a\ufffdb"));
    EXPECT_EQ(Show(ToText("\xe2\x82", 65001).text), Show(u"\ufffd\ufffd"));
    EXPECT_EQ(Show(ToText("\x81\x80", 1252).text), Show(u"\u0081\u20ac"));
}

// ASCII text skips iconv in the code pages whose first half is ASCII: the bytes, the round trip
// and the accuracy must be what iconv gives.
TEST(Translate, AsciiPastIconvAsIconvHasIt) {
    std::u16string ascii;
    for (char16_t c = 0; c < 0x80; ++c) ascii += c;
    const std::string bytes(ascii.begin(), ascii.end());
    for (std::uint32_t page : {437u, 1250u, 1251u, 1252u, 1256u, 65001u}) {
        MessageBytes viaIconv;
        ASSERT_TRUE(detail::PlatformToBytes(ascii, page, viaIconv)) << page;
        const ByteTranslation r = ToBytes(ascii, page);
        EXPECT_EQ(r.bytes, viaIconv) << page;
        EXPECT_TRUE(r.lossless) << page;
        std::u16string back;
        ASSERT_TRUE(detail::PlatformToText(bytes, page, back)) << page;
        EXPECT_EQ(ToText(bytes, page).text, back) << page;
    }
}

TEST(PrepareMessage, ParsesThenTranslates) {
    PreparedMessage r = PrepareMessage(u"A[ CR][ LF]\r\nB", MarkupStyle::Bracket, 28591);
    EXPECT_EQ(r.bytes, "A\r\nB");
    EXPECT_TRUE(r.accurate);
    r = PrepareMessage(u"\\x1dx\\u20ac", MarkupStyle::C, 28591);
    EXPECT_EQ(r.bytes, "\x1dx?");
    EXPECT_FALSE(r.accurate);
    r = PrepareMessage(u"00 41 \r\n 100", MarkupStyle::Binary, 1201);
    EXPECT_EQ(r.bytes, std::string("\0\0\0A\x01\0", 6));
    EXPECT_TRUE(r.accurate);
    // Deviation: "[NUL]" then a character the page lacks is inaccurate.
    EXPECT_FALSE(PrepareMessage(u"[NUL]\u20ac", MarkupStyle::Bracket, 28591).accurate);
    EXPECT_FALSE(PrepareMessage(u"[NUL][", MarkupStyle::Bracket, 84).accurate);
}

TEST(DecodeFileText, ByteOrderMarks) {
    struct Case {
        const char* name;
        std::string file;
        std::u16string text;
    };
    const Case cases[] = {
        {"Utf8Bom",
         "\xef\xbb\xbf"
         "A\xc3\xa9",
         u"A\u00e9"},
        {"Utf16LeBom",
         "\xff\xfe"
         "A\0"s,
         u"A"},
        {"Utf16BeBom", "\xfe\xff\0A\0B"s, u"AB"},
        {"OnlyLeBomIsAnsi", "\xff\xfe", u"\u00ff\u00fe"},
        {"ShortUtf8", "\xc3\xa9", u"\u00e9"},
        {"AnsiUtf8", "gr\xc3\xbc\xc3\x9f", u"gr\u00fc\u00df"},
        {"AnsiCp1252", "gr\xfc\xdf \x80", u"gr\u00fc\u00df \u20ac"},
        {"Utf8BomInvalidBody",
         "\xef\xbb\xbf"
         "a\xff",
         u"a\ufffd"},
        {"Empty", "", u""},
        {"OddUtf16Le",
         "\xff\xfe"
         "A\0B"s,
         u"A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(DecodeFileText(c.file)), Show(c.text)) << c.name;
    }
}

TEST(ToBoundedBytes, StrncpySemantics) {
    char buf[8];
    std::fill(std::begin(buf), std::end(buf), 'Z');
    EXPECT_EQ(ToBoundedBytes(u"ABCDEFGHIJ", 28591, buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 5), "ABCDZ");

    std::fill(std::begin(buf), std::end(buf), 'Z');
    EXPECT_EQ(ToBoundedBytes(u"AB", 28591, buf, 8), 2u);
    EXPECT_EQ(std::string(buf, 3), "ABZ");  // no terminator beyond the count

    std::fill(std::begin(buf), std::end(buf), 'Z');
    EXPECT_EQ(ToBoundedBytes(u"A\0BC"s, 28591, buf, 8), 4u);
    EXPECT_EQ(std::string(buf, 5), "A\0\0\0Z"s);

    EXPECT_EQ(ToBoundedBytes(u"ABC", 28591, buf, 0), 0u);
}

}  // namespace
}  // namespace tsy
