#pragma once
// The resident frame: never shown, alive from start-up to exit. It owns the tray icon and its
// menu, the three shortcut keys, the reminder scheduler and its timers, and carries out the
// frame's commands (frame_commands.h), whichever window sends them.

#include "frame/tray_clicks.h"
#include "frame/tray_wait.h"
#include "platform/program_settings.h"
#include "platform/shortcut_keys.h"
#include "resident/scheduler.h"
#include "ui/frame/frame_scheduler_host.h"
#include "ui/frame/qt_scheduler_timer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class QMenu;
class QSocketNotifier;
class QSystemTrayIcon;

namespace zm {

class EventStore;
class HotKeys;
class QuickList;
class Settings;
class TimeChangeWatch;
class TrayPresence;
class TypeList;
class WindowCommands;

struct FrameParts {
    EventStore& store;
    const TypeList& types;
    const QuickList& quick;
    Settings& settings;
    ProgramSettings& options;
    WindowCommands& windows;
    HotKeys& hotKeys;
    ReminderPresenter& presenter;
    // Null: the scheduler learns of clock changes from nobody.
    TimeChangeWatch* timeWatch = nullptr;
    // Null: the tray is taken to be there and the icon is shown at once. Otherwise the icon
    // waits for the tray (tray_wait.h), for up to trayWaitLimit before noTrayFound().
    TrayPresence* trayPresence = nullptr;
    std::chrono::milliseconds trayWaitLimit = kTrayWaitLimit;
};

class MainFrame final : public QObject {
    Q_OBJECT
public:
    explicit MainFrame(FrameParts parts, QObject* parent = nullptr);
    ~MainFrame() override;

    // Frame creation: the start check and the pending list, the start-up delay, the shortcut
    // keys (failures ignored), the tray icon (or the wait for the tray). A failure was reported
    // already; it ends the program.
    LibraryResult Create();

    // Carries out a frame command (frame_commands.h).
    void Dispatch(uint32_t command);
    // A shortcut key was pressed (kMainWindowHotKeyId ...).
    void HotKeyPressed(int id);
    // Ends the program: the dialogs and boxes are answered first, then the closing steps run
    // from the main loop and closed() follows.
    void RequestClose();
    // The closing steps at once (once): after the event loop has ended.
    void CloseNow();
    // A library error in the scheduler: reported, then the program closes.
    void Fatal(LibraryResult code);
    // Memory goes back to the system while the main window is not open.
    void TrimMemory();
    // The pop-up calendar took a click outside it: the floating clock's next click opens
    // nothing.
    void SuppressNextClockClick() { clicks_.SuppressNextClockClick(); }

    // The floating clock's clicks: a double click opens the main window, a right click the tray
    // menu at the point, a left click the pop-up calendar at the clock once the double-click
    // time has passed without a second click.
    void ClockDoubleClicked();
    void ClockRightClicked(QPoint at);
    void ClockLeftClicked();

    bool RemindersEnabled() const { return scheduler_.RemindersEnabled(); }
    bool Closed() const { return closed_; }
    // The tray icon, once shown: a tray was there.
    bool HasTrayIcon() const { return tray_ != nullptr; }
    QSystemTrayIcon& TrayIcon() { return *tray_; }
    // The tray menu, filled anew for the current state.
    QMenu& TrayMenu();
    Scheduler& ReminderScheduler() { return scheduler_; }
    // The three shortcut keys, for the preferences to install new ones.
    ShortcutKeys& Keys() { return keys_; }
    // The preferences changed the options: the scheduler takes "Hide when the time is over".
    void OptionsChanged();

    // Turning the reminder sound off stops every reminder window's repeating sound.
    std::function<void()> stopReminderSounds;
    // Closing: every reminder window goes.
    std::function<void()> closeReminderWindows;
    // A setting was written (the sound toggle): keep it now.
    std::function<void()> settingsChanged;

signals:
    // The closing steps ran and the library is closed: the program ends.
    void closed();
    // No tray came within the wait: the main window keeps the program reachable.
    void noTrayFound();

private:
    // How long after the start the tray menu is first made.
    static constexpr std::chrono::milliseconds kMenuPrefillDelay{1500};

    void FillMenu();
    void OnTrayActivated(int reason);
    void SingleClickDelayOver();
    void ToggleReminders();
    void SetSound(bool on);
    void RunQuickReminder(size_t index);
    void StartNewEvent(int typeIndex);
    void OpenMainWindow();
    void OpenCalendar(ClickPoint at);
    void ShowAbout();
    void WatchTimeChanges();
    // Made only once a tray is there: Qt decides on the kind of tray when the icon is made.
    void ShowTrayIcon();
    void LookForTray();

    FrameParts parts_;
    FrameSchedulerHost host_;
    QtSchedulerTimer startupDelay_;
    QtSchedulerTimer tick_;
    QtSchedulerTimer nextDue_;
    Scheduler scheduler_;
    ShortcutKeys keys_;
    TrayClicks clicks_;
    QTimer singleClick_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* tray_ = nullptr;
    QSocketNotifier* timeNotifier_ = nullptr;
    TrayWait trayWait_;
    QTimer trayLook_;
    QElapsedTimer sinceCreate_;
    bool closing_ = false;
    bool closed_ = false;
};

} // namespace zm
