// CChildFrame: the MDI child window of one view of a document.
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

namespace tsy::gui {

class CEncoderView;
class SymbolDocument;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // mayClose decides whether the frame may close (the last view of a modified document asks
    // first) and does the document's closing.
    CChildFrame(std::shared_ptr<SymbolDocument> document,
                std::function<bool(CChildFrame*)> mayClose, QWidget* parent = nullptr);

    SymbolDocument* Document() const { return document_.get(); }
    const std::shared_ptr<SymbolDocument>& SharedDocument() const { return document_; }
    CEncoderView* View() const { return view_; }

    // "Aztec1", or "Aztec1:2" while the document has more than one window.
    void SetViewNumber(int number, int count);
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToPicture(QSize content);
    int TitleWidth() const;
    void UpdateTitle();

    std::shared_ptr<SymbolDocument> document_;
    std::function<bool(CChildFrame*)> mayClose_;
    CEncoderView* view_;
    int number_ = 1;
    int count_ = 1;
};

}  // namespace tsy::gui
