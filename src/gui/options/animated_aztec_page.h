// The page of the animation settings (its controls are still to come).
#pragma once

#include "gui/framework/tsy_page.h"

namespace tsy::gui {

class CAnimatedAztecPP : public CTsyPage {
    Q_OBJECT
public:
    explicit CAnimatedAztecPP(QWidget* parent = nullptr);
};

}  // namespace tsy::gui
