#include "gui/options/ziggur_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CZiggurPage::CZiggurPage(QWidget* parent) : CPreviewPage(QStringLiteral("Ziggur Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
