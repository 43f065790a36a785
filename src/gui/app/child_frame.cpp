#include "gui/app/child_frame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStyle>
#include <utility>

#include "gui/app/app_icons.h"
#include "gui/app/encoder_view.h"
#include "gui/app/symbol_document.h"

namespace tsy::gui {

CChildFrame::CChildFrame(std::shared_ptr<SymbolDocument> document,
                         std::function<bool(CChildFrame*)> mayClose, QWidget* parent)
    : QMdiSubWindow(parent),
      document_(std::move(document)),
      mayClose_(std::move(mayClose)),
      view_(new CEncoderView(document_.get())) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowIcon(DocumentTypeIcon(document_->Doc().Kind()));
    connect(view_, &CEncoderView::FitRequested, this, &CChildFrame::FitToPicture);
    connect(document_.get(), &SymbolDocument::TitleChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
}

void CChildFrame::SetViewNumber(int number, int count) {
    number_ = number;
    count_ = count;
    UpdateTitle();
}

void CChildFrame::UpdateTitle() {
    QString title = document_->Title();
    if (count_ > 1) title += QStringLiteral(":%1").arg(number_);
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(document_->IsModified());
}

// The child window grows or shrinks to the picture, within the frame's client area.
void CChildFrame::FitToPicture(QSize content) {
    if (isMaximized() || isMinimized()) return;
    if (content.isEmpty()) content = view_->sizeHint();
    const QSize chrome = size() - view_->viewport()->size();
    QSize wanted = content + chrome;
    if (QMdiArea* area = mdiArea()) {
        if (area->viewMode() == QMdiArea::TabbedView) return;
        wanted = wanted.boundedTo(area->viewport()->size());
    }
    // Never so narrow that the title and the window buttons no longer fit.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int titleWidth =
        fontMetrics().horizontalAdvance(windowTitle().remove(QStringLiteral("[*]"))) + 5 * titleBar;
    resize(wanted.expandedTo(minimumSizeHint()).expandedTo(QSize(titleWidth, 0)));
}

// Never so narrow that the title and the window buttons no longer fit.
int CChildFrame::TitleWidth() const {
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return fontMetrics().horizontalAdvance(windowTitle().remove(QStringLiteral("[*]"))) +
           5 * titleBar;
}

QSize CChildFrame::sizeHint() const {
    return QMdiSubWindow::sizeHint().expandedTo(QSize(TitleWidth(), 0));
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace tsy::gui
