#pragma once
// The month calendar as a drop-down: under the main window's date panel, from the tray or the
// floating clock, and under the dialogs' date fields. It hides (never destroys itself) when a
// day is chosen or it is dismissed.

#include "frame/tray_clicks.h"
#include "ui/calendar/flat_calendar.h"

#include <QDate>
#include <QWidget>

namespace zm {

struct WindowContext;

class PopupCalendar final : public QWidget {
    Q_OBJECT
public:
    // The frame's calendar: with the today line and the new-event menu.
    explicit PopupCalendar(WindowContext& context, QWidget* parent = nullptr);
    PopupCalendar(WindowContext& context, FlatCalendarOptions options, QWidget* parent = nullptr);
    ~PopupCalendar() override;
    // Shows the month of `current` with its top-left corner at the global point, kept on the
    // screen's work area.
    void ShowAt(QPoint globalTopLeft, QDate current);
    // The frame's calendar on today's month: next to the taskbar around a tray click point, or
    // under (or above) the floating clock window for kClockClick.
    void ShowForFrame(ClickPoint at, const QWidget* clock);

    // The frame offers new events only while no program dialog is open.
    void SetNewEventMenu(bool allowed);
    FlatCalendar& Calendar() { return *calendar_; }
    // The control the calendar drops down from: a press on it while the calendar is open only
    // closes the calendar (the press does not reach the control and open it again).
    void SetDropDownOwner(const QWidget* owner) { owner_ = owner; }

signals:
    // A day was chosen (clicked, or Enter).
    void dateChosen(QDate date);
    // "New event" from the calendar's menu on a day, of the type (-1 the undefined type).
    void newEventRequested(QDate date, int typeIndex);
    // Closed without a choice: by a click outside (`byClick`, which the frame must not take as
    // a new click on the clock) or by a key. Shown by ShowForFrame, `byClick` is set only when
    // the click fell on the floating clock; otherwise by any click outside.
    void dismissed(bool byClick);
    // The shown month or day changed while browsing.
    void dateMoved(QDate date);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Hides the calendar, then tells the owner through `notify`.
    template <typename Notify> void Close(Notify notify);
    void ShowAtPoint(Point topLeft, Rect area);
    // The calendar's font and week numbers as the options now stand.
    void TakeLook();

    WindowContext& context_;
    FlatCalendar* calendar_;
    const QWidget* clock_ = nullptr;
    const QWidget* owner_ = nullptr;
    bool closing_ = false;
};

} // namespace zm
