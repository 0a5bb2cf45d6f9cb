#pragma once
// A sound as events, types, quick reminders and settings keep it, and what to play for it.
//
// Sound word: kind in bits 0-15 (0 no sound, 1 default beep, 2 sound file), repeat in bit 16.
// Pause word: minutes in bits 16-31, seconds in bits 0-15.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zm {

class EventRecord;

enum class SoundKind : uint8_t { None = 0, Beep = 1, File = 2 };

inline constexpr uint32_t kSoundRepeatBit = 0x10000;
inline constexpr uint32_t kOneMinutePause = 0x10000;
inline constexpr int kMaxPauseMinutes = 99;
inline constexpr int kMaxPauseSeconds = 59;

struct SoundSetting {
    uint32_t sound = 0;
    uint32_t pause = kOneMinutePause;
    std::string file;
};

// The kind of a sound word; a kind beyond the three is no sound.
SoundKind KindOf(uint32_t sound);
bool RepeatsIn(uint32_t sound);
uint32_t SoundWord(SoundKind kind, bool repeat);

// The parts of a pause word, each capped at its largest value (99 minutes, 59 seconds).
int PauseMinutes(uint32_t pause);
int PauseSeconds(uint32_t pause);
uint32_t PauseWord(int minutes, int seconds);
// The time between two repetitions. A pause of 0:00 counts as one second, so a sound that is
// to repeat never plays only once nor without a break.
std::chrono::milliseconds PauseDelay(uint32_t pause);

// What a player is asked to play: an empty file is the default beep; a delay of 0 plays once.
struct SoundRequest {
    std::string file;
    std::chrono::milliseconds repeatDelay{0};
    friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

// What plays for a sound: nothing for no sound; the beep or the file, repeated with the pause
// when the repeat flag is set.
std::optional<SoundRequest> RequestFor(const SoundSetting& sound);

// An event's sound: its own when it has CustomSound (its pause only when it has one, else one
// minute), otherwise its type's.
SoundSetting ReminderSoundOf(const EventRecord& event, const SoundSetting& typeSound);
// What a reminder plays: nothing while the reminder sound is switched off.
std::optional<SoundRequest>
ReminderSoundRequest(const EventRecord& event, const SoundSetting& typeSound, bool reminderSoundOn);

} // namespace zm
