#include "ui/clock/floating_clock.h"

#include "format/display_format.h"
#include "platform/clock_position.h"
#include "res/strings.h"
#include "sound/embedded_waves.h"
#include "ui/clock/clock_tooltip.h"
#include "ui/common/read_only_value_accessible.h"
#include "ui/common/ui_text.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>

namespace zm {
namespace {

QColor ToQColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t ToBgr(const QColor& c) {
    return static_cast<uint32_t>(c.red() | c.green() << 8 | c.blue() << 16);
}

int AlignmentFlags(ClockAlignment alignment) {
    switch (alignment) {
    case ClockAlignment::Right:
        return Qt::AlignRight;
    case ClockAlignment::Centred:
        return Qt::AlignHCenter;
    case ClockAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QString ShownText(const std::string& text) {
    QStringList lines;
    for (const std::string& line : ClockLines(text))
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

QAccessibleInterface* ClockAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zm::FloatingClock") && object && object->isWidgetType()) {
        // Its name, and the text it shows as its value (in numbers, the seconds since midnight).
        const auto* clock = static_cast<const FloatingClock*>(object);
        return new ReadOnlyValueAccessible(
            static_cast<FloatingClock*>(object),
            {[clock] { return ShownText(clock->Text()); },
             [clock] { return static_cast<double>(clock->ShownSecondsOfDay()); },
             [] { return double{kSecondsPerDay - 1}; }});
    }
    return nullptr;
}

} // namespace

FloatingClock::FloatingClock(const ClockEnvironment& env, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), env_(env),
      tooltip_(std::make_unique<ClockTooltip>(env)), format_(ClockFormatToKeep("")) {
    static const bool installed = [] {
        QAccessible::installFactory(ClockAccessibleFactory);
        return true;
    }();
    (void)installed;
    const QString name = zm::Text(IDS_CLOCK_NAME);
    setWindowTitle(name);
    setAccessibleName(name);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setLayoutDirection(env.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    move(20000, 20000);
    channel_ = env_.sound.OpenChannel();
    timer_.setInterval(kTick);
    connect(&timer_, &QTimer::timeout, this, &FloatingClock::Tick);
    hover_.setSingleShot(true);
    hover_.setInterval(kHoverTime);
    connect(&hover_, &QTimer::timeout, this, &FloatingClock::ShowTooltip);
    TickAt(env_.store.Now());
}

FloatingClock::~FloatingClock() {
    env_.sound.CloseChannel(channel_);
}

void FloatingClock::SetColours(std::optional<ClockColours> custom) {
    custom_ = custom;
    update();
}

void FloatingClock::SetBorder(bool on) {
    border_ = on;
    Resize();
}

void FloatingClock::SetTooltipEnabled(bool on) {
    tooltipEnabled_ = on;
    if (!on) HideTooltip();
}

void FloatingClock::SetMargins(int pixels) {
    margins_ = std::clamp(pixels, 0, 99);
    Resize();
}

void FloatingClock::SetFormat(std::string_view userFormat) {
    format_ = ClockFormatToKeep(userFormat);
    text_.Forget();
    TickAt(env_.store.Now());
}

void FloatingClock::SetAlignment(ClockAlignment alignment) {
    alignment_ = alignment;
    update();
}

void FloatingClock::Apply(const ClockOptions& options, std::optional<QFont> font) {
    SetColours(options.customColours
                   ? std::optional(CustomClockColours(options.textColour, options.backgroundColour))
                   : std::nullopt);
    font_ = options.customFont ? std::move(font) : std::nullopt;
    border_ = options.border;
    margins_ = std::clamp(options.margins, 0, 99);
    alignment_ = options.alignment;
    chimeWord_ = options.chimes;
    SetTooltipEnabled(options.tooltip);
    SetFormat(options.format);
}

void FloatingClock::PlaceAtStart(std::optional<Point> stored) {
    int button = style()->pixelMetric(QStyle::PM_TitleBarButtonSize);
    if (button <= 0) button = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const Point at = ClockStartPosition(stored, {width(), height()}, ScreenRects(env_.workArea),
                                        PrimaryWorkArea(env_.workArea), button);
    move(at.x, at.y);
}

void FloatingClock::Tick() {
    TickAt(env_.store.Now());
}

void FloatingClock::TickAt(DateTime now) {
    // After a drag the desktop may not tell the clock that the mouse left: the tooltip goes as
    // soon as the pointer is off the clock or a button is held.
    if (tooltip_->isVisible() && !PointerRests()) HideTooltip();
    const WeekNumbering weeks{env_.options.firstDayOfWeek, env_.options.firstWeekOfYear};
    DisplayFormatContext context{env_.formats.Locale(), env_.formatter, env_.clock};
    context.weeks = &weeks;
    if (text_.Update(ExpandDisplayFormat(format_, now, context))) {
        shownSecondsOfDay_ = now.SecondsOfDay();
        ++valueChangesTold_;
        QAccessibleValueChangeEvent changed(this, static_cast<double>(shownSecondsOfDay_));
        QAccessible::updateAccessibility(&changed);
        Resize();
        if (tooltip_->isVisible()) {
            tooltip_->Rebuild();
            tooltip_->ShowAt(geometry());
        }
    }
    Chime(chimes_.Tick(now, isVisible(), env_.options.reminderSound, chimeWord_));
}

void FloatingClock::Chime(zm::Chime chime) {
    if (chime == Chime::None) return;
    const EmbeddedWave wave =
        chime == Chime::Hour ? EmbeddedWave::HourChime : EmbeddedWave::HalfHourChime;
    env_.sound.PlayWaveData(channel_, EmbeddedWaveName(wave), EmbeddedWaveData(wave));
}

void FloatingClock::Resize() {
    const QFont font = font_.value_or(QApplication::font());
    setFont(font);
    const QRect block = QFontMetrics(font).boundingRect(
        QRect(0, 0, 32767, 32767), AlignmentFlags(alignment_), ShownText(text_.Shown()));
    const Size size = ClockWindowSize({block.width(), block.height()}, margins_, border_);
    // Resized in place: the top-left corner stays.
    setFixedSize(size.width, size.height);
    update();
}

ClockColours FloatingClock::Colours() const {
    if (custom_) return *custom_;
    const QPalette& pal = palette();
    return {ToBgr(pal.color(QPalette::ButtonText)), ToBgr(pal.color(QPalette::Button)),
            ToBgr(pal.color(QPalette::Light)), ToBgr(pal.color(QPalette::Dark))};
}

void FloatingClock::paintEvent(QPaintEvent*) {
    ++paints_;
    const ClockColours colours = Colours();
    QPainter p(this);
    QRect r = rect();
    if (border_) {
        for (int i = 0; i < kClockBorderWidth; ++i) {
            p.setPen(ToQColor(colours.light));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(ToQColor(colours.dark));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            r.adjust(1, 1, -1, -1);
        }
    }
    p.fillRect(r, ToQColor(colours.back));
    const int inset = ClockInset(margins_, border_);
    p.setPen(ToQColor(colours.text));
    p.drawText(rect().adjusted(inset, inset, -inset, -inset),
               AlignmentFlags(alignment_) | Qt::AlignTop, ShownText(text_.Shown()));
}

void FloatingClock::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    if (event->button() == Qt::RightButton) {
        emit rightClicked(at);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    HideTooltip();
    emit leftPressed(at);
    // The clock is moved by dragging it; a press alone leaves it where it is, so that a
    // double click still reaches it.
    pressAt_ = event->position().toPoint();
    dragging_ = false;
}

void FloatingClock::mouseMoveEvent(QMouseEvent* event) {
    if (!pressAt_ || !(event->buttons() & Qt::LeftButton)) {
        if (!tooltip_->isVisible()) hover_.start();
        return;
    }
    if (!dragging_) {
        if ((event->position().toPoint() - *pressAt_).manhattanLength() <
            QApplication::startDragDistance())
            return;
        dragging_ = true;
        // The window manager moves it where it can; elsewhere it follows the mouse.
        if (windowHandle() && windowHandle()->startSystemMove()) {
            pressAt_.reset();
            return;
        }
    }
    move(event->globalPosition().toPoint() - *pressAt_);
}

void FloatingClock::mouseReleaseEvent(QMouseEvent*) {
    pressAt_.reset();
    dragging_ = false;
}

void FloatingClock::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked(event->globalPosition().toPoint());
}

void FloatingClock::enterEvent(QEnterEvent*) {
    hover_.start();
}

void FloatingClock::leaveEvent(QEvent*) {
    HideTooltip();
}

void FloatingClock::ShowTooltip() {
    hover_.stop();
    if (!tooltipEnabled_ || tooltip_->isVisible() || !isVisible()) return;
    tooltip_->Rebuild();
    tooltip_->ShowAt(geometry());
}

bool FloatingClock::PointerRests() const {
    return frameGeometry().contains(QCursor::pos()) &&
           QGuiApplication::mouseButtons() == Qt::NoButton;
}

void FloatingClock::moveEvent(QMoveEvent* event) {
    // A tooltip left where the clock was would cover other windows.
    HideTooltip();
    QWidget::moveEvent(event);
}

void FloatingClock::HideTooltip() {
    hover_.stop();
    if (!tooltip_->isVisible()) return;
    tooltip_->HideAndEmpty();
    emit tooltipHidden();
}

void FloatingClock::changeEvent(QEvent* event) {
    // The desktop's colours and fonts: followed unless the user chose others.
    if (event->type() == QEvent::PaletteChange) update();
    if (event->type() == QEvent::ApplicationFontChange && !font_) Resize();
    QWidget::changeEvent(event);
}

void FloatingClock::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Tick();
    timer_.start();
}

void FloatingClock::hideEvent(QHideEvent* event) {
    // Nothing of a hidden clock is seen or heard: its timer rests.
    timer_.stop();
    HideTooltip();
    QWidget::hideEvent(event);
}

} // namespace zm
