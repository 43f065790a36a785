#include "gui/options/qr_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/options/option_widgets.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy::gui {

CQRPage::CQRPage(QWidget* parent)
    : CPreviewPage(QStringLiteral("QR Options"), parent),
      levels_(new QButtonGroup(this)),
      reverse_(new QCheckBox(QStringLiteral("Reverse Video"), this)),
      models_(new QButtonGroup(this)) {
    auto* options = new QVBoxLayout;
    // The document numbers the levels in this order, not by strength.
    options->addWidget(RadioBox(QStringLiteral("Error Correction Level"),
                                {QStringLiteral("M - Medium"), QStringLiteral("L - Low"),
                                 QStringLiteral("H - Maximum"), QStringLiteral("Q - High")},
                                levels_, this));
    auto* other = new QGroupBox(QStringLiteral("Other Properties"), this);
    (new QVBoxLayout(other))->addWidget(reverse_);
    options->addWidget(other);
    options->addWidget(
        RadioBox(QStringLiteral("Model"),
                 {QStringLiteral("Graphic Model 1"), QStringLiteral("Graphic Model 2"),
                  QStringLiteral("ISO 18004 (Model 2)")},
                 models_, this));
    models_->button(0)->setEnabled(false);
    models_->button(1)->setEnabled(false);
    PlaceBesidePreview(this, options);
}

void CQRPage::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& qr = static_cast<CQRDoc&>(doc);
    binding.Radio(levels_, qr.m_ErrorCorrectionLevel);
    binding.Check(reverse_, qr.m_ReverseVideo);
    binding.Radio(models_, qr.m_Model, PageBinding::React::StoreLoad);
    // The two graphic models build the same symbol, so one cannot be changed for the other;
    // from the standard model they are the way back to the graphic one.
    binding.Custom(
        [this, &qr] {
            const bool iso = qr.m_Model == CQRDoc::kIsoModel;
            models_->button(0)->setEnabled(iso);
            models_->button(1)->setEnabled(iso);
        },
        [] { return true; });
}

}  // namespace tsy::gui
