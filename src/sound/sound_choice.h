#pragma once
// The rules of the two sound dialogs ("Reminder Sound" for an event, "Setup Sound" for the
// countdown timer): what they show for a sound, which controls are enabled, and what OK stores.

#include "sound/sound_setting.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace zm {

class EventRecord;

struct SoundChoice {
    SoundKind kind = SoundKind::None;
    bool repeat = false;
    int minutes = 0; // 0 ... 99
    int seconds = 0; // 0 ... 59
    friend bool operator==(const SoundChoice&, const SoundChoice&) = default;
};

// What a dialog shows for a stored sound: a kind beyond the three shows as no sound.
SoundChoice ChoiceOf(uint32_t sound, uint32_t pause);
// Choosing "No sound" also clears "Repeat sound".
SoundChoice WithKind(SoundChoice choice, SoundKind kind);

// What OK stores: the sound word, and the pause word with 0:00 stored as 0:01.
uint32_t SoundWordOf(const SoundChoice& choice);
uint32_t StoredPauseOf(const SoundChoice& choice);
// The repeat delay of "Play": none without "Repeat sound"; a pause of 0:00 counts as 1 second.
std::chrono::milliseconds PreviewDelayOf(const SoundChoice& choice);

// Which sound controls are enabled. `editable` is false in "Reminder Sound" while "Use custom
// sound options" is clear.
struct SoundControlState {
    bool kinds = false;        // the three radios
    bool fileControls = false; // the recent-file list, "Browse" and "Play"
    bool repeat = false;
    bool pause = false; // the minutes and seconds fields
    friend bool operator==(const SoundControlState&, const SoundControlState&) = default;
};
SoundControlState ControlStateOf(const SoundChoice& choice, bool editable);

// OK refuses "Sound file:" without a chosen file.
bool NeedsFile(const SoundChoice& choice, const std::string& selectedFile);

// "Reminder Sound" OK: with custom options the event gets its own sound (and its pause when it
// repeats); without, it follows its type again and its sound file is emptied.
void ApplyReminderSound(EventRecord& event, bool custom, const SoundChoice& choice,
                        const std::string& file);

} // namespace zm
