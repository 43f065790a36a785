#include "gui/pages/sizing_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CSizingPage::CSizingPage(QWidget* parent) : CPreviewPage(QStringLiteral("Sizing"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
