#pragma once
// The windows the resident frame opens: the main window (made when asked for, destroyed when
// closed), the event editor for a new event, the pop-up calendar (made once, then shown and
// hidden), the preferences sheet, and the countdown timers and stopwatches.

#include "timers/steady_ticks.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/common/program_dialog.h"
#include "ui/frame/window_commands.h"
#include "ui/main/main_window.h"
#include "ui/preferences/preferences_hooks.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace zm {

struct WindowContext;
struct EventRecord;
class DateTime;
class UserBoxes;
class TimerWindows;

class ProgramWindows final : public QObject, public WindowCommands {
    Q_OBJECT
public:
    ProgramWindows(WindowContext& context, UserBoxes& boxes, QObject* parent = nullptr);
    ~ProgramWindows() override;

    void OpenMainWindow() override;
    void NewEvent(int typeIndex) override;
    void OpenPreferences(PreferencesForm form) override;
    void OpenStopwatch() override;
    void OpenCountdown() override;
    void OpenCalendar(ClickPoint at) override;
    bool MainWindowOpen() const override { return !main_.isNull(); }
    bool HasMainWindow() const override { return true; }
    bool ProgramDialogOpen() const override { return dialogs_.Open(); }
    void RaiseProgramDialog() override { dialogs_.Raise(); }
    void CloseAll() override;
    // The preferences changed the options: the open windows show them.
    void OptionsChanged();

    // A new event of the type on a day (none: the main window's day, or today while it is
    // closed or shows all events).
    void NewEventOn(int typeIndex, std::optional<DateTime> day);
    // The reminder window's "Open...": the editor on the stored event.
    void EditStored(const EventRecord& event, bool topMost);

    MainWindow* Main() const { return main_; }
    PopupCalendar* Calendar() const { return calendar_; }
    ProgramDialogGuard& Dialogs() { return dialogs_; }

    // The frame's commands (a new event of a type, the preferences, help, about).
    std::function<void(uint32_t command)> frameCommand;
    // The calendar took a click outside it: the clock's next click opens nothing.
    std::function<void()> calendarConsumedClick;
    // The floating clock's window, for the calendar opened at the clock; null while none.
    std::function<const QWidget*()> clockWindow;
    // The main window went: the program gives memory back.
    std::function<void()> mainWindowClosed;
    // What the preferences sheet asks of the program on OK.
    PreferencesHooks preferencesHooks;

private:
    bool RunEditor(const EventRecord& event, bool isNew, bool topMost);
    // The editor's "Customize...": the Event Types page over the editor; true on OK.
    bool CustomizeTypesOver(QWidget* editor);

    WindowContext& context_;
    UserBoxes& boxes_;
    ProgramDialogGuard dialogs_;
    QPointer<MainWindow> main_;
    QPointer<PopupCalendar> calendar_;
    SteadyTicks ticks_;
    std::unique_ptr<TimerWindows> timers_;
};

} // namespace zm
