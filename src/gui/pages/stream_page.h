// "Barcode Contents": what the symbol holds, as a hexadecimal dump.
#pragma once

#include "gui/framework/tsy_page.h"

namespace tsy::gui {

class CStreamPage : public CTsyPage {
    Q_OBJECT
public:
    explicit CStreamPage(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
