// The page of the Code 128 options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CCode128Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CCode128Page(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
