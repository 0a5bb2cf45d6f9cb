#include "ui/calendar/popup_calendar.h"

#include "ui/common/window_context.h"

namespace zm {

// Until the calendar lands: shows nothing.
PopupCalendar::PopupCalendar(WindowContext&, QWidget* parent) : QWidget(parent, Qt::Popup) {}
PopupCalendar::~PopupCalendar() = default;
void PopupCalendar::ShowAt(QPoint, QDate) {
    emit dismissed(false);
}
void PopupCalendar::ShowForFrame(ClickPoint, const QWidget*) {
    emit dismissed(false);
}

} // namespace zm
