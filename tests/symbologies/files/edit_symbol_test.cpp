// A cancelled property sheet leaves the document as it was.
#include <gtest/gtest.h>

#include <functional>

#include "document/sheet_runner.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "symbologies/edit_symbol.h"
#include "symbologies/files/file_test_support.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

// Plays the user: changes what the pages would change (rebuilding for the preview), then
// confirms or cancels.
class FakeSheet : public SheetRunner {
public:
    explicit FakeSheet(bool confirm) : confirm_(confirm) {}
    bool RunSheet(CEncoderDoc& doc) override {
        ++runs;
        doc.m_Message = u"changed by the sheet";
        doc.m_Caption = u"new caption";
        doc.m_ElementWidth = 33;
        doc.m_ElementHeight = 44;
        doc.m_SymbolHeight = 777;
        doc.m_CapPosition = kCaptionRight;
        doc.m_ViewStyle = MarkupStyle::Bracket;
        doc.m_Codepage = 1250;
        doc.m_AddMessage = !doc.m_AddMessage;
        if (auto* d = dynamic_cast<CAztecDoc*>(&doc)) {
            d->m_ErrorCorrection = 77;
            d->m_AppendId = u"other";
        } else if (auto* d = dynamic_cast<CPDF417Doc*>(&doc)) {
            d->m_DataColumns = 9;
            d->m_Truncate = 1;
        } else if (auto* d = dynamic_cast<CQRDoc*>(&doc)) {
            d->m_ErrorCorrectionLevel = 2;
        } else if (auto* d = dynamic_cast<CCode128Doc*>(&doc)) {
            d->m_LeadingFnc3 = 1;
            d->m_MenuData = u"FF";
        } else if (auto* d = dynamic_cast<CCode39Doc*>(&doc)) {
            d->m_CheckCharacter = 1;
        } else if (auto* d = dynamic_cast<CZiggurDoc*>(&doc)) {
            d->m_HostMessage = u"CHANGED";
            d->m_Symmetry = 0;
            d->m_DefaultHostHeight = !d->m_DefaultHostHeight;  // not in the file
        }
        doc.BuildSymbol();
        return confirm_;
    }
    int runs = 0;

private:
    bool confirm_;
};

TEST(EditSymbol, CancelRestoresEveryField) {
    for (const DocumentType& type : DocumentTypes()) {
        std::unique_ptr<CEncoderDoc> doc = type.create();
        if (!doc) continue;
        SCOPED_TRACE(std::string(type.docName.begin(), type.docName.end()));
        // A C-style message that formatting it again would change.
        doc->m_ViewStyle = MarkupStyle::C;
        doc->m_Message = u"C:\\\\temp\\\\data\\r\\n";
        doc->m_Caption = u"cap";
        doc->m_ElementWidth = 11;
        doc->m_Codepage = 28591;
        doc->ApplyFontDescription(u"01,DejaVu Serif,h90,w400,i0,u0,s1,c0");
        if (auto* d = dynamic_cast<CCode128Doc*>(doc.get())) d->m_Message = u"AB\\t1";
        if (auto* d = dynamic_cast<CZiggurDoc*>(doc.get()))
            d->m_HostMessage = u"AB";  // none by default
        ASSERT_TRUE(doc->BuildSymbol());
        const std::string before = StoreDocumentBytes(*doc);
        const MessageBytes bytesBefore = doc->m_MessageBytes;
        const Font fontBefore = doc->m_Font;
        const std::u16string messageBefore = doc->m_Message;
        const int32_t heightBefore = doc->m_SymbolHeight;

        FakeSheet sheet(false);
        bool modified = true;
        EXPECT_TRUE(EditSymbol(*doc, sheet, &modified));
        EXPECT_EQ(sheet.runs, 1);
        EXPECT_FALSE(modified);
        EXPECT_EQ(doc->m_Message, messageBefore);
        EXPECT_EQ(doc->m_ElementWidth, 11);
        EXPECT_EQ(doc->m_SymbolHeight, heightBefore);
        EXPECT_EQ(doc->m_Font, fontBefore);
        EXPECT_EQ(doc->m_MessageBytes, bytesBefore);
        EXPECT_TRUE(doc->m_Picture.HasPicture());
        EXPECT_EQ(StoreDocumentBytes(*doc), before);  // every stored field, picture included
        if (auto* d = dynamic_cast<CZiggurDoc*>(doc.get())) {
            EXPECT_EQ(d->m_DefaultHostHeight, 1);
        }
    }
}

TEST(EditSymbol, ConfirmKeepsTheChanges) {
    CQRDoc doc;
    doc.m_Message = u"old";
    ASSERT_TRUE(doc.BuildSymbol());
    FakeSheet sheet(true);
    bool modified = false;
    EXPECT_TRUE(EditSymbol(doc, sheet, &modified));
    EXPECT_TRUE(modified);
    EXPECT_EQ(doc.m_Message, u"changed by the sheet");
    EXPECT_EQ(doc.m_ErrorCorrectionLevel, 2);
}

TEST(EditSymbol, CancelOfAnEmptyDocumentRebuildsNothing) {
    CCode39Doc doc;
    FakeSheet sheet(false);
    EXPECT_FALSE(EditSymbol(doc, sheet));
    EXPECT_TRUE(doc.m_Message.empty());
    EXPECT_FALSE(doc.m_Picture.HasPicture());
}

}  // namespace
}  // namespace tsy
