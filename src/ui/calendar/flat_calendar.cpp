#include "ui/calendar/flat_calendar.h"

#include "adapters/gui/qt_font.h"
#include "calendar/calendar_keys.h"
#include "calendar/calendar_moves.h"
#include "platform/font_setting.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/calendar/flat_calendar_accessible.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/reminder/reminder_look.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>

namespace zm {

namespace {

QFont CalendarFont(const Settings& settings) {
    return ScreenFont(settings, SettingId::CalendarFont);
}

// One point smaller than the calendar font.
QFont WeekNumberFont(const Settings& settings) {
    const int ppi = ScreenPixelsPerInch();
    FontDescription font = ReadFont(settings, SettingId::CalendarFont, ppi);
    const int points = std::max(PointSizeOf(font, ppi) - 1, 1);
    font.height = -PointsToPixels(points, ppi);
    return ToQFont(font);
}

CalendarFontMeasures Measures(const QFont& font, const QFont& small) {
    const QFontMetrics metrics(font);
    return {metrics.averageCharWidth(), metrics.height(), QFontMetrics(small).averageCharWidth()};
}

QRect ToQRect(const Rect& r) {
    return {r.x + kCalendarFrame, r.y + kCalendarFrame, r.width, r.height};
}

QDate ToQDate(DateTime date) {
    const YearMonthDay ymd = date.Ymd();
    return {ymd.year, ymd.month, ymd.day};
}

DateTime ClockNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return DateTime::FromParts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

CalendarKey KeyOf(const QKeyEvent& key) {
    const bool keypad = key.modifiers() & Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Left:
        return CalendarKey::Left;
    case Qt::Key_Right:
        return CalendarKey::Right;
    case Qt::Key_Up:
        return CalendarKey::Up;
    case Qt::Key_Down:
        return CalendarKey::Down;
    case Qt::Key_Minus:
        return keypad ? CalendarKey::KeypadMinus : CalendarKey::Other;
    case Qt::Key_Plus:
        return keypad ? CalendarKey::KeypadPlus : CalendarKey::Other;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CalendarKey::Enter;
    case Qt::Key_Escape:
        return CalendarKey::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return CalendarKey::Tab;
    case Qt::Key_F4:
        return CalendarKey::F4;
    default:
        return CalendarKey::Other;
    }
}

} // namespace

FlatCalendar::FlatCalendar(WindowContext& context, FlatCalendarOptions options, QWidget* parent)
    : QWidget(parent), context_(context), options_(options), font_(CalendarFont(context.settings)),
      smallFont_(WeekNumberFont(context.settings)), weekNumbers_(context.options.showWeekNumbers),
      layout_(Measures(font_, smallFont_), {options.todayLine, weekNumbers_}), today_(&ClockNow) {
    InstallCalendarAccessibility();
    setObjectName(QStringLiteral("zFlatCalendar"));
    setAccessibleName(Text(IDS_PAGE_CALENDAR));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setFixedSize(sizeHint());
    repeat_.setInterval(kCalendarRepeatMs);
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, [this] { Apply(pointer_.RepeatTick()); });
    SetCalendarDate(Today());
    RefreshTodayLine();
}

FlatCalendar::~FlatCalendar() = default;

void FlatCalendar::RefreshLook() {
    const QFont font = CalendarFont(context_.settings);
    const bool weekNumbers = context_.options.showWeekNumbers;
    if (font == font_ && weekNumbers == weekNumbers_) return;
    font_ = font;
    smallFont_ = WeekNumberFont(context_.settings);
    weekNumbers_ = weekNumbers;
    layout_ = CalendarLayout(Measures(font_, smallFont_), {options_.todayLine, weekNumbers_});
    setFixedSize(sizeHint());
    update();
}

QSize FlatCalendar::sizeHint() const {
    const Size size = layout_.WindowSize();
    return {size.width, size.height};
}

bool FlatCalendar::SetCalendarDate(DateTime date) {
    if (!date.IsValid()) return false;
    current_ = date;
    Rebuild();
    return true;
}

bool FlatCalendar::SetCalendarDate(QDate date) {
    if (!date.isValid()) return false;
    return SetCalendarDate(
        DateTime::FromParts(date.year(), date.month(), date.day()).WithTimeOf(current_));
}

QDate FlatCalendar::CurrentDate() const {
    return ToQDate(current_);
}

void FlatCalendar::SetTodaySource(std::function<DateTime()> today) {
    today_ = std::move(today);
    Rebuild();
    RefreshTodayLine();
}

DateTime FlatCalendar::Today() const {
    return today_();
}

void FlatCalendar::RefreshTodayLine() {
    todayText_ = QString::fromStdString(
        FormatText(IDS_CALENDAR_TODAY, {context_.formats.FormatShortDate(Today())}));
    update();
}

QRect FlatCalendar::CellRect(int cell) const {
    return ToQRect(layout_.DayCell(cell));
}
QRect FlatCalendar::ColumnHeaderRect(int column) const {
    return ToQRect(layout_.InitialsCell(column));
}
QRect FlatCalendar::TodayLineRect() const {
    return ToQRect(layout_.TodayLine());
}
QRect FlatCalendar::ButtonRect(CalendarHit button) const {
    switch (button) {
    case CalendarHit::PreviousYear:
        return ToQRect(layout_.PreviousYearButton());
    case CalendarHit::PreviousMonth:
        return ToQRect(layout_.PreviousMonthButton());
    case CalendarHit::NextMonth:
        return ToQRect(layout_.NextMonthButton());
    case CalendarHit::NextYear:
        return ToQRect(layout_.NextYearButton());
    default:
        return {};
    }
}

void FlatCalendar::Rebuild() {
    const MonthGrid before = grid_;
    grid_ = BuildMonthGrid(current_, Today(), context_.options.firstDayOfWeek,
                           context_.options.firstWeekOfYear);
    setAccessibleDescription(QString::fromStdString(context_.formats.FormatShortDate(current_)));
    update();
    NotifyCalendarMoved(*this, before);
    emit dateMoved(CurrentDate());
}

void FlatCalendar::StepBy(int days, int months) {
    const std::optional<DateTime> next =
        months != 0 ? StepMonths(current_, months) : StepDays(current_, days);
    if (next) SetCalendarDate(*next);
}

void FlatCalendar::ChooseDate(DateTime date) {
    SetCalendarDate(date);
    emit dateChosen(CurrentDate());
}

void FlatCalendar::ChooseCell(int cell) {
    if (cell < 0 || cell >= kGridCells) return;
    ChooseDate(grid_.DayOf(cell).WithTimeOf(current_));
}

QString FlatCalendar::CellName(int cell) const {
    static const CellWords words{LoadString(IDS_CALENDAR_CELL_TODAY),
                                 LoadString(IDS_CALENDAR_CELL_PREVIOUS_MONTH),
                                 LoadString(IDS_CALENDAR_CELL_NEXT_MONTH)};
    const auto fullDate = [](DateTime day) {
        return QLocale().toString(ToQDate(day), QLocale::LongFormat).toStdString();
    };
    return QString::fromStdString(zm::CellName(grid_, cell, fullDate, words));
}

QString FlatCalendar::ColumnName(int column) const {
    if (column < 0 || column >= kGridColumns) return {};
    return QString::fromStdString(
        context_.names.LongDayName(WeekdayOfColumn(column, context_.options.firstDayOfWeek)));
}

QString FlatCalendar::RowName(int row) const {
    if (!weekNumbers_ || row < 0 || row >= kGridRows) return {};
    return QString::number(grid_.weekNumbers[row]);
}

CalendarHitResult FlatCalendar::HitAt(QPoint widgetPoint) const {
    return layout_.HitTest({widgetPoint.x() - kCalendarFrame, widgetPoint.y() - kCalendarFrame});
}

void FlatCalendar::Apply(const PointerOutcome& outcome) {
    if (outcome.stopRepeat) repeat_.stop();
    if (outcome.startRepeat) repeat_.start();
    if (outcome.stepMonths != 0) StepBy(0, outcome.stepMonths);
    if (outcome.redraw) update();
    if (outcome.todayChosen) {
        ChooseDate(Today());
    } else if (outcome.chosenCell >= 0) {
        ChooseCell(outcome.chosenCell);
    }
}

void FlatCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    Apply(pointer_.Press(HitAt(event->position().toPoint())));
}

void FlatCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void FlatCalendar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) Apply(pointer_.Move(HitAt(event->position().toPoint())));
}

void FlatCalendar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    Apply(pointer_.Release(HitAt(event->position().toPoint())));
}

void FlatCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells of the calendar's own focus once this event is handled; the day comes after it,
    // so that the day is what the screen reader reads.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) NotifyCalendarFocus(*this);
        },
        Qt::QueuedConnection);
}

void FlatCalendar::hideEvent(QHideEvent* event) {
    // A button held while the calendar closes repeats no more.
    pointer_ = CalendarPointer();
    repeat_.stop();
    QWidget::hideEvent(event);
}

bool FlatCalendar::event(QEvent* event) {
    // The calendar's keys come before any other handling (Tab included).
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent&>(*event)))
        return true;
    return QWidget::event(event);
}

bool FlatCalendar::HandleKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    const CalendarKeyAction action =
        ActionOfKey(KeyOf(key), mods & Qt::ControlModifier, mods & Qt::AltModifier);
    switch (action) {
    case CalendarKeyAction::Ignore:
        return false;
    case CalendarKeyAction::Choose:
        emit dateChosen(CurrentDate());
        return true;
    case CalendarKeyAction::Dismiss:
        emit dismissedByKey();
        return true;
    default:
        StepBy(ActionDays(action), ActionMonths(action));
        return true;
    }
}

void FlatCalendar::contextMenuEvent(QContextMenuEvent* event) {
    if (!options_.newEventMenu || context_.types.TypeCount() == 0) return;
    // The day under the mouse, or the selected day for the keyboard's menu key.
    int cell = grid_.selected;
    if (event->reason() == QContextMenuEvent::Mouse) {
        const CalendarHitResult hit = HitAt(event->pos());
        if (hit.hit != CalendarHit::Day) return;
        cell = hit.cell;
    }
    if (cell < 0) return;
    OpenTypeMenu(cell, mapToGlobal(CellRect(cell).bottomLeft()));
    event->accept();
}

void FlatCalendar::OpenTypeMenu(int cell, QPoint globalAt) {
    delete menu_;
    menuCell_ = cell;
    const QDate day = ToQDate(grid_.DayOf(cell));
    menu_ = new QMenu(this);
    menu_->setAttribute(Qt::WA_DeleteOnClose, false);
    WatchMenu(*menu_);
    const TypeList& types = context_.types;
    for (int i = 0; i < static_cast<int>(types.TypeCount()); ++i) {
        QString name = QString::fromStdString(types.TypeAt(i)->name);
        QAction* action = menu_->addAction(ReminderIcon(types, i), name.replace('&', "&&"));
        OnChosen(action, this, [this, day, i] { emit newEventRequested(day, i); });
    }
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        menu_->deleteLater();
        menu_ = nullptr;
        menuCell_ = -1;
        update();
    });
    update();
    menu_->popup(globalAt);
}

} // namespace zm
