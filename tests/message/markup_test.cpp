#include <gtest/gtest.h>

#include "message/markup.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::Show;

struct FormatCase {
    const char* name;
    MarkupStyle style;
    std::u16string text;
    bool keepCrLf;
    bool lineBreaks;
    std::u16string markup;
};

class FormatMarkupTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatMarkupTest, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Show(FormatMarkup(c.text, c.style, c.keepCrLf, c.lineBreaks)), Show(c.markup));
}

constexpr auto B = MarkupStyle::Bracket;
constexpr auto C = MarkupStyle::C;
constexpr auto Bin = MarkupStyle::Binary;

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatMarkupTest,
    ::testing::Values(
        FormatCase{"BracketCrLf", B, u"A\r\nB", false, true, u"A[ CR][ LF]\r\nB"},
        FormatCase{"BracketCrThenChar", B, u"\rA", false, true, u"[ CR]\r\nA"},
        FormatCase{"BracketTrailingCr", B, u"A\r", false, true, u"A[ CR]"},
        FormatCase{"BracketNoLineBreaks", B, u"\r\n", false, false, u"[ CR][ LF]"},
        FormatCase{"BracketKeepCrLf", B, u"A\r\nB\x1d", true, true, u"A\r\nB[ GS]"},
        FormatCase{"BracketC1AndDel", B, u"\x7f\x85\x9f", false, true, u"[DEL][NEL][APC]"},
        FormatCase{"BracketLiteralBracket", B, u"[x]", false, true, u"[x]"},
        FormatCase{"CControls", C, u"\r\n\t\x1d\x85", false, false, u"\\r\\n\\t\\x1d\\x85"},
        FormatCase{"CLineBreaks", C, u"a\r\nb", false, true, u"a\\r\\n\r\nb"},
        FormatCase{"CBackslashN", C, u"c:\\new", false, true, u"c:\\new"},
        FormatCase{"CBackslashD", C, u"c:\\dir", false, true, u"c:\\\\dir"},
        FormatCase{"CTrailingBackslash", C, u"end\\", false, true, u"end\\\\"},
        FormatCase{"CBackslashBeforeControl", C, u"\\\x1d", false, true, u"\\\\\\x1d"},
        FormatCase{"BinaryNarrow", Bin, u"AB", true, true, u"41 42 "},
        FormatCase{"BinaryWide", Bin, u"A\u20ac", false, false, u"0041 20ac "},
        FormatCase{"BinaryEightPerLine", Bin, u"123456789", false, false,
                   u"31 32 33 34 35 36 37 38 \r\n39 "}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    MarkupStyle style;
    std::u16string markup;
    bool skipRaw;
    std::u16string text;
};

class ParseMarkupTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseMarkupTest, Parses) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(Show(ParseMarkup(c.markup, c.style, c.skipRaw)), Show(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseMarkupTest,
    ::testing::Values(
        ParseCase{"BracketCrLf", B, u"A[ CR][ LF]\r\nB", true, u"A\r\nB"},
        ParseCase{"BracketNotMnemonic", B, u"[AB]", true, u"[AB]"},
        ParseCase{"BracketShortHex", B, u"[0x1]", true, u"[0x1]"},
        ParseCase{"BracketLongHexLiteral", B, u"[0x123]", true, u"[0x123]"},
        ParseCase{"BracketHex", B, u"[0x41][0x0D]", true, u"A\r"},
        ParseCase{"BracketHexUpperX", B, u"[0X20ac]", true, u"\u20ac"},
        ParseCase{"BracketHex16LowBits", B, u"[0xffff]", true, u"\uffff"},
        ParseCase{"BracketAliasCr", B, u"[CR]", true, u"\r"},
        ParseCase{"BracketLowerCase", B, u"[ cr][cr][nul]", true, std::u16string(u"\r\r\0", 3)},
        ParseCase{"BracketEmAlias", B, u"[EM][ EM]", true, u"[EM]\x19"},
        ParseCase{"BracketLongMnemonicPrefix", B, u"[ESCAPE]", true, u"[ESCAPE]"},
        ParseCase{"BracketAtEnd", B, u"ab[", true, u"ab["},
        ParseCase{"BracketTwoAtEnd", B, u"[CR", true, u"[CR"},
        ParseCase{"BracketKeepsRaw", B, u"a\r\n\tb", false, u"a\r\n\tb"},
        ParseCase{"BracketOnlyLineBreaks", B, u"\r\n\r\n", true, u""},
        ParseCase{"CEscapes", C, u"\\r\\n\\t\\\\", true, u"\r\n\t\\"},
        ParseCase{"CHex", C, u"\\x41\\X1d\\u20AC\\U0041", true,
                  u"A\x1d\u20ac"
                  u"A"},
        ParseCase{"CUnknownEscape", C, u"a\\qb", true, u"ab"},
        ParseCase{"CUpperR", C, u"\\R\\N\\T", true, u""},
        ParseCase{"CTrailingBackslash", C, u"ab\\", true, u"ab"},
        ParseCase{"CShortHexAtEnd", C, u"\\x4", true, u"4"},
        ParseCase{"CShortUnicodeAtEnd", C, u"\\u123", true, u"123"},
        ParseCase{"CRawSkipped", C, u"a\r\nb", true, u"ab"},
        ParseCase{"BinaryPair", Bin, u"41 42", true, u"AB"},
        ParseCase{"BinarySeparatorRuns", Bin, u"  41\r\n\r\n  20ac  ", true, u"A\u20ac"},
        ParseCase{"BinaryNoDigit", Bin, u"zz 41", true, std::u16string(u"\0A", 2)},
        ParseCase{"BinaryLowSixteenBits", Bin, u"12345", true, u"\u2345"},
        ParseCase{"BinaryRawIgnoredFlag", Bin, u"0d 0a", false, u"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkupRoundTrip, WorkedExamples) {
    const std::u16string crlf = u"A\r\nB";
    EXPECT_EQ(ParseMarkup(FormatMarkup(crlf, B, false, true), B, true), crlf);
    // The bracket style has no escape for "[": text that spells a mnemonic becomes one.
    EXPECT_EQ(Show(ParseMarkup(FormatMarkup(u"[CR]", B, false, true), B, true)), Show(u"\r"));
    // A backslash before n stays single and so becomes a line feed.
    EXPECT_EQ(Show(ParseMarkup(FormatMarkup(u"c:\\new", C, false, true), C, true)),
              Show(u"c:\new"));
    EXPECT_EQ(ParseMarkup(FormatMarkup(u"c:\\dir", C, false, true), C, true), u"c:\\dir");
    EXPECT_EQ(ParseMarkup(FormatMarkup(u"end\\", C, false, true), C, true), u"end\\");
}

// Deviation: a backslash that resolved a pending one used to start a new pending one, so the
// character after "\\" was swallowed ("\\server\share" came back as "\erver\share").
TEST(MarkupRoundTrip, EscapedBackslashKeepsNextCharacter) {
    const std::u16string text = u"\\\\server\\share";
    const std::u16string markup = FormatMarkup(text, C, false, true);
    EXPECT_EQ(Show(markup), Show(u"\\\\server\\\\share"));
    EXPECT_EQ(Show(ParseMarkup(markup, C, true)), Show(u"\\server\\share"));
    EXPECT_EQ(Show(FormatMarkup(u"\\\\\\q", C, false, false)), Show(u"\\\\\\\\q"));
}

// Deviation: the look-ahead of a bracket group near the end of the markup must stay inside it;
// what lies beyond the view (here a "]") must not complete a group.
TEST(MarkupParse, BracketLookAheadStaysInside) {
    const std::u16string buffer = u"[ CR][0x41][0x0041]";
    struct Case {
        std::size_t offset, length;
        std::u16string text;
    };
    const Case cases[] = {
        {0, 4, u"[ CR"},     {0, 5, u"\r"}, {5, 5, u"[0x41"}, {5, 6, u"A"},
        {11, 7, u"[0x0041"}, {11, 8, u"A"}, {5, 4, u"[0x4"},  {11, 4, u"[0x0"},
    };
    for (const Case& c : cases) {
        const std::u16string_view view(buffer.data() + c.offset, c.length);
        EXPECT_EQ(Show(ParseMarkup(view, B, true)), Show(c.text)) << Show(view);
    }
}

TEST(FormatImportedText, KeepsLineBreaksOnlyWhenLineEndMarkupExists) {
    EXPECT_EQ(FormatImportedText(u"a\r\nb", B), u"a[ CR][ LF]\r\nb");
    EXPECT_EQ(FormatImportedText(u"a[CR]\r\nb", B), u"a[CR]\r\nb");
    EXPECT_EQ(FormatImportedText(u"a[ LF]\nb\x1d", B), u"a[ LF]\nb[ GS]");
    EXPECT_EQ(FormatImportedText(u"a\r\nb", C), u"a\\r\\n\r\nb");
    EXPECT_EQ(FormatImportedText(u"a\\x0D\r\nb", C), u"a\\x0D\r\nb");
    EXPECT_EQ(FormatImportedText(u"a\\n\nb", C), u"a\\n\nb");
    EXPECT_EQ(FormatImportedText(u"A\r", Bin), u"41 0d ");
}

TEST(EnterKeyText, PerStyleAndMode) {
    struct Case {
        MarkupStyle style;
        EnterMode mode;
        std::u16string text;
    };
    const Case cases[] = {
        {B, EnterMode::CrLf, u"[ CR][ LF]\r\n"},
        {B, EnterMode::Cr, u"[ CR]\r\n"},
        {B, EnterMode::Lf, u"[ LF]\r\n"},
        {C, EnterMode::CrLf, u"\\r\\n\r\n"},
        {C, EnterMode::Cr, u"\\r\r\n"},
        {C, EnterMode::Lf, u"\\n\r\n"},
        {Bin, EnterMode::CrLf, u""},
        {B, static_cast<EnterMode>(7), u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(EnterKeyText(c.style, c.mode)), Show(c.text));
}

}  // namespace
}  // namespace tsy
