#include "ui/timers/timer_images.h"

#include <QPainter>
#include <QPainterPath>

namespace zm {
namespace {

const QColor kInk(0, 0, 0);
const QColor kGo(0, 128, 0);
const QColor kHalt(192, 0, 0);

void Draw(QPainter& p, TimerImage image) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case TimerImage::Start: {
        QPainterPath path;
        path.moveTo(2, 1);
        path.lineTo(9, 5);
        path.lineTo(2, 9);
        path.closeSubpath();
        p.fillPath(path, kGo);
        break;
    }
    case TimerImage::Stop:
        p.fillRect(QRectF(2, 2, 6, 6), kHalt);
        break;
    case TimerImage::Pause:
        p.fillRect(QRectF(2, 1, 2.5, 8), kInk);
        p.fillRect(QRectF(5.5, 1, 2.5, 8), kInk);
        break;
    case TimerImage::Reset: {
        p.setPen(QPen(kInk, 1.4));
        p.drawArc(QRectF(1.5, 1.5, 7, 7), 90 * 16, 270 * 16);
        QPainterPath head;
        head.moveTo(5, 0);
        head.lineTo(8, 2);
        head.lineTo(5, 4);
        head.closeSubpath();
        p.fillPath(head, kInk);
        break;
    }
    case TimerImage::Ok:
        p.setPen(QPen(kGo, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(1.5, 5), QPointF(4, 8), QPointF(8.5, 2)}));
        break;
    case TimerImage::Cancel:
        p.setPen(QPen(kHalt, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 2), QPointF(8, 8));
        p.drawLine(QPointF(8, 2), QPointF(2, 8));
        break;
    case TimerImage::Setup:
        p.setPen(QPen(kInk, 1.2));
        for (double y : {2.5, 5.0, 7.5})
            p.drawLine(QPointF(1, y), QPointF(9, y));
        p.setBrush(kInk);
        p.drawRect(QRectF(2, 1.5, 2, 2));
        p.drawRect(QRectF(6, 4, 2, 2));
        p.drawRect(QRectF(3.5, 6.5, 2, 2));
        break;
    }
}

} // namespace

QPixmap TimerImagePixmap(TimerImage image) {
    QPixmap pixmap(kTimerImageSize, kTimerImageSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    Draw(p, image);
    return pixmap;
}

QIcon TimerImageIcon(TimerImage image) {
    return QIcon(TimerImagePixmap(image));
}

} // namespace zm
