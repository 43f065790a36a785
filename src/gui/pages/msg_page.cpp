#include "gui/pages/msg_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CMsgPage::CMsgPage(QWidget* parent) : CPreviewPage(QStringLiteral("Message"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview());
}

void CMsgPage::SetCodepageList(CodepageList list) {
    list_ = list;
}

}  // namespace tsy::gui
