#pragma once
// The sound a countdown plays when it reaches 0, as the preferences keep it: the kind (no
// sound, the default beep or a sound file; default the beep), the repeat flag (default on),
// the pause between repetitions (default 0:20) and the file.

#include "platform/settings.h"
#include "sound/sound_setting.h"

#include <optional>

namespace zm {

SoundSetting ReadCountdownSound(const Settings& settings);
void WriteCountdownSound(Settings& settings, const SoundSetting& sound);
// What the countdown plays: nothing for no sound.
std::optional<SoundRequest> CountdownSoundRequest(const Settings& settings);

} // namespace zm
