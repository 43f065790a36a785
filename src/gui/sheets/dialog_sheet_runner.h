// The core's sheet runner in the window program: the symbology's sheet as a modal dialog.
#pragma once

#include "document/sheet_runner.h"

class QWidget;

namespace tsy::gui {

class DialogSheetRunner final : public SheetRunner {
public:
    explicit DialogSheetRunner(QWidget* parent = nullptr) : parent_(parent) {}
    bool RunSheet(CEncoderDoc& doc) override;

private:
    QWidget* parent_;
};

}  // namespace tsy::gui
