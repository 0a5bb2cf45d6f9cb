#pragma once
// The program's month calendar: six weeks of the current date's month with the day initials,
// optional week numbers and an optional "Today" line, browsed with the mouse (month and year
// buttons that repeat while held) and the keys. It tells its owner what happened through its
// signals; showing, hiding and placing it are the owner's.

#include "calendar/calendar_layout.h"
#include "calendar/calendar_pointer.h"
#include "calendar/month_grid.h"
#include "model/date_time.h"

#include <QDate>
#include <QFont>
#include <QTimer>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QMenu;
class QPainter;

namespace zm {

struct WindowContext;

struct FlatCalendarOptions {
    bool todayLine = true;
    // The menu of event types on a right click or the context-menu key.
    bool newEventMenu = false;
};

class FlatCalendar final : public QWidget {
    Q_OBJECT
public:
    FlatCalendar(WindowContext& context, FlatCalendarOptions options, QWidget* parent = nullptr);
    ~FlatCalendar() override;

    // Sets the current date and rebuilds the grid; false (nothing changes) for an invalid date.
    // The time of day stays through moves by days, months and years.
    bool SetCalendarDate(DateTime date);
    bool SetCalendarDate(QDate date);
    QDate CurrentDate() const;

    // Where "today" comes from (the system clock unless set).
    void SetTodaySource(std::function<DateTime()> today);
    DateTime Today() const;
    // Sets the today line's text from now.
    void RefreshTodayLine();
    // Reads the calendar font and the week-number option again (they may have changed in the
    // preferences while the calendar was hidden) and takes the new size.
    void RefreshLook();
    void SetNewEventMenu(bool allowed) { options_.newEventMenu = allowed; }

    const CalendarLayout& Layout() const { return layout_; }
    const MonthGrid& Grid() const { return grid_; }
    // The area of a day cell (0-41), in this widget's coordinates.
    QRect CellRect(int cell) const;
    QRect TodayLineRect() const;
    QRect ButtonRect(CalendarHit button) const;
    // The weekday initial of a column (0-6).
    QRect ColumnHeaderRect(int column) const;
    // The menu of event types while it is open, else null, and the cell it was opened for.
    QMenu* TypeMenu() const { return menu_; }
    int TypeMenuCell() const { return menuCell_; }

    QSize sizeHint() const override;

    // What a click on a day cell (0-41) does: the day becomes the current date (keeping its time
    // of day) and is chosen.
    void ChooseCell(int cell);
    // What a screen reader is told: a day cell's full date and whether it is today or of the
    // month before or after; the weekday of a column; the week number of a row when shown.
    QString CellName(int cell) const;
    QString ColumnName(int column) const;
    QString RowName(int row) const;

signals:
    // A day was chosen (a click, the today line or Enter).
    void dateChosen(QDate date);
    // The type menu chose type `typeIndex` for a new event on the day it was opened for (the
    // day right-clicked, or the current date for the menu key).
    void newEventRequested(QDate date, int typeIndex);
    // Esc, Tab, Alt+Up or Alt+F4.
    void dismissedByKey();
    // The current date moved (the grid was rebuilt).
    void dateMoved(QDate date);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CalendarHitResult HitAt(QPoint widgetPoint) const;
    void Apply(const PointerOutcome& outcome);
    bool HandleKey(const QKeyEvent& key);
    void StepBy(int days, int months);
    void Rebuild();
    void ChooseDate(DateTime date);
    void OpenTypeMenu(int cell, QPoint globalAt);

    void PaintCaption(QPainter& p) const;
    void PaintInitials(QPainter& p) const;
    void PaintRows(QPainter& p) const;
    void PaintTodayLine(QPainter& p) const;

    WindowContext& context_;
    FlatCalendarOptions options_;
    QFont font_;
    QFont smallFont_;
    bool weekNumbers_;
    CalendarLayout layout_;
    DateTime current_;
    MonthGrid grid_;
    CalendarPointer pointer_;
    QTimer repeat_;
    QString todayText_;
    std::function<DateTime()> today_;
    QMenu* menu_ = nullptr;
    int menuCell_ = -1;
};

} // namespace zm
