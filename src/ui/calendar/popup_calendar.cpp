#include "ui/calendar/popup_calendar.h"

#include "calendar/popup_placement.h"
#include "ui/common/window_context.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace zm {

namespace {

Rect ScreenOf(const WorkArea& area, Point p, bool available) {
    const std::vector<ScreenArea> screens = area.Screens();
    for (const ScreenArea& s : screens)
        if (s.geometry.Contains(p)) return available ? s.available : s.geometry;
    if (!screens.empty()) return available ? screens.front().available : screens.front().geometry;
    return kFallbackWorkArea;
}

std::optional<Panel> PanelAt(const WorkArea& area, Point p) {
    for (const ScreenArea& s : area.Screens())
        if (s.geometry.Contains(p)) return PanelOf(s);
    return std::nullopt;
}

} // namespace

PopupCalendar::PopupCalendar(WindowContext& context, QWidget* parent)
    : PopupCalendar(context, FlatCalendarOptions{.todayLine = true, .newEventMenu = true}, parent) {
}

PopupCalendar::PopupCalendar(WindowContext& context, FlatCalendarOptions options, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), context_(context),
      calendar_(new FlatCalendar(context, options, this)) {
    setObjectName(QStringLiteral("PopupCalendar"));
    setAccessibleName(calendar_->accessibleName());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(calendar_);
    setFixedSize(calendar_->sizeHint());
    setFocusProxy(calendar_);
    connect(calendar_, &FlatCalendar::dateChosen, this,
            [this](QDate date) { Close([this, date] { emit dateChosen(date); }); });
    connect(calendar_, &FlatCalendar::newEventRequested, this, [this](QDate date, int type) {
        Close([this, date, type] { emit newEventRequested(date, type); });
    });
    // A key is not a click: the clock's next click stays a click.
    connect(calendar_, &FlatCalendar::dismissedByKey, this,
            [this] { Close([this] { emit dismissed(false); }); });
    connect(calendar_, &FlatCalendar::dateMoved, this, &PopupCalendar::dateMoved);
}

PopupCalendar::~PopupCalendar() = default;

void PopupCalendar::SetNewEventMenu(bool allowed) {
    calendar_->SetNewEventMenu(allowed);
}

template <typename Notify> void PopupCalendar::Close(Notify notify) {
    closing_ = true;
    hide();
    closing_ = false;
    notify();
}

void PopupCalendar::TakeLook() {
    calendar_->RefreshLook();
    setFixedSize(calendar_->sizeHint());
}

void PopupCalendar::ShowAt(QPoint globalTopLeft, QDate current) {
    clock_ = nullptr;
    TakeLook();
    if (!calendar_->SetCalendarDate(current)) calendar_->SetCalendarDate(calendar_->Today());
    const Point at{globalTopLeft.x(), globalTopLeft.y()};
    ShowAtPoint(at, WorkAreaAt(context_.workArea, at));
}

void PopupCalendar::ShowForFrame(ClickPoint at, const QWidget* clock) {
    clock_ = clock;
    TakeLook();
    const WorkArea& area = context_.workArea;
    const QSize size = this->size();
    const Size calendarSize{size.width(), size.height()};
    Point place;
    Point reference;
    if (at == kClockClick) {
        if (clock) {
            const QRect c = clock->frameGeometry();
            const Rect clockRect{c.x(), c.y(), c.width(), c.height()};
            reference = {c.center().x(), c.center().y()};
            place = PlaceAtClock(clockRect, calendarSize, ScreenOf(area, reference, false));
        } else {
            const Rect work = PrimaryWorkArea(area);
            reference = place = {work.x, work.y};
        }
    } else {
        reference = {at.x, at.y};
        place = PlaceAtTaskbar(reference, PanelAt(area, reference), calendarSize);
    }
    calendar_->SetCalendarDate(calendar_->Today());
    ShowAtPoint(place, ScreenOf(area, reference, true));
}

void PopupCalendar::ShowAtPoint(Point topLeft, Rect area) {
    const Point at = KeepOnArea(topLeft, {width(), height()}, area);
    calendar_->RefreshTodayLine();
    move(at.x, at.y);
    show();
    raise();
    activateWindow();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void PopupCalendar::mousePressEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (rect().contains(event->position().toPoint())) return QWidget::mousePressEvent(event);
    // A press outside: the calendar closes; the press goes on to the window under it.
    const bool byClick = clock_ ? clock_->frameGeometry().contains(global) : true;
    const bool onOwner =
        owner_ && owner_->rect().contains(owner_->mapFromGlobal(global)) && owner_->isVisible();
    setAttribute(Qt::WA_NoMouseReplay, onOwner);
    event->accept();
    Close([this, byClick] { emit dismissed(byClick); });
}

void PopupCalendar::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Closed by someone else (the desktop, another pop-up): a dismissal without a choice.
    if (!closing_ && !event->spontaneous()) emit dismissed(false);
}

} // namespace zm
