#pragma once
// The frame's window commands with the countdowns and stopwatches: the stopwatch and countdown
// requests open timer windows, closing closes them too, and every other request goes to the
// program's other windows.

#include "ui/frame/window_commands.h"
#include "ui/timers/timer_windows.h"

namespace zm {

class TimerWindowCommands final : public WindowCommands {
public:
    TimerWindowCommands(WindowCommands& others, TimerWindows& timers)
        : others_(others), timers_(timers) {}

    void OpenMainWindow() override { others_.OpenMainWindow(); }
    void NewEvent(int typeIndex) override { others_.NewEvent(typeIndex); }
    void OpenPreferences(PreferencesForm form) override { others_.OpenPreferences(form); }
    void OpenStopwatch() override { timers_.OpenStopwatch(); }
    void OpenCountdown() override { timers_.OpenCountdown(); }
    void OpenCalendar(ClickPoint at) override { others_.OpenCalendar(at); }
    bool MainWindowOpen() const override { return others_.MainWindowOpen(); }
    bool HasMainWindow() const override { return others_.HasMainWindow(); }
    bool ProgramDialogOpen() const override { return others_.ProgramDialogOpen(); }
    void RaiseProgramDialog() override { others_.RaiseProgramDialog(); }
    // The main window and the program dialog first, then the stopwatches and the countdowns.
    void CloseAll() override {
        others_.CloseAll();
        timers_.CloseAll();
    }

private:
    WindowCommands& others_;
    TimerWindows& timers_;
};

} // namespace zm
