#pragma once
// The countdown timer window: the duration above, the remaining time below (red digits), and
// the Start / Pause / Resume, Stop, Reset and Setup buttons at the right. The setup panel takes
// the place of the displays and buttons with three edits (hours, minutes, seconds), OK and
// Cancel. At 0 the countdown stops, plays the countdown sound and tells the time it finished;
// closing that box stops the sound.

#include "sound/sound_player.h"
#include "timers/countdown.h"
#include "timers/setup_fields.h"
#include "ui/timers/segment_display.h"
#include "ui/timers/timer_environment.h"
#include "ui/timers/timer_window_base.h"

#include <QLineEdit>
#include <memory>

class QLabel;

namespace zm {

inline constexpr QSize kCountdownWindowSize{140, 61};

class CountdownWindow final : public TimerWindowBase {
    Q_OBJECT

public:
    explicit CountdownWindow(TimerEnvironment& env);
    ~CountdownWindow() override;

    const Countdown& Timing() const { return countdown_; }
    SegmentDisplay& DurationDisplay() { return *duration_; }
    SegmentDisplay& RemainingDisplay() { return *remaining_; }
    ImageButton& SetupButton() { return *setup_; }
    ImageButton& CancelButton() { return *cancel_; }
    QLineEdit& SetupEdit(SetupField field);
    bool SetupShown() const { return setupShown_; }
    // The finish box is up: the window must not go before the box does.
    bool InFinishBox() const { return inFinishBox_; }
    // Hides the window now and closes it once its finish box is gone.
    void CloseAfterFinishBox();

    void ShowSetup();
    // Only while the setup panel is shown.
    void ApplySetup();
    void CancelSetup();

    std::unique_ptr<QMenu> ContextMenu() override;

protected:
    RunTimer& Run() override { return countdown_.Run(); }
    const RunTimer& Run() const override { return countdown_.Run(); }
    void ShowTime() override;
    int NextTickMs() const override { return countdown_.NextTickDelayMs(); }
    void Ticked() override;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetSetupShown(bool shown);
    void Finish();

    TimerEnvironment& env_;
    Countdown countdown_;
    std::unique_ptr<SoundPlayer> player_;
    SegmentDisplay* duration_;
    SegmentDisplay* remaining_;
    ImageButton* setup_;
    ImageButton* ok_;
    ImageButton* cancel_;
    QLineEdit* edits_[3];
    QWidget* setupPanel_;
    bool setupShown_ = false;
    bool inFinishBox_ = false;
    bool closePending_ = false;
};

} // namespace zm
