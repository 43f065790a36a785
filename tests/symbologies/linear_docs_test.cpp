#include <gtest/gtest.h>

#include <array>
#include <string>

#include "symbologies/code128/code128_doc.h"
#include "symbologies/code128/menu128_hex.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/picture_decode.h"

namespace tsy {
namespace {

using test::Symbology;

TEST(Menu128Hex, Reading) {
    const std::pair<const char16_t*, uint32_t> cases[] = {
        {u"", 0},        {u"10", 0x10}, {u"1f", 0x1F},
        {u"0x1F", 0x1F}, {u"zzX7", 7},  {u"12G4", 0x12},
        {u"G", 0},       {u"x", 0},     {u"FFFFFFFFFF", UINT32_MAX},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadMenuHex(text), value);
}

TEST(Menu128Hex, DataPairsFromTheEnd) {
    using Bytes = std::array<uint8_t, 4>;
    EXPECT_EQ(ReadMenuData(u"0203"), (Bytes{0x03, 0x02, 0, 0}));
    EXPECT_EQ(ReadMenuData(u"123"), (Bytes{0x23, 0, 0, 0}));  // odd: the first digit is unused
    EXPECT_EQ(ReadMenuData(u"A1B2C3D4"), (Bytes{0xD4, 0xC3, 0xB2, 0xA1}));
    EXPECT_EQ(ReadMenuData(u"99A1B2C3D4"), (Bytes{0xD4, 0xC3, 0xB2, 0xA1}));
    EXPECT_EQ(ReadMenuData(u"7"), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(ReadMenuData(u""), (Bytes{0, 0, 0, 0}));
}

struct VariantCase {
    int32_t tilde, trailing, leading;
    const char* expected;
};

TEST(Code128Doc, VariantBytes) {
    const VariantCase cases[] = {
        {0, 0, 0, "ABC"},
        {1, 1, 0, "~ABC\x82"},
        {0, 1, 0, "ABC\x82"},
        {0, 0, 1,
         "\x82"
         "ABC"},
        {1, 1, 1, "\x82~ABC\x82"},
    };
    for (const VariantCase& c : cases) {
        CCode128Doc doc;
        doc.m_MessageBytes = "ABC";
        doc.m_LeadingTilde = c.tilde;
        doc.m_TrailingFnc3 = c.trailing;
        doc.m_LeadingFnc3 = c.leading;
        EXPECT_EQ(doc.VariantBytes(), c.expected);
    }
}

TEST(Code128Doc, TildeVariantReadsBack) {
    CCode128Doc doc;
    doc.m_Message = u"ABC";
    doc.m_LeadingTilde = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    // Start B, "~", "A", "B", "C", check: 6 values.
    EXPECT_EQ(doc.m_ModuleColumns, 11 * 6 + 33);
    const test::Decoded d = test::DecodeSymbolPart(doc, Symbology::Code128);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, "~ABC");
}

TEST(Code128Doc, Menu128BuildsWithoutAMessage) {
    CCode128Doc doc;
    doc.m_Menu128 = 1;
    doc.m_MenuId = 5;
    doc.m_MenuOpcode = 1;
    doc.m_MenuOffset = u"10";
    doc.m_MenuData = u"0203";
    ASSERT_TRUE(doc.BuildSymbol());
    // 106, 5, 10, 80, 0, 5, 35 and the check character.
    EXPECT_EQ(doc.m_ModuleColumns, 11 * 8 + 33);
    EXPECT_TRUE(doc.m_Picture.HasPicture());

    doc.m_MenuOpcode = 7;
    doc.m_MenuOffset = u"FFF";  // 7 x 1024 + 4095 has no pattern for its first digit
    EXPECT_FALSE(doc.BuildSymbol());
    EXPECT_FALSE(doc.m_Picture.HasPicture());
}

TEST(Code128Doc, CommandLineVariants) {
    CommandLineOptions o;
    o.message = u"12";
    CCode128Doc menu;
    menu.m_LeadingFnc3 = 0;
    o.menuSymbol = true;
    menu.ApplyCommandLine(o, {});
    EXPECT_EQ(menu.m_TrailingFnc3, 1);
    EXPECT_EQ(menu.m_LeadingTilde, 1);
    EXPECT_EQ(menu.m_LeadingFnc3, 0);

    CCode128Doc plain;
    plain.m_LeadingTilde = 1;
    o.menuSymbol = false;
    o.trailingFnc3 = false;
    o.leadingFnc3 = true;
    plain.ApplyCommandLine(o, {});
    EXPECT_EQ(plain.m_TrailingFnc3, 0);
    EXPECT_EQ(plain.m_LeadingFnc3, 1);
    EXPECT_EQ(plain.m_LeadingTilde, 0);
}

TEST(Code39Doc, BuildStoresCodepageAndRatio) {
    CCode39Doc doc;
    doc.m_Message = u"A";
    doc.m_WideRatio = 2.2f;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 20127);
    EXPECT_FLOAT_EQ(doc.m_WideRatio, 3.0f);
    // "*A*" at narrow 1, wide 3: 3 x 16 + 20 pixels.
    EXPECT_EQ(doc.m_Picture.Symbol().width, 68);
    EXPECT_EQ(doc.m_ModuleColumns, 68);
    EXPECT_EQ(doc.m_Picture.Symbol().height, 48);  // 500 mils at 96 dpi

    // The remembered code page is kept by later builds.
    doc.m_Message = u"B";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 20127);
}

TEST(Code39Doc, CheckCharacterReadsBack) {
    CCode39Doc doc;
    doc.m_Message = u"ZZZZ";
    doc.m_CheckCharacter = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    test::DecodeOptions options;
    options.code39Check = true;
    const test::Decoded d = test::DecodeSymbolPart(doc, Symbology::Code39, options);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, "ZZZZ");

    doc.m_ElementWidth = 20;  // narrow 2, wide 6 pixels
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_ModuleColumns, 7 * 16 + 20);
}

}  // namespace
}  // namespace tsy
