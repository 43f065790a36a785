// The page of the Aztec options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CAztecPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CAztecPage(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
