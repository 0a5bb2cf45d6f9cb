#include "ui/reminder/caption_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace zm {

QPixmap CaptionGlyphPixmap(CaptionGlyph glyph, const QColor& colour, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(kGlyphWidth, kGlyphHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, glyph == CaptionGlyph::Recurring);
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    switch (glyph) {
    case CaptionGlyph::PinReleased: // a pin lying on its side
        p.drawLine(1, 5, 4, 5);
        p.setBrush(Qt::NoBrush);
        p.drawRect(4, 2, 5, 6);
        p.drawLine(9, 2, 9, 8);
        p.drawLine(10, 1, 10, 9);
        p.drawLine(5, 6, 8, 6);
        break;
    case CaptionGlyph::PinPressed: // the pin seen from above, pushed in
        p.drawLine(6, 6, 6, 9);
        p.setBrush(Qt::NoBrush);
        p.drawRect(3, 1, 6, 4);
        p.drawLine(2, 5, 10, 5);
        p.drawLine(7, 2, 7, 4);
        break;
    case CaptionGlyph::Minimise:
        p.drawRect(3, 7, 6, 1);
        break;
    case CaptionGlyph::Collapse: {
        const QPoint up[] = {{2, 7}, {10, 7}, {6, 3}};
        p.drawPolygon(up, 3);
        break;
    }
    case CaptionGlyph::Expand: {
        const QPoint down[] = {{2, 3}, {10, 3}, {6, 7}};
        p.drawPolygon(down, 3);
        break;
    }
    case CaptionGlyph::Recurring: { // two arrows chasing each other round
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1.3));
        p.drawArc(QRectF(2.5, 1, 8, 8), 30 * 16, 150 * 16);
        p.drawArc(QRectF(2.5, 1, 8, 8), 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const QPointF a[] = {{2.5, 3.5}, {0.5, 6.5}, {4.5, 6.5}};
        const QPointF b[] = {{10.5, 6.5}, {8.5, 3.5}, {12.5, 3.5}};
        p.drawPolygon(a, 3);
        p.drawPolygon(b, 3);
        break;
    }
    }
    return pixmap;
}

} // namespace zm
