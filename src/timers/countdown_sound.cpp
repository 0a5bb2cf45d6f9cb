#include "timers/countdown_sound.h"

#include "platform/setting_table.h"

namespace zm {

SoundSetting ReadCountdownSound(const Settings& settings) {
    const auto kind = static_cast<SoundKind>(ReadInt(settings, SettingId::CountdownSoundKind));
    SoundSetting sound;
    sound.sound = SoundWord(kind, ReadBool(settings, SettingId::CountdownSoundRepeat));
    sound.pause = static_cast<uint32_t>(ReadInt(settings, SettingId::CountdownSoundPause));
    sound.file = ReadText(settings, SettingId::CountdownSoundFile);
    return sound;
}

void WriteCountdownSound(Settings& settings, const SoundSetting& sound) {
    WriteInt(settings, SettingId::CountdownSoundKind, static_cast<int64_t>(KindOf(sound.sound)));
    WriteBool(settings, SettingId::CountdownSoundRepeat, RepeatsIn(sound.sound));
    WriteInt(settings, SettingId::CountdownSoundPause, sound.pause);
    WriteText(settings, SettingId::CountdownSoundFile, sound.file);
}

std::optional<SoundRequest> CountdownSoundRequest(const Settings& settings) {
    return RequestFor(ReadCountdownSound(settings));
}

} // namespace zm
