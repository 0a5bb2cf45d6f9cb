#include "ui/types/type_widgets.h"

#include "model/amount_choices.h"
#include "model/describe.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace zm {

QColor ColourOf(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t BgrOf(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

QIcon SwatchIcon(uint32_t bgr) {
    QPixmap pixmap(16, 16);
    pixmap.fill(ColourOf(bgr));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

QIcon QIconOf(const IconImage& icon) {
    return QIconOf(icon, IconImage{});
}

QIcon QIconOf(const IconImage& small, const IconImage& large) {
    QIcon icon;
    for (const IconImage* image : {&small, &large})
        if (!image->Empty()) icon.addPixmap(ToQPixmap(*image));
    return icon;
}

IconImage IconOfImage(const QImage& image, int size) {
    IconImage icon{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0)};
    if (image.isNull()) return icon;
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage fitted =
            image.width() == size && image.height() == size
                ? image
                : image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted);
    }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.pixels[static_cast<size_t>(y) * size + x] = canvas.pixel(x, y);
    return icon;
}

IconImage IconOfQIcon(const QIcon& icon, int size) {
    return IconOfImage(icon.pixmap(size, size).toImage(), size);
}

void FillAmountBox(QComboBox& box, TimeAmount amount, bool withZero) {
    box.setEditable(true);
    box.setInsertPolicy(QComboBox::NoInsert);
    box.clear();
    for (TimeAmount a : AmountChoices(withZero))
        box.addItem(Q(DescribeAmount(a)));
    const int at = FindAmountChoice(amount, withZero);
    box.setCurrentIndex(at);
    if (at < 0) box.setEditText(Q(DescribeAmount(amount)));
}

} // namespace zm
