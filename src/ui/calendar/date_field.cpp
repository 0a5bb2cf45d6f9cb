#include "ui/calendar/date_field.h"

#include "ui/calendar/popup_calendar.h"
#include "ui/common/window_context.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace zm {

QString QtDateFormat(const std::string& intermediate) {
    QString out;
    QString literal;
    const auto flush = [&] {
        if (literal.isEmpty()) return;
        out += '\'' + QString(literal).replace('\'', "''") + '\'';
        literal.clear();
    };
    for (size_t i = 0; i < intermediate.size(); ++i) {
        if (intermediate[i] != '%' || i + 1 >= intermediate.size()) {
            literal += QChar::fromLatin1(intermediate[i]);
            continue;
        }
        const bool bare = intermediate[i + 1] == '#' && i + 2 < intermediate.size();
        const char code = intermediate[i + (bare ? 2 : 1)];
        QString field;
        switch (code) {
        case 'd':
            field = bare ? "d" : "dd";
            break;
        case 'm':
            field = bare ? "M" : "MM";
            break;
        case 'y': // a field always shows and takes the whole year
        case 'Y':
            field = "yyyy";
            break;
        case 'a':
            field = "ddd";
            break;
        case 'A':
            field = "dddd";
            break;
        case 'b':
            field = "MMM";
            break;
        case 'B':
            field = "MMMM";
            break;
        case '%':
            literal += '%';
            break;
        default:
            break;
        }
        i += bare ? 2 : 1;
        if (field.isEmpty()) continue;
        flush();
        out += field;
    }
    flush();
    return out;
}

DateField::DateField(WindowContext& context, QWidget* parent)
    : QDateEdit(parent), context_(context) {
    // The drop-down arrow; the calendar behind it is ours.
    setCalendarPopup(true);
    setDisplayFormat(QtDateFormat(context.formats.ShortDate()));
}

DateField::~DateField() {
    // The drop-down goes first, telling this field nothing on its way.
    if (calendar_) calendar_->disconnect(this);
    delete calendar_;
}

PopupCalendar& DateField::Calendar() {
    if (!calendar_) {
        calendar_ = new PopupCalendar(
            context_, FlatCalendarOptions{.todayLine = true, .newEventMenu = false}, this);
        calendar_->SetDropDownOwner(this);
        connect(calendar_, &PopupCalendar::dateChosen, this, [this](QDate date) {
            setDate(date);
            setFocus();
        });
        connect(calendar_, &PopupCalendar::dismissed, this, [this] { setFocus(); });
    }
    return *calendar_;
}

void DateField::ShowCalendar() {
    if (isReadOnly() || !isEnabled()) return;
    PopupCalendar& popup = Calendar();
    popup.Calendar().RefreshLook();
    const int height = popup.Calendar().sizeHint().height();
    QPoint at = mapToGlobal(rect().bottomLeft() + QPoint(0, 1));
    const Rect area = WorkAreaAt(context_.workArea, {at.x(), at.y()});
    // Above the field when there is no room below it.
    if (at.y() + height > area.Bottom()) at = mapToGlobal(QPoint(0, -height - 1));
    popup.ShowAt(at, date());
}

bool DateField::OnArrow(QPoint p) const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    return style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, p, this) ==
           QStyle::SC_ComboBoxArrow;
}

void DateField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnArrow(event->position().toPoint())) {
        event->accept();
        ShowCalendar();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    if ((event->key() == Qt::Key_F4 && !alt) || (event->key() == Qt::Key_Down && alt)) {
        event->accept();
        ShowCalendar();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

} // namespace zm
