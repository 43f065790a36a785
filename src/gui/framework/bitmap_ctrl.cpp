#include "gui/framework/bitmap_ctrl.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tsy::gui {

PreviewPaint ComputePreviewPaint(int ww, int wh, int w, int h, double sx, double sy) {
    PreviewPaint p;
    int dw = static_cast<int>(w * sx);
    int dh = static_cast<int>(h * sy);
    p.sourceWidth = w;
    p.sourceHeight = h;
    if (ww < dw) {
        p.sourceWidth = sx > 0 ? static_cast<int>(ww / sx) : 0;
        dw = ww;
    }
    if (wh < dh) {
        p.sourceHeight = sy > 0 ? static_cast<int>(wh / sy) : 0;
        dh = wh;
    }
    p.target = QRect(std::max(0, (ww - dw) / 2), std::max(0, (wh - dh) / 2), dw, dh);
    return p;
}

QImage ToQImage(const RgbImage& picture) {
    if (picture.empty() || picture.pixels.size() < picture.rowBytes() * picture.height) return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.row(y), picture.rowBytes());
    return image;
}

CBitmapCtrl::CBitmapCtrl(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QImage CBitmapCtrl::SetBitmap(const QImage& bitmap) {
    QImage previous = bitmap_;
    bitmap_ = bitmap;
    update();
    return previous;
}

QColor CBitmapCtrl::SetBkColor(const QColor& colour) {
    const QColor previous = background_;
    background_ = colour;
    update();
    return previous;
}

void CBitmapCtrl::SetScale(double sx, double sy) {
    scaleX_ = sx;
    scaleY_ = sy;
    fitting_ = false;
    update();
}

void CBitmapCtrl::FitToWindow(bool noEnlarge) {
    fitting_ = true;
    noEnlarge_ = noEnlarge;
    Fit();
}

void CBitmapCtrl::Fit() {
    if (bitmap_.isNull()) return;
    const double fx = static_cast<double>(width()) / bitmap_.width();
    double fy = static_cast<double>(height()) / bitmap_.height();
    if (noEnlarge_) fy = std::min(fy, 1.0);
    scaleX_ = scaleY_ = std::min(fx, fy);
    update();
}

void CBitmapCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitting_) Fit();
}

void CBitmapCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int ww = width();
    const int wh = height();
    const PreviewPaint p =
        ComputePreviewPaint(ww, wh, bitmap_.width(), bitmap_.height(), scaleX_, scaleY_);
    const QRect& t = p.target;
    if (!bitmap_.isNull() && !t.isEmpty())
        painter.drawImage(t, bitmap_, QRect(0, 0, p.sourceWidth, p.sourceHeight));
    if (bitmap_.isNull() || t.isEmpty()) {
        painter.fillRect(rect(), background_);
        return;
    }
    if (t.x() > 0) {
        painter.fillRect(QRect(0, 0, t.x(), wh), background_);
        painter.fillRect(QRect(t.x() + t.width(), 0, ww - t.x() - t.width(), wh), background_);
    }
    if (t.y() > 0) {
        painter.fillRect(QRect(t.x(), 0, t.width(), t.y()), background_);
        painter.fillRect(QRect(t.x(), t.y() + t.height(), t.width(), wh - t.y() - t.height()),
                         background_);
    }
}

}  // namespace tsy::gui
