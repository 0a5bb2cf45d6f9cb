#include "ui/calendar/date_field.h"

#include "ui/common/window_context.h"

namespace zm {

// Qt's own drop-down until the calendar lands.
DateField::DateField(WindowContext&, QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
}
DateField::~DateField() = default;

} // namespace zm
