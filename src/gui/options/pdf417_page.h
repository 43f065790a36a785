// "PDF417 Options": error-correction level, data columns and the truncated form.
#pragma once

#include "gui/framework/preview_page.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace tsy::gui {

class CPDF417Page : public CPreviewPage {
    Q_OBJECT
public:
    explicit CPDF417Page(QWidget* parent = nullptr);

    QSlider* LevelSlider() const { return level_; }
    QLabel* LevelText() const { return levelText_; }
    QSlider* ColumnsSlider() const { return columns_; }
    QLabel* ColumnsText() const { return columnsText_; }
    QCheckBox* TruncateBox() const { return truncate_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void ExchangeExtras(bool save) override;

private:
    QSlider* level_;
    QLabel* levelText_;
    QSlider* columns_;
    QLabel* columnsText_;
    QCheckBox* truncate_;
};

}  // namespace tsy::gui
