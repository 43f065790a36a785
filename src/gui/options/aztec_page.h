// "Aztec Options": symbol type, reverse video, structured append and the error correction.
#pragma once

#include "gui/framework/preview_page.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

namespace tsy::gui {

class CAztecPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CAztecPage(QWidget* parent = nullptr);

    QButtonGroup* TypeGroup() const { return types_; }
    QCheckBox* ReverseBox() const { return reverse_; }
    QSpinBox* SymbolsSpin() const { return symbols_; }
    QLineEdit* AppendIdEdit() const { return appendId_; }
    QSlider* CorrectionSlider() const { return correction_; }
    QLabel* CorrectionText() const { return correctionText_; }
    QCheckBox* DefaultBox() const { return default_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void ExchangeExtras(bool save) override;

private:
    QWidget* MakeOtherSettings();
    QWidget* MakeCorrection();
    void OnTypeClicked(int type);

    QButtonGroup* types_;
    QCheckBox* reverse_;
    QSpinBox* symbols_;
    QLineEdit* appendId_;
    QSlider* correction_;
    QLabel* correctionText_;
    QCheckBox* default_;
};

}  // namespace tsy::gui
