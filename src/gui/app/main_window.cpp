#include "gui/app/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

#include "gui/app/about_dialog.h"
#include "gui/app/app_icons.h"
#include "gui/app/child_frame.h"
#include "gui/app/export_commands.h"
#include "gui/app/new_type_dialog.h"
#include "gui/app/print_commands.h"
#include "gui/app/symbol_document.h"
#include "gui/pages/document_commands.h"
#include "platform/profile.h"
#include "symbologies/document_types.h"

namespace tsy::gui {
namespace {

constexpr std::u16string_view kSettings = u"Settings";
constexpr std::u16string_view kTabbed = u"TabbedView";

struct NewCommand {
    Command command;
    DocumentKind kind;
};

// The File menu's order; the animated type is on the toolbar only.
constexpr NewCommand kNewCommands[] = {
    {Command::NewAztec, DocumentKind::Aztec},
    {Command::NewCode128, DocumentKind::Code128},
    {Command::NewCode39, DocumentKind::Code39},
    {Command::NewZiggur, DocumentKind::Ziggur},
    {Command::NewPDF417, DocumentKind::PDF417},
    {Command::NewQR, DocumentKind::QR},
    {Command::NewAnimated, DocumentKind::AztecAnimated},
};

}  // namespace

CMainFrame::CMainFrame(SheetRunnerFactory sheets, MessageSink* sink, QWidget* parent)
    : QMainWindow(parent),
      sheets_(std::move(sheets)),
      sink_(sink),
      commands_(this),
      area_(new QMdiArea),
      documents_(new DocumentManager(area_, sheets_, sink_)),
      print_(new PrintCommands(this, sink_)) {
    setWindowTitle(QStringLiteral("Tessaly"));
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    area_->setDocumentMode(true);
    area_->setTabsClosable(true);
    area_->setTabsMovable(true);
    area_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(area_);
    BuildMenus();
    BuildToolBar();
    ready_ = new QLabel(QStringLiteral("Ready"));
    statusBar()->addWidget(ready_, 1);
    ConnectDocumentCommands();
    ConnectWindowCommands();
    SetTabbedView(GetProfileInt(kSettings, kTabbed, 1) != 0);
    RebuildRecentMenu();
    UpdateFrame();
    resize(900, 640);
    RouteSheetCommands();
}

// The child windows die with the MDI area; the frame no longer follows them by then.
CMainFrame::~CMainFrame() {
    SetDocumentCommandRoutes({});
    disconnect(documents_, nullptr, this, nullptr);
    disconnect(area_, nullptr, this, nullptr);
}

// The message page's Save As and Export buttons act as the menu commands do on an open
// document, so its window learns its new file; a document still being created has no window.
void CMainFrame::RouteSheetCommands() {
    const auto windowOf = [this](const CEncoderDoc& doc) -> SymbolDocument* {
        for (SymbolDocument* document : documents_->Documents())
            if (&document->Doc() == &doc) return document;
        return nullptr;
    };
    SetDocumentCommandRoutes({[this, windowOf](CEncoderDoc& doc) {
                                  if (SymbolDocument* document = windowOf(doc))
                                      ExportAsBitmap(*document, this, sink_);
                                  else
                                      ExportAsBitmap(doc, this, sink_);
                              },
                              [this, windowOf](CEncoderDoc& doc) {
                                  if (SymbolDocument* document = windowOf(doc))
                                      documents_->SaveAs(document);
                                  else
                                      SaveDocumentAs(doc, this, sink_);
                              }});
}

void CMainFrame::BuildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    for (const NewCommand& n : kNewCommands)
        if (n.command != Command::NewAnimated) fileMenu_->addAction(commands_[n.command]);
    fileMenu_->addAction(commands_[Command::Open]);
    fileMenu_->addAction(commands_[Command::Close]);
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_[Command::Save]);
    fileMenu_->addAction(commands_[Command::SaveAs]);
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_[Command::ExportBitmap]);
    fileMenu_->addAction(commands_[Command::ExportMetafile]);
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_[Command::Print]);
    fileMenu_->addAction(commands_[Command::PrintPreview]);
    fileMenu_->addAction(commands_[Command::PrintSetup]);
    fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(commands_[Command::Exit]);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->addAction(commands_[Command::SymbolInformation]);
    editMenu_->addAction(commands_[Command::CopyBitmap]);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(commands_[Command::ToolBar]);
    view->addAction(commands_[Command::StatusBar]);
    view->addAction(commands_[Command::TabbedView]);

    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
    windowMenu_->addAction(commands_[Command::NewWindow]);
    windowMenu_->addAction(commands_[Command::Cascade]);
    windowMenu_->addAction(commands_[Command::Tile]);
    windowMenu_->addAction(commands_[Command::ArrangeIcons]);
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::RebuildWindowList);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(commands_[Command::AboutCommandline]);
    help->addAction(commands_[Command::About]);

    // Accelerators without a menu entry.
    for (Command c : {Command::New, Command::NextPane, Command::PreviousPane})
        addAction(commands_[c]);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Tessaly ToolBar"));
    toolBar_->setObjectName(QStringLiteral("TessalyToolBar"));
    toolBar_->addAction(commands_[Command::NewAnimated]);
    toolBar_->addSeparator();
    for (Command c : {Command::NewAztec, Command::NewZiggur, Command::NewPDF417, Command::NewQR,
                      Command::NewCode128, Command::NewCode39})
        toolBar_->addAction(commands_[c]);
    toolBar_->addSeparator();
    toolBar_->addAction(commands_[Command::SymbolInformation]);
    toolBar_->addSeparator();
    toolBar_->addAction(commands_[Command::Open]);
    // Save and Print leave the File menu while no document is open, but their buttons stay
    // (disabled), so the toolbar does not change shape.
    for (Command c : {Command::Save, Command::Print}) {
        QAction* command = commands_[c];
        auto* button = new QAction(command->icon(), command->text(), this);
        button->setToolTip(command->toolTip());
        button->setStatusTip(command->statusTip());
        connect(button, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QAction::setEnabled);
        toolBar_->addAction(button);
    }
    toolBar_->addAction(commands_[Command::About]);
}

// Commands on the active document: nothing happens without one.
void CMainFrame::ConnectDocumentCommands() {
    const struct {
        Command command;
        std::function<void(SymbolDocument&)> run;
    } onDocument[] = {
        {Command::Close, [this](SymbolDocument& d) { documents_->CloseDocument(&d); }},
        {Command::Save, [this](SymbolDocument& d) { documents_->Save(&d); }},
        {Command::SaveAs, [this](SymbolDocument& d) { documents_->SaveAs(&d); }},
        {Command::ExportBitmap, [this](SymbolDocument& d) { ExportAsBitmap(d, this, sink_); }},
        {Command::ExportMetafile, [this](SymbolDocument& d) { ExportAsMetafile(d, this, sink_); }},
        {Command::CopyBitmap, [this](SymbolDocument& d) { CopyBitmapToClipboard(d, sink_); }},
        {Command::Print, [this](SymbolDocument& d) { print_->Print(d); }},
        {Command::PrintPreview, [this](SymbolDocument& d) { print_->PrintPreview(d); }},
        {Command::SymbolInformation, [this](SymbolDocument& d) { documents_->EditSymbol(&d); }},
        {Command::NewWindow, [this](SymbolDocument& d) { documents_->NewWindow(&d); }},
    };
    for (const auto& entry : onDocument) {
        connect(commands_[entry.command], &QAction::triggered, this, [this, run = entry.run] {
            if (SymbolDocument* document = documents_->ActiveDocument()) run(*document);
        });
    }
    for (const NewCommand& n : kNewCommands) {
        connect(commands_[n.command], &QAction::triggered, this,
                [this, kind = n.kind] { documents_->NewDocument(kind); });
    }
    connect(commands_[Command::New], &QAction::triggered, this, &CMainFrame::ChooseNewType);
    connect(commands_[Command::Open], &QAction::triggered, this, &CMainFrame::Open);
    connect(commands_[Command::PrintSetup], &QAction::triggered, print_,
            &PrintCommands::PrintSetup);
    connect(commands_[Command::Exit], &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::ConnectWindowCommands() {
    QAction* toolBarToggle = commands_[Command::ToolBar];
    toolBarToggle->setChecked(true);
    connect(toolBarToggle, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toolBarToggle, &QAction::setChecked);
    QAction* statusToggle = commands_[Command::StatusBar];
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(commands_[Command::TabbedView], &QAction::triggered, this, &CMainFrame::SetTabbedView);
    connect(commands_[Command::Cascade], &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
    connect(commands_[Command::Tile], &QAction::triggered, area_, &QMdiArea::tileSubWindows);
    connect(commands_[Command::ArrangeIcons], &QAction::triggered, this, &CMainFrame::ArrangeIcons);
    connect(commands_[Command::NextPane], &QAction::triggered, area_,
            &QMdiArea::activateNextSubWindow);
    connect(commands_[Command::PreviousPane], &QAction::triggered, area_,
            &QMdiArea::activatePreviousSubWindow);
    connect(commands_[Command::AboutCommandline], &QAction::triggered, this, [this] {
        CCommandLineHelpDlg help(this);
        help.exec();
    });
    connect(commands_[Command::About], &QAction::triggered, this, [this] {
        CAboutDlg about(this);
        about.exec();
    });

    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateFrame);
    connect(documents_, &DocumentManager::DocumentsChanged, this, &CMainFrame::UpdateFrame);
    connect(documents_, &DocumentManager::RecentFilesChanged, this, &CMainFrame::RebuildRecentMenu);
}

// The title follows the active document; the document commands and the Edit and Window menus
// exist only while a document is open, as the frame without documents has none.
void CMainFrame::UpdateFrame() {
    CChildFrame* frame = documents_->ActiveFrame();
    if (frame) {
        setWindowTitle(QStringLiteral("Tessaly - ") + frame->windowTitle());
        setWindowModified(frame->Document()->IsModified());
        disconnect(frame->Document(), &SymbolDocument::TitleChanged, this, nullptr);
        connect(frame->Document(), &SymbolDocument::TitleChanged, this, &CMainFrame::UpdateFrame,
                Qt::UniqueConnection);
    } else {
        setWindowTitle(QStringLiteral("Tessaly"));
        setWindowModified(false);
    }
    const bool open = frame != nullptr;
    for (Command c : {Command::Close, Command::Save, Command::SaveAs, Command::ExportBitmap,
                      Command::ExportMetafile, Command::Print, Command::PrintPreview}) {
        commands_[c]->setVisible(open);
        commands_[c]->setEnabled(open);
    }
    commands_[Command::SymbolInformation]->setEnabled(open);
    commands_[Command::CopyBitmap]->setEnabled(open);
    editMenu_->menuAction()->setVisible(open);
    windowMenu_->menuAction()->setVisible(open);
}

void CMainFrame::RebuildRecentMenu() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const QStringList& files = documents_->RecentFiles().Files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(RecentFileMenuText(files, i), this);
        action->setStatusTip(QStringLiteral("Open this document"));
        action->setToolTip(files[i]);
        connect(action, &QAction::triggered, this,
                [this, path = files[i]] { documents_->OpenFile(path); });
        recentActions_ << action;
    }
    if (recentActions_.isEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("Recent File"), this);
        placeholder->setEnabled(false);
        recentActions_ << placeholder;
    }
    for (QAction* action : recentActions_) fileMenu_->insertAction(exitSeparator_, action);
}

void CMainFrame::RebuildWindowList() {
    for (QAction* action : windowActions_) {
        windowMenu_->removeAction(action);
        action->deleteLater();
    }
    windowActions_.clear();
    const auto windows = area_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowActions_ << windowMenu_->addSeparator();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        QString title = window->windowTitle().remove(QStringLiteral("[*]"));
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(title));
        action->setCheckable(true);
        action->setChecked(window == area_->activeSubWindow());
        connect(action, &QAction::triggered, this,
                [this, window] { area_->setActiveSubWindow(window); });
        windowActions_ << action;
    }
}

void CMainFrame::SetTabbedView(bool tabbed) {
    area_->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    commands_[Command::TabbedView]->setChecked(tabbed);
    commands_[Command::Cascade]->setEnabled(!tabbed);
    commands_[Command::Tile]->setEnabled(!tabbed);
    commands_[Command::ArrangeIcons]->setEnabled(!tabbed);
    if (!tabbed) {
        for (QMdiSubWindow* window : area_->subWindowList()) {
            if (auto* frame = qobject_cast<CChildFrame*>(window)) {
                frame->showNormal();
                frame->adjustSize();
            }
        }
        area_->cascadeSubWindows();
    }
    WriteProfileInt(kSettings, kTabbed, tabbed ? 1 : 0);
}

void CMainFrame::ChooseNewType() {
    CNewTypeDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<DocumentKind> kind = dialog.Chosen()) documents_->NewDocument(*kind);
}

void CMainFrame::Open() {
    QFileDialog dialog(this, QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(DocumentManager::OpenFilters());
    if (dialog.exec() != QDialog::Accepted) return;
    OpenFiles(dialog.selectedFiles());
}

void CMainFrame::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths) documents_->OpenFile(path);
}

// Minimised windows in a row along the bottom of the client area.
void CMainFrame::ArrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(x, area_->viewport()->height() - window->height());
        x += window->width();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!documents_->CloseAll()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    OpenFiles(paths);
}

}  // namespace tsy::gui
