#include "gui/options/code39_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CCode39Page::CCode39Page(QWidget* parent)
    : CPreviewPage(QStringLiteral("Code 39 Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

}  // namespace tsy::gui
