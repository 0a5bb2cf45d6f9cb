#include "ui/print/preview_icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace zm {
namespace {

constexpr int kSize = 32;

// The outlines in the palette's text colour, so they read on a light and a dark toolbar alike.
QColor Ink() {
    return QGuiApplication::palette().color(QPalette::WindowText);
}

template <typename Draw> QIcon Drawn(Draw draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink(), 2));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void Sheet(QPainter& painter, const QRectF& r) {
    painter.setBrush(Qt::white);
    painter.drawRect(r);
    painter.setPen(QPen(QColor(120, 120, 120), 1.5));
    for (double y = r.top() + 5; y < r.bottom() - 3; y += 4)
        painter.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    painter.setPen(QPen(Ink(), 2));
}

} // namespace

QIcon PrinterIcon() {
    return Drawn([](QPainter& p) {
        Sheet(p, QRectF(9, 3, 14, 12));
        p.setBrush(QColor(190, 190, 190));
        p.drawRoundedRect(QRectF(3, 13, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
    });
}

QIcon PagesIcon(int pages) {
    return Drawn([pages](QPainter& p) {
        if (pages == 2) {
            Sheet(p, QRectF(2, 5, 13, 22));
            Sheet(p, QRectF(17, 5, 13, 22));
        } else {
            Sheet(p, QRectF(8, 4, 16, 24));
        }
    });
}

QIcon MagnifierIcon(bool zoomIn) {
    return Drawn([zoomIn](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Ink(), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        p.setPen(QPen(Ink(), 2));
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        if (zoomIn) p.drawLine(QPointF(12, 7), QPointF(12, 17));
    });
}

} // namespace zm
