// The application's commands: menu texts with their mnemonics, status-bar prompts, tooltips and
// accelerators, one table row each; the main window places the actions.
#pragma once

#include <QAction>
#include <QObject>
#include <map>

namespace tsy::gui {

enum class Command {
    NewAztec,
    NewCode128,
    NewCode39,
    NewZiggur,
    NewPDF417,
    NewQR,
    NewAnimated,
    New,
    Open,
    Close,
    Save,
    SaveAs,
    ExportBitmap,
    ExportMetafile,
    Print,
    PrintPreview,
    PrintSetup,
    Exit,
    SymbolInformation,
    CopyBitmap,
    ToolBar,
    StatusBar,
    TabbedView,
    NewWindow,
    Cascade,
    Tile,
    ArrangeIcons,
    NextPane,
    PreviousPane,
    AboutCommandline,
    About,
};

class AppCommands {
public:
    // Creates every action with parent as its owner.
    explicit AppCommands(QObject* parent);
    QAction* operator[](Command id) const { return actions_.at(id); }

private:
    std::map<Command, QAction*> actions_;
};

}  // namespace tsy::gui
