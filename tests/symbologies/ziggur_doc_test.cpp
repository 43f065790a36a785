#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "symbologies/document_serialize.h"
#include "symbologies/picture_decode.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

using test::Symbology;

std::unique_ptr<CZiggurDoc> Doc(int32_t host, std::u16string hostMessage,
                                std::u16string message = u"Ziggur") {
    auto d = std::make_unique<CZiggurDoc>();
    d->m_HostSymbology = host;
    d->m_HostMessage = std::move(hostMessage);
    d->m_Message = std::move(message);
    return d;
}

TEST(ZiggurDoc, Defaults) {
    CZiggurDoc d;
    EXPECT_EQ(d.m_HostSymbology, kZiggurHostCode39);
    EXPECT_EQ(d.m_Symmetry, 2);
    EXPECT_EQ(d.m_BarrierRows, 0);
    EXPECT_EQ(d.m_MenuSymbol, 0);
    EXPECT_EQ(d.m_DefaultHostHeight, 1);
    EXPECT_EQ(d.m_HostMessage, u"");
    EXPECT_EQ(d.m_ElementWidth, 5);
    EXPECT_EQ(d.m_ElementHeight, 10);
    EXPECT_EQ(d.m_ModuleRows, 20);
    EXPECT_EQ(d.MaxMessageLength(), 4000);
    d.m_HostMessage = u"AB";
    d.m_Message = u"x";
    ASSERT_TRUE(d.BuildSymbol());
    EXPECT_EQ(d.m_Codepage, 28591);
}

// The host message goes through the document's markup: a reader finds it in the picture.
TEST(ZiggurDoc, PictureCarriesTheHost) {
    const struct {
        int32_t host;
        std::u16string message;
        Symbology symbology;
        std::string read;
    } cases[] = {
        {kZiggurHostCode39, u"ZIG-39", Symbology::Code39, "ZIG-39"},
        {kZiggurHostUpcEan, u"12345", Symbology::EAN13, "0000000123457"},
        {kZiggurHostItfBearers, u"12345", Symbology::ITF, "012345"},
        {kZiggurHostCode93, u"Zig 93", Symbology::Code93, "Zig 93"},
        {kZiggurHostCode128, u"A[HT]\u00e0", Symbology::Code128, ""},
        {kZiggurHostCode128, u"A[HT]b", Symbology::Code128, "A\tb"},
    };
    for (const auto& c : cases) {
        const auto doc = Doc(c.host, c.message);
        CZiggurDoc& d = *doc;
        d.m_Symmetry = 0;
        if (c.read.empty()) {
            EXPECT_FALSE(d.BuildSymbol()) << c.read;  // U+00E0 has no Code 128 value
            continue;
        }
        ASSERT_TRUE(d.BuildSymbol()) << c.read;
        EXPECT_EQ(d.m_ModuleColumns, d.m_Picture.Picture().width);  // 1-pixel modules at 96 dpi
        const test::Decoded r = test::DecodeSymbolPart(d, c.symbology);
        ASSERT_TRUE(r.ok) << c.read << ": " << r.error;
        EXPECT_EQ(r.bytes, c.read);
    }
}

TEST(ZiggurDoc, RefusedBuildsLeaveNoPicture) {
    const struct {
        const char* name;
        int32_t host;
        std::u16string hostMessage, message;
    } cases[] = {
        {"empty message", kZiggurHostCode39, u"AB", u""},
        {"message of a raw TAB", kZiggurHostCode39, u"AB", u"\t"},
        {"message of a line break", kZiggurHostCode39, u"AB", u"\r\n"},
        {"host of 48 bytes", kZiggurHostCode128, std::u16string(48, u'1'), u"x"},
        {"host with NUL", kZiggurHostCode93, u"A[NUL]", u"x"},
        {"host outside ISO 8859-1", kZiggurHostCode93, u"A\u20ac", u"x"},
        {"empty Code 93 host", kZiggurHostCode93, u"", u"x"},
        {"empty Code 128 host", kZiggurHostCode128, u"", u"x"},
        {"host choice 6", 6, u"AB", u"x"},
    };
    for (const auto& c : cases) {
        const auto doc = Doc(c.host, c.hostMessage, c.message);
        CZiggurDoc& d = *doc;
        EXPECT_FALSE(d.BuildSymbol()) << c.name;
        EXPECT_FALSE(d.m_Picture.HasPicture()) << c.name;
    }
}

TEST(ZiggurDoc, HostHeightFromModuleHeight) {
    const auto doc = Doc(kZiggurHostCode39, u"AB");
    CZiggurDoc& d = *doc;
    ASSERT_TRUE(d.BuildSymbol());
    const int32_t automatic = d.m_ModuleRows;  // 6 host rows, each drawn twice
    d.m_DefaultHostHeight = 0;
    d.m_ElementHeight = 40;  // 4 pixels at 96 dpi: 20 host rows
    ASSERT_TRUE(d.BuildSymbol());
    EXPECT_EQ(d.m_ModuleRows - automatic, 2 * (20 - 6));
}

TEST(ZiggurDoc, MenuSymbolKeepsTheHostMessageItReplaced) {
    const auto doc = Doc(kZiggurHostCode39, u"HOST");
    CZiggurDoc& d = *doc;
    d.SetMenuSymbol(true);
    EXPECT_EQ(d.m_HostMessage, u"0");
    d.SetMenuSymbol(false);
    EXPECT_EQ(d.m_HostMessage, u"HOST");
    d.m_HostSymbology = kZiggurHostItf;
    d.SetMenuSymbol(true);
    EXPECT_EQ(d.m_HostMessage, u"0000");
    EXPECT_EQ(d.m_MenuSymbol, 1);
    ASSERT_TRUE(d.BuildSymbol());
}

TEST(ZiggurDoc, FileValuesOutOfRangeBecomeDefaults) {
    const auto doc = Doc(kZiggurHostCode39, u"AB");
    CZiggurDoc& d = *doc;
    d.m_HostSymbology = 6;
    d.m_BarrierRows = 2;
    d.m_Symmetry = -1;
    d.m_MenuSymbol = 7;
    d.m_DefaultHostHeight = 0;
    std::string error;
    const auto opened = OpenDocumentBytes(StoreDocumentBytes(d), u".zig", &error);
    const auto* back = dynamic_cast<const CZiggurDoc*>(opened.get());
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_HostSymbology, kZiggurHostCode39);
    EXPECT_EQ(back->m_BarrierRows, 0);
    EXPECT_EQ(back->m_Symmetry, 2);
    EXPECT_EQ(back->m_MenuSymbol, 0);
    EXPECT_EQ(back->m_HostMessage, u"AB");
    EXPECT_EQ(back->m_DefaultHostHeight, 1);
}

}  // namespace
}  // namespace tsy
