// The sheet of a document's symbology, made but not run: the runner runs it modally, tests and
// the application can drive it directly.
#pragma once

#include <QDialog>
#include <memory>

namespace tsy {
class CEncoderDoc;
}

namespace tsy::gui {

std::unique_ptr<QDialog> CreateSheet(CEncoderDoc& doc, QWidget* parent = nullptr);

}  // namespace tsy::gui
