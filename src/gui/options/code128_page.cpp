#include "gui/options/code128_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CCode128Page::CCode128Page(QWidget* parent)
    : CPreviewPage(QStringLiteral("Code 128 Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
