#pragma once
// The program-wide options as the program holds them while it runs: read once at start-up, in
// the order of the setting table, and saved back (normalised) at exit and after the preferences
// are confirmed. The reminder sound is not saved here: it is written at once when it is toggled.

#include "platform/setting_table.h"

#include <cstdint>
#include <string_view>

namespace zm {

struct ProgramSettings {
    bool ShowGridlines = true;
    bool ShowOnStartup = true;
    bool NewTimePicker = true;
    bool ShowWeekNumbers = true;
    bool CalendarOnLeftClick = true;
    bool ReminderSound = true;
    uint16_t MainWindowHotKey = 0;
    uint16_t CalendarHotKey = 0;
    uint16_t NewEventHotKey = 0;
    bool ReminderOnTop = false;
    bool CenterReminders = false;
    bool CenterReminderTitle = false;
    bool RememberSnooze = false;
    bool HideWhenOver = false;
    int MainView = 0; // 0 Day, 1 Week, 2 Month, 3 All
    bool CheckWeekendEvents = false;
    uint8_t WorkWeek = 127; // bit 0 Sunday ... bit 6 Saturday
    int FirstWeekOfYear = 0;
    int FirstDayOfWeek = 0;

    int StartupDelayMinutes = 1; // 1 to 10
    bool PlainTrayMenu = false;
};

ProgramSettings LoadProgramSettings(const Settings& settings, const LocaleSettingDefaults& locale);
// Writes every option except the reminder sound, each brought into its range.
void SaveProgramSettings(Settings& settings, const ProgramSettings& values);

// Right-to-left reading: a stored 1 turns it on and any other stored value off; without a
// stored value it follows the locale: on when the system supports right-to-left scripts and the
// English name of the locale's language is "Hebrew" (in any letter case).
bool ReadsRightToLeft(const Settings& settings, bool systemSupportsRightToLeft,
                      std::string_view localeLanguageEnglishName);

// True on a first run; marks the run as seen, so the next start is not a first run.
bool TakeFirstRun(Settings& settings);

} // namespace zm
