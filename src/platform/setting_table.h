#pragma once
// The one table of every setting: its key, type, default and range. Settings are read and
// written through it, so a missing or damaged value always reads as something sensible.

#include "platform/settings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

// Bytes are stored as hexadecimal text (two lower-case digits a byte).
enum class SettingType : uint8_t { Int, Bool, Text, Bytes };

// What a stored number outside the range reads as.
enum class OutOfRange : uint8_t {
    Clamp,   // the nearest end of the range
    Default, // the default
};

enum class SettingId : uint8_t {
    WorkWeek,           // bit 0 Sunday ... bit 6 Saturday: the working days
    CheckWeekendEvents, // "Check week-end events"
    ImportDateOrder,    // the date order last chosen for an import: 0 MDY, 1 DMY, 2 YMD
    // The undefined event type keeps its values here rather than in the types file.
    UndefinedSoundKind,   // 0 none, 1 beep, 2 sound file
    UndefinedSoundRepeat, // nonzero: repeat the sound
    UndefinedSoundPause,  // minutes in bits 16-31, seconds in bits 0-15
    UndefinedSoundFile,
    UndefinedColour, // 0x00BBGGRR
    // The sound a countdown plays when it reaches 0.
    CountdownSoundKind,   // 0 none, 1 beep, 2 sound file
    CountdownSoundRepeat, // repeat the sound
    CountdownSoundPause,  // minutes in bits 16-31, seconds in bits 0-15
    CountdownSoundFile,
    // Sound: the recently used sound files of the sound dialogs, 1 the oldest. Their ids follow
    // each other, so entry n is RecentSoundFile1 + n - 1.
    RecentSoundFile1,
    RecentSoundFile2,
    RecentSoundFile3,
    RecentSoundFile4,
    RecentSoundFile5,
    RecentSoundFile6,
    RecentSoundFile7,
    RecentSoundFile8,
    RecentSoundFile9,
    RecentSoundFile10,
    RecentSoundFile11,
    RecentSoundFile12,
    RecentSoundFile13,
    RecentSoundFile14,
    RecentSoundFile15,

    // The program's options, read at start-up in this order and saved in this order (the
    // reminder sound is saved when it is toggled instead).
    ShowGridlines,       // grid lines in the event list
    ShowOnStartup,       // open the main window at start-up
    NewTimePicker,       // the date-time picker control (false: the older combo editor)
    ShowWeekNumbers,     // week numbers in the pop-up calendar
    CalendarOnLeftClick, // a left click on the clock or the tray icon opens the pop-up calendar
    ReminderSound,       // reminder sounds play
    MainWindowHotKey,    // hot-key codes (hot_key_code.h); 0: none
    CalendarHotKey,
    NewEventHotKey,
    ReminderOnTop,       // reminder windows open top-most
    CenterReminders,     // new reminder windows are centred instead of cascaded
    CenterReminderTitle, // reminder windows centre their title text
    RememberSnooze,      // a reminder offers the snooze amount chosen last
    HideWhenOver,        // reminder windows close when their event's time is over
    MainView,            // 0 Day, 1 Week, 2 Month, 3 All
    FirstWeekOfYear,     // 0 starts on Jan 1, 1 first 4-day week, 2 first full week
    FirstDayOfWeek,      // 0 Monday ... 6 Sunday

    RightToLeft,    // absent (-1): follow the locale; 1: right-to-left; else left-to-right
    FirstRunMarker, // kFirstRunDone once the help was shown on a first run
    StartupDelay,   // minutes before the first reminder check, 1 to 10
    PlainTrayMenu,  // the tray menu without images

    // Fonts: the 60-byte font description with the height in points (font_setting.h). The
    // default value is the point size of a missing font.
    MainWindowFont,
    DatePanelFont,
    CalendarFont,
    ClockFont,
    PrintHeaderFont,
    PrintTextFont,
    PrintFooterFont,

    PageMargins, // 16 bytes: left, top, right, bottom in thousandths of an inch (page_margins.h)

    // The floating clock.
    ShowClock,
    ClockCustomColours,
    ClockTextColour,       // 0x00BBGGRR; -1: the system's button text colour
    ClockBackgroundColour, // 0x00BBGGRR; -1: the system's button face colour
    ClockCustomFont,       // ClockFont applies; else the system's icon-title font
    ClockTooltip,
    ClockBorder,    // the 3-D border
    ClockMargins,   // pixels, 0 to 99
    ClockFormat,    // in the clock's picture language; at most kClockFormatMaxLength characters
    ClockAlignment, // 0 left, 1 right, 2 centred
    ClockChimes,    // bits 0-15: the hour chime; bits 16-31: the half-hour chime
    ClockPosition,  // top in bits 16-31, left in bits 0-15 (clock_position.h)

    // Printing.
    PrintTitle,
    PrintTimeSpan,
    PrintColour,
    PrintNotes,
    PrintDateTime,
    PrintPageNumber,
    PreviewPages, // the pages the print preview shows side by side, 1 or 2

    // The main window.
    MainWindowRect, // 16 bytes: left, top, right, bottom of its normal placement
    MainWindowMaximised,
    ActiveFilter,   // the name of the active filter; empty: none
    ToolbarLabels,  // 0 buttons only, 1 text only, 2 buttons and text
    ToolbarButtons, // the hidden toolbar buttons: their positions, comma-separated
};

// Where the default of a setting comes from.
enum class DefaultSource : uint8_t {
    Table,           // defaultValue / defaultText
    FirstWeekOfYear, // LocaleSettingDefaults::FirstWeekOfYear
    FirstDayOfWeek,  // LocaleSettingDefaults::FirstDayOfWeek
    ClockFormat,     // LocaleSettingDefaults::ClockFormat
};

inline constexpr int64_t kFirstRunDone = 350;
inline constexpr int64_t kClockFormatMaxLength = 383;

// What the user's locale gives for the settings whose default follows it. The platform fills
// one at start-up; without one, these values apply.
struct LocaleSettingDefaults {
    int64_t firstWeekOfYear = 0;
    int64_t firstDayOfWeek = 0;
    std::string clockFormat = "hh:mm:ss tt";
    bool metric = false; // the locale measures in metric units
};

// The default of the first week of the year from the locale's own value (0 the week of Jan 1,
// 1 the first full week, 2 the first 4-day week; nothing when it cannot be read).
int64_t FirstWeekOfYearFromLocale(std::optional<int64_t> localeValue);
// The default of the first day of the week from the locale's own value (0 = Monday).
int64_t FirstDayOfWeekFromLocale(std::optional<int64_t> localeValue);

struct SettingDefinition {
    SettingId id;
    const char* key;
    SettingType type;
    int64_t defaultValue; // Int and Bool (0 or 1); a font's point size
    int64_t min;
    int64_t max; // Int: the range; Text: the most characters kept (0: any); Bytes: the length
    OutOfRange outOfRange;
    const char* defaultText; // Text
    DefaultSource defaultSource;
};

// Every setting, in the order of SettingId.
std::span<const SettingDefinition> AllSettings();
const SettingDefinition& DefinitionOf(SettingId id);
// The setting of a key (compared exactly), or null.
const SettingDefinition* FindSetting(std::string_view key);

// Typed reads: a missing value, or one that is not of the setting's type, reads as the
// default; a number outside the range as the table says; a text is cut to its most characters.
// Defaults that follow the locale are taken from the given locale defaults.
int64_t ReadInt(const Settings& settings, SettingId id);
int64_t ReadInt(const Settings& settings, SettingId id, const LocaleSettingDefaults& locale);
bool ReadBool(const Settings& settings, SettingId id);
std::string ReadText(const Settings& settings, SettingId id);
std::string ReadText(const Settings& settings, SettingId id, const LocaleSettingDefaults& locale);
// Nothing when the value is missing, not hexadecimal or not of the setting's length.
std::optional<std::vector<uint8_t>> ReadBytes(const Settings& settings, SettingId id);

// Typed writes. A number is brought into the range first, so what is stored reads back the same.
void WriteInt(Settings& settings, SettingId id, int64_t value);
void WriteBool(Settings& settings, SettingId id, bool value);
void WriteText(Settings& settings, SettingId id, std::string_view value);
// Bytes of another length than the setting's are not stored.
void WriteBytes(Settings& settings, SettingId id, std::span<const uint8_t> value);

// The stored forms: a decimal number, "true" or "false". Bool also reads "1", "0" and any other
// decimal number (nonzero = true), without regard to letter case.
std::optional<int64_t> ParseSettingInt(std::string_view text);
std::optional<bool> ParseSettingBool(std::string_view text);

} // namespace zm
