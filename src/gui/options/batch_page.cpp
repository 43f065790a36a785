#include "gui/options/batch_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CBatchPage::CBatchPage(QWidget* parent) : CTsyPage(QStringLiteral("Multiple Symbols"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
}

}  // namespace tsy::gui
