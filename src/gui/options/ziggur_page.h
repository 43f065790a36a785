// The page of the Ziggur options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CZiggurPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CZiggurPage(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
