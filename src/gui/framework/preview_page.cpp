#include "gui/framework/preview_page.h"

#include <QLabel>

#include "document/encoder_doc.h"
#include "verify/verify_symbol.h"

namespace tsy::gui {
namespace {

QString Sentence(const std::string& reason) {
    QString text = QString::fromStdString(reason);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

CPreviewPage::CPreviewPage(const QString& caption, QWidget* parent)
    : CTsyPage(caption, parent), preview_(new CBitmapCtrl(this)), verdict_(new QLabel(this)) {
    verdict_->setAlignment(Qt::AlignCenter);
    ShowVerdict(false);
}

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
    const bool built = doc && doc->BuildSymbol();
    ShowVerdict(built);
    if (!built) return;
    preview_->SetBitmap(ToQImage(doc->m_Picture.Picture()));
    preview_->FitToWindow(true);
}

// The reader takes well under a millisecond for a preview-sized symbol, so every edit can
// afford it. A failed build keeps its old picture, which must not pass for the new one.
void CPreviewPage::ShowVerdict(bool built) {
    SymbolVerdict verdict;
    if (built)
        verdict = VerifySymbol(*Document());
    else
        verdict.reason = "the symbol was not built.";
    verdict_->setText(ToQ(SymbolCheckText(verdict.check)));
    verdict_->setToolTip(verdict.check == SymbolCheck::Verified
                             ? QStringLiteral("A reader read the symbol back to its message.")
                             : Sentence(verdict.reason));
}

}  // namespace tsy::gui
