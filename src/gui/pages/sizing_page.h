// "Sizing": module sizes in whole printer dots, the symbol's totals in inches, the wide ratio
// and the undercut.
#pragma once

#include <QSize>

#include "gui/framework/preview_page.h"

class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;

namespace tsy::gui {

class CSizingPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CSizingPage(QWidget* parent = nullptr);
    // Set by the sheet: the ratio controls (off by default), the height slider (on).
    void EnableRatio(bool enable) { ratioEnabled_ = enable; }
    void EnableHeight(bool enable) { heightEnabled_ = enable; }

    // One step of the ratio's spin button (+1 or -1 tenth).
    void StepRatio(int step);

    QSlider* WidthSlider() const { return widthSlider_; }
    QSlider* HeightSlider() const { return heightSlider_; }
    QLabel* ElementWidthText() const { return elementWidth_; }
    QLabel* TotalWidthText() const { return totalWidth_; }
    QLabel* ElementHeightText() const { return elementHeight_; }
    QLabel* TotalHeightText() const { return totalHeight_; }
    QLineEdit* RatioEdit() const { return ratio_; }
    QLineEdit* UndercutEdit() const { return undercut_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void OnInitDialog() override;

private:
    QWidget* MakeSizeGroup(const QString& title, const QString& element, const QString& total,
                           QSlider* slider, QLabel* elementText, QLabel* totalText);
    QWidget* MakeRatioGroup();
    QWidget* MakeUndercutGroup();
    void OnSlider(QSlider* slider);
    void ShowSizes();

    bool ratioEnabled_ = false;
    bool heightEnabled_ = true;
    QSize dpi_{96, 96};
    int32_t widthMil_ = 0;
    int32_t heightMil_ = 0;
    int spinPosition_ = 25;
    QSlider* widthSlider_;
    QSlider* heightSlider_;
    QLabel* elementWidth_;
    QLabel* totalWidth_;
    QLabel* elementHeight_;
    QLabel* totalHeight_;
    QLineEdit* ratio_;
    QToolButton* ratioUp_;
    QToolButton* ratioDown_;
    QLineEdit* undercut_;
};

}  // namespace tsy::gui
