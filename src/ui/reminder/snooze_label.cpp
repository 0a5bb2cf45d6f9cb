#include "ui/reminder/snooze_label.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zm {

SnoozeLabel::SnoozeLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);
}

void SnoozeLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
        QLabel::keyPressEvent(event);
        return;
    default:
        event->accept(); // swallowed
    }
}

void SnoozeLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

} // namespace zm
