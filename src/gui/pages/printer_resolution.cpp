#include "gui/pages/printer_resolution.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace tsy::gui {

namespace {

std::optional<QSize>& Override() {
    static std::optional<QSize> dpi;
    return dpi;
}

}  // namespace

void OverridePrinterResolution(std::optional<QSize> dpi) {
    Override() = dpi;
}

QSize DefaultPrinterResolution() {
    if (Override()) return *Override();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        if (printer.logicalDpiX() > 0 && printer.logicalDpiY() > 0)
            return {printer.logicalDpiX(), printer.logicalDpiY()};
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {qRound(screen->logicalDotsPerInchX()), qRound(screen->logicalDotsPerInchY())};
    return {96, 96};
}

}  // namespace tsy::gui
