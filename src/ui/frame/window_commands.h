#pragma once
// The windows the resident frame opens on the user's request: the main window, the event
// editor, the preferences sheet, the stopwatch, the countdown timer and the pop-up calendar.
// The program's windows (ProgramWindows) carry them out; where there are none (the frame's
// tests), BeepingWindowCommands answers each request with the exclamation beep.

#include "frame/tray_clicks.h"

#include <cstddef>
#include <cstdint>

namespace zm {

enum class PreferencesForm : uint8_t { Full, Types, QuickReminders };

class WindowCommands {
public:
    virtual ~WindowCommands() = default;
    // Opens the main window, or restores and activates the open one.
    virtual void OpenMainWindow() = 0;
    // Starts a new event of the type (an index into the type list; -1 the undefined type) in
    // the event editor.
    virtual void NewEvent(int typeIndex) = 0;
    virtual void OpenPreferences(PreferencesForm form) = 0;
    virtual void OpenStopwatch() = 0;
    virtual void OpenCountdown() = 0;
    // The pop-up calendar at a screen point, or at the floating clock (kClockClick).
    virtual void OpenCalendar(ClickPoint at) = 0;

    virtual bool MainWindowOpen() const = 0;
    // A main window can be opened at all (false until it exists): the start opens it only then.
    virtual bool HasMainWindow() const = 0;
    // The one program dialog (the editor, the preferences, the import wizard) is open.
    virtual bool ProgramDialogOpen() const = 0;
    // Brings the open program dialog (its last active pop-up) to the front.
    virtual void RaiseProgramDialog() = 0;
    // Closing: the main window, the program dialog and the tool windows go.
    virtual void CloseAll() = 0;
};

// Every request sounds the exclamation beep: a stand-in where there are no windows.
class BeepingWindowCommands final : public WindowCommands {
public:
    void OpenMainWindow() override;
    void NewEvent(int typeIndex) override;
    void OpenPreferences(PreferencesForm form) override;
    void OpenStopwatch() override;
    void OpenCountdown() override;
    void OpenCalendar(ClickPoint at) override;
    bool MainWindowOpen() const override { return false; }
    bool HasMainWindow() const override { return false; }
    bool ProgramDialogOpen() const override { return false; }
    void RaiseProgramDialog() override {}
    void CloseAll() override {}
    // How many requests were beeped away.
    size_t Beeps() const { return beeps_; }

private:
    void Beep();
    size_t beeps_ = 0;
};

} // namespace zm
