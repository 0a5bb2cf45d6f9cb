#pragma once
// The one table of every setting: its key, type, default and range. Settings are read and
// written through it, so a missing or damaged value always reads as something sensible.

#include "platform/settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zm {

enum class SettingType : uint8_t { Int, Bool, Text };

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
};

struct SettingDefinition {
    SettingId id;
    const char* key;
    SettingType type;
    int64_t defaultValue; // Int and Bool (0 or 1)
    int64_t min;
    int64_t max;
    OutOfRange outOfRange;
    const char* defaultText; // Text
};

// Every setting, in the order of SettingId.
std::span<const SettingDefinition> AllSettings();
const SettingDefinition& DefinitionOf(SettingId id);
// The setting of a key (compared exactly), or null.
const SettingDefinition* FindSetting(std::string_view key);

// Typed reads: a missing value, or one that is not of the setting's type, reads as the
// default; a number outside the range as the table says.
int64_t ReadInt(const Settings& settings, SettingId id);
bool ReadBool(const Settings& settings, SettingId id);
std::string ReadText(const Settings& settings, SettingId id);

// Typed writes. A number is brought into the range first, so what is stored reads back the same.
void WriteInt(Settings& settings, SettingId id, int64_t value);
void WriteBool(Settings& settings, SettingId id, bool value);
void WriteText(Settings& settings, SettingId id, std::string_view value);

// The stored forms: a decimal number, "true" or "false". Bool also reads "1", "0" and any other
// decimal number (nonzero = true), without regard to letter case.
std::optional<int64_t> ParseSettingInt(std::string_view text);
std::optional<bool> ParseSettingBool(std::string_view text);

} // namespace zm
