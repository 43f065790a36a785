// Seeded random texts: round trips where a style or code page can express the text, and
// survival of arbitrary, truncated and oversized input.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/markup.h"
#include "message/prepare_message.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::Show;

class Rng {
public:
    explicit Rng(unsigned seed) : gen_(seed) {}
    unsigned Below(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(gen_); }

    // Controls, markup metacharacters, Latin-1, wide characters, surrogates and U+FFFF.
    char16_t AnyChar() {
        static constexpr std::u16string_view kTricky = u"[]\\xXuUrnt0123456789abcdefACEFLNRSTU ";
        switch (Below(8)) {
            case 0:
                return static_cast<char16_t>(Below(0x20));
            case 1:
                return static_cast<char16_t>(0x7F + Below(0x21));
            case 2:
            case 3:
                return kTricky[Below(static_cast<unsigned>(kTricky.size()))];
            case 4:
                return static_cast<char16_t>(0x20 + Below(0xE0));
            case 5:
                return static_cast<char16_t>(0xD800 + Below(0x800));
            case 6:
                return Below(4) == 0 ? u'\uffff' : static_cast<char16_t>(Below(0x10000));
            default:
                return static_cast<char16_t>(0x20 + Below(0x5F));
        }
    }
    std::u16string AnyText(unsigned maxLen) {
        std::u16string s(Below(maxLen + 1), u'\0');
        for (char16_t& c : s) c = AnyChar();
        return s;
    }
    std::string AnyBytes(std::size_t n) {
        std::string s(n, '\0');
        for (char& c : s) c = static_cast<char>(Below(256));
        return s;
    }

private:
    std::mt19937 gen_;
};

bool StartsCEscape(char16_t c) {
    return std::u16string_view(u"rnt\\xXuU").find(c) != std::u16string_view::npos;
}

// Makes t expressible in the style: Bracket has no escape for "[", and in C style a backslash
// that already begins an escape is taken as one.
std::u16string Expressible(std::u16string t, MarkupStyle style) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (style == MarkupStyle::Bracket && t[i] == u'[') t[i] = u'(';
        if (style == MarkupStyle::C && t[i] == u'\\' && i + 1 < t.size() &&
            StartsCEscape(t[i + 1])) {
            t[i + 1] = u'q';
        }
    }
    return t;
}

class MarkupProperty : public ::testing::TestWithParam<MarkupStyle> {};

TEST_P(MarkupProperty, ParseInvertsFormat) {
    const MarkupStyle style = GetParam();
    Rng rng(1234u + static_cast<unsigned>(style));
    for (int n = 0; n < 3000; ++n) {
        const std::u16string t = Expressible(rng.AnyText(40), style);
        const bool lineBreaks = n % 2 == 0;
        ASSERT_EQ(Show(ParseMarkup(FormatMarkup(t, style, false, lineBreaks), style, true)),
                  Show(t));
        // CR and LF kept as they are survive only when raw characters are kept too.
        ASSERT_EQ(Show(ParseMarkup(FormatMarkup(t, style, true, lineBreaks), style, false)),
                  Show(t));
    }
}

TEST_P(MarkupProperty, ArbitraryMarkupParsesWithinBounds) {
    const MarkupStyle style = GetParam();
    Rng rng(99u + static_cast<unsigned>(style));
    for (int n = 0; n < 3000; ++n) {
        const std::u16string m = rng.AnyText(30);
        // An exact-size heap copy, so a read past the end is caught by the sanitizer.
        auto exact = std::make_unique<char16_t[]>(m.size() + 1);
        std::copy(m.begin(), m.end(), exact.get());
        for (std::size_t len = 0; len <= m.size(); ++len) {
            auto tail = std::make_unique<char16_t[]>(len);
            std::copy(m.begin(), m.begin() + static_cast<std::ptrdiff_t>(len), tail.get());
            const std::u16string out = ParseMarkup({tail.get(), len}, style, n % 2 == 0);
            ASSERT_LE(out.size(), len);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, MarkupProperty,
                         ::testing::Values(MarkupStyle::Bracket, MarkupStyle::C,
                                           MarkupStyle::Binary),
                         [](const auto& info) {
                             return std::string(info.param == MarkupStyle::Bracket ? "Bracket"
                                                : info.param == MarkupStyle::C     ? "C"
                                                                                   : "Binary");
                         });

// Texts mostly made of the page's own characters, so both outcomes occur.
std::u16string PageText(Rng& rng, std::uint32_t cp) {
    std::u16string t = ToText(rng.AnyBytes(rng.Below(24)), cp).text;
    if (rng.Below(2) == 0 && !t.empty())
        t[rng.Below(static_cast<unsigned>(t.size()))] = rng.AnyChar();
    return t;
}

TEST(TranslationProperty, BackTranslationEqualsTextExactlyWhenAccurate) {
    std::vector<std::uint32_t> pages;
    for (const CodepageEntry& e : CodepageTable()) pages.push_back(e.codePage);
    pages.push_back(CP_UTF16LE);
    pages.push_back(285912);
    Rng rng(2024);
    for (std::uint32_t cp : pages) {
        int accurate = 0, inaccurate = 0;
        for (int n = 0; n < 300; ++n) {
            const std::u16string t = n % 3 == 0 ? rng.AnyText(20) : PageText(rng, cp);
            const PreparedMessage r = TranslateToCodepage(t, static_cast<int>(cp));
            const bool same = ToText(r.bytes, cp).text == t;
            ASSERT_EQ(r.accurate, same) << "code page " << cp << ": " << Show(t);
            (r.accurate ? accurate : inaccurate)++;
        }
        if (cp != 0 && cp != 285912) {
            EXPECT_GT(accurate, 20) << "code page " << cp;
        }
        if (cp != CP_UTF16LE && cp != CP_UTF16BE) {
            EXPECT_GT(inaccurate, 0) << "code page " << cp;
        }
    }
}

TEST(BadInput, MegabyteTexts) {
    Rng rng(7);
    std::u16string big(1 << 20, u'\0');
    for (char16_t& c : big) c = rng.AnyChar();
    for (MarkupStyle style : {MarkupStyle::Bracket, MarkupStyle::C, MarkupStyle::Binary}) {
        const std::u16string parsed = ParseMarkup(big, style, true);
        EXPECT_LE(parsed.size(), big.size());
    }
    const std::u16string text = Expressible(big, MarkupStyle::Bracket);
    EXPECT_EQ(ParseMarkup(FormatMarkup(text, MarkupStyle::Bracket, false, true),
                          MarkupStyle::Bracket, true),
              text);
    for (std::uint32_t cp : {28591u, 84u, 65001u, 1252u, 1201u, 30u}) {
        const PreparedMessage r = TranslateToCodepage(big, static_cast<int>(cp));
        // Unpaired surrogates are everywhere; only UTF-16 carries them.
        EXPECT_EQ(r.accurate, cp == CP_UTF16BE) << cp;
    }
    const std::u16string decoded = DecodeFileText(rng.AnyBytes(1 << 20));
    EXPECT_EQ(decoded.size(), 1u << 20);  // not UTF-8, so one Windows-1252 character a byte
}

TEST(BadInput, SurrogatesAndNoncharacters) {
    const std::u16string cases[] = {u"\xd800",       u"\xdc00", u"a\xd800", u"\xdbff\xdbff",
                                    u"\xde00\xd83d", u"\uffff", u"\ufffe"};
    for (const CodepageEntry& e : CodepageTable()) {
        for (const std::u16string& t : cases) {
            const PreparedMessage r = TranslateToCodepage(t, static_cast<int>(e.codePage));
            // UTF-16 carries every unit; UTF-8 carries the noncharacters but no lone surrogate.
            const bool noncharacter = t == u"\uffff" || t == u"\ufffe";
            const bool expected =
                e.codePage == CP_UTF16BE || (e.codePage == CP_UTF8 && noncharacter);
            EXPECT_EQ(r.accurate, expected) << e.codePage << " " << Show(t);
        }
    }
}

TEST(BadInput, InvalidUtf8Files) {
    Rng rng(11);
    for (int n = 0; n < 2000; ++n) {
        std::string file = rng.AnyBytes(rng.Below(40));
        if (n % 4 == 0) file = "\xef\xbb\xbf" + file;
        if (n % 4 == 1) file = "\xff\xfe" + file;
        if (n % 4 == 2) file = "\xfe\xff" + file;
        const std::u16string text = DecodeFileText(file);
        EXPECT_LE(text.size(), file.size());
    }
}

}  // namespace
}  // namespace tsy
