// The page of the QR options (its controls are still to come).
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CQRPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CQRPage(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
