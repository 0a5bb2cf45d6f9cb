#include "ui/clock/clock_tooltip.h"

#include "ui/reminder/reminder_look.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace zm {
namespace {

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

QRect ToQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

ClockTooltip::ClockTooltip(const ClockEnvironment& env)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      env_(env) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setLayoutDirection(env.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    MakeFonts();
}

void ClockTooltip::MakeFonts() {
    font_ = QApplication::font("QStatusBar");
    bold_ = font_;
    bold_.setBold(true);
}

void ClockTooltip::changeEvent(QEvent* event) {
    // The desktop's fonts changed.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) {
        MakeFonts();
        Layout();
    }
    QWidget::changeEvent(event);
}

QString ClockTooltip::TimeText(DateTime t) const {
    return Qs(env_.formats.FormatShortTime(t));
}

QString ClockTooltip::HeaderFor(DateTime now) const {
    const QLocale locale;
    const TooltipDatePicture picture =
        TooltipDatePictureFor(locale.dateFormat(QLocale::LongFormat).toStdString());
    const YearMonthDay ymd = now.Ymd();
    QString date = locale.toString(QDate(ymd.year, ymd.month, ymd.day), Qs(picture.picture));
    if (picture.upperFirst && !date.isEmpty()) date[0] = date[0].toUpper();
    return date + ' ' + TimeText(now);
}

void ClockTooltip::Rebuild() {
    const DateTime now = env_.store.Now();
    header_ = HeaderFor(now);
    items_ = UpcomingFromPending(env_.store.Pending(), now, env_.store.Week());
    Layout();
}

void ClockTooltip::Layout() {
    const QFontMetrics bold(bold_);
    const QRect area(0, 0, 800, 600);
    const QRect header = bold.boundingRect(area, Qt::TextWordWrap, header_);
    const QRect label =
        bold.boundingRect(area, Qt::TextWordWrap, Qs(UpcomingLabel(items_.Items().empty())));
    headerHeight_ = header.height();
    labelHeight_ = label.height();
    timeWidth_ = 0;
    const QFontMetrics normal(font_);
    for (const UpcomingItem& item : items_.Items())
        timeWidth_ = std::max(timeWidth_, normal.horizontalAdvance(TimeText(item.instant)));
    const Size size = TooltipSize({header.width(), header.height()},
                                  {label.width(), label.height()}, items_.Items().size());
    resize(size.width, size.height);
    update();
}

void ClockTooltip::ShowAt(const QRect& clock) {
    const QScreen* screen = QGuiApplication::screenAt(clock.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : ToQRect(kFallbackWorkArea);
    const Point at = PlaceUnder({clock.x() + 3, clock.y() + 1, clock.width(), clock.height()},
                                {width(), height()}, {s.x(), s.y(), s.width(), s.height()});
    move(at.x, at.y);
    show();
}

void ClockTooltip::HideAndEmpty() {
    hide();
    items_.Clear();
}

void ClockTooltip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::ToolTipBase));
    p.setPen(pal.color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor text = pal.color(QPalette::ToolTipText);
    const int width = this->width() - 2 * kInset;
    int y = kInset;
    p.setFont(bold_);
    p.setPen(text);
    p.drawText(QRect(kInset, y, width, headerHeight_), Qt::AlignLeft | Qt::TextWordWrap, header_);
    y += headerHeight_ + 8;
    p.drawText(QRect(kInset, y, width, labelHeight_), Qt::AlignLeft | Qt::TextWordWrap,
               Qs(UpcomingLabel(items_.Items().empty())));
    y += labelHeight_;
    const int row = TooltipRowHeight(labelHeight_);
    p.setFont(font_);
    const QFontMetrics metrics(font_);
    const int timeX = kInset + kIconSize + 4;
    const int nameX = timeX + timeWidth_ + 6;
    for (const UpcomingItem& item : items_.Items()) {
        const QRect line(kInset, y, width, row);
        ReminderIcon(env_.types, item.typeIndex)
            .paint(&p, QRect(kInset, y + (row - kIconSize) / 2, kIconSize, kIconSize));
        p.setPen(item.kind == UpcomingKind::Due ? QColor(Qt::red) : text);
        p.drawText(QRect(timeX, y, timeWidth_, row), Qt::AlignLeft | Qt::AlignVCenter,
                   TimeText(item.instant));
        p.drawText(QRect(nameX, y, std::max(0, line.right() - nameX), row),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(Qs(item.name), Qt::ElideRight, line.right() - nameX));
        y += row;
    }
}

} // namespace zm
