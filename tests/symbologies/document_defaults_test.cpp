#include <gtest/gtest.h>

#include <memory>

#include "support/private_profile.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

const auto* const kConfigHome = ::testing::AddGlobalTestEnvironment(new test::PrivateProfile);

struct TypeDefaults {
    const char* name;
    std::unique_ptr<CEncoderDoc> (*make)();
    int32_t elementWidth, elementHeight, symbolHeight, moduleRows, useEci;
    int32_t maxMessage, maxWidth, maxHeight;
};

template <class D>
std::unique_ptr<CEncoderDoc> Make() {
    return std::make_unique<D>();
}

TEST(SymbologyDocuments, TypeDefaultsOverTheBase) {
    const TypeDefaults table[] = {
        {"Aztec", &Make<CAztecDoc>, 25, 25, 250, 1, 1, 4000, 250, 250},
        {"QR", &Make<CQRDoc>, 25, 25, 250, 1, 0, 4000, 250, 250},
        {"Code128", &Make<CCode128Doc>, 10, 500, 500, 1, 0, 80, 75, 4000},
        {"Code39", &Make<CCode39Doc>, 10, 500, 500, 1, 0, 60, 75, 4000},
        {"PDF417", &Make<CPDF417Doc>, 5, 25, 15, 1, 1, 4000, 75, 75},
    };
    for (const TypeDefaults& t : table) {
        const std::unique_ptr<CEncoderDoc> doc = t.make();
        EXPECT_EQ(doc->m_ElementWidth, t.elementWidth) << t.name;
        EXPECT_EQ(doc->m_ElementHeight, t.elementHeight) << t.name;
        EXPECT_EQ(doc->m_SymbolHeight, t.symbolHeight) << t.name;
        EXPECT_EQ(doc->m_ModuleRows, t.moduleRows) << t.name;
        EXPECT_EQ(doc->m_UseEci, t.useEci) << t.name;
        EXPECT_EQ(doc->m_Eci, -1) << t.name;
        EXPECT_EQ(doc->m_Codepage, 0) << t.name;
        EXPECT_EQ(doc->MaxMessageLength(), t.maxMessage) << t.name;
        EXPECT_EQ(doc->MaxModuleSize().width, t.maxWidth) << t.name;
        EXPECT_EQ(doc->MaxModuleSize().height, t.maxHeight) << t.name;
        EXPECT_EQ(doc->HorizontalScale(), 1) << t.name;
    }
}

TEST(SymbologyDocuments, OptionDefaults) {
    CAztecDoc aztec;
    EXPECT_EQ(aztec.m_ReverseVideo, 0);
    EXPECT_EQ(aztec.m_ErrorCorrection, 0);
    EXPECT_EQ(aztec.m_SymbolCount, 1);
    EXPECT_EQ(aztec.m_SymbolType, kAztecTypeNormal);
    EXPECT_TRUE(aztec.m_AppendId.empty());

    CPDF417Doc pdf;
    EXPECT_EQ(pdf.m_ErrorCorrectionLevel, 4);
    EXPECT_EQ(pdf.m_Truncate, 0);
    EXPECT_EQ(pdf.m_DataColumns, 2);

    CQRDoc qr;
    EXPECT_EQ(qr.m_ErrorCorrectionLevel, 1);
    EXPECT_EQ(qr.m_ReverseVideo, 0);
    EXPECT_EQ(qr.m_Model, 1);

    CCode128Doc c128;
    EXPECT_EQ(c128.m_Menu128, 0);
    EXPECT_TRUE(c128.m_MenuData.empty());
    EXPECT_TRUE(c128.m_MenuOffset.empty());
    EXPECT_EQ(c128.m_MenuOpcode, 0);
    EXPECT_EQ(c128.m_MenuId, 0);
    EXPECT_EQ(c128.m_TrailingFnc3 + c128.m_LeadingFnc3 + c128.m_LeadingTilde, 0);

    CCode39Doc c39;
    EXPECT_EQ(c39.m_CheckCharacter, 0);
    EXPECT_EQ(c39.m_MenuCode, 0);
}

TEST(SymbologyDocuments, LinearTypesChooseWholeCodepageNames) {
    CCode39Doc c39;
    c39.m_Eci = 3;
    c39.SelectCodepage(u"iso 646 (ascii)");
    EXPECT_EQ(c39.m_Codepage, 20127);
    EXPECT_EQ(c39.m_Eci, -1);
    c39.SelectCodepage(u"ascii");  // no partial match here
    EXPECT_EQ(c39.m_Codepage, 0);

    CAztecDoc aztec;
    aztec.SelectCodepage(u"Binary");
    EXPECT_EQ(aztec.m_Codepage, 30);
    EXPECT_EQ(aztec.m_Eci, 899);
}

}  // namespace
}  // namespace tsy
