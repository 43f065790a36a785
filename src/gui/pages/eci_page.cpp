#include "gui/pages/eci_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "document/encoder_doc.h"

namespace tsy::gui {

namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CEciPP::CEciPP(QWidget* parent)
    : CTsyPage(QStringLiteral("ECI Options"), parent),
      addEci_(new QCheckBox(QStringLiteral("Add a global ECI"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addEci_);
    layout->addWidget(WrappedLabel(
        QStringLiteral("ECI (Extended Channel Interpreation) is an ISO std. to describe the "
                       "contents of a barcode label. Here we use it to add information about the "
                       "used codepage into the barcode. This allows the barcode reader to use "
                       "the correct encodings for characters."),
        this));
    layout->addWidget(WrappedLabel(
        QStringLiteral("Without ECI, all characters must be encoded with the symbology specific "
                       "codepage. Other encodings are out of spec.!"),
        this));
    layout->addWidget(new QLabel(QStringLiteral("Default codepages:"), this));
    layout->addWidget(new QLabel(QStringLiteral("PDF417: CP437"), this));
    layout->addWidget(new QLabel(QStringLiteral("Aztec: ISO8859.1"), this));
    layout->addStretch();
}

void CEciPP::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    binding.Check(addEci_, doc.m_UseEci);
}

}  // namespace tsy::gui
