#include <gtest/gtest.h>

#include "message/codepage_table.h"
#include "message/eci_table.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::ShowBytes;

TEST(EciTable, EveryCodepageIsInTheCodepageTable) {
    const auto table = EciTable();
    ASSERT_EQ(table.size(), 27u);
    EXPECT_EQ(table.back().eci, -1);
    EXPECT_EQ(table.back().codePage, 0u);
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        EXPECT_NE(CodepageName(table[i].codePage), u"not_supported") << i;
    }
}

TEST(EciLookups, ByNameNumberAndCodepage) {
    struct ByName {
        std::u16string_view name;
        std::uint32_t codePage;
        std::int32_t eci;
    };
    const ByName byName[] = {
        {u"CP437 PDF-GLI0 (legacy)", 437, 0}, {u"unicode utf-8", 65001, 26}, {u"Binary", 30, 899},
        {u"Symbology default", 0, -1},        {u"Iso 8859-1", 0, -1},        {u"", 0, -1},
    };
    for (const ByName& c : byName) {
        const EciLookup r = FindEciByName(c.name);
        EXPECT_EQ(r.codePage, c.codePage);
        EXPECT_EQ(r.eci, c.eci);
    }
    EXPECT_EQ(EciName(26), u"Unicode UTF-8");
    EXPECT_EQ(EciName(0), u"CP437 PDF-GLI0 (legacy)");
    EXPECT_EQ(EciName(-1), u"Symbology default");
    EXPECT_EQ(EciName(14), u"Symbology default");
    EXPECT_EQ(EciForCodepage(437), 2);
    EXPECT_EQ(EciForCodepage(28591), 3);
    EXPECT_EQ(EciForCodepage(30), 899);
    EXPECT_EQ(EciForCodepage(84), -1);
    EXPECT_EQ(EciForCodepage(0), -1);
}

TEST(EciCombo, DefaultsAndPrefixSelection) {
    ComboChoice c = FillEciCombo(u"", false);
    ASSERT_EQ(c.items.size(), 27u);
    EXPECT_EQ(c.items.back(), u"Symbology default");
    EXPECT_EQ(c.selectedName, u"Symbology default");
    EXPECT_EQ(c.selectedIndex, 26);

    c = FillEciCombo(u"iso 8859-1", true);
    ASSERT_GE(c.selectedIndex, 0);
    // Sorted, "Iso 8859-1 PDF-GLI1 (legacy)" precedes "Iso 8859-1 Western European".
    EXPECT_EQ(c.items[static_cast<std::size_t>(c.selectedIndex)], u"Iso 8859-1 PDF-GLI1 (legacy)");
    EXPECT_EQ(FillEciCombo(u"nothing like it").selectedIndex, -1);
}

TEST(AztecEciPrefix, RealDigitCount) {
    struct Case {
        std::int32_t eci;
        std::string bytes;
    };
    const Case cases[] = {
        {0,
         "\x1b"
         "10"},
        {9,
         "\x1b"
         "19"},
        {26,
         "\x1b"
         "226"},
        {899,
         "\x1b"
         "3899"},
        {1000,
         "\x1b"
         "41000"},
        {123456,
         "\x1b"
         "6123456"},
        {999999,
         "\x1b"
         "6999999"},
        {1000000, ""},
        {-1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShowBytes(AztecEciPrefix(c.eci)), ShowBytes(c.bytes));
    // Every ECI of the table: the count digit matches the digits that follow.
    for (const EciEntry& e : EciTable()) {
        const MessageBytes p = AztecEciPrefix(e.eci);
        if (e.eci < 0) continue;
        ASSERT_GE(p.size(), 3u);
        EXPECT_EQ(p[0], '\x1b');
        EXPECT_EQ(static_cast<std::size_t>(p[1] - '0'), p.size() - 2);
        EXPECT_EQ(std::stoi(p.substr(2)), e.eci);
    }
}

}  // namespace
}  // namespace tsy
