#include "sound/sound_setting.h"

#include "model/event_record.h"

#include <algorithm>

namespace zm {

SoundKind KindOf(uint32_t sound) {
    const uint32_t kind = sound & 0xFFFF;
    return kind <= 2 ? static_cast<SoundKind>(kind) : SoundKind::None;
}

bool RepeatsIn(uint32_t sound) {
    return (sound & kSoundRepeatBit) != 0;
}

uint32_t SoundWord(SoundKind kind, bool repeat) {
    return (repeat ? kSoundRepeatBit : 0) | static_cast<uint32_t>(kind);
}

int PauseMinutes(uint32_t pause) {
    return std::min<int>(static_cast<int>(pause >> 16), kMaxPauseMinutes);
}

int PauseSeconds(uint32_t pause) {
    return std::min<int>(static_cast<int>(pause & 0xFFFF), kMaxPauseSeconds);
}

uint32_t PauseWord(int minutes, int seconds) {
    const auto m = static_cast<uint32_t>(std::clamp(minutes, 0, kMaxPauseMinutes));
    const auto s = static_cast<uint32_t>(std::clamp(seconds, 0, kMaxPauseSeconds));
    return (m << 16) | s;
}

std::chrono::milliseconds PauseDelay(uint32_t pause) {
    const std::chrono::milliseconds delay =
        std::chrono::minutes(PauseMinutes(pause)) + std::chrono::seconds(PauseSeconds(pause));
    return delay.count() > 0 ? delay : std::chrono::seconds(1);
}

std::optional<SoundRequest> RequestFor(const SoundSetting& sound) {
    const SoundKind kind = KindOf(sound.sound);
    if (kind == SoundKind::None) return std::nullopt;
    SoundRequest request;
    if (kind == SoundKind::File) request.file = sound.file;
    if (RepeatsIn(sound.sound)) request.repeatDelay = PauseDelay(sound.pause);
    return request;
}

SoundSetting ReminderSoundOf(const EventRecord& event, const SoundSetting& typeSound) {
    if (!event.Has(kCustomSound)) return typeSound;
    return {event.sound, event.Has(kHasSoundPause) ? event.soundPause : kOneMinutePause,
            event.soundFile};
}

std::optional<SoundRequest> ReminderSoundRequest(const EventRecord& event,
                                                 const SoundSetting& typeSound,
                                                 bool reminderSoundOn) {
    if (!reminderSoundOn) return std::nullopt;
    return RequestFor(ReminderSoundOf(event, typeSound));
}

} // namespace zm
