#include "platform/program_settings.h"

#include "platform/ascii_text.h"

namespace zm {

ProgramSettings LoadProgramSettings(const Settings& s, const LocaleSettingDefaults& locale) {
    using enum SettingId;
    ProgramSettings v;
    v.ShowGridlines = ReadBool(s, ShowGridlines);
    v.ShowOnStartup = ReadBool(s, ShowOnStartup);
    v.NewTimePicker = ReadBool(s, NewTimePicker);
    v.ShowWeekNumbers = ReadBool(s, ShowWeekNumbers);
    v.CalendarOnLeftClick = ReadBool(s, CalendarOnLeftClick);
    v.ReminderSound = ReadBool(s, ReminderSound);
    v.MainWindowHotKey = static_cast<uint16_t>(ReadInt(s, MainWindowHotKey));
    v.CalendarHotKey = static_cast<uint16_t>(ReadInt(s, CalendarHotKey));
    v.NewEventHotKey = static_cast<uint16_t>(ReadInt(s, NewEventHotKey));
    v.ReminderOnTop = ReadBool(s, ReminderOnTop);
    v.CenterReminders = ReadBool(s, CenterReminders);
    v.CenterReminderTitle = ReadBool(s, CenterReminderTitle);
    v.RememberSnooze = ReadBool(s, RememberSnooze);
    v.HideWhenOver = ReadBool(s, HideWhenOver);
    v.MainView = static_cast<int>(ReadInt(s, MainView));
    v.CheckWeekendEvents = ReadBool(s, CheckWeekendEvents);
    v.WorkWeek = static_cast<uint8_t>(ReadInt(s, WorkWeek));
    v.FirstWeekOfYear = static_cast<int>(ReadInt(s, FirstWeekOfYear, locale));
    v.FirstDayOfWeek = static_cast<int>(ReadInt(s, FirstDayOfWeek, locale));
    v.StartupDelayMinutes = static_cast<int>(ReadInt(s, StartupDelay));
    v.PlainTrayMenu = ReadBool(s, PlainTrayMenu);
    return v;
}

void SaveProgramSettings(Settings& s, const ProgramSettings& v) {
    using enum SettingId;
    WriteBool(s, ShowGridlines, v.ShowGridlines);
    WriteBool(s, ShowOnStartup, v.ShowOnStartup);
    WriteBool(s, NewTimePicker, v.NewTimePicker);
    WriteBool(s, ShowWeekNumbers, v.ShowWeekNumbers);
    WriteBool(s, CalendarOnLeftClick, v.CalendarOnLeftClick);
    WriteInt(s, MainWindowHotKey, v.MainWindowHotKey);
    WriteInt(s, CalendarHotKey, v.CalendarHotKey);
    WriteInt(s, NewEventHotKey, v.NewEventHotKey);
    WriteBool(s, ReminderOnTop, v.ReminderOnTop);
    WriteBool(s, CenterReminders, v.CenterReminders);
    WriteBool(s, CenterReminderTitle, v.CenterReminderTitle);
    WriteBool(s, RememberSnooze, v.RememberSnooze);
    WriteBool(s, HideWhenOver, v.HideWhenOver);
    WriteInt(s, MainView, v.MainView);
    WriteBool(s, CheckWeekendEvents, v.CheckWeekendEvents);
    WriteInt(s, WorkWeek, v.WorkWeek);
    WriteInt(s, FirstWeekOfYear, v.FirstWeekOfYear);
    WriteInt(s, FirstDayOfWeek, v.FirstDayOfWeek);
    WriteInt(s, StartupDelay, v.StartupDelayMinutes);
    WriteBool(s, PlainTrayMenu, v.PlainTrayMenu);
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
