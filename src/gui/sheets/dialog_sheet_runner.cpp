#include "gui/sheets/dialog_sheet_runner.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "document/encoder_doc.h"

namespace tsy::gui {

// Placeholder until the symbology sheets exist: OK and Cancel only.
bool DialogSheetRunner::RunSheet(CEncoderDoc&) {
    QDialog dialog(parent_);
    auto* layout = new QVBoxLayout(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tsy::gui
