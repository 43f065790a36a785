#include "gui/pages/document_commands.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "document/encoder_doc.h"
#include "gui/framework/bitmap_ctrl.h"
#include "gui/framework/page_binding.h"
#include "gui/pages/export_bitmap_dialog.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"
#include "symbologies/document_serialize.h"

namespace tsy::gui {

namespace {

void Report(MessageSink* sink, const std::string& error) {
    if (!error.empty()) ShowMessage(sink, Utf8ToUtf16Text(error));
}

DocumentCommandRoutes& Routes() {
    static DocumentCommandRoutes routes;
    return routes;
}

}  // namespace

void SetDocumentCommandRoutes(DocumentCommandRoutes routes) {
    Routes() = std::move(routes);
}

const DocumentCommandRoutes& CurrentDocumentCommandRoutes() {
    return Routes();
}

void CopyPictureToClipboard(const CEncoderDoc& doc) {
    if (!doc.m_Picture.HasPicture()) return;
    QGuiApplication::clipboard()->setImage(ToQImage(doc.m_Picture.Picture()));
}

void ExportAsBitmap(CEncoderDoc& doc, QWidget* parent, MessageSink* sink) {
    ExportBitmapDialog dialog(doc, QString(), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    doc.m_DefaultExt = FromQ(QFileInfo(path).suffix());
    ExportDocumentAt(doc, path, dialog.Resolution(), sink);
}

void SaveDocumentAs(const CEncoderDoc& doc, QWidget* parent, MessageSink* sink) {
    const DocumentType& type = doc.Type();
    const QString filter = ToQ(type.filterName);
    const QString path =
        QFileDialog::getSaveFileName(parent, QString(), ToQ(type.docName) + ToQ(type.extension),
                                     filter + QStringLiteral(";;All Files (*)"));
    if (path.isEmpty()) return;
    std::string error;
    if (!SaveDocument(doc, std::filesystem::path(path.toStdString()), &error)) Report(sink, error);
}

}  // namespace tsy::gui
