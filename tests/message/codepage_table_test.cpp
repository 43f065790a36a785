#include <gtest/gtest.h>

#include "message/codepage_table.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::Show;

TEST(CodepageTable, ShapeAndClasses) {
    const auto table = CodepageTable();
    ASSERT_EQ(table.size(), 41u);
    EXPECT_EQ(table.back().codePage, 0u);
    EXPECT_EQ(table.back().flags, 0u);
    EXPECT_EQ(table.back().name, u"not_supported");
    EXPECT_EQ(CP_CLASS_LINEAR, 0x9u);
    EXPECT_EQ(CP_CLASS_2D, 0xEu);
    int linear = 0, twoD = 0;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        linear += InCodepageClass(table[i], CP_CLASS_LINEAR);
        twoD += InCodepageClass(table[i], CP_CLASS_2D);
    }
    EXPECT_EQ(linear, 16);  // ASCII, IRV and the fourteen national variants
    EXPECT_EQ(twoD, 26);    // up to CP437, plus ASCII and IRV (common)
}

TEST(NormalizeCodepageName, Keys) {
    struct Case {
        std::u16string_view name, key;
    };
    const Case cases[] = {
        {u"ISO8859.1", u"iso8859 1"},
        {u"iso8859_1", u"iso8859 1"},
        {u"Iso8859-1", u"iso8859 1"},
        {u"8859-1", u"8859 1"},
        {u"Iso 8859-1 Western European", u"iso8859 1 western european"},
        {u"UTF-8", u"utf8"},
        {u"CP 437", u"cp437"},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(NormalizeCodepageName(c.name)), Show(c.key));
}

TEST(FindCodepageByName, PartialSearchWithinClass) {
    struct Case {
        std::u16string_view name;
        std::uint32_t mask;
        std::uint32_t codePage;
        bool found;
    };
    const Case cases[] = {
        {u"ir21", CP_CLASS_LINEAR, 84, true},       {u"germany", CP_CLASS_2D, 0, false},
        {u"8859-1", CP_CLASS_2D, 28591, true},      {u"8859-10", CP_CLASS_2D, 285910, true},
        {u"ISO8859.15", CP_CLASS_2D, 285915, true}, {u"ascii", CP_CLASS_2D, 20127, true},
        {u"ascii", CP_CLASS_LINEAR, 20127, true},   {u"utf-8", CP_CLASS_2D, 65001, true},
        {u"utf16", CP_CLASS_2D, 1201, true},        {u"10646", CP_CLASS_2D, 1201, true},
        {u"cp437", CP_CLASS_LINEAR, 0, false},      {u"Iso_IR60_Norway", CP_CLASS_LINEAR, 94, true},
        {u"", CP_CLASS_LINEAR, 20127, true},  // the empty key is in every name
        {u"no such page", CP_CLASS_2D, 0, false},
    };
    for (const Case& c : cases) {
        const CodepageLookup r = FindCodepageByName(c.name, c.mask);
        EXPECT_EQ(r.codePage, c.codePage) << Show(c.name);
        EXPECT_EQ(r.found, c.found) << Show(c.name);
    }
}

TEST(FindCodepageExact, WholeNameIgnoringCase) {
    EXPECT_EQ(FindCodepageExact(u"iso ir21 germany").codePage, 84u);
    EXPECT_TRUE(FindCodepageExact(u"ISO 10646 BE").found);
    EXPECT_EQ(FindCodepageExact(u"Iso IR21").codePage, 0u);
    EXPECT_FALSE(FindCodepageExact(u"not_supported").found);
}

TEST(CodepageName, FirstRowOrNotSupported) {
    EXPECT_EQ(CodepageName(1201), u"Unicode UTF16BE");
    EXPECT_EQ(CodepageName(84), u"Iso IR21 Germany");
    EXPECT_EQ(CodepageName(285912), u"not_supported");
    EXPECT_EQ(CodepageName(0), u"not_supported");
}

TEST(ListCodepages, HelpLines) {
    const std::u16string linear = ListCodepages(CP_CLASS_LINEAR);
    EXPECT_EQ(linear.substr(0, 52), u"Iso_646_(ASCII)\r\nIso_646-IRV_(ASCII_Invariant)\r\nIso_");
    EXPECT_TRUE(linear.ends_with(u"Iso_IR61_Norway_(withdrawn)\r\n"));
    const std::u16string twoD = ListCodepages(CP_CLASS_2D);
    EXPECT_TRUE(twoD.starts_with(u"UTF-8\r\nCP1250_Eastern_European\r\n"));
    EXPECT_TRUE(twoD.ends_with(u"CP437\r\nIso_646_(ASCII)\r\nIso_646-IRV_(ASCII_Invariant)\r\n"));
}

TEST(FillCodepageCombo, LinearRowsAndSelection) {
    ComboChoice c = FillCodepageCombo(u"", false);
    ASSERT_EQ(c.items.size(), 16u);
    EXPECT_EQ(c.items.front(), u"Iso 646 (ASCII)");
    EXPECT_EQ(c.selectedName, u"Iso 646 (ASCII)");
    EXPECT_EQ(c.selectedIndex, 0);

    c = FillCodepageCombo(u"iso ir6", true);
    ASSERT_GE(c.selectedIndex, 0);
    EXPECT_EQ(c.items[static_cast<std::size_t>(c.selectedIndex)], u"Iso IR60 Norway");
    EXPECT_EQ(c.selectedName, u"iso ir6");
    EXPECT_EQ(FillCodepageCombo(u"UTF-8").selectedIndex, -1);
}

}  // namespace
}  // namespace tsy
