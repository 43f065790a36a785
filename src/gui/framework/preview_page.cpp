#include "gui/framework/preview_page.h"

#include "document/encoder_doc.h"

namespace tsy::gui {

CPreviewPage::CPreviewPage(const QString& caption, QWidget* parent)
    : CTsyPage(caption, parent), preview_(new CBitmapCtrl(this)) {}

void CPreviewPage::SetDocument(CEncoderDoc* doc) {
    CTsyPage::SetDocument(doc);
    if (doc) preview_->SetScale(1.0 / doc->HorizontalScale(), 1.0);
}

bool CPreviewPage::DataExchange(bool save) {
    if (CEncoderDoc* doc = Document()) {
        const bool accurate = doc->m_Accurate != 0;
        status_ = ToQ(accurate ? kAccurateText : kDataLossText);
        preview_->SetBkColor(accurate ? kAccurateColour : kDataLossColour);
    }
    if (!CTsyPage::DataExchange(save)) return false;
    UpdatePreview();
    ShowStatus(status_);
    return true;
}

void CPreviewPage::UpdatePreview() {
    CEncoderDoc* doc = Document();
    if (!doc || !doc->BuildSymbol()) return;
    preview_->SetBitmap(ToQImage(doc->m_Picture.Picture()));
    preview_->FitToWindow(true);
}

}  // namespace tsy::gui
