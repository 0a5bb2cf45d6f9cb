#include "sound/sound_choice.h"

#include "model/event_record.h"

namespace zm {

SoundChoice ChoiceOf(uint32_t sound, uint32_t pause) {
    return {KindOf(sound), RepeatsIn(sound), PauseMinutes(pause), PauseSeconds(pause)};
}

SoundChoice WithKind(SoundChoice choice, SoundKind kind) {
    choice.Kind = kind;
    if (kind == SoundKind::None) choice.Repeat = false;
    return choice;
}

uint32_t SoundWordOf(const SoundChoice& choice) {
    return SoundWord(choice.Kind, choice.Repeat);
}

uint32_t StoredPauseOf(const SoundChoice& choice) {
    const uint32_t pause = PauseWord(choice.Minutes, choice.Seconds);
    return pause == 0 ? 1 : pause;
}

std::chrono::milliseconds PreviewDelayOf(const SoundChoice& choice) {
    if (!choice.Repeat) return std::chrono::milliseconds(0);
    return PauseDelay(PauseWord(choice.Minutes, choice.Seconds));
}

SoundControlState ControlStateOf(const SoundChoice& choice, bool editable) {
    if (!editable) return {};
    const bool repeatAllowed = choice.Kind != SoundKind::None;
    return {true, choice.Kind == SoundKind::File, repeatAllowed, repeatAllowed && choice.Repeat};
}

bool NeedsFile(const SoundChoice& choice, const std::string& selectedFile) {
    return choice.Kind == SoundKind::File && selectedFile.empty();
}

void ApplyReminderSound(EventRecord& event, bool custom, const SoundChoice& choice,
                        const std::string& file) {
    event.SetFlag(kCustomSound, custom);
    if (!custom) {
        event.SetFlag(kHasSoundPause, false);
        event.SoundFile.clear();
        return;
    }
    event.Sound = SoundWordOf(choice);
    event.SoundFile = file;
    if (choice.Repeat) {
        event.SoundPause = StoredPauseOf(choice);
        event.SetFlag(kHasSoundPause, true);
    }
}

} // namespace zm
