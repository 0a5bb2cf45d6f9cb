#pragma once
// The month calendar as a drop-down: under the main window's date panel, from the tray or the
// floating clock, and under the dialogs' date fields. It hides (never destroys itself) when a
// day is chosen or it is dismissed.

#include "frame/tray_clicks.h"

#include <QDate>
#include <QWidget>

namespace zm {

struct WindowContext;

class PopupCalendar final : public QWidget {
    Q_OBJECT
public:
    explicit PopupCalendar(WindowContext& context, QWidget* parent = nullptr);
    ~PopupCalendar() override;
    // Shows the month of `current` with its top-left corner at the global point, kept on the
    // screen's work area.
    void ShowAt(QPoint globalTopLeft, QDate current);
    // The frame's calendar on today's month: next to the taskbar around a tray click point, or
    // under (or above) the floating clock window for kClockClick.
    void ShowForFrame(ClickPoint at, const QWidget* clock);

signals:
    // A day was chosen (clicked, or Enter).
    void dateChosen(QDate date);
    // "New event" from the calendar's menu on a day, of the type (-1 the undefined type).
    void newEventRequested(QDate date, int typeIndex);
    // Closed without a choice: by a click outside (`byClick`, which the frame must not take as
    // a new click on the clock) or by a key.
    void dismissed(bool byClick);
};

} // namespace zm
