#include "ui/list/event_row_delegate.h"

#include "format/colour_contrast.h"
#include "list/row_order.h"
#include "ui/common/window_context.h"
#include "ui/list/event_list_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>

namespace zm {
namespace {

constexpr int kTextInset = 3;

QColor GridColour(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor mid = palette.color(QPalette::Mid);
    return QColor((base.red() + mid.red()) / 2, (base.green() + mid.green()) / 2,
                  (base.blue() + mid.blue()) / 2);
}

} // namespace

EventRowDelegate::EventRowDelegate(const EventListModel& model, const WindowContext& context,
                                   const QHeaderView& header, QObject* parent)
    : QStyledItemDelegate(parent), model_(model), context_(context), header_(header),
      icons_(context.types) {}

QString EventRowDelegate::Elided(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString dots = QStringLiteral("...");
    int low = 0;
    int high = static_cast<int>(text.size());
    while (low < high) { // the most characters that fit with the dots
        const int mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid) + dots) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low) + dots;
}

void EventRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const ListRow& row = model_.RowAt(index.row());
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    painter->save();
    painter->setClipRect(cell);
    painter->fillRect(cell, palette.color(selected ? QPalette::Highlight : QPalette::Base));

    QRect textRect = cell.adjusted(kTextInset, 0, -kTextInset, 0);
    if (header_.visualIndex(index.column()) == 0) {
        const int top = cell.top() + (cell.height() - kIconSlotWidth) / 2;
        auto slot = [&](int n, const QPixmap& pixmap) {
            if (!pixmap.isNull())
                painter->drawPixmap(
                    QRect(cell.left() + n * kIconSlotWidth, top, kIconSlotWidth, kIconSlotWidth),
                    pixmap);
        };
        if (const auto state = StateImageOf(row.event)) slot(0, ListImagePixmap(*state));
        slot(1, icons_.Icon(row.event.typeIndex));
        if (const auto recurring = RecurrenceImageOf(row.event))
            slot(2, ListImagePixmap(*recurring));
        textRect.setLeft(cell.left() + kIconSlotsWidth + kTextInset);
    }

    QColor text = palette.color(QPalette::HighlightedText);
    if (!selected) {
        const uint32_t background = palette.color(QPalette::Base).rgb() & 0xFFFFFF;
        const uint32_t colour = RgbFromTypeColour(context_.types.TypeColour(row.event.typeIndex));
        text = QColor::fromRgb(ReadableColour(colour, background));
    }
    painter->setPen(text);
    painter->setFont(option.font);
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    if (context_.rightToLeft) {
        flags |= Qt::AlignRight;
        const bool numeric = index.column() == kColumnTime || index.column() == kColumnDuration;
        flags |= numeric ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
    } else {
        flags |= Qt::AlignLeft;
    }
    const QString shown = Elided(model_.CellText(index.row(), index.column()),
                                 QFontMetrics(option.font), textRect.width());
    painter->drawText(textRect, flags, shown);

    if (context_.options.showGridlines) {
        painter->setPen(GridColour(palette));
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    }
    painter->restore();
}

QSize EventRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {0, std::max(kIconSlotWidth + 2, QFontMetrics(option.font).height() + 3)};
}

} // namespace zm
