#include "gui/options/aztec_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CAztecPage::CAztecPage(QWidget* parent) : CPreviewPage(QStringLiteral("Aztec Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
