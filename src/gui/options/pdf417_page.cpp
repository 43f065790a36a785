#include "gui/options/pdf417_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CPDF417Page::CPDF417Page(QWidget* parent) : CPreviewPage(QStringLiteral("PDF417 Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
