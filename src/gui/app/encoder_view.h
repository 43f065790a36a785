// CEncoderView: a document's picture drawn 1:1 on white in a scrolling window.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>

#include "gui/app/symbol_device_size.h"

class QPainter;

namespace tsy::gui {

class SymbolDocument;

class CEncoderView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CEncoderView(SymbolDocument* document, QWidget* parent = nullptr);

    SymbolDocument* Document() const { return document_; }
    // The scroll range: the picture's size with the horizontal scale taken out.
    QSize ContentSize() const;
    QSize sizeHint() const override;

signals:
    // A double click runs "Symbol Information...".
    void SymbolInformationRequested();
    // After an update the child window fits the picture; size is the content size.
    void FitRequested(QSize size);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void OnInitialUpdate();
    void OnUpdate();
    void UpdateScrollBars();

    SymbolDocument* document_;
    bool initialised_ = false;
    QPoint pressAt_;
    bool pressed_ = false;
};

// Fills target with white and stretches the picture to (0, 0, size.width / HorizontalScale,
// size.height), dropping rows and columns rather than blending; the picture's own size when that
// rectangle is empty. Screen, printer and preview draw through here.
void DrawSymbol(QPainter& painter, const SymbolDocument& document, DeviceSize size,
                const QRect& target);

}  // namespace tsy::gui
