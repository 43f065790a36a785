// "Code 39 Options": the check character and the menu code without start and stop characters.
#pragma once

#include "gui/framework/preview_page.h"

class QCheckBox;

namespace tsy::gui {

class CCode39Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CCode39Page(QWidget* parent = nullptr);

    QCheckBox* CheckBox() const { return check_; }
    QCheckBox* MenuBox() const { return menu_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;

private:
    QCheckBox* check_;
    QCheckBox* menu_;
};

}  // namespace tsy::gui
