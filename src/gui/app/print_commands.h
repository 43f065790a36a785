// Print, Print Preview and Print Setup: one page with the symbol at its physical size.
#pragma once

#include <QObject>
#include <memory>

class QPrinter;
class QWidget;

namespace tsy {
class MessageSink;
}  // namespace tsy

namespace tsy::gui {

class SymbolDocument;

// Draws the document on one page of printer: the picture at the top left of the printable area,
// stretched to the symbol's size at the printer's resolution, captions included. False when
// the printer (or the PDF file) could not be opened.
bool PrintSymbol(const SymbolDocument& document, QPrinter& printer);

inline constexpr char16_t kPrintFailedText[] = u"Printing failed: the printer could not be opened.";

// Keeps the printer settings between Print Setup, Print and Print Preview.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(QWidget* parent, MessageSink* sink);
    ~PrintCommands() override;

    void Print(const SymbolDocument& document);
    void PrintPreview(const SymbolDocument& document);
    void PrintSetup();
    QPrinter& Printer() { return *printer_; }

private:
    QWidget* parent_;
    MessageSink* sink_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tsy::gui
