#pragma once
// A painted display as a screen reader sees it: a static text with a fixed name and what it shows
// as a value (a text, and a number) that the reader cannot set.

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <functional>

namespace zm {

struct ShownValue {
    std::function<QString()> text;
    std::function<double()> number;
    std::function<double()> maximum;
};

class ReadOnlyValueAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ReadOnlyValueAccessible(QWidget* display, ShownValue shown);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    ShownValue shown_;
};

} // namespace zm
