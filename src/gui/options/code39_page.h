// The page of the Code 39 options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CCode39Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CCode39Page(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
