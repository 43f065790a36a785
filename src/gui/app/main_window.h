// CMainFrame: the main window with its MDI area, menus, toolbar and status bar.
#pragma once

#include <QMainWindow>
#include <memory>

#include "gui/app/app_commands.h"
#include "gui/app/document_manager.h"

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace tsy::gui {

class PrintCommands;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // sheets makes the runner of each property sheet (New and "Symbol Information..."); sink
    // shows the core's messages.
    CMainFrame(SheetRunnerFactory sheets, MessageSink* sink, QWidget* parent = nullptr);
    ~CMainFrame() override;

    DocumentManager& Documents() { return *documents_; }
    QMdiArea* Area() const { return area_; }
    QAction* Action(Command id) const { return commands_[id]; }
    QToolBar* ToolBar() const { return toolBar_; }
    PrintCommands& Printing() { return *print_; }
    const QList<QAction*>& RecentActions() const { return recentActions_; }
    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* EditMenu() const { return editMenu_; }

    // Opens the document files named on the command line.
    void OpenFiles(const QStringList& paths);
    void SetTabbedView(bool tabbed);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RouteSheetCommands();
    void BuildMenus();
    void BuildToolBar();
    void ConnectDocumentCommands();
    void ConnectWindowCommands();
    void UpdateFrame();
    void RebuildRecentMenu();
    void RebuildWindowList();
    void ChooseNewType();
    void Open();
    void ArrangeIcons();

    SheetRunnerFactory sheets_;
    MessageSink* sink_;
    AppCommands commands_;
    QMdiArea* area_;
    DocumentManager* documents_;
    PrintCommands* print_;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QList<QAction*> windowActions_;
    QLabel* ready_ = nullptr;
};

}  // namespace tsy::gui
