#include "gui/app/document_manager.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "document/archive.h"
#include "document/sheet_runner.h"
#include "gui/app/child_frame.h"
#include "gui/app/encoder_view.h"
#include "gui/app/symbol_document.h"
#include "gui/framework/qt_text.h"
#include "platform/message_sink.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "symbologies/edit_symbol.h"

namespace tsy::gui {
namespace {

// "Aztec Barcode (*.azt)" as a dialog filter; Qt reads the pattern in the parentheses.
QString TypeFilter(const DocumentType& type) {
    return ToQ(type.filterName);
}

// Set on a frame whose close was accepted: it no longer counts as a window of its document.
constexpr char kClosing[] = "tsyClosing";

const QString kAllFiles = QStringLiteral("All Files (*)");

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace

DocumentManager::DocumentManager(QMdiArea* area, SheetRunnerFactory sheets, MessageSink* sink)
    : QObject(area), area_(area), sheets_(std::move(sheets)), sink_(sink) {
    savePrompt_ = [area](const QString& title) {
        return QMessageBox::question(area->window(), QApplication::applicationDisplayName(),
                                     QStringLiteral("Save changes to %1?").arg(title),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
}

DocumentManager::~DocumentManager() = default;

QStringList DocumentManager::OpenFilters() {
    QStringList filters;
    for (const DocumentType& type : DocumentTypes()) filters << TypeFilter(type);
    filters << kAllFiles;
    return filters;
}

QStringList DocumentManager::SaveFilters(DocumentKind kind) {
    return {TypeFilter(FindDocumentType(kind)), kAllFiles};
}

SymbolDocument* DocumentManager::NewDocument(DocumentKind kind) {
    std::unique_ptr<CEncoderDoc> doc = CreateDocument(kind);
    if (!doc) return nullptr;
    const std::unique_ptr<SheetRunner> runner = sheets_(area_->window());
    if (!doc->OnNewDocument(runner.get())) return nullptr;
    const int number = ++untitled_[kind];
    auto document = std::make_shared<SymbolDocument>(
        std::move(doc), ToQ(FindDocumentType(kind).docName) + QString::number(number));
    AddFrame(document);
    emit DocumentsChanged();
    return document.get();
}

SymbolDocument* DocumentManager::OpenFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    for (SymbolDocument* open : Documents()) {
        const std::vector<CChildFrame*> frames = FramesOf(open);
        if (open->Path() == full && !frames.empty()) {
            area_->setActiveSubWindow(frames.front());
            return open;
        }
    }
    std::string error;
    std::unique_ptr<CEncoderDoc> doc = OpenDocument(FsPath(full), &error);
    if (!doc) {
        if (error.empty()) error = kFailedToOpenDocument;
        ShowMessage(sink_, QString::fromStdString(error).toStdU16String());
        recent_.Remove(full);
        emit RecentFilesChanged();
        return nullptr;
    }
    auto document = std::make_shared<SymbolDocument>(std::move(doc), QString());
    document->SetPath(full);
    AddFrame(document);
    recent_.Add(full);
    emit RecentFilesChanged();
    emit DocumentsChanged();
    return document.get();
}

bool DocumentManager::Save(SymbolDocument* document) {
    if (!document) return false;
    if (document->Path().isEmpty()) return SaveAs(document);
    return SaveTo(document, document->Path());
}

bool DocumentManager::SaveAs(SymbolDocument* document) {
    if (!document) return false;
    const DocumentType& type = document->Doc().Type();
    QFileDialog dialog(area_->window(), QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(SaveFilters(document->Doc().Kind()));
    dialog.setDefaultSuffix(ToQ(type.extension).mid(1));
    dialog.selectFile(document->Path().isEmpty() ? document->Title() + ToQ(type.extension)
                                                 : document->Path());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return SaveTo(document, dialog.selectedFiles().front());
}

bool DocumentManager::SaveTo(SymbolDocument* document, const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    std::string error;
    if (!SaveDocument(document->Doc(), FsPath(full), &error)) {
        if (error.empty()) error = kFailedToSaveDocument;
        ShowMessage(sink_, QString::fromStdString(error).toStdU16String());
        return false;
    }
    document->SetPath(full);
    document->SetModified(false);
    recent_.Add(full);
    emit RecentFilesChanged();
    return true;
}

void DocumentManager::EditSymbol(SymbolDocument* document) {
    if (!document) return;
    const std::unique_ptr<SheetRunner> runner = sheets_(area_->window());
    bool modified = false;
    tsy::EditSymbol(document->Doc(), *runner, &modified);
    if (modified) document->SetModified(true);
    document->UpdateAllViews();
}

CChildFrame* DocumentManager::NewWindow(SymbolDocument* document) {
    if (!document) return nullptr;
    const std::vector<CChildFrame*> frames = FramesOf(document);
    return frames.empty() ? nullptr : AddFrame(frames.front()->SharedDocument());
}

bool DocumentManager::CloseDocument(SymbolDocument* document) {
    if (!SaveModified(document)) return false;
    answered_.insert(document);
    bool closed = true;
    for (CChildFrame* frame : FramesOf(document)) closed = closed && frame->close();
    answered_.erase(document);
    return closed;
}

bool DocumentManager::CloseAll() {
    const std::vector<SymbolDocument*> documents = Documents();
    for (SymbolDocument* document : documents) {
        if (!SaveModified(document)) return false;
    }
    answered_.insert(documents.begin(), documents.end());
    area_->closeAllSubWindows();
    answered_.clear();
    return Documents().empty();
}

bool DocumentManager::SaveModified(SymbolDocument* document) {
    if (!document->IsModified()) return true;
    const QMessageBox::StandardButton answer = savePrompt_(document->Title());
    if (answer == QMessageBox::Cancel) return false;
    return answer != QMessageBox::Yes || Save(document);
}

CChildFrame* DocumentManager::AddFrame(const std::shared_ptr<SymbolDocument>& document) {
    auto* frame = new CChildFrame(document, [this](CChildFrame* f) { return MayCloseFrame(f); });
    connect(frame->View(), &CEncoderView::SymbolInformationRequested, this,
            [this, doc = document.get()] { EditSymbol(doc); });
    connect(frame, &QObject::destroyed, this, [this] { emit DocumentsChanged(); });
    area_->addSubWindow(frame);
    Renumber(document.get());
    frame->show();
    if (area_->viewMode() == QMdiArea::SubWindowView) {
        // New windows cascade from the top left, as the framework places them.
        const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
        const int index = static_cast<int>(area_->subWindowList().size() - 1) % 8;
        frame->move(index * step, index * step);
    }
    area_->setActiveSubWindow(frame);
    return frame;
}

// Only the last window of a document closes the document: the modified question, then the
// document's closing writes its settings to the profile (the last one closed wins).
bool DocumentManager::MayCloseFrame(CChildFrame* frame) {
    SymbolDocument* document = frame->Document();
    const std::vector<CChildFrame*> frames = FramesOf(document);
    if (frames.size() > 1) {
        frame->setProperty(kClosing, true);
        Renumber(document);
        return true;
    }
    if (answered_.count(document) == 0 && !SaveModified(document)) return false;
    document->Doc().OnCloseDocument();
    frame->setProperty(kClosing, true);
    return true;
}

void DocumentManager::Renumber(SymbolDocument* document) {
    const std::vector<CChildFrame*> frames = FramesOf(document);
    int number = 0;
    for (CChildFrame* frame : frames)
        frame->SetViewNumber(++number, static_cast<int>(frames.size()));
}

std::vector<CChildFrame*> DocumentManager::FramesOf(const SymbolDocument* document) const {
    std::vector<CChildFrame*> frames;
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->Document() == document && !frame->property(kClosing).toBool())
            frames.push_back(frame);
    }
    return frames;
}

SymbolDocument* DocumentManager::ActiveDocument() const {
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->Document() : nullptr;
}

CChildFrame* DocumentManager::ActiveFrame() const {
    QMdiSubWindow* active = area_->activeSubWindow();
    if (!active) {
        const auto list = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
        if (!list.isEmpty()) active = list.back();
    }
    return qobject_cast<CChildFrame*>(active);
}

std::vector<SymbolDocument*> DocumentManager::Documents() const {
    std::vector<SymbolDocument*> documents;
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (!frame || frame->property(kClosing).toBool()) continue;
        if (std::find(documents.begin(), documents.end(), frame->Document()) == documents.end())
            documents.push_back(frame->Document());
    }
    return documents;
}

}  // namespace tsy::gui
