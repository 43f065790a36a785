#include "gui/app/export_commands.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include "document/encoder_doc.h"
#include "gui/app/symbol_document.h"
#include "gui/pages/export_bitmap_dialog.h"
#include "platform/message_sink.h"

namespace tsy::gui {
namespace {

// The document's path with its extension replaced, or empty.
QString ProposedName(const SymbolDocument& document, const QString& extension) {
    if (document.Path().isEmpty()) return {};
    const QFileInfo info(document.Path());
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + extension);
}

std::unique_ptr<QFileDialog> SaveDialog(QWidget* parent, const QString& title,
                                        const QStringList& filters, const QString& suffix,
                                        const QString& proposed) {
    auto dialog = std::make_unique<QFileDialog>(parent, title);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffix);
    if (!proposed.isEmpty()) dialog->selectFile(proposed);
    return dialog;
}

}  // namespace

std::unique_ptr<ExportBitmapDialog> MakeExportBitmapDialog(SymbolDocument& document,
                                                           QWidget* parent) {
    CEncoderDoc& doc = document.Doc();
    if (doc.m_DefaultExt.empty()) doc.m_DefaultExt = u"bmp";
    return std::make_unique<ExportBitmapDialog>(
        doc, ProposedName(document, QString::fromStdU16String(doc.m_DefaultExt)), parent);
}

std::unique_ptr<QFileDialog> MakeExportMetafileDialog(const SymbolDocument& document,
                                                      QWidget* parent) {
    return SaveDialog(parent, QStringLiteral("Export as Windows Meta File"),
                      {QStringLiteral("Windows Metafile (*.wmf)")}, QStringLiteral("wmf"),
                      ProposedName(document, QStringLiteral("wmf")));
}

void ExportAsBitmap(SymbolDocument& document, QWidget* parent, MessageSink* sink) {
    const auto dialog = MakeExportBitmapDialog(document, parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().front();
    // The next export proposes the type chosen now; closing the document stores it.
    QString ext = QFileInfo(path).suffix();
    while (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    document.Doc().m_DefaultExt = ext.toStdU16String();
    ExportDocumentAt(document.Doc(), path, dialog->Resolution(), sink);
}

void ExportAsMetafile(SymbolDocument& document, QWidget* parent, MessageSink* sink) {
    if (!document.Doc().m_Picture.HasPicture()) {
        ShowMessage(sink, u"Nothing to Export");
        return;
    }
    const auto dialog = MakeExportMetafileDialog(document, parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    ExportDocumentAt(document.Doc(), dialog->selectedFiles().front(), 0, sink);
}

void CopyBitmapToClipboard(const SymbolDocument& document, MessageSink* sink) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        ShowMessage(sink, u"Failed to Open Clipboard");
        return;
    }
    // Emptied first, so no older picture stays to be pasted.
    clipboard->clear();
    const QImage& image = document.Image();
    if (!image.isNull()) clipboard->setImage(image);
}

}  // namespace tsy::gui
