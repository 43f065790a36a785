#include <gtest/gtest.h>

#include <string>

#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/picture_decode.h"

namespace tsy {
namespace {

using test::Symbology;

struct PrefixCase {
    int32_t type;
    int32_t useEci;
    int32_t eci;
    std::string bytes;
    std::string expected;
    bool escapes;
};

TEST(AztecDoc, EciPrefixAndEscDoubling) {
    const PrefixCase cases[] = {
        {kAztecTypeNormal, 1, 3, "A",
         "\x1b"
         "13A",
         true},
        {kAztecTypeNormal, 1, 26, "A",
         "\x1b"
         "226A",
         true},
        {kAztecTypeNormal, 1, 899, "A",
         "\x1b"
         "3899A",
         true},
        {kAztecTypeNormal, 1, 0, "A",
         "\x1b"
         "10A",
         true},
        {kAztecTypeNormal, 1, 3,
         "A\x1b"
         "B",
         "\x1b"
         "13A\x1b\x1b"
         "B",
         true},
        {kAztecTypeNormal, 1, -1,
         "A\x1b"
         "B",
         "A\x1b"
         "B",
         false},
        {kAztecTypeNormal, 0, 3,
         "A\x1b"
         "B",
         "A\x1b"
         "B",
         false},
        {kAztecTypeMenu, 1, 3, "A", "A", false},
        {kAztecTypeRune, 1, 3, "255", "255", false},
    };
    for (const PrefixCase& c : cases) {
        CAztecDoc doc;
        doc.m_SymbolType = c.type;
        doc.m_UseEci = c.useEci;
        doc.m_Eci = c.eci;
        doc.m_MessageBytes = c.bytes;
        bool escapes = !c.escapes;
        EXPECT_EQ(doc.EncoderBytes(&escapes), c.expected) << c.eci << " type " << c.type;
        EXPECT_EQ(escapes, c.escapes);
    }
}

TEST(AztecDoc, ThreeSymbolsOf15By15) {
    CAztecDoc doc;
    doc.m_Message = u"ABC";
    doc.m_SymbolCount = 3;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Picture.Symbol().width, 94);
    EXPECT_EQ(doc.m_Picture.Symbol().height, 30);
    EXPECT_EQ(doc.m_ModuleColumns, 47);
    EXPECT_EQ(doc.m_ModuleRows, 15);
    EXPECT_EQ(doc.m_ElementHeight, 25);
    EXPECT_EQ(doc.m_SymbolHeight, 25 * 15);
}

TEST(AztecDoc, SingleSymbolFiguresFollowTheElementWidth) {
    CAztecDoc doc;
    doc.m_Message = u"Hello";
    doc.m_ElementWidth = 50;  // 5 pixels at 96 dpi
    doc.m_ElementHeight = 10;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_ModuleColumns, doc.m_ModuleRows);
    EXPECT_EQ(doc.m_Picture.Symbol().width, 5 * doc.m_ModuleColumns);
    EXPECT_EQ(doc.m_ElementHeight, 50);
    EXPECT_EQ(doc.m_SymbolHeight, 50 * doc.m_ModuleRows);
}

TEST(AztecDoc, EciReachesTheReader) {
    CAztecDoc doc;
    doc.SelectCodepage(u"Unicode UTF-8");
    doc.m_Message = u"\u20ac 5 [ESC] x";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_MessageBytes, "\xe2\x82\xac 5 \x1b x");
    const test::Decoded d = test::DecodeSymbolPart(doc, Symbology::Aztec);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_TRUE(d.hasEci);
    EXPECT_EQ(d.bytes, "\xe2\x82\xac 5 \x1b x");
}

TEST(AztecDoc, MenuSymbolForcesLatin1AndReaderInit) {
    CAztecDoc doc;
    doc.m_Codepage = 65001;
    doc.m_Eci = 26;
    doc.m_SymbolType = kAztecTypeMenu;
    doc.m_Message = u"MENU";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 28591);
    const test::Decoded d = test::DecodeSymbolPart(doc, Symbology::Aztec);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_TRUE(d.readerInit);
    EXPECT_FALSE(d.hasEci);
    EXPECT_EQ(d.bytes, "MENU");
}

TEST(AztecDoc, RuneBuildsAnElevenModuleSymbol) {
    CAztecDoc doc;
    doc.m_SymbolType = kAztecTypeRune;
    doc.m_Message = u"255";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_ModuleColumns, 11);
    EXPECT_EQ(doc.m_ModuleRows, 11);
}

TEST(AztecDoc, FailedEncodeStillStoresFigures) {
    CAztecDoc doc;
    doc.m_Message = u"A";
    doc.m_ErrorCorrection = 150;  // no such size choice
    EXPECT_FALSE(doc.BuildSymbol());
    EXPECT_FALSE(doc.m_Picture.HasPicture());
    EXPECT_EQ(doc.m_ModuleColumns, 10 / 2);
    EXPECT_EQ(doc.m_ModuleRows, 10 / 2);
}

TEST(AztecDoc, CommandLineMenuFlagChoosesTheSymbolType) {
    CAztecDoc doc;
    doc.m_SymbolType = kAztecTypeRune;
    CommandLineOptions o;
    o.message = u"CFG";
    o.menuSymbol = true;
    EXPECT_FALSE(doc.ApplyCommandLine(o, {}));  // built, but there was nothing to write with
    EXPECT_EQ(doc.m_SymbolType, kAztecTypeMenu);
    EXPECT_TRUE(doc.m_Picture.HasPicture());
    o.menuSymbol = false;
    doc.ApplyCommandLine(o, {});
    EXPECT_EQ(doc.m_SymbolType, kAztecTypeNormal);
}

}  // namespace
}  // namespace tsy
