// "QR Options": error-correction level, reverse video and the model.
#pragma once

#include "gui/framework/preview_page.h"

class QButtonGroup;
class QCheckBox;

namespace tsy::gui {

class CQRPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CQRPage(QWidget* parent = nullptr);

    QButtonGroup* LevelGroup() const { return levels_; }
    QCheckBox* ReverseBox() const { return reverse_; }
    QButtonGroup* ModelGroup() const { return models_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;

private:
    QButtonGroup* levels_;
    QCheckBox* reverse_;
    QButtonGroup* models_;
};

}  // namespace tsy::gui
