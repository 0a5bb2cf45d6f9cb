#include "sound/sound_choice.h"

#include "model/event_record.h"

namespace zm {

SoundChoice ChoiceOf(uint32_t sound, uint32_t pause) {
    return {KindOf(sound), RepeatsIn(sound), PauseMinutes(pause), PauseSeconds(pause)};
}

SoundChoice WithKind(SoundChoice choice, SoundKind kind) {
    choice.kind = kind;
    if (kind == SoundKind::None) choice.repeat = false;
    return choice;
}

uint32_t SoundWordOf(const SoundChoice& choice) {
    return SoundWord(choice.kind, choice.repeat);
}

uint32_t StoredPauseOf(const SoundChoice& choice) {
    const uint32_t pause = PauseWord(choice.minutes, choice.seconds);
    return pause == 0 ? 1 : pause;
}

std::chrono::milliseconds PreviewDelayOf(const SoundChoice& choice) {
    if (!choice.repeat) return std::chrono::milliseconds(0);
    return PauseDelay(PauseWord(choice.minutes, choice.seconds));
}

SoundControlState ControlStateOf(const SoundChoice& choice, bool editable) {
    if (!editable) return {};
    const bool repeatAllowed = choice.kind != SoundKind::None;
    return {true, choice.kind == SoundKind::File, repeatAllowed, repeatAllowed && choice.repeat};
}

bool NeedsFile(const SoundChoice& choice, const std::string& selectedFile) {
    return choice.kind == SoundKind::File && selectedFile.empty();
}

void ApplyReminderSound(EventRecord& event, bool custom, const SoundChoice& choice,
                        const std::string& file) {
    event.SetFlag(kCustomSound, custom);
    if (!custom) {
        event.SetFlag(kHasSoundPause, false);
        event.soundFile.clear();
        return;
    }
    event.sound = SoundWordOf(choice);
    event.soundFile = file;
    if (choice.repeat) {
        event.soundPause = StoredPauseOf(choice);
        event.SetFlag(kHasSoundPause, true);
    }
}

} // namespace zm
