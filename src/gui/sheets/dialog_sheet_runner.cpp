#include "gui/sheets/dialog_sheet_runner.h"

#include "gui/sheets/sheet_factory.h"

namespace tsy::gui {

bool DialogSheetRunner::RunSheet(CEncoderDoc& doc) {
    std::unique_ptr<QDialog> sheet = CreateSheet(doc, parent_);
    return sheet && sheet->exec() == QDialog::Accepted;
}

}  // namespace tsy::gui
