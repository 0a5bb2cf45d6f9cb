// The countdown and stopwatch windows driven through their buttons, edits and menus.

#include "timer_rig.h"
#include "timers/steady_ticks.h"
#include "ui/timers/countdown_window.h"
#include "ui/timers/stopwatch_window.h"
#include "ui/timers/timer_windows.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

QStringList Labels(QMenu& menu) {
    QStringList labels;
    for (QAction* a : menu.actions())
        labels << (a->isSeparator() ? "-" : a->text());
    return labels;
}

QString Remaining(CountdownWindow& w) {
    return w.RemainingDisplay().Text();
}

void Leave(QLineEdit& edit, const QString& text) {
    edit.setText(text);
    emit edit.editingFinished();
}

TEST(CountdownWindow, PauseResumeAndStopFollowTheRunTimeAndRelabelTheControls) {
    TimerRig rig;
    CountdownWindow w(rig.env);
    EXPECT_EQ(w.DurationDisplay().Text(), "00:01:00");
    EXPECT_EQ(Labels(*w.ContextMenu()).first(), "S&tart");

    QTest::mouseClick(&w.StartButton(), Qt::LeftButton);
    EXPECT_EQ(w.State(), RunState::Running);
    EXPECT_EQ(w.StartButton().Image(), TimerImage::Pause);
    EXPECT_EQ(w.StartButton().toolTip(), "Pause");
    EXPECT_EQ(Labels(*w.ContextMenu()),
              QStringList({"&Pause", "&Stop", "&Reset", "-", "Setu&p...", "-", "Cl&ose"}));
    rig.ticks.Advance(2000);
    w.OnTick();
    EXPECT_EQ(Remaining(w), "00:00:58");

    QTest::mouseClick(&w.StartButton(), Qt::LeftButton);
    EXPECT_EQ(w.StartButton().toolTip(), "Resume");
    EXPECT_EQ(Labels(*w.ContextMenu()).first(), "Res&ume");
    EXPECT_FALSE(w.Ticking());
    rig.ticks.Advance(10'000);
    QTest::mouseClick(&w.StartButton(), Qt::LeftButton);
    rig.ticks.Advance(3000);
    w.OnTick();
    EXPECT_EQ(Remaining(w), "00:00:55");

    // Stop while running keeps the time; reset while stopped shows the duration again.
    QTest::mouseClick(&w.StopButton(), Qt::LeftButton);
    rig.ticks.Advance(5000);
    EXPECT_EQ(Remaining(w), "00:00:55");
    EXPECT_EQ(w.StartButton().toolTip(), "Start");
    QTest::mouseClick(&w.ResetButton(), Qt::LeftButton);
    EXPECT_EQ(Remaining(w), "00:01:00");
}

TEST(CountdownWindow, ResetAndStopWhilePausedShowTheFullDuration) {
    TimerRig rig;
    CountdownWindow w(rig.env);
    w.StartPauseResume();
    rig.ticks.Advance(7000);
    w.OnTick();
    w.StartPauseResume(); // pause at 00:00:53
    QTest::mouseClick(&w.ResetButton(), Qt::LeftButton);
    EXPECT_EQ(Remaining(w), "00:01:00");
    rig.ticks.Advance(4000);
    w.StartPauseResume();
    rig.ticks.Advance(1000);
    w.OnTick();
    EXPECT_EQ(Remaining(w), "00:00:59");

    w.StartPauseResume();
    QTest::mouseClick(&w.StopButton(), Qt::LeftButton);
    EXPECT_EQ(w.State(), RunState::Stopped);
    EXPECT_EQ(Remaining(w), "00:01:00");
}

TEST(CountdownWindow, SetupClampsItsFieldsAndOkStopsAndShowsTheNewDuration) {
    TimerRig rig;
    CountdownWindow w(rig.env);
    w.StartPauseResume();
    QTest::mouseClick(&w.SetupButton(), Qt::LeftButton);
    ASSERT_TRUE(w.SetupShown());
    EXPECT_EQ(w.SetupEdit(SetupField::Minutes).text(), "1");
    EXPECT_EQ(Labels(*w.ContextMenu()), QStringList({"O&K", "&Cancel", "-", "Cl&ose"}));
    Leave(w.SetupEdit(SetupField::Hours), "25");
    Leave(w.SetupEdit(SetupField::Minutes), "75");
    EXPECT_EQ(w.SetupEdit(SetupField::Hours).text(), "23");
    EXPECT_EQ(w.SetupEdit(SetupField::Minutes).text(), "59");

    QTest::mouseClick(&w.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(w.SetupShown());
    EXPECT_EQ(w.DurationDisplay().Text(), "00:01:00");
    EXPECT_EQ(w.State(), RunState::Running);

    w.ShowSetup();
    w.SetupEdit(SetupField::Hours).setText("1");
    w.SetupEdit(SetupField::Minutes).setText("2");
    w.SetupEdit(SetupField::Seconds).setText("3");
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_FALSE(w.SetupShown());
    EXPECT_EQ(w.State(), RunState::Stopped);
    EXPECT_EQ(w.DurationDisplay().Text(), "01:02:03");
    EXPECT_EQ(Remaining(w), "01:02:03");
}

TEST(CountdownWindow, AtZeroItStopsSoundsAndTellsTheTimeUntilTheBoxCloses) {
    TimerRig rig;
    CountdownWindow w(rig.env);
    w.ShowSetup();
    w.SetupEdit(SetupField::Minutes).setText("0");
    w.SetupEdit(SetupField::Seconds).setText("5");
    w.ApplySetup();
    w.StartPauseResume();
    rig.ticks.Advance(2000);
    w.OnTick();
    w.StartPauseResume();
    rig.ticks.Advance(10'000);
    w.StartPauseResume();
    rig.ticks.Advance(2999);
    w.OnTick();
    EXPECT_TRUE(rig.boxes.texts.empty());
    rig.ticks.Advance(1);
    w.OnTick();
    ASSERT_EQ(rig.boxes.texts.size(), 1u);
    EXPECT_EQ(rig.boxes.texts[0], "Countdown finished at 3:45 PM");
    EXPECT_EQ(w.State(), RunState::Stopped);
    EXPECT_EQ(Remaining(w), "00:00:00");
    // The beep sounded before the box, and closing the box stopped it.
    ASSERT_GE(rig.boxes.callsBeforeBox, 1u);
    EXPECT_EQ(rig.sound.calls[0].what, SoundCall::Kind::Beep);
    EXPECT_EQ(rig.sound.calls.back().what, SoundCall::Kind::Stop);
    EXPECT_GT(rig.sound.calls.size(), rig.boxes.callsBeforeBox);
}

TEST(CountdownWindow, ARealCountdownEndsOnTime) {
    SteadyTicks steady;
    TimerRig rig;
    TimerEnvironment real{rig.settings, rig.formats, rig.workArea, rig.sound,
                          rig.boxes,    steady,      rig.env.now};
    CountdownWindow w(real);
    w.ShowSetup();
    w.SetupEdit(SetupField::Minutes).setText("0");
    w.SetupEdit(SetupField::Seconds).setText("2");
    w.ApplySetup();
    QElapsedTimer clock;
    clock.start();
    w.StartPauseResume();
    std::vector<QString> shown;
    while (rig.boxes.texts.empty() && clock.elapsed() < 3000) {
        if (shown.empty() || shown.back() != Remaining(w)) shown.push_back(Remaining(w));
        QTest::qWait(1);
    }
    const qint64 ended = clock.elapsed();
    ASSERT_EQ(rig.boxes.texts.size(), 1u);
    EXPECT_GE(ended, 2000);
    EXPECT_LT(ended, 2400); // not the second late of a coarse timer, with room for a busy machine
    EXPECT_EQ(shown, (std::vector<QString>{"00:00:02", "00:00:01"}));
}

TEST(StopwatchWindow, ShowsHundredthsAndKeepsPausesOut) {
    TimerRig rig;
    StopwatchWindow w(rig.env);
    w.StartPauseResume();
    EXPECT_EQ(w.Display().Text(), "00:00:00:00");
    EXPECT_TRUE(w.Ticking());
    rig.ticks.Advance(1000);
    w.StartPauseResume();
    rig.ticks.Advance(60'000);
    EXPECT_EQ(Labels(*w.ContextMenu()), QStringList({"Res&ume", "&Stop", "&Reset", "-", "Cl&ose"}));
    w.StartPauseResume();
    rig.ticks.Advance(3'600'000 + 2 * 60'000 + 2450);
    w.OnTick();
    EXPECT_EQ(w.Display().Text(), "01:02:03:45");
}

// How many changes of a display's value a screen reader is told during one second of run time,
// ticked at the given pace; its name stays as it was.
int ValueChangesOverOneSecond(TimerWindowBase& w, SegmentDisplay& display, FakeTicks& ticks,
                              int stepMs) {
    const int before = display.ValueChangesTold();
    const QString name = display.accessibleName();
    for (int ms = 0; ms < 1000; ms += stepMs) {
        ticks.Advance(stepMs);
        w.OnTick();
        EXPECT_EQ(display.accessibleName(), name);
    }
    return display.ValueChangesTold() - before;
}

TEST(StopwatchWindow, AScreenReaderReadsAFixedNameAndTheTimeAsAValueOnceASecond) {
    TimerRig rig;
    StopwatchWindow w(rig.env);
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(&w.Display());
    ASSERT_NE(display, nullptr);
    ASSERT_NE(display->valueInterface(), nullptr);
    EXPECT_EQ(display->text(QAccessible::Name), "Stopwatch");
    EXPECT_TRUE(display->state().readOnly);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Stopwatch");

    w.StartPauseResume();
    rig.ticks.Advance(2000);
    w.OnTick();
    EXPECT_EQ(ValueChangesOverOneSecond(w, w.Display(), rig.ticks, kStopwatchTickMs), 1);
    EXPECT_EQ(display->text(QAccessible::Name), "Stopwatch");
    EXPECT_EQ(display->text(QAccessible::Value), "00:00:03");
    EXPECT_EQ(display->valueInterface()->currentValue().toDouble(), 3.0);

    // A pause tells the exact time at once.
    rig.ticks.Advance(470);
    const int told = w.Display().ValueChangesTold();
    w.StartPauseResume();
    EXPECT_EQ(w.Display().ValueChangesTold(), told + 1);
    EXPECT_EQ(display->text(QAccessible::Value), "00:00:03:47");
    w.Stop();
    EXPECT_EQ(display->text(QAccessible::Value), "00:00:00:00");
}

TEST(CountdownWindow, AScreenReaderReadsFixedNamesAndTheTimesAsValues) {
    TimerRig rig;
    CountdownWindow w(rig.env);
    QAccessibleInterface* remaining = QAccessible::queryAccessibleInterface(&w.RemainingDisplay());
    QAccessibleInterface* duration = QAccessible::queryAccessibleInterface(&w.DurationDisplay());
    EXPECT_EQ(remaining->text(QAccessible::Name), "Countdown");
    EXPECT_EQ(duration->text(QAccessible::Name), "Countdown time");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&w)->text(QAccessible::Name), "Countdown");

    w.StartPauseResume();
    rig.ticks.Advance(1000);
    w.OnTick();
    EXPECT_EQ(ValueChangesOverOneSecond(w, w.RemainingDisplay(), rig.ticks, 250), 1);
    EXPECT_EQ(remaining->text(QAccessible::Value), "00:00:58");
    EXPECT_EQ(remaining->valueInterface()->currentValue().toDouble(), 58.0);
    EXPECT_EQ(duration->text(QAccessible::Value), "00:01:00");
}

TEST(TimerWindows, OpenInTheirCascadesAndCloseTogether) {
    TimerRig rig;
    rig.workArea.areas = {{{0, 0, 1920, 1080}, {0, 30, 1920, 1010}}};
    TimerWindows windows(rig.env);
    for (QPoint expected : {QPoint(42, 94), QPoint(84, 158), QPoint(126, 222), QPoint(168, 286)}) {
        CountdownWindow* w = windows.OpenCountdown();
        EXPECT_EQ(w->pos(), expected);
        EXPECT_EQ(w->size(), QSize(140, 61));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    }
    EXPECT_EQ(windows.OpenStopwatch()->pos(), QPoint(185, 94));
    EXPECT_EQ(windows.OpenStopwatch()->pos(), QPoint(227, 158));

    windows.Countdowns()[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.Countdowns().size(), 3u);
    windows.CloseAll();
    EXPECT_TRUE(windows.Countdowns().empty());
    EXPECT_TRUE(windows.Stopwatches().empty());
}

TEST(TimerWindows, ACountdownClosedWhileItsFinishBoxIsUpGoesWhenTheBoxDoes) {
    TimerRig rig;
    TimerWindows windows(rig.env);
    QPointer<CountdownWindow> w = windows.OpenCountdown();
    bool hiddenDuringBox = false;
    rig.boxes.whileShown = [&] {
        windows.CloseAll();
        hiddenDuringBox = w && !w->isVisible();
    };
    w->StartPauseResume();
    rig.ticks.Advance(60'000);
    w->OnTick();
    EXPECT_TRUE(hiddenDuringBox);
    EXPECT_EQ(rig.sound.calls.back().what, SoundCall::Kind::Stop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(windows.Countdowns().empty());
}

TEST(TimerWindows, APressAnywhereDragsTheWindow) {
    TimerRig rig;
    TimerWindows windows(rig.env);
    CountdownWindow* w = windows.OpenCountdown();
    const QPoint from = w->pos();
    QWidget& display = w->DurationDisplay();
    const QPointF inside(10, 10);
    const QPointF global = display.mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&display, &press);
    QMouseEvent move(QEvent::MouseMove, inside + QPointF(30, 20), global + QPointF(30, 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&display, &move);
    EXPECT_EQ(w->pos(), from + QPoint(30, 20));
}

TEST(Screenshots, Timers) {
    TimerRig rig;
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    const QString dir = QStringLiteral(ZM_SCREENSHOT_DIR "/");

    CountdownWindow countdown(rig.env);
    countdown.show();
    countdown.StartPauseResume();
    rig.ticks.Advance(17'400);
    countdown.OnTick();
    EXPECT_TRUE(countdown.grab().save(dir + "countdown.png"));

    CountdownWindow setup(rig.env);
    setup.show();
    setup.ShowSetup();
    EXPECT_TRUE(setup.grab().save(dir + "countdown-setup.png"));

    StopwatchWindow stopwatch(rig.env);
    stopwatch.show();
    stopwatch.StartPauseResume();
    rig.ticks.Advance(3'723'450);
    stopwatch.OnTick();
    EXPECT_TRUE(stopwatch.grab().save(dir + "stopwatch.png"));
}

} // namespace
} // namespace zm::testing
