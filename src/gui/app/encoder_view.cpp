#include "gui/app/encoder_view.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "gui/app/symbol_document.h"

namespace tsy::gui {

CEncoderView::CEncoderView(SymbolDocument* document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(document_, &SymbolDocument::Updated, this, &CEncoderView::OnUpdate);
}

QSize CEncoderView::ContentSize() const {
    const DeviceSize size = SymbolDeviceSize(document_->Doc());
    const int64_t scale = std::max<int64_t>(1, document_->Doc().HorizontalScale());
    return {static_cast<int>(std::min<int64_t>(size.width / scale, QWIDGETSIZE_MAX)),
            static_cast<int>(std::min<int64_t>(size.height, QWIDGETSIZE_MAX))};
}

QSize CEncoderView::sizeHint() const {
    const QSize content = ContentSize();
    return content.isEmpty() ? QSize(200, 120) : content;
}

void CEncoderView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!initialised_) OnInitialUpdate();
}

// An opened file shows a freshly built picture, not the stored one.
void CEncoderView::OnInitialUpdate() {
    initialised_ = true;
    document_->Doc().BuildSymbol();
    document_->UpdateAllViews();
}

void CEncoderView::OnUpdate() {
    UpdateScrollBars();
    emit FitRequested(ContentSize());
    viewport()->update();
}

void CEncoderView::UpdateScrollBars() {
    const QSize content = ContentSize();
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - page.height()));
    verticalScrollBar()->setPageStep(page.height());
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 10));
}

void CEncoderView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CEncoderView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CEncoderView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QRect visible =
        viewport()->rect().translated(horizontalScrollBar()->value(), verticalScrollBar()->value());
    DrawSymbol(painter, *document_, SymbolDeviceSize(document_->Doc()), visible);
}

void CEncoderView::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    if (event->button() == Qt::LeftButton) emit SymbolInformationRequested();
}

void CEncoderView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressAt_ = event->position().toPoint();
    QAbstractScrollArea::mousePressEvent(event);
}

// Dragging the picture out hands it to the target as an image.
void CEncoderView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - pressAt_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    pressed_ = false;
    const QImage& image = document_->Image();
    if (image.isNull()) return;
    auto* mime = new QMimeData;
    mime->setImageData(image);
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(QPixmap::fromImage(image).scaled(96, 96, Qt::KeepAspectRatio));
    drag->exec(Qt::CopyAction);
}

void DrawSymbol(QPainter& painter, const SymbolDocument& document, DeviceSize size,
                const QRect& target) {
    painter.fillRect(target, Qt::white);
    const QImage& image = document.Image();
    if (image.isNull()) return;
    const int64_t scale = std::max<int64_t>(1, document.Doc().HorizontalScale());
    QRect rect(0, 0, static_cast<int>(std::min<int64_t>(size.width / scale, QWIDGETSIZE_MAX)),
               static_cast<int>(std::min<int64_t>(size.height, QWIDGETSIZE_MAX)));
    if (rect.isEmpty()) rect = image.rect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect, image);
}

}  // namespace tsy::gui
