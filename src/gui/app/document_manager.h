// The documents of the window program: New through the symbology's sheet, Open, Save, Save As,
// New Window and closing, with the recent-file list. One child frame per view.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "document/document_kind.h"
#include "gui/app/recent_files.h"

class QMdiArea;
class QWidget;

namespace tsy {
class MessageSink;
class SheetRunner;
}  // namespace tsy

namespace tsy::gui {

class CChildFrame;
class SymbolDocument;

// Makes the sheet runner that shows a document's property sheet over parent.
using SheetRunnerFactory = std::function<std::unique_ptr<SheetRunner>(QWidget* parent)>;
// Asks whether a modified document is saved before it closes: Yes, No or Cancel.
using SavePrompt = std::function<QMessageBox::StandardButton(const QString& title)>;

class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(QMdiArea* area, SheetRunnerFactory sheets, MessageSink* sink);
    ~DocumentManager() override;

    void SetSavePrompt(SavePrompt prompt) { savePrompt_ = std::move(prompt); }

    // New document of a type: the sheet runs first; cancelling abandons it (null).
    SymbolDocument* NewDocument(DocumentKind kind);
    // Opens a document file in a new window, or activates its window when it is open already.
    SymbolDocument* OpenFile(const QString& path);
    bool Save(SymbolDocument* document);
    // Asks for a name with the type's filter, then saves there.
    bool SaveAs(SymbolDocument* document);
    bool SaveTo(SymbolDocument* document, const QString& path);
    // "Symbol Information...": the sheet over the document; cancel restores it.
    void EditSymbol(SymbolDocument* document);
    // Another window on the active document.
    CChildFrame* NewWindow(SymbolDocument* document);
    // Closes every window of the document (asking to save first); false when the user kept it.
    bool CloseDocument(SymbolDocument* document);
    // Asks about every modified document first; closes all only when none was kept.
    bool CloseAll();

    SymbolDocument* ActiveDocument() const;
    CChildFrame* ActiveFrame() const;
    std::vector<SymbolDocument*> Documents() const;
    RecentFileList& RecentFiles() { return recent_; }
    MessageSink* Sink() const { return sink_; }

    // The Open dialog's filters: each type's in start-up order, then all files.
    static QStringList OpenFilters();
    // The Save As filter of one type, then all files.
    static QStringList SaveFilters(DocumentKind kind);

signals:
    void RecentFilesChanged();
    void DocumentsChanged();

private:
    CChildFrame* AddFrame(const std::shared_ptr<SymbolDocument>& document);
    bool MayCloseFrame(CChildFrame* frame);
    // The modified question: false when the user cancelled or the save failed.
    bool SaveModified(SymbolDocument* document);
    void Renumber(SymbolDocument* document);
    std::vector<CChildFrame*> FramesOf(const SymbolDocument* document) const;

    QMdiArea* area_;
    SheetRunnerFactory sheets_;
    MessageSink* sink_;
    SavePrompt savePrompt_;
    RecentFileList recent_;
    std::map<DocumentKind, int> untitled_;
    // Asked about already while their windows close.
    std::set<const SymbolDocument*> answered_;
};

}  // namespace tsy::gui
