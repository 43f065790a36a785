// The page of the PDF417 options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CPDF417Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CPDF417Page(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
