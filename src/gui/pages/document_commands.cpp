#include "gui/pages/document_commands.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <filesystem>
#include <string>

#include "document/encoder_doc.h"
#include "export/document_export.h"
#include "export/image_formats.h"
#include "gui/framework/bitmap_ctrl.h"
#include "gui/framework/page_binding.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"
#include "symbologies/document_serialize.h"

namespace tsy::gui {

namespace {

QString Filter(std::string_view description, std::string_view pattern) {
    const QString p = QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size()));
    QString patterns = p;
    patterns.replace(u';', u' ');
    return QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())) +
           QStringLiteral(" (") + patterns + u')';
}

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
    if (doc.m_DefaultExt.empty()) doc.m_DefaultExt = u"bmp";
    QStringList filters;
    for (const ExportFilter& f : ExportBitmapFilters()) filters << Filter(f.description, f.pattern);
    const std::string ext = QString::fromStdU16String(doc.m_DefaultExt).toLower().toStdString();
    QString selected = filters.value(static_cast<int>(PreselectedExportFilter(ext)));
    QFileDialog dialog(parent, QString(), QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(ToQ(doc.m_DefaultExt));
    dialog.selectNameFilter(selected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    doc.m_DefaultExt = FromQ(QFileInfo(path).suffix());
    std::string error;
    if (!ExportDocumentToFile(doc, std::filesystem::path(path.toStdString()), &error))
        Report(sink, error);
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
