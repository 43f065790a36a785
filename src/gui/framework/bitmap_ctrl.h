// The preview control: the document's composed picture scaled, centred, margins in a colour the
// page chooses.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include "platform/bitmap.h"

namespace tsy::gui {

// Where a paint puts the picture: the source part drawn and its destination.
struct PreviewPaint {
    int sourceWidth = 0;
    int sourceHeight = 0;
    QRect target;  // x, y, dw, dh
};

// The paint rule for a ww x wh window, a W x H picture and scales sx, sy: the destination is
// cut to the window (and the source with it), then centred.
PreviewPaint ComputePreviewPaint(int ww, int wh, int w, int h, double sx, double sy);

// A copy of the document's picture for Qt; a null image for an empty picture.
QImage ToQImage(const RgbImage& picture);

class CBitmapCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapCtrl(QWidget* parent = nullptr);

    // The control keeps its own copy: a failed rebuild clears the document's picture but the
    // preview keeps showing the last one.
    QImage SetBitmap(const QImage& bitmap);
    QColor SetBkColor(const QColor& colour);
    void SetScale(double sx, double sy);
    // Uniform scale that fits the window; noEnlarge caps the vertical fit at 1. Redone when the
    // control is resized, since layouts size it only after the first build.
    void FitToWindow(bool noEnlarge);

    const QImage& Bitmap() const { return bitmap_; }
    QColor BkColor() const { return background_; }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

    QSize sizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QImage bitmap_;
    QColor background_{255, 255, 255};
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    bool fitting_ = false;
    bool noEnlarge_ = true;
};

}  // namespace tsy::gui
