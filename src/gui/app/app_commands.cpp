#include "gui/app/app_commands.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include "gui/app/app_icons.h"

namespace tsy::gui {
namespace {

struct CommandRow {
    Command id;
    const char* text;
    // "status-bar prompt\ntooltip", as the string table holds them.
    const char* prompt;
    QKeySequence::StandardKey standardKey;
    const char* keys;  // further shortcuts, "; " between them
};

constexpr auto kNoKey = QKeySequence::UnknownKey;

const CommandRow kCommands[] = {
    {Command::NewAztec, "New &Aztec Symbol", "Create a new Aztec Barcode Symbol\nNew Aztec Symbol",
     kNoKey, ""},
    {Command::NewCode128, "New &Code 128 Symbol",
     "Create a New Code128 Barcode Symbol\nNew Code128 Symbol", kNoKey, ""},
    {Command::NewCode39, "New Code &39 Symbol",
     "Create a New Code39 Barcode Symbol\nNew Code39 Symbol", kNoKey, ""},
    {Command::NewZiggur, "New &Ziggur Symbol",
     "Create a New Ziggur Barcode Symbol\nNew Ziggur Symbol", kNoKey, ""},
    {Command::NewPDF417, "&New &PDF417 Symbol",
     "Create a new PDF417 Barcode Symbol\nNew PDF417 Symbol", kNoKey, ""},
    {Command::NewQR, "New &QR Symbol", "Create a new QR barcode symbol\nNew QR Symbol", kNoKey, ""},
    {Command::NewAnimated, "New Animated Aztec Symbol",
     "Create a new animated Aztec Symbol\nNew Aztec Symbol", kNoKey, ""},
    {Command::New, "&New...", "Create a new document\nNew", QKeySequence::New, ""},
    {Command::Open, "&Open...", "Open an existing document\nOpen", QKeySequence::Open, ""},
    {Command::Close, "&Close", "Close the active document\nClose", kNoKey, ""},
    {Command::Save, "&Save", "Save the active document\nSave", QKeySequence::Save, ""},
    {Command::SaveAs, "Save &As...", "Save the active document with a new name\nSave As", kNoKey,
     ""},
    {Command::ExportBitmap, "&Export as Bitmap",
     "Export the symbol as a picture, metafile or C++ source\nExport as Bitmap", kNoKey, ""},
    {Command::ExportMetafile, "E&xport as Windows Meta File",
     "Export the symbol as a placeable Windows metafile\nExport as Windows Meta File", kNoKey, ""},
    {Command::Print, "&Print...", "Print the active document\nPrint", QKeySequence::Print, ""},
    {Command::PrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", kNoKey, ""},
    {Command::PrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup",
     kNoKey, ""},
    {Command::Exit, "E&xit", "Quit the application; prompts to save documents\nExit", kNoKey, ""},
    {Command::SymbolInformation, "&Symbol Information...",
     "Edit information about the symbol\nEdit Symbol Info", kNoKey, ""},
    {Command::CopyBitmap, "&Copy Bitmap to Clipboard",
     "Copy the symbol to the clipboard as a picture\nCopy Bitmap", kNoKey, "Ctrl+C; Ctrl+Ins"},
    {Command::ToolBar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", kNoKey, ""},
    {Command::StatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", kNoKey,
     ""},
    {Command::TabbedView, "Ta&bbed View", "Show or hide the tabbed view\nToggle Tabs", kNoKey, ""},
    {Command::NewWindow, "&New Window", "Open another window for the active document\nNew Window",
     kNoKey, ""},
    {Command::Cascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows", kNoKey, ""},
    {Command::Tile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows", kNoKey, ""},
    {Command::ArrangeIcons, "&Arrange Icons",
     "Arrange icons at the bottom of the window\nArrange Icons", kNoKey, ""},
    {Command::NextPane, "Next Pane", "Switch to the next window pane\nNext Pane", kNoKey, "F6"},
    {Command::PreviousPane, "Previous Pane",
     "Switch back to the previous window pane\nPrevious Pane", kNoKey, "Shift+F6"},
    {Command::AboutCommandline, "About Commandline", "", kNoKey, ""},
    {Command::About, "&About Tessaly",
     "Display program information, version number and copyright\nAbout", kNoKey, ""},
};

QIcon CommandIcon(Command id) {
    QStyle* style = QApplication::style();
    switch (id) {
        case Command::NewAztec:
            return DocumentTypeIcon(DocumentKind::Aztec);
        case Command::NewCode128:
            return DocumentTypeIcon(DocumentKind::Code128);
        case Command::NewCode39:
            return DocumentTypeIcon(DocumentKind::Code39);
        case Command::NewZiggur:
            return DocumentTypeIcon(DocumentKind::Ziggur);
        case Command::NewPDF417:
            return DocumentTypeIcon(DocumentKind::PDF417);
        case Command::NewQR:
            return DocumentTypeIcon(DocumentKind::QR);
        case Command::NewAnimated:
            return DocumentTypeIcon(DocumentKind::AztecAnimated);
        case Command::Open:
            return QIcon::fromTheme(QStringLiteral("document-open"),
                                    style->standardIcon(QStyle::SP_DialogOpenButton));
        case Command::Save:
            return QIcon::fromTheme(QStringLiteral("document-save"),
                                    style->standardIcon(QStyle::SP_DialogSaveButton));
        case Command::Print:
            return QIcon::fromTheme(QStringLiteral("document-print"), PrinterIcon());
        case Command::SymbolInformation:
            return QIcon::fromTheme(QStringLiteral("document-properties"),
                                    style->standardIcon(QStyle::SP_FileDialogDetailedView));
        case Command::About:
            return QIcon::fromTheme(QStringLiteral("help-about"),
                                    style->standardIcon(QStyle::SP_MessageBoxInformation));
        default:
            return {};
    }
}

}  // namespace

AppCommands::AppCommands(QObject* parent) {
    for (const CommandRow& row : kCommands) {
        auto* action = new QAction(QString::fromUtf8(row.text), parent);
        const QString prompt = QString::fromUtf8(row.prompt);
        const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
        if (split >= 0) {
            action->setStatusTip(prompt.left(split));
            action->setToolTip(prompt.mid(split + 1));
        }
        QList<QKeySequence> keys;
        if (row.standardKey != kNoKey) keys << QKeySequence(row.standardKey);
        for (const QString& key :
             QString::fromUtf8(row.keys).split(QStringLiteral("; "), Qt::SkipEmptyParts))
            keys << QKeySequence(key);
        action->setShortcuts(keys);
        action->setIcon(CommandIcon(row.id));
        action->setIconVisibleInMenu(false);
        actions_[row.id] = action;
    }
    for (Command toggle : {Command::ToolBar, Command::StatusBar, Command::TabbedView})
        actions_[toggle]->setCheckable(true);
    // Ziggur documents are made through New's list only.
    actions_[Command::NewZiggur]->setEnabled(false);
}

}  // namespace tsy::gui
