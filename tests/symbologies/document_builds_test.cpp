#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "encoders/pdf417/pdf417.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/picture_decode.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

using test::DecodeOptions;
using test::Symbology;

struct BuildCase {
    const char* name;
    std::unique_ptr<CEncoderDoc> (*make)();
    Symbology symbology;
    const char16_t* message;
    const char* bytes;
    int32_t codepage;
};

template <class D>
std::unique_ptr<CEncoderDoc> Make() {
    return std::make_unique<D>();
}

class DocumentBuild : public ::testing::TestWithParam<BuildCase> {};

// At 96 dpi with a caption below: the symbol part reads back as the message bytes and the band
// under it holds the caption.
TEST_P(DocumentBuild, PictureReadsBackWithCaptionBelow) {
    const BuildCase& c = GetParam();
    const std::unique_ptr<CEncoderDoc> doc = c.make();
    doc->m_Message = c.message;
    doc->m_Caption = u"Caption 1";
    ASSERT_TRUE(doc->BuildSymbol());
    EXPECT_EQ(doc->m_Codepage, c.codepage);
    EXPECT_EQ(doc->m_MessageBytes, std::string(c.bytes));
    ASSERT_TRUE(doc->m_Picture.HasPicture());

    DecodeOptions options;
    options.code39Extended = true;
    const test::Decoded d = test::DecodeSymbolPart(*doc, c.symbology, options);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, c.bytes);

    const test::Rect r = test::SymbolRect(*doc);
    const RgbImage& picture = doc->m_Picture.Picture();
    EXPECT_EQ(r.y, 0);
    EXPECT_GT(picture.height, r.height);
    EXPECT_TRUE(test::HasDarkPixels(picture, r.height, picture.height));
    EXPECT_GT(doc->m_ModuleColumns, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, DocumentBuild,
    ::testing::Values(BuildCase{"Aztec", &Make<CAztecDoc>, Symbology::Aztec, u"Aztec Document 2024",
                                "Aztec Document 2024", 28591},
                      BuildCase{"AztecLatin1", &Make<CAztecDoc>, Symbology::Aztec,
                                u"Gr\u00fc\u00dfe",
                                "Gr\xfc\xdf"
                                "e",
                                28591},
                      BuildCase{"PDF417", &Make<CPDF417Doc>, Symbology::PDF417,
                                u"PDF417 document [CR][LF]", "PDF417 document \r\n", 437},
                      BuildCase{"Code128", &Make<CCode128Doc>, Symbology::Code128,
                                u"Code128 0123456789", "Code128 0123456789", 20127},
                      BuildCase{"Code39", &Make<CCode39Doc>, Symbology::Code39, u"CODE-39 test",
                                "CODE-39 test", 20127}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentBuild, EmptyMessageLeavesNoPicture) {
    const std::unique_ptr<CEncoderDoc> docs[] = {Make<CAztecDoc>(), Make<CPDF417Doc>(),
                                                 Make<CQRDoc>(), Make<CCode128Doc>(),
                                                 Make<CCode39Doc>()};
    for (const auto& doc : docs) {
        doc->m_Message = u"A";
        ASSERT_TRUE(doc->BuildSymbol());
        doc->m_Message.clear();
        EXPECT_FALSE(doc->BuildSymbol());
        EXPECT_FALSE(doc->m_Picture.HasPicture());
    }
}

TEST(DocumentBuild, PDF417FiguresAndTruncation) {
    CPDF417Doc doc;
    doc.m_Message = u"ABC";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_ModuleRows, 18);
    EXPECT_EQ(doc.m_ModuleColumns, 103);
    EXPECT_EQ(doc.m_SymbolHeight, 25 * 18);
    EXPECT_EQ(doc.m_Picture.Symbol().width, 103);      // 5 mils: 1 pixel a module
    EXPECT_EQ(doc.m_Picture.Symbol().height, 18 * 2);  // 25 mils: 2 pixel rows
    EXPECT_EQ(test::DecodeSymbolPart(doc, Symbology::PDF417).bytes, "ABC");

    doc.m_Truncate = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_ModuleColumns, 69);
}

TEST(DocumentBuild, PDF417HandsTheEciOverBeforeEncoding) {
    CPDF417Doc doc;
    doc.m_Message = u"ABC";
    doc.SelectCodepage(u"CP437 PDF-GLI0 (legacy)");
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(pdf417::GetPDF417_ECI(), 0);
    doc.m_UseEci = 0;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(pdf417::GetPDF417_ECI(), -1);

    doc.m_UseEci = 1;
    doc.SelectCodepage(u"Unicode UTF-8");
    doc.m_Message = u"\u00e9t\u00e9";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_MessageBytes, "\xc3\xa9t\xc3\xa9");
    const test::Decoded d = test::DecodeSymbolPart(doc, Symbology::PDF417);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_TRUE(d.hasEci);
    EXPECT_EQ(d.bytes, "\xc3\xa9t\xc3\xa9");
    pdf417::SetPDF417_ECI(-1);
}

TEST(DocumentBuild, QRFiguresAndNoMessageAbove) {
    CQRDoc doc;
    doc.m_Message = u"17 bytes message.";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 28591);
    EXPECT_EQ(doc.m_ModuleColumns, 21);
    EXPECT_EQ(doc.m_ModuleRows, 21);
    EXPECT_EQ(doc.m_ElementHeight, 25);
    EXPECT_EQ(doc.m_SymbolHeight, 25 * 21);
    const RgbImage plain = doc.m_Picture.Picture();

    doc.m_AddMessage = true;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Picture.Picture().height, plain.height);
    EXPECT_EQ(doc.m_Picture.Picture().pixels, plain.pixels);

    doc.m_ErrorCorrectionLevel = 2;  // H
    doc.m_Message = std::u16string(1290, u'x');
    EXPECT_FALSE(doc.BuildSymbol());
    EXPECT_FALSE(doc.m_Picture.HasPicture());
}

TEST(DocumentBuild, AddMessageDrawsMessageAboveCaptionBelow) {
    CCode39Doc doc;
    doc.m_Message = u"ABC";
    doc.m_AddMessage = true;
    ASSERT_TRUE(doc.BuildSymbol());
    const RgbImage p = doc.m_Picture.Picture();
    const int symbolHeight = static_cast<int>(doc.BarPixels());
    EXPECT_GT(p.height, symbolHeight);
    EXPECT_TRUE(test::HasDarkPixels(p, 0, p.height - symbolHeight));

    doc.m_Caption = u"Below";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_GT(doc.m_Picture.Picture().height, p.height);
}

TEST(DocumentBuild, SizesBeyondTheRasterLimitsFailCleanly) {
    const std::unique_ptr<CEncoderDoc> docs[] = {Make<CAztecDoc>(), Make<CPDF417Doc>(),
                                                 Make<CQRDoc>(), Make<CCode128Doc>(),
                                                 Make<CCode39Doc>()};
    for (const auto& doc : docs) {
        const int kind = static_cast<int>(doc->Kind());
        doc->m_Message = u"ABC";
        for (int32_t mils : {40000, 400000, INT32_MAX}) {
            doc->m_ElementWidth = mils;
            EXPECT_FALSE(doc->BuildSymbol()) << kind << " width " << mils;
            EXPECT_FALSE(doc->m_Picture.HasPicture());
        }
        doc->m_ElementWidth = 10;
        // Aztec and QR modules are square: their builds never look at these heights.
        const bool heightUsed =
            doc->Kind() != DocumentKind::Aztec && doc->Kind() != DocumentKind::QR;
        for (int32_t mils : {400000, INT32_MAX}) {
            doc->m_ElementHeight = doc->m_SymbolHeight = mils;
            EXPECT_EQ(doc->BuildSymbol(), !heightUsed) << kind << " height " << mils;
            EXPECT_EQ(doc->m_Picture.HasPicture(), !heightUsed);
        }
    }
}

}  // namespace
}  // namespace tsy
