#pragma once
// The undefined type's values live in the settings store, not in the types file.

#include "store/event_type.h"

#include <cstdint>
#include <string>

namespace zm {

// Entry names in the settings section.
inline constexpr char kUndefinedSoundKindEntry[] = "UndefinedSoundKind";
inline constexpr char kUndefinedSoundRepeatEntry[] = "UndefinedSoundRepeat";
inline constexpr char kUndefinedSoundPauseEntry[] = "UndefinedSoundPause";
inline constexpr char kUndefinedSoundFileEntry[] = "UndefinedSoundFile";
inline constexpr char kUndefinedColourEntry[] = "UndefinedColour";

// The values as stored, before any check.
struct UndefinedTypeSettings {
    int64_t soundKind = 1;
    int64_t soundRepeat = 1;
    int64_t soundPause = 0x00010000;
    std::string soundFile;
    int64_t colour = 0x004080FF;
    friend bool operator==(const UndefinedTypeSettings&, const UndefinedTypeSettings&) = default;
};

// Where the settings are kept; the program's settings store implements it.
class UndefinedTypeSettingsStore {
public:
    virtual ~UndefinedTypeSettingsStore() = default;
    // The stored values, the defaults for entries that are missing.
    virtual UndefinedTypeSettings read() const = 0;
    virtual void write(const UndefinedTypeSettings& settings) = 0;
};

// Settings held in memory (tests, tools without a settings store).
class MemoryUndefinedTypeSettings final : public UndefinedTypeSettingsStore {
public:
    UndefinedTypeSettings values;
    UndefinedTypeSettings read() const override { return values; }
    void write(const UndefinedTypeSettings& settings) override { values = settings; }
};

// Applies stored values: the sound kind clamped to 0 ... 2, any repeat value other than 0 is
// "repeat", the pause's minutes capped at 99 and seconds at 59 with 0 min 0 s read as 1 min.
void ApplyUndefinedTypeSettings(const UndefinedTypeSettings& s, UndefinedType& type);

// The values to store for the undefined type.
UndefinedTypeSettings UndefinedTypeSettingsOf(const UndefinedType& type);

} // namespace zm
