// Every document type through a file with every field away from its default, and read back by
// an independent compound-file reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "document/class_ids.h"
#include "support/require.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "symbologies/files/file_test_support.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

namespace fs = std::filesystem;

void SetBaseFields(CEncoderDoc& doc) {
    doc.m_Message = u"Tessaly 12345[HT]";
    doc.m_Caption = u"Caption";
    doc.m_CapPosition = kCaptionAbove;
    doc.ApplyFontDescription(u"01,DejaVu Sans,h120,w700,i1,u1,s0,c0");
    doc.m_ElementWidth = 12;
    doc.m_ElementHeight = 40;
    doc.m_SymbolWidth = 1234;
    doc.m_SymbolHeight = 300;
    doc.m_WideRatio = 3.25f;
    doc.m_Undercut = 1;
    doc.m_Codepage = 1252;
    doc.m_Eci = 3;
    doc.m_UseEci = doc.m_UseEci ? 0 : 1;
    doc.m_CrLfStyle = EnterMode::Lf;
    doc.m_AddMessage = true;
}

std::unique_ptr<CEncoderDoc> MakeNonDefault(DocumentKind kind) {
    std::unique_ptr<CEncoderDoc> doc = CreateDocument(kind);
    SetBaseFields(*doc);
    if (auto* d = dynamic_cast<CAztecDoc*>(doc.get())) {
        d->m_SymbolType = kAztecTypeNormal;  // the other types ignore the fields below
        d->m_ReverseVideo = 1;
        d->m_ErrorCorrection = 40;
        d->m_SymbolCount = 2;
        d->m_AppendId = u"SET7";
    } else if (auto* d = dynamic_cast<CPDF417Doc*>(doc.get())) {
        d->m_ErrorCorrectionLevel = 6;
        d->m_Truncate = 1;
        d->m_DataColumns = 5;
    } else if (auto* d = dynamic_cast<CQRDoc*>(doc.get())) {
        d->m_ReverseVideo = 1;
        d->m_Model = 0;
        d->m_ErrorCorrectionLevel = 3;
    } else if (auto* d = dynamic_cast<CCode128Doc*>(doc.get())) {
        d->m_Menu128 = 1;
        d->m_MenuData = u"0203";
        d->m_MenuOffset = u"10";
        d->m_MenuOpcode = 1;
        d->m_MenuId = 5;
        d->m_TrailingFnc3 = 1;
        d->m_LeadingFnc3 = 1;
        d->m_LeadingTilde = 1;
        d->m_ViewStyle = MarkupStyle::C;
        d->m_Message = u"AB\\t12";
    } else if (auto* d = dynamic_cast<CCode39Doc*>(doc.get())) {
        d->m_CheckCharacter = 1;
        d->m_MenuCode = 1;
        d->m_ViewStyle = MarkupStyle::Binary;
        d->m_Message = u"CODE 39";
    }
    return doc;
}

// The option fields, checked directly so a field both sides forgot cannot pass unseen.
void ExpectSameOptions(const CEncoderDoc& a, const CEncoderDoc& b) {
    if (auto* x = dynamic_cast<const CAztecDoc*>(&a)) {
        auto* y = dynamic_cast<const CAztecDoc*>(&b);
        ASSERT_TRUE(y);
        EXPECT_EQ(std::tie(x->m_SymbolType, x->m_ReverseVideo, x->m_ErrorCorrection,
                           x->m_SymbolCount, x->m_AppendId),
                  std::tie(y->m_SymbolType, y->m_ReverseVideo, y->m_ErrorCorrection,
                           y->m_SymbolCount, y->m_AppendId));
    } else if (auto* x = dynamic_cast<const CPDF417Doc*>(&a)) {
        auto* y = dynamic_cast<const CPDF417Doc*>(&b);
        ASSERT_TRUE(y);
        EXPECT_EQ(std::tie(x->m_ErrorCorrectionLevel, x->m_Truncate, x->m_DataColumns),
                  std::tie(y->m_ErrorCorrectionLevel, y->m_Truncate, y->m_DataColumns));
    } else if (auto* x = dynamic_cast<const CQRDoc*>(&a)) {
        auto* y = dynamic_cast<const CQRDoc*>(&b);
        ASSERT_TRUE(y);
        EXPECT_EQ(std::tie(x->m_ErrorCorrectionLevel, x->m_ReverseVideo, x->m_Model),
                  std::tie(y->m_ErrorCorrectionLevel, y->m_ReverseVideo, y->m_Model));
    } else if (auto* x = dynamic_cast<const CCode128Doc*>(&a)) {
        auto* y = dynamic_cast<const CCode128Doc*>(&b);
        ASSERT_TRUE(y);
        EXPECT_EQ(std::tie(x->m_Menu128, x->m_MenuData, x->m_MenuOffset, x->m_MenuOpcode,
                           x->m_MenuId, x->m_TrailingFnc3, x->m_LeadingFnc3, x->m_LeadingTilde),
                  std::tie(y->m_Menu128, y->m_MenuData, y->m_MenuOffset, y->m_MenuOpcode,
                           y->m_MenuId, y->m_TrailingFnc3, y->m_LeadingFnc3, y->m_LeadingTilde));
    } else if (auto* x = dynamic_cast<const CCode39Doc*>(&a)) {
        auto* y = dynamic_cast<const CCode39Doc*>(&b);
        ASSERT_TRUE(y);
        EXPECT_EQ(std::tie(x->m_CheckCharacter, x->m_MenuCode),
                  std::tie(y->m_CheckCharacter, y->m_MenuCode));
    }
}

void ExpectSameBase(const CEncoderDoc& a, const CEncoderDoc& b) {
    EXPECT_EQ(a.m_Message, b.m_Message);
    EXPECT_EQ(a.m_Caption, b.m_Caption);
    EXPECT_EQ(std::tie(a.m_CapPosition, a.m_FontSize, a.m_ElementWidth, a.m_ElementHeight,
                       a.m_SymbolWidth, a.m_SymbolHeight, a.m_ModuleColumns, a.m_ModuleRows,
                       a.m_WideRatio, a.m_Undercut, a.m_Codepage, a.m_Eci, a.m_UseEci),
              std::tie(b.m_CapPosition, b.m_FontSize, b.m_ElementWidth, b.m_ElementHeight,
                       b.m_SymbolWidth, b.m_SymbolHeight, b.m_ModuleColumns, b.m_ModuleRows,
                       b.m_WideRatio, b.m_Undercut, b.m_Codepage, b.m_Eci, b.m_UseEci));
    EXPECT_EQ(a.m_ViewStyle, b.m_ViewStyle);
    EXPECT_EQ(a.m_CrLfStyle, b.m_CrLfStyle);
    EXPECT_EQ(a.m_AddMessage, b.m_AddMessage);
    EXPECT_EQ(a.m_Font, b.m_Font);
    EXPECT_EQ(a.m_Version, b.m_Version);
}

constexpr DocumentKind kKinds[] = {DocumentKind::Aztec, DocumentKind::PDF417, DocumentKind::QR,
                                   DocumentKind::Code128, DocumentKind::Code39};

TEST(EveryDocumentType, RoundTripsWithEveryFieldSet) {
    test::TempDir dir;
    for (DocumentKind kind : kKinds) {
        const DocumentType& type = FindDocumentType(kind);
        SCOPED_TRACE(std::string(type.docName.begin(), type.docName.end()));
        auto doc = MakeNonDefault(kind);
        ASSERT_TRUE(doc->BuildSymbol());
        const fs::path path = dir.path() / (u"doc" + std::u16string(type.extension));
        std::string error;
        ASSERT_TRUE(SaveDocument(*doc, path, &error)) << error;

        auto back = OpenDocument(path, &error);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->Kind(), kind);
        ExpectSameBase(*doc, *back);
        ExpectSameOptions(*doc, *back);
        ASSERT_TRUE(back->m_Picture.HasPicture());
        EXPECT_TRUE(back->m_Picture.Picture().pixels == doc->m_Picture.Picture().pixels);
        EXPECT_EQ(back->m_Picture.Picture().width, doc->m_Picture.Picture().width);
        EXPECT_EQ(StoreDocumentBytes(*back), StoreDocumentBytes(*doc));
    }
}

// The stored picture is what a container shows without building: it must match the bits.
TEST(EveryDocumentType, StoredPictureIsTheDisplayedOne) {
    CPDF417Doc doc;
    doc.m_Message = u"picture";
    doc.m_Caption = u"below";
    ASSERT_TRUE(doc.BuildSymbol());
    CPDF417Doc back;
    std::string error;
    ASSERT_TRUE(LoadDocumentBytes(StoreDocumentBytes(doc), back, &error)) << error;
    EXPECT_TRUE(back.m_Picture.Picture().pixels == doc.m_Picture.Picture().pixels);
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

TEST(EveryDocumentType, OlefileSeesOneContentsStreamAndTheClassId) {
    TSY_REQUIRE_TOOL(fs::exists("/usr/bin/python3"), "/usr/bin/python3");
    test::TempDir dir;
    std::string command =
        "/usr/bin/python3 -c 'import olefile,sys\n"
        "for f in sys.argv[1:]:\n"
        " o=olefile.OleFileIO(f)\n"
        " print(\"|\".join(\"/\".join(e) for e in o.listdir(streams=True,storages=True)))\n"
        " print(o.root.clsid)\n"
        " print(o.openstream(\"Contents\").read().hex())'";
    std::vector<std::string> archives;
    for (DocumentKind kind : kKinds) {
        auto doc = MakeNonDefault(kind);
        ASSERT_TRUE(doc->BuildSymbol());
        const fs::path path = dir.path() / ("doc" + std::to_string(archives.size()));
        std::string error;
        ASSERT_TRUE(SaveDocument(*doc, path, &error)) << error;
        archives.push_back(StoreDocumentBytes(*doc));
        command += " " + path.string();
    }
    const fs::path out = dir.path() / "olefile.txt";
    command += " > " + out.string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << test::ReadFile(out);
    std::ifstream in(out);
    for (std::size_t i = 0; i < archives.size(); ++i) {
        std::string streams, clsid, hex;
        std::getline(in, streams);
        std::getline(in, clsid);
        std::getline(in, hex);
        EXPECT_EQ(streams, "Contents");
        EXPECT_EQ(clsid, FindDocumentType(kKinds[i]).classId.ToString());
        EXPECT_TRUE(hex == Hex(archives[i])) << "stream bytes differ for type " << i;
    }
}

}  // namespace
}  // namespace tsy
