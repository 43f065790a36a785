// The resolution the sizing page counts its steps in: the default printer's, the screen's when
// there is no printer. Tests pin it.
#pragma once

#include <QSize>
#include <optional>

namespace tsy::gui {

// Horizontal and vertical dots per inch.
QSize DefaultPrinterResolution();
// Replaces the printer's resolution until reset with nullopt.
void OverridePrinterResolution(std::optional<QSize> dpi);

}  // namespace tsy::gui
