#include "gui/options/qr_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CQRPage::CQRPage(QWidget* parent) : CPreviewPage(QStringLiteral("QR Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
