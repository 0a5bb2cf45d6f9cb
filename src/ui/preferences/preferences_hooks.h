#pragma once
// What the preferences sheet asks of the running program when the user confirms it: the parts
// that belong to the frame, the floating clock, the calendar and the open windows. A hook left
// empty is skipped.

#include "preferences/shortcut_key_install.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zm {

struct PreferencesHooks {
    // Installs the three keys (main window, pop-up calendar, new event) all or none, as
    // InstallShortcutKeys does over the frame's keys; gives the refused one.
    std::function<std::optional<ShortcutKeyRefusal>(const ShortcutKeyCodes&)> installShortcutKeys;
    // The options were saved into the settings: keep them now.
    std::function<void()> settingsSaved;
    // The program's options (WindowContext::options) hold the sheet's values now: what keeps a
    // copy of one takes it again (the scheduler's "Hide when the time is over"), and what shows
    // one is drawn again (the list's gridlines).
    std::function<void()> optionsChanged;
    // The quick reminders were saved: the tray menu is made anew.
    std::function<void()> quickRemindersChanged;
    // The main-window, date-panel or calendar font changed: the windows redraw with them.
    std::function<void()> fontsChanged;
    // The work week, the first day of the week or the first week of the year changed: the
    // store's week settings, the pending list and the calendar take them again.
    std::function<void()> weekSettingsChanged;
    // "Center title text" changed: the open reminder windows lay out their titles again.
    std::function<void()> reminderTitleChanged;
    // The Clock page's values were written to the settings: the floating clock takes them.
    std::function<void()> clockSettingsChanged;
    // "Show Floating Clock" toggled: the clock shows or hides at once.
    std::function<void(bool show)> showClock;
    // A chime's "Test" button: the hour chime (false) or the half-hour chime (true).
    std::function<void(bool halfHour)> testChime;
    // The clock format of the user's locale, for "Reset" and for a format never stored.
    std::function<std::string()> localeClockFormat;

    // The autostart entry (empty: from XDG_CONFIG_HOME or HOME) and the program it starts
    // (empty: this program's file).
    std::filesystem::path autostartEntry;
    std::string programPath;
};

} // namespace zm
