#include "store/types/undefined_type_settings.h"

#include "platform/setting_table.h"

#include <algorithm>

namespace zm {

void ApplyUndefinedTypeSettings(const UndefinedTypeSettings& s, UndefinedType& type) {
    const uint32_t kind = static_cast<uint32_t>(std::clamp<int64_t>(s.soundKind, 0, 2));
    const uint32_t repeat = s.soundRepeat != 0 ? 1 : 0;
    type.sound = repeat << 16 | kind;

    const uint32_t pause = static_cast<uint32_t>(s.soundPause);
    const uint32_t minutes = std::min<uint32_t>(pause >> 16, 99);
    const uint32_t seconds = std::min<uint32_t>(pause & 0xFFFF, 59);
    type.soundPause = (minutes == 0 && seconds == 0) ? 0x00010000 : minutes << 16 | seconds;

    type.soundFile = s.soundFile;
    type.colour = static_cast<uint32_t>(s.colour);
}

UndefinedTypeSettings UndefinedTypeSettingsOf(const UndefinedType& type) {
    UndefinedTypeSettings s;
    s.soundKind = type.sound & 0xFFFF;
    s.soundRepeat = type.sound >> 16;
    s.soundPause = type.soundPause;
    s.soundFile = type.soundFile;
    s.colour = type.colour;
    return s;
}

UndefinedTypeSettings ReadUndefinedTypeSettings(const Settings& settings) {
    UndefinedTypeSettings s;
    s.soundKind = ReadInt(settings, SettingId::UndefinedSoundKind);
    s.soundRepeat = ReadInt(settings, SettingId::UndefinedSoundRepeat);
    s.soundPause = ReadInt(settings, SettingId::UndefinedSoundPause);
    s.soundFile = ReadText(settings, SettingId::UndefinedSoundFile);
    s.colour = ReadInt(settings, SettingId::UndefinedColour);
    return s;
}

void WriteUndefinedTypeSettings(Settings& settings, const UndefinedTypeSettings& values) {
    WriteInt(settings, SettingId::UndefinedSoundKind, values.soundKind);
    WriteInt(settings, SettingId::UndefinedSoundRepeat, values.soundRepeat);
    WriteInt(settings, SettingId::UndefinedSoundPause, values.soundPause);
    WriteText(settings, SettingId::UndefinedSoundFile, values.soundFile);
    WriteInt(settings, SettingId::UndefinedColour, values.colour);
}

} // namespace zm
