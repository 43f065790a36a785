// "Code 128 Options": the FNC3 variant and the obsolete Menu 128 symbol.
#pragma once

#include "gui/framework/preview_page.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace tsy::gui {

class CCode128Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CCode128Page(QWidget* parent = nullptr);

    QButtonGroup* VariantGroup() const { return variants_; }
    QCheckBox* MenuBox() const { return menu_; }
    QLineEdit* MenuIdEdit() const { return menuId_; }
    QLineEdit* OpcodeEdit() const { return opcode_; }
    QLineEdit* OffsetEdit() const { return offset_; }
    QLineEdit* DataEdit() const { return data_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;

private:
    QWidget* MakeMenuGroup();
    void OnMenuClicked(bool checked);
    // A number edit: load shows the field, store refuses what is not an integer of its range.
    void BindNumber(PageBinding& binding, QLineEdit* edit, uint8_t& field);

    QButtonGroup* variants_;
    QCheckBox* menu_;
    QLineEdit* menuId_;
    QLineEdit* opcode_;
    QLineEdit* offset_;
    QLineEdit* data_;
};

}  // namespace tsy::gui
