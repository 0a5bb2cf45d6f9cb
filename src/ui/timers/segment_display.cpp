#include "ui/timers/segment_display.h"

#include "timers/seven_segment.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPolygonF>

namespace zm {
namespace {

// The display as a screen reader sees it: a static text with its fixed name and the time as a
// value that cannot be set.
class SegmentDisplayAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SegmentDisplayAccessible(SegmentDisplay* display)
        : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Display()->ValueText();
        return QAccessibleWidget::text(t);
    }
    // The value is read, not set.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return Display()->Seconds(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return std::max(Display()->Seconds(), 0.0); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    SegmentDisplay* Display() const { return static_cast<SegmentDisplay*>(widget()); }
};

// The displays, and the timer windows around them: windows, not fillers, for a screen reader.
QAccessibleInterface* DisplayAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("zm::SegmentDisplay"))
        return new SegmentDisplayAccessible(static_cast<SegmentDisplay*>(object));
    if (className == QLatin1String("zm::TimerWindowBase"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

QColor Unlit(const QColor& digits) {
    return QColor(digits.red() / 3, digits.green() / 3, digits.blue() / 3);
}

QPolygonF ToPolygon(const std::array<PointF, 6>& outline) {
    QPolygonF polygon;
    for (const PointF& p : outline)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

} // namespace

SegmentDisplay::SegmentDisplay(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayAccessibleFactory);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SegmentDisplay::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void SegmentDisplay::SetValue(const QString& text, double seconds) {
    if (text == valueText_) return;
    valueText_ = text;
    seconds_ = seconds;
    ++valueChangesTold_;
    QAccessibleValueChangeEvent event(this, seconds);
    QAccessible::updateAccessibility(&event);
}

void SegmentDisplay::SetColours(const SegmentColours& colours) {
    colours_ = colours;
    update();
}

void SegmentDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colours_.background);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor unlit = Unlit(colours_.digits);
    const std::string text = text_.toStdString();
    for (const GlyphCell& cell : LayOutGlyphs(text, width(), height())) {
        if (cell.colon) {
            for (const RectF& dot : ColonDots(cell.box)) {
                p.fillRect(QRectF(dot.x, dot.y, dot.width, dot.height), colours_.highlight);
            }
            continue;
        }
        const uint8_t lit = LitSegments(cell.c);
        for (int s = 0; s < kSegmentCount; ++s) {
            const bool on = (lit >> s) & 1;
            p.setBrush(on ? colours_.digits : unlit);
            p.drawPolygon(ToPolygon(SegmentOutline(static_cast<Segment>(s), cell.box)));
        }
    }
}

} // namespace zm
