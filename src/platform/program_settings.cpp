#include "platform/program_settings.h"

#include "platform/ascii_text.h"

namespace zm {

ProgramSettings LoadProgramSettings(const Settings& s, const LocaleSettingDefaults& locale) {
    using enum SettingId;
    ProgramSettings v;
    v.showGridlines = ReadBool(s, ShowGridlines);
    v.showOnStartup = ReadBool(s, ShowOnStartup);
    v.newTimePicker = ReadBool(s, NewTimePicker);
    v.showWeekNumbers = ReadBool(s, ShowWeekNumbers);
    v.calendarOnLeftClick = ReadBool(s, CalendarOnLeftClick);
    v.reminderSound = ReadBool(s, ReminderSound);
    v.mainWindowHotKey = static_cast<uint16_t>(ReadInt(s, MainWindowHotKey));
    v.calendarHotKey = static_cast<uint16_t>(ReadInt(s, CalendarHotKey));
    v.newEventHotKey = static_cast<uint16_t>(ReadInt(s, NewEventHotKey));
    v.reminderOnTop = ReadBool(s, ReminderOnTop);
    v.centerReminders = ReadBool(s, CenterReminders);
    v.centerReminderTitle = ReadBool(s, CenterReminderTitle);
    v.rememberSnooze = ReadBool(s, RememberSnooze);
    v.hideWhenOver = ReadBool(s, HideWhenOver);
    v.mainView = static_cast<int>(ReadInt(s, MainView));
    v.checkWeekendEvents = ReadBool(s, CheckWeekendEvents);
    v.workWeek = static_cast<uint8_t>(ReadInt(s, WorkWeek));
    v.firstWeekOfYear = static_cast<int>(ReadInt(s, FirstWeekOfYear, locale));
    v.firstDayOfWeek = static_cast<int>(ReadInt(s, FirstDayOfWeek, locale));
    v.startupDelayMinutes = static_cast<int>(ReadInt(s, StartupDelay));
    v.plainTrayMenu = ReadBool(s, PlainTrayMenu);
    return v;
}

void SaveProgramSettings(Settings& s, const ProgramSettings& v) {
    using enum SettingId;
    WriteBool(s, ShowGridlines, v.showGridlines);
    WriteBool(s, ShowOnStartup, v.showOnStartup);
    WriteBool(s, NewTimePicker, v.newTimePicker);
    WriteBool(s, ShowWeekNumbers, v.showWeekNumbers);
    WriteBool(s, CalendarOnLeftClick, v.calendarOnLeftClick);
    WriteInt(s, MainWindowHotKey, v.mainWindowHotKey);
    WriteInt(s, CalendarHotKey, v.calendarHotKey);
    WriteInt(s, NewEventHotKey, v.newEventHotKey);
    WriteBool(s, ReminderOnTop, v.reminderOnTop);
    WriteBool(s, CenterReminders, v.centerReminders);
    WriteBool(s, CenterReminderTitle, v.centerReminderTitle);
    WriteBool(s, RememberSnooze, v.rememberSnooze);
    WriteBool(s, HideWhenOver, v.hideWhenOver);
    WriteInt(s, MainView, v.mainView);
    WriteBool(s, CheckWeekendEvents, v.checkWeekendEvents);
    WriteInt(s, WorkWeek, v.workWeek);
    WriteInt(s, FirstWeekOfYear, v.firstWeekOfYear);
    WriteInt(s, FirstDayOfWeek, v.firstDayOfWeek);
    WriteInt(s, StartupDelay, v.startupDelayMinutes);
    WriteBool(s, PlainTrayMenu, v.plainTrayMenu);
}

bool ReadsRightToLeft(const Settings& settings, bool systemSupportsRightToLeft,
                      std::string_view localeLanguageEnglishName) {
    const int64_t stored = ReadInt(settings, SettingId::RightToLeft);
    if (stored == -1)
        return systemSupportsRightToLeft &&
               EqualsIgnoringAsciiCase(localeLanguageEnglishName, "Hebrew");
    return stored == 1;
}

bool TakeFirstRun(Settings& settings) {
    if (ReadInt(settings, SettingId::FirstRunMarker) == kFirstRunDone) return false;
    WriteInt(settings, SettingId::FirstRunMarker, kFirstRunDone);
    return true;
}

} // namespace zm
