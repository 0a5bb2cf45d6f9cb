#pragma once
// The program-wide options as the program holds them while it runs: read once at start-up, in
// the order of the setting table, and saved back (normalised) at exit and after the preferences
// are confirmed. The reminder sound is not saved here: it is written at once when it is toggled.

#include "platform/setting_table.h"

#include <cstdint>
#include <string_view>

namespace zm {

struct ProgramSettings {
    bool showGridlines = true;
    bool showOnStartup = true;
    bool newTimePicker = true;
    bool showWeekNumbers = true;
    bool calendarOnLeftClick = true;
    bool reminderSound = true;
    uint16_t mainWindowHotKey = 0;
    uint16_t calendarHotKey = 0;
    uint16_t newEventHotKey = 0;
    bool reminderOnTop = false;
    bool centerReminders = false;
    bool centerReminderTitle = false;
    bool rememberSnooze = false;
    bool hideWhenOver = false;
    int mainView = 0; // 0 Day, 1 Week, 2 Month, 3 All
    bool checkWeekendEvents = false;
    uint8_t workWeek = 127; // bit 0 Sunday ... bit 6 Saturday
    int firstWeekOfYear = 0;
    int firstDayOfWeek = 0;

    int startupDelayMinutes = 1; // 1 to 10
    bool plainTrayMenu = false;
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
