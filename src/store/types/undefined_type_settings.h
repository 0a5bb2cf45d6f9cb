#pragma once
// The undefined type's values live in the settings store, not in the types file.

#include "platform/settings.h"
#include "store/types/event_type.h"

#include <cstdint>
#include <string>

namespace zm {

// The values as stored, before any check.
struct UndefinedTypeSettings {
    int64_t soundKind = 1;
    int64_t soundRepeat = 1;
    int64_t soundPause = 0x00010000;
    std::string soundFile;
    int64_t colour = 0x004080FF;
    friend bool operator==(const UndefinedTypeSettings&, const UndefinedTypeSettings&) = default;
};

// The stored values from the user's settings; the defaults for entries that are missing.
UndefinedTypeSettings ReadUndefinedTypeSettings(const Settings& settings);
void WriteUndefinedTypeSettings(Settings& settings, const UndefinedTypeSettings& values);

// Applies stored values: the sound kind clamped to 0 ... 2, any repeat value other than 0 is
// "repeat", the pause's minutes capped at 99 and seconds at 59 with 0 min 0 s read as 1 min.
void ApplyUndefinedTypeSettings(const UndefinedTypeSettings& s, UndefinedType& type);

// The values to store for the undefined type.
UndefinedTypeSettings UndefinedTypeSettingsOf(const UndefinedType& type);

} // namespace zm
