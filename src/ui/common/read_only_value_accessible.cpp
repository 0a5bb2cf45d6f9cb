#include "ui/common/read_only_value_accessible.h"

namespace zm {

ReadOnlyValueAccessible::ReadOnlyValueAccessible(QWidget* display, ShownValue shown)
    : QAccessibleWidget(display, QAccessible::StaticText), shown_(std::move(shown)) {}

QString ReadOnlyValueAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return shown_.text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ReadOnlyValueAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void* ReadOnlyValueAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ReadOnlyValueAccessible::currentValue() const {
    return shown_.number();
}

QVariant ReadOnlyValueAccessible::maximumValue() const {
    return shown_.maximum();
}

} // namespace zm
