#include "gui/pages/stream_page.h"

namespace tsy::gui {

CStreamPage::CStreamPage(QWidget* parent) : CTsyPage(QStringLiteral("Barcode Contents"), parent) {}

}  // namespace tsy::gui
