#include "ui/timers/image_button.h"

#include <QPainter>

namespace zm {

ImageButton::ImageButton(TimerImage image, const QString& tip, QWidget* parent)
    : QAbstractButton(parent), image_(image) {
    setToolTip(tip);
    setAccessibleName(tip);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::SetImage(TimerImage image) {
    if (image == image_) return;
    image_ = image;
    update();
}

QSize ImageButton::sizeHint() const {
    return {38, 12};
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, pal.color(QPalette::Button));
    const QColor topLeft = down ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    const QColor bottomRight = down ? pal.color(QPalette::Light) : pal.color(QPalette::Shadow);
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QPixmap image = TimerImagePixmap(image_);
    QPoint at((r.width() - image.width()) / 2, (r.height() - image.height()) / 2);
    if (down) at += QPoint(1, 1);
    if (!isEnabled()) p.setOpacity(0.4);
    p.drawPixmap(at, image);
    if (hasFocus()) {
        p.setOpacity(1);
        p.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 1, -3, -2));
    }
}

} // namespace zm
