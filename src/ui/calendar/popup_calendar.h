#pragma once
// The month calendar as a drop-down: under the main window's date panel, from the tray or the
// floating clock, and under the dialogs' date fields. It hides (never destroys itself) when a
// day is chosen or it is dismissed.

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

signals:
    // A day was chosen (clicked, or Enter).
    void dateChosen(QDate date);
    // "New event" from the calendar's menu on a day, of the type (-1 the undefined type).
    void newEventRequested(QDate date, int typeIndex);
    // Closed without a choice (Escape, a click outside).
    void dismissed();
};

} // namespace zm
