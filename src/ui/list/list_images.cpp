#include "ui/list/list_images.h"

#include "adapters/gui/qt_icon_image.h"
#include "store/types/type_list.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace zm {
namespace {

QPixmap Draw(ListImage image) {
    QPixmap pixmap(kIconSlotWidth, kIconSlotWidth);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case ListImage::Snoozed: // a clock face
        p.setPen(QPen(QColor(0x30, 0x30, 0x90), 1.4));
        p.setBrush(QColor(0xFF, 0xF4, 0xC0));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        break;
    case ListImage::Accepted: // a check mark
        p.setPen(QPen(QColor(0x10, 0x90, 0x30), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(std::array{QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}.data(), 3);
        break;
    case ListImage::Recurring: { // a circling arrow
        p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(10.5, 0.8);
        head.lineTo(14.5, 4.2);
        head.lineTo(9.2, 5.6);
        head.closeSubpath();
        p.fillPath(head, QColor(0x20, 0x60, 0xC0));
        break;
    }
    case ListImage::Disabled: // a no-entry sign
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawLine(QPointF(4.2, 11.8), QPointF(11.8, 4.2));
        break;
    }
    return pixmap;
}

} // namespace

QPixmap ListImagePixmap(ListImage image) {
    static std::array<QPixmap, kListImageCount> made;
    QPixmap& pixmap = made[static_cast<size_t>(image)];
    if (pixmap.isNull()) pixmap = Draw(image);
    return pixmap;
}

const QPixmap& TypeIconCache::Icon(int index) const {
    if (!types_.TypeAt(index)) index = -1;
    const IconImage& icon = types_.TypeSmallIcon(index);
    const auto slot = static_cast<size_t>(index + 1);
    if (made_.size() <= slot) made_.resize(slot + 1);
    auto& [image, pixmap] = made_[slot];
    if (pixmap.isNull() || !(image == icon)) {
        image = icon;
        pixmap = ToQPixmap(icon);
    }
    return pixmap;
}

} // namespace zm
