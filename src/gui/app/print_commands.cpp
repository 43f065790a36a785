#include "gui/app/print_commands.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/app/encoder_view.h"
#include "gui/app/symbol_document.h"
#include "platform/message_sink.h"

namespace tsy::gui {

bool PrintSymbol(const SymbolDocument& document, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const DeviceSize size =
        SymbolDeviceSize(document.Doc(), printer.logicalDpiX(), printer.logicalDpiY());
    const QRect page(QPoint(0, 0), QSize(printer.width(), printer.height()));
    DrawSymbol(painter, document, size, page);
    return painter.end();
}

PrintCommands::PrintCommands(QWidget* parent, MessageSink* sink)
    : QObject(parent),
      parent_(parent),
      sink_(sink),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintCommands::~PrintCommands() = default;

void PrintCommands::Print(const SymbolDocument& document) {
    QPrintDialog dialog(printer_.get(), parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted && !PrintSymbol(document, *printer_))
        ShowMessage(sink_, kPrintFailedText, MessageKind::Error);
}

void PrintCommands::PrintPreview(const SymbolDocument& document) {
    QPrintPreviewDialog preview(printer_.get(), parent_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&document](QPrinter* printer) { PrintSymbol(document, *printer); });
    preview.exec();
}

void PrintCommands::PrintSetup() {
    QPageSetupDialog dialog(printer_.get(), parent_);
    dialog.exec();
}

}  // namespace tsy::gui
