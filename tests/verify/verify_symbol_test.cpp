#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/private_profile.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"
#include "verify/verify_symbol.h"

namespace tsy {
namespace {

const auto* const kConfigHome = ::testing::AddGlobalTestEnvironment(new test::PrivateProfile);

struct VerifyCase {
    const char* name;
    std::function<std::unique_ptr<CEncoderDoc>()> make;
    SymbolCheck expected;
};

template <class D>
std::function<std::unique_ptr<CEncoderDoc>()> Doc(std::function<void(D&)> setUp = {}) {
    return [setUp] {
        auto doc = std::make_unique<D>();
        doc->m_Message = u"Tessaly 23 <\\x1d> check";
        if (setUp) setUp(*doc);
        return doc;
    };
}

const VerifyCase kCases[] = {
    {"Aztec", Doc<CAztecDoc>(), SymbolCheck::Verified},
    {"AztecReverse", Doc<CAztecDoc>([](CAztecDoc& d) { d.m_ReverseVideo = 1; }),
     SymbolCheck::Verified},
    {"AztecEci", Doc<CAztecDoc>([](CAztecDoc& d) {
         d.m_Message = u"Gr\u00fc\u00dfe \u20ac";
         d.SelectCodepage(u"UTF-8");
         d.m_UseEci = 1;
     }),
     SymbolCheck::Verified},
    {"AztecSet", Doc<CAztecDoc>([](CAztecDoc& d) {
         d.m_SymbolCount = 3;
         d.m_AppendId = u"ID7";
     }),
     SymbolCheck::Verified},
    {"AztecAnimated", Doc<CAztecAnimatedDoc>([](CAztecAnimatedDoc& d) { d.m_SymbolCount = 4; }),
     SymbolCheck::Verified},
    {"AztecMenu", Doc<CAztecDoc>([](CAztecDoc& d) { d.m_SymbolType = kAztecTypeMenu; }),
     SymbolCheck::Verified},
    {"AztecRune", Doc<CAztecDoc>([](CAztecDoc& d) {
         d.m_SymbolType = kAztecTypeRune;
         d.m_Message = u"42";
     }),
     SymbolCheck::NotChecked},
    {"PDF417", Doc<CPDF417Doc>(), SymbolCheck::Verified},
    {"PDF417Truncated", Doc<CPDF417Doc>([](CPDF417Doc& d) { d.m_Truncate = 1; }),
     SymbolCheck::Verified},
    {"QROriginal", Doc<CQRDoc>(), SymbolCheck::NotChecked},
    {"QRIso", Doc<CQRDoc>([](CQRDoc& d) { d.m_Model = CQRDoc::kIsoModel; }), SymbolCheck::Verified},
    {"QRIsoReverse", Doc<CQRDoc>([](CQRDoc& d) {
         d.m_Model = CQRDoc::kIsoModel;
         d.m_ReverseVideo = 1;
     }),
     SymbolCheck::Verified},
    {"Code128", Doc<CCode128Doc>(), SymbolCheck::Verified},
    {"Code128Fnc3", Doc<CCode128Doc>([](CCode128Doc& d) {
         d.m_TrailingFnc3 = 1;
         d.m_LeadingTilde = 1;
     }),
     SymbolCheck::Verified},
    {"Code128Menu", Doc<CCode128Doc>([](CCode128Doc& d) {
         d.m_Menu128 = 1;
         d.m_MenuData = u"0203";
     }),
     SymbolCheck::NotChecked},
    {"Code39", Doc<CCode39Doc>(), SymbolCheck::Verified},
    {"Code39Check", Doc<CCode39Doc>([](CCode39Doc& d) { d.m_CheckCharacter = 1; }),
     SymbolCheck::Verified},
    {"Code39Menu", Doc<CCode39Doc>([](CCode39Doc& d) { d.m_MenuCode = 1; }),
     SymbolCheck::NotChecked},
    {"Ziggur", Doc<CZiggurDoc>([](CZiggurDoc& d) { d.m_HostMessage = u"AB"; }),
     SymbolCheck::NotChecked},
};

class Verify : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(Verify, BuiltSymbolReadsBackOrIsNotChecked) {
    const auto doc = GetParam().make();
    ASSERT_TRUE(doc->BuildSymbol());
    const SymbolVerdict verdict = VerifySymbol(*doc);
    EXPECT_EQ(verdict.check, GetParam().expected) << verdict.reason;
    EXPECT_EQ(verdict.reason.empty(), verdict.check == SymbolCheck::Verified);
}

// A build with modules flipped in its middle, or the picture of another message, must not pass.
TEST_P(Verify, DamagedSymbolIsNeverVerified) {
    const auto doc = GetParam().make();
    ASSERT_TRUE(doc->BuildSymbol());
    // What the reader cannot judge stays not checked, whatever the picture holds.
    const SymbolCheck damagedCheck = GetParam().expected == SymbolCheck::Verified
                                         ? SymbolCheck::NotReadable
                                         : SymbolCheck::NotChecked;
    SymbolBuild damaged = doc->LastBuild();
    Bitmap1& s = damaged.symbol;
    for (int y = s.height / 4; y < s.height * 3 / 4; ++y)
        for (int x = s.width / 4; x < s.width * 3 / 4; ++x) s.setBlack(x, y, !s.isBlack(x, y));
    EXPECT_EQ(VerifySymbol(*doc, damaged).check, damagedCheck);

    const SymbolBuild good = doc->LastBuild();
    doc->m_MessageBytes += "x";  // the reader's bytes no longer match what the encoder got
    EXPECT_EQ(VerifySymbol(*doc, good).check, damagedCheck);
}

INSTANTIATE_TEST_SUITE_P(Symbologies, Verify, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerifyText, NamesAndNothingBuilt) {
    EXPECT_EQ(SymbolCheckText(SymbolCheck::Verified), u"Verified");
    EXPECT_EQ(SymbolCheckText(SymbolCheck::NotReadable), u"Not readable");
    EXPECT_EQ(SymbolCheckText(SymbolCheck::NotChecked), u"Not checked");
    CQRDoc doc;
    EXPECT_EQ(VerifySymbol(doc).check, SymbolCheck::NotChecked);
    doc.m_Model = CQRDoc::kIsoModel;
    doc.m_Message = u"x";
    ASSERT_TRUE(doc.BuildSymbol());
    doc.m_Message.clear();
    EXPECT_FALSE(doc.BuildSymbol());  // a failed build leaves nothing to check
    EXPECT_EQ(VerifySymbol(doc).check, SymbolCheck::NotChecked);
}

}  // namespace
}  // namespace tsy

namespace tsy {
namespace {

// Undercut as wide as a module erases the dark modules beside light ones: a real symbol that
// no reader reads.
TEST(VerifyUndercut, ThinnedAwayModulesDoNotRead) {
    CQRDoc doc;
    doc.m_Model = CQRDoc::kIsoModel;
    doc.m_Message = u"undercut";
    doc.m_ElementWidth = 10;  // one pixel at 96 dpi
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(VerifySymbol(doc).check, SymbolCheck::Verified);
    doc.m_Undercut = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(VerifySymbol(doc).check, SymbolCheck::NotReadable);
}

}  // namespace
}  // namespace tsy
