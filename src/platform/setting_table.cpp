#include "platform/setting_table.h"

#include "platform/ascii_text.h"
#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace zm {
namespace {

constexpr int64_t kAnyInt32Low = -2147483648LL;
constexpr int64_t kAnyInt32High = 4294967295LL;
constexpr int64_t kUint32High = 4294967295LL;
constexpr int64_t kLastHotKeyCode = 0xFFFF;
constexpr int64_t kFontBytes = 60;
constexpr int64_t kRectBytes = 16;
constexpr int64_t kNoClockPosition = 0x4E204E20; // (20000, 20000): no position stored yet

constexpr SettingDefinition Int(SettingId id, const char* key, int64_t def, int64_t min,
                                int64_t max, OutOfRange outOfRange,
                                DefaultSource source = DefaultSource::Table) {
    return {id, key, SettingType::Int, def, min, max, outOfRange, "", source};
}
constexpr SettingDefinition Flag(SettingId id, const char* key, bool def) {
    return {id,
            key,
            SettingType::Bool,
            def ? 1 : 0,
            0,
            1,
            OutOfRange::Default,
            "",
            DefaultSource::Table};
}
constexpr SettingDefinition Text(SettingId id, const char* key, const char* def,
                                 int64_t maxLength = 0,
                                 DefaultSource source = DefaultSource::Table) {
    return {id, key, SettingType::Text, 0, 0, maxLength, OutOfRange::Default, def, source};
}
constexpr SettingDefinition Bytes(SettingId id, const char* key, int64_t length,
                                  int64_t defaultValue = 0) {
    return {id,
            key,
            SettingType::Bytes,
            defaultValue,
            0,
            length,
            OutOfRange::Default,
            "",
            DefaultSource::Table};
}
constexpr SettingDefinition Font(SettingId id, const char* key, int64_t defaultPoints) {
    return Bytes(id, key, kFontBytes, defaultPoints);
}

using enum SettingId;
using enum OutOfRange;

constexpr auto kTable = std::to_array<SettingDefinition>({
    Int(WorkWeek, "Calendar/WorkWeek", 127, 0, 127, Default),
    Flag(CheckWeekendEvents, "Calendar/CheckWeekendEvents", false),
    // An order beyond the list counts as its nearest end.
    Int(ImportDateOrder, "LastImpDateF", 0, 0, 2, Clamp),
    // The undefined type's values are checked where they are applied to the type.
    Int(UndefinedSoundKind, "Types/UndefinedSoundKind", 1, kAnyInt32Low, kAnyInt32High, Clamp),
    Int(UndefinedSoundRepeat, "Types/UndefinedSoundRepeat", 1, kAnyInt32Low, kAnyInt32High, Clamp),
    Int(UndefinedSoundPause, "Types/UndefinedSoundPause", 0x00010000, kAnyInt32Low, kAnyInt32High,
        Clamp),
    Text(UndefinedSoundFile, "Types/UndefinedSoundFile", ""),
    Int(UndefinedColour, "Types/UndefinedColour", 0x004080FF, 0, kAnyInt32High, Clamp),
    // A kind above the last one reads as a sound file, below 0 as no sound.
    Int(CountdownSoundKind, "Countdown/SoundKind", 1, 0, 2, Clamp),
    Flag(CountdownSoundRepeat, "Countdown/SoundRepeat", true),
    Int(CountdownSoundPause, "Countdown/SoundPause", 20, 0, kUint32High, Default),
    Text(CountdownSoundFile, "Countdown/SoundFile", ""),

    // Sound: the recently used sound files, entry 1 the oldest; an empty entry ends the list.
    Text(RecentSoundFile1, "RecentSounds/File1", ""),
    Text(RecentSoundFile2, "RecentSounds/File2", ""),
    Text(RecentSoundFile3, "RecentSounds/File3", ""),
    Text(RecentSoundFile4, "RecentSounds/File4", ""),
    Text(RecentSoundFile5, "RecentSounds/File5", ""),
    Text(RecentSoundFile6, "RecentSounds/File6", ""),
    Text(RecentSoundFile7, "RecentSounds/File7", ""),
    Text(RecentSoundFile8, "RecentSounds/File8", ""),
    Text(RecentSoundFile9, "RecentSounds/File9", ""),
    Text(RecentSoundFile10, "RecentSounds/File10", ""),
    Text(RecentSoundFile11, "RecentSounds/File11", ""),
    Text(RecentSoundFile12, "RecentSounds/File12", ""),
    Text(RecentSoundFile13, "RecentSounds/File13", ""),
    Text(RecentSoundFile14, "RecentSounds/File14", ""),
    Text(RecentSoundFile15, "RecentSounds/File15", ""),

    Flag(ShowGridlines, "General/ShowGridlines", true),
    Flag(ShowOnStartup, "General/ShowOnStartup", true),
    Flag(NewTimePicker, "General/NewTimePicker", true),
    Flag(ShowWeekNumbers, "Calendar/ShowWeekNumbers", true),
    Flag(CalendarOnLeftClick, "Calendar/OpenOnLeftClick", true),
    Flag(ReminderSound, "General/ReminderSound", true),
    Int(MainWindowHotKey, "HotKeys/MainWindow", 0, 0, kLastHotKeyCode, Default),
    Int(CalendarHotKey, "HotKeys/Calendar", 0, 0, kLastHotKeyCode, Default),
    Int(NewEventHotKey, "HotKeys/NewEvent", 0, 0, kLastHotKeyCode, Default),
    Flag(ReminderOnTop, "Reminder/AlwaysOnTop", false),
    Flag(CenterReminders, "Reminder/CenterOnScreen", false),
    Flag(CenterReminderTitle, "Reminder/CenterTitle", false),
    Flag(RememberSnooze, "Reminder/RememberSnooze", false),
    Flag(HideWhenOver, "Reminder/HideWhenOver", false),
    // Any other view is the Day view.
    Int(MainView, "MainWindow/View", 0, 0, 3, Default),
    // Values above the last one read as the last one.
    Int(FirstWeekOfYear, "Calendar/FirstWeekOfYear", 0, 0, 2, Clamp,
        DefaultSource::FirstWeekOfYear),
    Int(FirstDayOfWeek, "Calendar/FirstDayOfWeek", 0, 0, 6, Clamp, DefaultSource::FirstDayOfWeek),

    // Read as it is: only 1 (right-to-left) and the absent value (-1) mean something.
    Int(RightToLeft, "General/RightToLeft", -1, kAnyInt32Low, kAnyInt32High, Clamp),
    Int(FirstRunMarker, "General/FirstRun", 0, kAnyInt32Low, kAnyInt32High, Clamp),
    // 0 and 1 give one minute, anything above 9 ten.
    Int(StartupDelay, "General/StartupDelay", 1, 1, 10, Clamp),
    Flag(PlainTrayMenu, "General/PlainTrayMenu", false),

    Font(MainWindowFont, "Fonts/MainWindow", 8),
    Font(DatePanelFont, "Fonts/DatePanel", 10),
    Font(CalendarFont, "Fonts/Calendar", 10),
    Font(ClockFont, "Fonts/Clock", 8),
    Font(PrintHeaderFont, "Fonts/PrintHeader", 18),
    Font(PrintTextFont, "Fonts/PrintText", 12),
    Font(PrintFooterFont, "Fonts/PrintFooter", 8),

    Bytes(PageMargins, "Printing/Margins", kRectBytes),

    Flag(ShowClock, "Clock/Show", true),
    Flag(ClockCustomColours, "Clock/CustomColours", false),
    Int(ClockTextColour, "Clock/TextColour", -1, -1, 0xFFFFFF, Default),
    Int(ClockBackgroundColour, "Clock/BackgroundColour", -1, -1, 0xFFFFFF, Default),
    Flag(ClockCustomFont, "Clock/CustomFont", false),
    Flag(ClockTooltip, "Clock/Tooltip", true),
    Flag(ClockBorder, "Clock/Border", true),
    Int(ClockMargins, "Clock/Margins", 5, 0, 99, Clamp),
    Text(ClockFormat, "Clock/Format", "hh:mm:ss tt", kClockFormatMaxLength,
         DefaultSource::ClockFormat),
    Int(ClockAlignment, "Clock/Alignment", 0, 0, 2, Clamp),
    Int(ClockChimes, "Clock/Chimes", 0x00010001, 0, kUint32High, Default),
    // Every 32-bit pattern is a position; a negative number is its two's complement.
    Int(ClockPosition, "Clock/Position", kNoClockPosition, kAnyInt32Low, kUint32High, Default),

    Flag(PrintTitle, "Printing/Title", true),
    Flag(PrintTimeSpan, "Printing/TimeSpan", true),
    Flag(PrintColour, "Printing/Colour", true),
    Flag(PrintNotes, "Printing/Notes", true),
    Flag(PrintDateTime, "Printing/DateTime", true),
    Flag(PrintPageNumber, "Printing/PageNumber", true),
    Int(PreviewPages, "Printing/PreviewPages", 1, 1, 2, Clamp),

    Bytes(MainWindowRect, "MainWindow/Rect", kRectBytes),
    Flag(MainWindowMaximised, "MainWindow/Maximised", false),
    Text(ActiveFilter, "MainWindow/Filter", ""),
    Int(ToolbarLabels, "MainWindow/ToolbarLabels", 2, 0, 2, Default),
    Text(ToolbarButtons, "MainWindow/HiddenButtons", "", 64),
});

static_assert(kTable.size() == static_cast<size_t>(ToolbarButtons) + 1);

const LocaleSettingDefaults& NoLocale() {
    static const LocaleSettingDefaults none;
    return none;
}

int64_t DefaultInt(const SettingDefinition& d, const LocaleSettingDefaults& locale) {
    switch (d.defaultSource) {
    case DefaultSource::FirstWeekOfYear:
        return locale.firstWeekOfYear;
    case DefaultSource::FirstDayOfWeek:
        return locale.firstDayOfWeek;
    default:
        return d.defaultValue;
    }
}

int64_t InRange(const SettingDefinition& d, int64_t v, const LocaleSettingDefaults& locale) {
    if (v >= d.min && v <= d.max) return v;
    if (d.outOfRange == OutOfRange::Default) return std::clamp(DefaultInt(d, locale), d.min, d.max);
    return std::clamp(v, d.min, d.max);
}

std::string CutText(const SettingDefinition& d, std::string_view text) {
    if (d.max <= 0) return std::string(text);
    return std::string(Utf8Prefix(text, static_cast<size_t>(d.max)));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

int64_t FirstWeekOfYearFromLocale(std::optional<int64_t> localeValue) {
    if (!localeValue || *localeValue < 0) return 0;
    switch (*localeValue) {
    case 0:
        return 0; // starts on Jan 1
    case 1:
        return 2; // the first full week
    default:
        return 1; // the first 4-day week, and anything the locale adds
    }
}

int64_t FirstDayOfWeekFromLocale(std::optional<int64_t> localeValue) {
    if (!localeValue || *localeValue < 0) return 0;
    return std::min<int64_t>(*localeValue, 6);
}

std::span<const SettingDefinition> AllSettings() {
    return kTable;
}

const SettingDefinition& DefinitionOf(SettingId id) {
    return kTable[static_cast<size_t>(id)];
}

const SettingDefinition* FindSetting(std::string_view key) {
    for (const auto& d : kTable)
        if (key == d.key) return &d;
    return nullptr;
}

std::optional<int64_t> ParseSettingInt(std::string_view text) {
    text = TrimAsciiSpace(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end) return std::nullopt;
    return v;
}

std::optional<bool> ParseSettingBool(std::string_view text) {
    text = TrimAsciiSpace(text);
    if (EqualsIgnoringAsciiCase(text, "true")) return true;
    if (EqualsIgnoringAsciiCase(text, "false")) return false;
    if (auto n = ParseSettingInt(text)) return *n != 0;
    return std::nullopt;
}

int64_t ReadInt(const Settings& settings, SettingId id) {
    return ReadInt(settings, id, NoLocale());
}

int64_t ReadInt(const Settings& settings, SettingId id, const LocaleSettingDefaults& locale) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.Read(d.key);
    const auto v = text ? ParseSettingInt(*text) : std::nullopt;
    return InRange(d, v ? *v : DefaultInt(d, locale), locale);
}

bool ReadBool(const Settings& settings, SettingId id) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.Read(d.key);
    const auto v = text ? ParseSettingBool(*text) : std::nullopt;
    return v ? *v : d.defaultValue != 0;
}

std::string ReadText(const Settings& settings, SettingId id) {
    return ReadText(settings, id, NoLocale());
}

std::string ReadText(const Settings& settings, SettingId id, const LocaleSettingDefaults& locale) {
    const SettingDefinition& d = DefinitionOf(id);
    if (const auto text = settings.Read(d.key)) return CutText(d, *text);
    if (d.defaultSource == DefaultSource::ClockFormat) return CutText(d, locale.clockFormat);
    return d.defaultText;
}

std::optional<std::vector<uint8_t>> ReadBytes(const Settings& settings, SettingId id) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.Read(d.key);
    if (!text) return std::nullopt;
    const std::string_view hex = TrimAsciiSpace(*text);
    if (hex.size() != static_cast<size_t>(d.max) * 2) return std::nullopt;
    std::vector<uint8_t> bytes(hex.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit(hex[2 * i]);
        const int low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return bytes;
}

void WriteInt(Settings& settings, SettingId id, int64_t value) {
    const SettingDefinition& d = DefinitionOf(id);
    settings.Write(d.key, std::to_string(InRange(d, value, NoLocale())));
}

void WriteBool(Settings& settings, SettingId id, bool value) {
    settings.Write(DefinitionOf(id).key, value ? "true" : "false");
}

void WriteText(Settings& settings, SettingId id, std::string_view value) {
    const SettingDefinition& d = DefinitionOf(id);
    settings.Write(d.key, CutText(d, value));
}

void WriteBytes(Settings& settings, SettingId id, std::span<const uint8_t> value) {
    const SettingDefinition& d = DefinitionOf(id);
    if (value.size() != static_cast<size_t>(d.max)) return;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(value.size() * 2);
    for (const uint8_t b : value) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    settings.Write(d.key, hex);
}

} // namespace zm
