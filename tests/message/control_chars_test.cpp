#include <gtest/gtest.h>

#include <set>

#include "message/control_chars.h"
#include "test_text.h"

namespace tsy {
namespace {

using testing::Show;

TEST(ControlCharTable, ShapeAndOrder) {
    const auto table = ControlCharTable();
    ASSERT_EQ(table.size(), 65u + 16u + 1u);
    EXPECT_EQ(table.back().code, -1);
    EXPECT_EQ(table.back().name, u"XXX");
    EXPECT_EQ(table.back().description, u"");
    std::set<std::int32_t> primary;
    for (std::size_t i = 0; i < 65; ++i) {
        EXPECT_EQ(table[i].name.size(), 3u) << i;
        EXPECT_FALSE(table[i].description.empty()) << i;
        primary.insert(table[i].code);
    }
    // Every markup-eligible character has a primary row, and nothing else has one.
    for (std::int32_t c = 0; c < 0x100; ++c) {
        EXPECT_EQ(primary.count(c) == 1, IsMarkupEligible(static_cast<char16_t>(c))) << c;
    }
    for (std::size_t i = 65; i < 81; ++i) {
        EXPECT_EQ(table[i].name.size(), 2u);
        EXPECT_TRUE(table[i].description.empty());
    }
}

TEST(ControlCharTable, NamesCodesAndDescriptions) {
    struct Case {
        std::int32_t code;
        std::u16string_view name, description;
    };
    const Case cases[] = {
        {0x00, u"NUL", u"Null"},
        {0x0D, u" CR", u"Carriage Return"},
        {0x16, u"SYN", u"Synchonous Idle"},
        {0x19, u" EM", u"End of Medium"},
        {0x7F, u"DEL", u"Delete"},
        {0x85, u"NEL", u"Next Line"},
        {0x9B, u"CSI", u"Sequence Introducer"},
        {0x9E, u" PM", u"Privacy Pessage"},
        {0x20, u"XXX", u""},
        {-1, u"XXX", u""},
        {0x1000D, u"XXX", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ControlName(c.code), c.name) << c.code;
        EXPECT_EQ(ControlDescription(c.code), c.description) << c.code;
    }
}

TEST(ControlCode, AcceptsPrimaryAndAliasNamesInAnyCase) {
    struct Case {
        std::u16string_view mnemonic;
        std::int32_t code;
    };
    const Case cases[] = {
        {u" CR", 0x0D},    {u" cr", 0x0D}, {u"CR", 0x0D}, {u"cr", 0x0D}, {u"nul", 0x00},
        {u" EM", 0x19},    {u"EM", -1},    {u"GS", 0x1D}, {u"pm", 0x9E}, {u"CRX", -1},
        {u"ESCAPE", 0x1B}, {u"", -1},      {u"XXX", -1},  {u"c", -1},    {u"\u00e7R", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlCode(c.mnemonic), c.code) << Show(c.mnemonic);
}

TEST(ControlPicker, LinesAndPreview) {
    const auto codes = ControlPickerCodes();
    ASSERT_EQ(codes.size(), 65u);
    EXPECT_EQ(codes[31], 0x1F);
    EXPECT_EQ(codes[32], 0x7F);
    EXPECT_EQ(Show(ControlPickerLine(0x85)), "0x85 133     NEL  Next Line");
    EXPECT_EQ(Show(ControlPickerLine(0x00)), "0x00 000     NUL  Null");
    EXPECT_EQ(Show(ControlPickerLine(0x1B)), "0x1b 027 <001B>   ESC  Escape");
    EXPECT_EQ(Show(ControlPickerLine(0x0D)), "0x0d 013 <000D>    CR  Carriage Return");
    EXPECT_EQ(ControlPickerPreview(u"\r\n", MarkupStyle::Bracket), u"[ CR][ LF]");
    EXPECT_EQ(ControlPickerPreview(u"\r\n", MarkupStyle::C), u"\\r\\n");
    EXPECT_EQ(ControlPickerPreview(u"\x1b\x1b\x1b", MarkupStyle::Bracket), u"[ESC][ESC][ESC]");
}

}  // namespace
}  // namespace tsy
