// The page of the batch build (its controls are still to come).
#pragma once

#include "gui/framework/tsy_page.h"

namespace tsy::gui {

class CBatchPage : public CTsyPage {
    Q_OBJECT
public:
    explicit CBatchPage(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
