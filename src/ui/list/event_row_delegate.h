#pragma once
// Draws the event list's cells: full-row selection, the text in the type's colour (kept
// readable on dark palettes), the three icon slots before the first displayed column, "..."
// where a text is too wide, grid lines when the option is on, right-to-left cells.

#include "ui/list/list_images.h"

#include <QStyledItemDelegate>

class QHeaderView;

namespace zm {

class EventListModel;
struct WindowContext;

class EventRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    EventRowDelegate(const EventListModel& model, const WindowContext& context,
                     const QHeaderView& header, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The text shortened with "..." to fit `width` pixels.
    static QString Elided(const QString& text, const QFontMetrics& metrics, int width);

private:
    const EventListModel& model_;
    const WindowContext& context_;
    const QHeaderView& header_;
    TypeIconCache icons_;
};

} // namespace zm
