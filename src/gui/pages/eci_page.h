// "ECI Options": whether the symbol announces the chosen character set.
#pragma once

#include "gui/framework/tsy_page.h"

class QCheckBox;

namespace tsy::gui {

class CEciPP : public CTsyPage {
    Q_OBJECT
public:
    explicit CEciPP(QWidget* parent = nullptr);

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;

private:
    QCheckBox* addEci_;
};

}  // namespace tsy::gui
