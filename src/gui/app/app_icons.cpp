#include "gui/app/app_icons.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace tsy::gui {
namespace {

// Drawings on a 16 x 16 grid, scaled to each pixmap size.
void Bullseye(QPainter& p, int cx, int cy, int rings) {
    for (int r = rings; r >= 0; --r) {
        p.fillRect(QRect(cx - r, cy - r, 2 * r + 1, 2 * r + 1), r % 2 ? Qt::black : Qt::white);
    }
}

void Aztec(QPainter& p) {
    p.fillRect(QRect(1, 1, 14, 14), Qt::white);
    // Data modules around the core, fixed so the icon never changes.
    static const char* const rows[] = {
        "x.xx.x.xx.x.x", "..x..x...x.xx", "x...........x", "xx.........x.", ".x..........x",
        "x...........x", "............x", "xx..........x", "x............", ".x..........x",
        "x.x.........x", "..xx.x.x.xx..", "x.x.xx..x.x.x"};
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (rows[y][x] == 'x') p.fillRect(QRect(2 + x, 2 + y, 1, 1), Qt::black);
    Bullseye(p, 8, 8, 4);
}

void Pdf417(QPainter& p) {
    p.fillRect(QRect(0, 2, 16, 12), Qt::white);
    static const char* const rows[] = {"xx.x.xx..x.xx.xx", "xx.xx..x.xx.x.xx", "xx.x..xx.x..xx.x",
                                       "xx.xx.x..xx.x.xx"};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            if (rows[y][x] == 'x') p.fillRect(QRect(x, 3 + 3 * y, 1, 2), Qt::black);
}

void Finder(QPainter& p, int x, int y) {
    p.fillRect(QRect(x, y, 5, 5), Qt::black);
    p.fillRect(QRect(x + 1, y + 1, 3, 3), Qt::white);
    p.fillRect(QRect(x + 2, y + 2, 1, 1), Qt::black);
}

void Qr(QPainter& p) {
    p.fillRect(QRect(1, 1, 14, 14), Qt::white);
    Finder(p, 2, 2);
    Finder(p, 9, 2);
    Finder(p, 2, 9);
    static const int modules[][2] = {{9, 9},   {11, 9},  {10, 10}, {12, 11}, {9, 12},
                                     {11, 12}, {13, 13}, {10, 13}, {8, 8},   {8, 5}};
    for (const auto& m : modules) p.fillRect(QRect(m[0], m[1], 1, 1), Qt::black);
}

void Bars(QPainter& p, const char* pattern, int top, int height) {
    for (int x = 0; pattern[x] != '\0' && x < 16; ++x)
        if (pattern[x] == 'x') p.fillRect(QRect(x, top, 1, height), Qt::black);
}

void Linear(QPainter& p, const char* pattern, const char* label, int size) {
    p.fillRect(QRect(0, 1, 16, 14), Qt::white);
    Bars(p, pattern, 2, 8);
    p.save();
    p.resetTransform();
    QFont font = p.font();
    font.setPixelSize(std::max(6, size * 6 / 16));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, size * 10 / 16, size, size * 6 / 16), Qt::AlignCenter,
               QString::fromLatin1(label));
    p.restore();
}

void Ziggur(QPainter& p) {
    p.fillRect(QRect(0, 1, 16, 14), Qt::white);
    static const char* const layers[] = {"....xx.x..x.....", "..x.xx..x.xx.x..", ".x.xx.x..xx.x.x.",
                                         "x.xx..x.x.xx.x.x"};
    for (int y = 0; y < 4; ++y) Bars(p, layers[y], 2 + 2 * y, 2);
    Bars(p, "x.xx.x.xxx.x.x.x", 10, 4);
}

void Animated(QPainter& p) {
    p.save();
    p.translate(-2, -2);
    p.scale(0.8, 0.8);
    p.translate(6, 6);
    p.setOpacity(0.45);
    Aztec(p);
    p.restore();
    p.save();
    p.scale(0.8, 0.8);
    Aztec(p);
    p.restore();
}

void Printer(QPainter& p) {
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRect(4, 1, 8, 5));
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(QRect(1, 6, 14, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRect(4, 10, 8, 5));
    p.fillRect(QRect(5, 12, 6, 1), Qt::black);
    p.fillRect(QRect(12, 8, 2, 1), QColor(0x30, 0xa0, 0x30));
}

QIcon Drawn(void (*draw)(QPainter&, int)) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.scale(size / 16.0, size / 16.0);
        draw(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon ApplicationIcon() {
    return Drawn([](QPainter& p, int) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x2a, 0x5d, 0x9f));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
        p.setRenderHint(QPainter::Antialiasing, false);
        Aztec(p);
    });
}

QIcon PrinterIcon() {
    return Drawn([](QPainter& p, int) { Printer(p); });
}

QIcon DocumentTypeIcon(DocumentKind kind) {
    switch (kind) {
        case DocumentKind::Aztec:
            return Drawn([](QPainter& p, int) { Aztec(p); });
        case DocumentKind::Ziggur:
            return Drawn([](QPainter& p, int) { Ziggur(p); });
        case DocumentKind::PDF417:
            return Drawn([](QPainter& p, int) { Pdf417(p); });
        case DocumentKind::QR:
            return Drawn([](QPainter& p, int) { Qr(p); });
        case DocumentKind::Code128:
            return Drawn([](QPainter& p, int size) { Linear(p, "xx.x..xxx.x.xx.x", "128", size); });
        case DocumentKind::Code39:
            return Drawn([](QPainter& p, int size) { Linear(p, "x.xx.x..x.xx.x.x", "39", size); });
        case DocumentKind::AztecAnimated:
            return Drawn([](QPainter& p, int) { Animated(p); });
    }
    return {};
}

}  // namespace tsy::gui
