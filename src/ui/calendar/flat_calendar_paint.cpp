// How the month calendar draws itself.

#include "platform/locale_names.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/calendar/flat_calendar.h"
#include "ui/common/window_context.h"

#include <QPainter>
#include <QPolygon>
#include <qdrawutil.h>

namespace zm {

namespace {

constexpr int kTextInset = 3; // numbers and initials stand this far from a cell's right edge
const QColor kTodayFrame(255, 0, 0);

QRect ClientRect(const Rect& r) {
    return {r.x + kCalendarFrame, r.y + kCalendarFrame, r.width, r.height};
}

// A 5-pixel arrow pointing left or right with its tip at x.
void DrawArrow(QPainter& p, int x, int centreY, bool left, const QColor& colour) {
    const int dx = left ? 3 : -3;
    const QPolygon arrow{QPoint(x, centreY), QPoint(x + dx, centreY - 3),
                         QPoint(x + dx, centreY + 3)};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(arrow);
}

void DrawButton(QPainter& p, const QRect& r, bool left, int arrows, const QColor& colour) {
    const int width = arrows * 4;
    int x = r.center().x() - width / 2 + (left ? 0 : width);
    for (int i = 0; i < arrows; ++i, x += left ? 4 : -4)
        DrawArrow(p, x, r.center().y(), left, colour);
}

void HorizontalSeparator(QPainter& p, int left, int right, int y, const QPalette& palette) {
    p.setPen(palette.color(QPalette::Mid));
    p.drawLine(left, y, right, y);
}

} // namespace

void FlatCalendar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    // A double frame around the window colour.
    qDrawWinPanel(&p, rect(), pal, false);
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
    p.fillRect(rect().adjusted(kCalendarFrame, kCalendarFrame, -kCalendarFrame, -kCalendarFrame),
               pal.color(QPalette::Base));
    PaintCaption(p);
    PaintInitials(p);
    PaintRows(p);
    if (options_.todayLine) PaintTodayLine(p);
}

void FlatCalendar::PaintCaption(QPainter& p) const {
    const QPalette& pal = palette();
    const YearMonthDay ymd = current_.Ymd();
    const QString caption = QString::fromStdString(
        FormatText(IDS_CALENDAR_CAPTION, {context_.names.LongMonthName(ymd.month), ymd.year}));
    const QRect previous = ButtonRect(CalendarHit::PreviousMonth);
    const QRect next = ButtonRect(CalendarHit::NextMonth);
    const QRect captionRect = ClientRect(layout_.Caption());
    p.setFont(font_);
    p.setPen(pal.color(QPalette::Text));
    p.drawText(QRect(previous.right() + 1, captionRect.top(), next.left() - previous.right() - 1,
                     captionRect.height()),
               Qt::AlignCenter, caption);

    const QColor arrow = pal.color(QPalette::Text);
    DrawButton(p, ButtonRect(CalendarHit::PreviousYear), true, 2, arrow);
    DrawButton(p, previous, true, 1, arrow);
    DrawButton(p, next, false, 1, arrow);
    DrawButton(p, ButtonRect(CalendarHit::NextYear), false, 2, arrow);

    // Two lines under the caption.
    const int y = captionRect.bottom() + 1;
    const int left = kCalendarFrame + 2;
    const int right = width() - kCalendarFrame - 3;
    HorizontalSeparator(p, left, right, y, pal);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(left, y + 1, right, y + 1);
}

void FlatCalendar::PaintInitials(QPainter& p) const {
    const QPalette& pal = palette();
    p.setFont(font_);
    p.setPen(pal.color(QPalette::Text));
    for (int column = 0; column < kGridColumns; ++column) {
        const int dow = WeekdayOfColumn(column, context_.options.firstDayOfWeek);
        const QString initial = QString::fromStdString(context_.names.ShortDayName(dow)).left(1);
        p.drawText(ClientRect(layout_.InitialsCell(column)).adjusted(0, 0, -kTextInset, 0),
                   Qt::AlignRight | Qt::AlignVCenter, initial);
    }
    const QRect grid = ClientRect(layout_.Grid());
    const QRect row = ClientRect(layout_.InitialsRow());
    HorizontalSeparator(p, grid.left() - (weekNumbers_ ? layout_.WeekColumnWidth() + 2 : 0),
                        grid.right(), row.bottom() + 1, pal);
    if (weekNumbers_) {
        const int x = grid.left() - 2;
        p.drawLine(x, grid.top(), x, grid.bottom());
    }
}

void FlatCalendar::PaintRows(QPainter& p) const {
    const QPalette& pal = palette();
    const QColor grey = pal.color(QPalette::Disabled, QPalette::Text);
    if (weekNumbers_) {
        p.setFont(smallFont_);
        p.setPen(grey);
        for (int row = 0; row < kGridRows; ++row)
            p.drawText(ClientRect(layout_.WeekNumberCell(row)).adjusted(0, 0, -kTextInset, 0),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(grid_.weekNumbers[row]));
    }
    // The pressed cell, or the one the type menu is open for, is drawn in the highlight colours
    // instead of the selected one.
    const int pressed = menuCell_ != -1 ? menuCell_ : pointer_.Highlighted();
    const int highlighted = pressed != -1 ? pressed : grid_.selected;
    p.setFont(font_);
    for (int cell = 0; cell < kGridCells; ++cell) {
        const QRect r = CellRect(cell);
        const GridCell& day = grid_.cells[cell];
        QColor text = day.flags & kCellOtherMonth ? grey : pal.color(QPalette::Text);
        if (cell == highlighted) {
            p.fillRect(r, pal.color(QPalette::Highlight));
            text = pal.color(QPalette::HighlightedText);
        }
        if (day.flags & kCellToday) {
            p.setPen(kTodayFrame);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        p.setPen(text);
        p.drawText(r.adjusted(0, 0, -kTextInset, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(day.day));
    }
}

void FlatCalendar::PaintTodayLine(QPainter& p) const {
    const QPalette& pal = palette();
    const QRect line = TodayLineRect();
    HorizontalSeparator(p, line.left(), line.right(), line.top() - 2, pal);
    QColor text = pal.color(QPalette::Text);
    if (pointer_.Highlighted() == kTodayLineCell) {
        p.fillRect(line, pal.color(QPalette::Highlight));
        text = pal.color(QPalette::HighlightedText);
    }
    p.setFont(font_);
    p.setPen(text);
    p.drawText(line, Qt::AlignCenter, todayText_);
}

} // namespace zm
