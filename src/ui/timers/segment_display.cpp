#include "ui/timers/segment_display.h"

#include "timers/seven_segment.h"

#include <QPainter>
#include <QPolygonF>

namespace zm {
namespace {

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
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SegmentDisplay::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text);
    update();
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
