#include "ui/timers/segment_display.h"

#include "timers/seven_segment.h"
#include "ui/common/read_only_value_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace zm {
namespace {

// The displays, and the timer windows around them: windows, not fillers, for a screen reader.
QAccessibleInterface* DisplayAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("zm::SegmentDisplay")) {
        const auto* display = static_cast<const SegmentDisplay*>(object);
        return new ReadOnlyValueAccessible(
            static_cast<SegmentDisplay*>(object),
            {[display] { return display->ValueText(); }, [display] { return display->Seconds(); },
             [display] { return std::max(display->Seconds(), 0.0); }});
    }
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
