// Export as Bitmap, Export as Windows Meta File and Copy Bitmap to Clipboard.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "gui/pages/export_bitmap_dialog.h"

class QFileDialog;
class QWidget;

namespace tsy {
class MessageSink;
}

namespace tsy::gui {

class SymbolDocument;

// The Export as Bitmap dialog as it opens, the document's name with DefaultExt proposed.
std::unique_ptr<ExportBitmapDialog> MakeExportBitmapDialog(SymbolDocument& document,
                                                           QWidget* parent);
// The Export as Windows Meta File dialog.
std::unique_ptr<QFileDialog> MakeExportMetafileDialog(const SymbolDocument& document,
                                                      QWidget* parent);

// The commands: dialog, then the shared writer; the chosen name's extension decides the format
// and the dialog's resolution the picture's dots per inch.
void ExportAsBitmap(SymbolDocument& document, QWidget* parent, MessageSink* sink);
void ExportAsMetafile(SymbolDocument& document, QWidget* parent, MessageSink* sink);
void CopyBitmapToClipboard(const SymbolDocument& document, MessageSink* sink);

}  // namespace tsy::gui
