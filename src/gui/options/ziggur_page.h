// "Ziggur Options": the linear host (message, symbology, barrier rows, symmetry, height) and
// the menu symbol.
#pragma once

#include "gui/framework/preview_page.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace tsy::gui {

class CZiggurPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CZiggurPage(QWidget* parent = nullptr);

    QLineEdit* HostEdit() const { return host_; }
    QButtonGroup* HostGroup() const { return hosts_; }
    QButtonGroup* SymmetryGroup() const { return symmetry_; }
    QCheckBox* BarrierBox() const { return barrier_; }
    QCheckBox* MenuBox() const { return menu_; }
    QCheckBox* DefaultHeightBox() const { return defaultHeight_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void ExchangeExtras(bool save) override;

private:
    QLineEdit* host_;
    QButtonGroup* hosts_;
    QButtonGroup* symmetry_;
    QCheckBox* barrier_;
    QCheckBox* menu_;
    QCheckBox* defaultHeight_;
};

}  // namespace tsy::gui
