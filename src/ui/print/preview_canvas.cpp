#include "ui/print/preview_canvas.h"

#include "ui/print/print_document.h"

#include <QMouseEvent>
#include <QPainter>

namespace zm {
namespace {

constexpr int kShadow = 3;
const QColor kGround(128, 128, 128);
const QColor kShadowColour(64, 64, 64);

} // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewCanvas::SetLayout(PreviewLayout layout) {
    layout_ = std::move(layout);
    resize(layout_.canvasWidth, layout_.canvasHeight);
    update();
}

QRect PreviewCanvas::SheetRect(const PreviewSheet& sheet) const {
    return {sheet.left, sheet.top, layout_.sheetWidth, layout_.sheetHeight};
}

void PreviewCanvas::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kGround);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const PreviewSheet& sheet : layout_.sheets) {
        const QRect r = SheetRect(sheet);
        painter.fillRect(r.translated(kShadow, kShadow), kShadowColour);
        painter.fillRect(r, Qt::white);
        if (document_ != nullptr) {
            const PageRect& paper = document_->Paper();
            painter.save();
            painter.setClipRect(r);
            painter.translate(r.left(), r.top());
            painter.scale(static_cast<double>(r.width()) / std::max(1, paper.Width()),
                          static_cast<double>(r.height()) / std::max(1, paper.Height()));
            painter.translate(-paper.left, -paper.top);
            document_->DrawPage(painter, sheet.page - 1);
            painter.restore();
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setRenderHint(QPainter::Antialiasing, true);
    }
}

void PreviewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        for (int i = 0; i < static_cast<int>(layout_.sheets.size()); ++i) {
            const QRect r = SheetRect(layout_.sheets[static_cast<size_t>(i)]);
            if (r.contains(point)) {
                emit sheetClicked(i,
                                  QPointF(static_cast<double>(point.x() - r.left()) / r.width(),
                                          static_cast<double>(point.y() - r.top()) / r.height()),
                                  point);
                return;
            }
        }
    }
    QWidget::mousePressEvent(event);
}

} // namespace zm
