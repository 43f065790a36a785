#include "gui/app/print_at_start.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "gui/app/main_window.h"
#include "gui/app/print_commands.h"
#include "gui/app/symbol_document.h"
#include "platform/message_sink.h"

namespace tsy::gui {

int PrintFiles(CMainFrame& frame, const QStringList& files, QPrinter& printer) {
    int status = files.isEmpty() ? 1 : 0;
    for (const QString& path : files) {
        // OpenFile reports a file it cannot read itself.
        const SymbolDocument* document = frame.Documents().OpenFile(path);
        if (!document) {
            status = 1;
            continue;
        }
        printer.setDocName(QFileInfo(path).fileName());
        if (!PrintSymbol(*document, printer)) {
            ShowMessage(frame.Documents().Sink(), kPrintFailedText, MessageKind::Error);
            status = 1;
        }
    }
    return status;
}

int PrintFilesOnPrinter(CMainFrame& frame, const QStringList& files, const QString& printerName) {
    const QPrinterInfo target = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                      : QPrinterInfo::printerInfo(printerName);
    if (target.isNull()) {
        const QString text = printerName.isEmpty()
                                 ? QStringLiteral("No printer is set up to print on.")
                                 : QStringLiteral("Printer not found: %1").arg(printerName);
        ShowMessage(frame.Documents().Sink(), text.toStdU16String(), MessageKind::Error);
        return 1;
    }
    QPrinter printer(target, QPrinter::HighResolution);
    return PrintFiles(frame, files, printer);
}

}  // namespace tsy::gui
