// "Animatimation": where the animated GIF goes, its symbols, frame time and loops, and Write.
#pragma once

#include "gui/framework/tsy_page.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tsy::gui {

class CBitmapCtrl;

class CAnimatedAztecPP : public CTsyPage {
    Q_OBJECT
public:
    explicit CAnimatedAztecPP(QWidget* parent = nullptr);

    // The Write button: the GIF of the present settings to the output file name.
    bool WriteGif();

    QLineEdit* OutputEdit() const { return output_; }
    QSpinBox* SymbolsSpin() const { return symbols_; }
    QSpinBox* FrameTimeSpin() const { return frameTime_; }
    QSpinBox* LoopsSpin() const { return loops_; }
    QLabel* InfoText() const { return info_; }
    QPushButton* WriteButton() const { return write_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void ExchangeExtras(bool save) override;

private:
    void OnBrowse();

    QLineEdit* output_;
    QSpinBox* symbols_;
    QSpinBox* frameTime_;
    QSpinBox* loops_;
    QLabel* info_;
    QPushButton* write_;
    CBitmapCtrl* preview_;
};

}  // namespace tsy::gui
