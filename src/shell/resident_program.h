#pragma once
// The running program: its settings, data files and event store, the single instance and the
// companion's socket, the sound, the shortcut keys and the resident frame, put together in the
// order of start-up and taken apart in the order of exit.

#include "adapters/gui/qt_work_area.h"
#include "adapters/ipc/qt_single_instance.h"
#include "adapters/linux/time/linux_time_change_watch.h"
#include "adapters/qt/qt_locale_formatter.h"
#include "adapters/qt/qt_locale_names.h"
#include "adapters/qt/qt_settings.h"
#include "adapters/qt/qt_shutdown_bridge.h"
#include "cli/cli.h"
#include "cli/companion_service.h"
#include "cli/hosted_store.h"
#include "clock/clock_look.h"
#include "format/locale_formats.h"
#include "platform/clock.h"
#include "platform/hot_keys.h"
#include "platform/program_settings.h"
#include "platform/sound_backend.h"
#include "platform/tray_presence.h"
#include "store/event_store.h"
#include "store/quick/quick_list.h"
#include "store/quick/quick_take_over.h"
#include "store/types/type_list.h"
#include "ui/common/qt_user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/frame/message_boxes.h"
#include "ui/reminder/reminder_boxes.h"

#include <memory>
#include <optional>
#include <string>

class QApplication;

namespace zm {

class FloatingClock;
class MainFrame;
class ProgramWindows;
class ReminderWindowSet;

class ResidentProgram final {
public:
    explicit ResidentProgram(QApplication& app);
    ~ResidentProgram();

    // Start-up: false when the program ends at once (another copy runs, or start-up failed and
    // said why). `exitCode` is the process's status then.
    bool Start(int& exitCode);
    // After the event loop: the frame closes if it has not, the settings are saved, the socket
    // and the lock go.
    void Exit();

private:
    bool LoadSideFiles();
    bool OpenLibrary();
    void ServeCompanion();
    void SaveSettings();
    // What OK on the preferences sheet asks of the frame, the clock and the reminder windows.
    void ConnectPreferences();
    // The floating clock with its options and place, shown when the settings say so.
    void ShowClock();
    // The clock takes its options and font from the settings; they are given back.
    ClockOptions ApplyClockSettings();

    QApplication& app_;
    QtSettings settings_;
    ProgramSettings options_;
    std::string folder_;
    QtSingleInstance instance_;
    TypeList types_;
    QuickList quick_;
    std::optional<QuickListTakeOver> takeOver_;
    QtStorePrompts prompts_;
    std::unique_ptr<EventStore> store_;
    LocaleFormats formats_;
    QtLocaleNames names_;
    HostedStore hosted_;
    CliEnvironment env_;
    std::unique_ptr<CompanionService> companion_;
    std::unique_ptr<SoundBackend> sound_;
    std::unique_ptr<HotKeys> hotKeys_;
    std::unique_ptr<TrayPresence> trayPresence_;
    LinuxTimeChangeWatch timeWatch_;
    QtWorkArea workArea_;
    QtReminderBoxes reminderBoxes_;
    bool rightToLeft_ = false;
    std::unique_ptr<ReminderWindowSet> reminders_;
    // The program's windows: what they are given, their boxes, and the windows themselves.
    std::unique_ptr<WindowContext> windowContext_;
    std::unique_ptr<QtUserBoxes> boxes_;
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<MainFrame> frame_;
    SystemClock systemClock_;
    QtLocaleFormatter localeFormatter_;
    std::unique_ptr<FloatingClock> clock_;
    QtShutdownBridge shutdown_;
    bool started_ = false;
};

} // namespace zm
