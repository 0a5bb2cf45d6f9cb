#pragma once
// The floating clock: a small frameless window that stays on top and shows the date and time in
// the user's format, four times a second but drawn again only when the text changes. It chimes
// at the full and the half hour, shows today's upcoming reminders when the mouse rests on it,
// is moved by dragging, and tells the frame of the user's clicks, which decides what they do.
// A screen reader reads it by the name "Clock", with the text it shows as its value.

#include "clock/chime.h"
#include "clock/clock_look.h"
#include "clock/clock_text.h"
#include "ui/clock/clock_environment.h"

#include <QFont>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

namespace zm {

class ClockTooltip;

class FloatingClock final : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kTick{250};
    // How long the mouse rests on the clock before the tooltip shows.
    static constexpr std::chrono::milliseconds kHoverTime{400};

    // Made hidden, far off the screen, with the default options.
    explicit FloatingClock(const ClockEnvironment& env, QWidget* parent = nullptr);
    ~FloatingClock() override;

    // --- the options; each one that changes the text or its size measures and draws again ---
    // The user's colours, or nothing for the desktop's (which the clock then follows).
    void SetColours(std::optional<ClockColours> custom);
    void SetBorder(bool on);
    void SetTooltipEnabled(bool on);
    void SetMargins(int pixels);
    // The format as the user wrote it.
    void SetFormat(std::string_view userFormat);
    void SetAlignment(ClockAlignment alignment);
    // Every option at once; the font applies with customFont.
    void Apply(const ClockOptions& options, std::optional<QFont> font);

    // The start position: the stored one when enough of the clock is on a screen there, else
    // the top-right corner of the primary screen, clear of its panels.
    void PlaceAtStart(std::optional<Point> stored);
    Point Position() const { return {pos().x(), pos().y()}; }

    // The timer's step for the moment: the text, the chime, the tooltip's header.
    void TickAt(DateTime now);
    const std::string& Text() const { return text_.Shown(); }
    // The seconds since midnight of the moment the shown text was made.
    int64_t ShownSecondsOfDay() const { return shownSecondsOfDay_; }
    // How many changes of the shown time were told to a screen reader so far.
    int ValueChangesTold() const { return valueChangesTold_; }
    // How many times the clock was drawn; the tests count repaints with it.
    int Paints() const { return paints_; }
    ClockTooltip& Tooltip() { return *tooltip_; }
    // The mouse rested on the clock: the tooltip shows (when enabled).
    void ShowTooltip();
    // Plays the chime's sound now (the preferences' Test buttons).
    void PlayChime(zm::Chime chime) { Chime(chime); }

signals:
    void doubleClicked(QPoint screenPos);
    void rightClicked(QPoint screenPos);
    void leftPressed(QPoint screenPos);
    // The tooltip hid: memory may go back to the system.
    void tooltipHidden();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Tick();
    // The text measured anew, the window sized to it (not moved), and drawn.
    void Resize();
    void Chime(zm::Chime chime);
    void HideTooltip();
    // The pointer is on the clock with no button held.
    bool PointerRests() const;
    ClockColours Colours() const;

    ClockEnvironment env_;
    std::unique_ptr<ClockTooltip> tooltip_;
    QTimer timer_;
    QTimer hover_;
    ChimeClock chimes_;
    ClockText text_;
    std::string format_;
    std::optional<ClockColours> custom_;
    std::optional<QFont> font_;
    bool border_ = true;
    bool tooltipEnabled_ = true;
    int margins_ = 5;
    ClockAlignment alignment_ = ClockAlignment::Left;
    uint32_t chimeWord_ = kBothChimes;
    SoundChannel channel_ = 0;
    // Dragging: where the press was, and whether the window follows the mouse.
    std::optional<QPoint> pressAt_;
    bool dragging_ = false;
    int paints_ = 0;
    int64_t shownSecondsOfDay_ = 0;
    int valueChangesTold_ = 0;
};

} // namespace zm
