// "/p file..." and "/pt file printer": the desktop's print command. Each named document is
// printed on one page and the program ends without showing its window.
#pragma once

#include <QStringList>

class QPrinter;

namespace tsy::gui {

class CMainFrame;

// Prints each file on printer, one job each. 0 when every file printed, 1 otherwise (the
// reason was shown through the frame's message sink).
int PrintFiles(CMainFrame& frame, const QStringList& files, QPrinter& printer);

// The same on the named printer, or on the default one when printerName is empty.
int PrintFilesOnPrinter(CMainFrame& frame, const QStringList& files, const QString& printerName);

}  // namespace tsy::gui
